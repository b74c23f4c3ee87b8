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
  std::unique_ptr<FcObjectSet, TObjectSetRelease> Wanted(FcObjectSetBuild(FC_FAMILY, FC_FAMILYLANG, nullptr));
  std::unique_ptr<FcFontSet, TFontSetRelease> Fonts(FcFontList(Own.get(), All.get(), Wanted.get()));
  if (!Fonts) return;
  for (int I = 0; I < Fonts->nfont; ++I) {
    FcChar8* Family = nullptr;
    for (int N = 0; FcPatternGetString(Fonts->fonts[I], FC_FAMILY, N, &Family) == FcResultMatch; ++N)
      if (N == 0 || IsEnglish(Fonts->fonts[I], N)) Report(reinterpret_cast<const char*>(Family));
  }
}

bool SameTextUtf8(std::string_view A, std::string_view B) {
  if (A.size() == B.size()) {
    std::size_t I = 0;
    while (I < A.size() && g_ascii_tolower(A[I]) == g_ascii_tolower(B[I])) ++I;
    if (I == A.size()) return true;
  }
  if (!g_utf8_validate(A.data(), gssize(A.size()), nullptr) || !g_utf8_validate(B.data(), gssize(B.size()), nullptr))
    return false;
  if (A.find('\0') != A.npos || B.find('\0') != B.npos) return false;
  const std::unique_ptr<char, TGFree> FA(g_utf8_casefold(A.data(), gssize(A.size())));
  const std::unique_ptr<char, TGFree> FB(g_utf8_casefold(B.data(), gssize(B.size())));
  return std::strcmp(FA.get(), FB.get()) == 0;
}

}  // namespace FMX
