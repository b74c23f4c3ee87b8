#include "platform/SystemFonts.h"

#include <fontconfig/fontconfig.h>
#include <glib.h>

#include <cstring>
#include <memory>

#include "platform/Classes.h"

namespace FMX {

namespace {

struct TConfigRelease {
  void operator()(FcConfig* C) const { FcConfigDestroy(C); }
};
struct TObjectSetRelease {
  void operator()(FcObjectSet* S) const { FcObjectSetDestroy(S); }
};
struct TPatternRelease {
  void operator()(FcPattern* P) const { FcPatternDestroy(P); }
};
struct TFontSetRelease {
  void operator()(FcFontSet* S) const { FcFontSetDestroy(S); }
};

std::unique_ptr<FcConfig, TConfigRelease> LoadConfig(const std::string& ConfigFile) {
  std::unique_ptr<FcConfig, TConfigRelease> Config(FcConfigCreate());
  if (!Config || !FcConfigParseAndLoad(Config.get(), reinterpret_cast<const FcChar8*>(ConfigFile.c_str()), FcTrue) ||
      !FcConfigBuildFonts(Config.get()))
    throw Exception("Cannot load the font configuration '" + ConfigFile + "'");
  return Config;
}

bool IsEnglish(FcPattern* Font, int Index) {
  FcChar8* Lang = nullptr;
  if (FcPatternGetString(Font, FC_FAMILYLANG, Index, &Lang) != FcResultMatch) return true;  // unknown: keep
  return std::strcmp(reinterpret_cast<const char*>(Lang), "en") == 0;
}

struct TGFree {
  void operator()(char* P) const { g_free(P); }
};

}  // namespace

void EnumFontFamilies(const std::function<void(std::string_view Family)>& Report, const std::string& ConfigFile) {
  std::unique_ptr<FcConfig, TConfigRelease> Own;
  if (!ConfigFile.empty()) Own = LoadConfig(ConfigFile);
  else if (!FcInit()) throw Exception("Cannot load the font configuration");

  std::unique_ptr<FcPattern, TPatternRelease> All(FcPatternCreate());
  std::unique_ptr<FcObjectSet, TObjectSetRelease> Wanted(FcObjectSetBuild(FC_FAMILY, FC_FAMILYLANG, FC_STYLE, nullptr));
  std::unique_ptr<FcFontSet, TFontSetRelease> Fonts(FcFontList(Own.get(), All.get(), Wanted.get()));
  if (!Fonts) return;
  for (int I = 0; I < Fonts->nfont; ++I) {
    FcChar8* Family = nullptr;
    for (int N = 0; FcPatternGetString(Fonts->fonts[I], FC_FAMILY, N, &Family) == FcResultMatch; ++N)
      if (N == 0 || IsEnglish(Fonts->fonts[I], N)) Report(reinterpret_cast<const char*>(Family));
  }
}

std::string FoldCase(std::string_view Name) {
  if (!g_utf8_validate(Name.data(), gssize(Name.size()), nullptr)) return std::string(Name);
  const std::unique_ptr<char, TGFree> Folded(g_utf8_casefold(Name.data(), gssize(Name.size())));
  return Folded.get();
}

}  // namespace FMX
