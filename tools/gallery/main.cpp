// vxgallery: renders every drawing capability of the library into pictures
// and writes a page that shows each one with the code that drew it.
//
//   vxgallery [--only PATTERN] [--format png|pdf|svg|all] [OUTPUT-FOLDER]

#include <fnmatch.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "Gallery.h"
#include "IndexPage.h"
#include "Output.h"

using namespace VXGallery;

namespace {

constexpr int ExitFailed = 1;
constexpr int ExitUsage = 2;

constexpr const char* Help =
    "Usage: vxgallery [--only PATTERN] [--format png|pdf|svg|all] [OUTPUT-FOLDER]\n"
    "\n"
    "Draws every picture of the VXFMXCommon gallery into OUTPUT-FOLDER (out\n"
    "unless given) and writes OUTPUT-FOLDER/index.html, a page showing each\n"
    "picture with its title and the C++ code that drew it:\n"
    "  png/NAME.png    one picture per tile\n"
    "  svg/NAME.svg    the same as SVG\n"
    "  gallery.pdf     every tile on a page of its own, with its code\n"
    "  index.html      the page (PNG pictures, or SVG without PNG)\n"
    "\n"
    "Options:\n"
    "  --only PATTERN  only the tiles whose name matches PATTERN, a shell\n"
    "                  wildcard (helper-*) or, without wildcards, a part of\n"
    "                  the name (pie)\n"
    "  --format F      png, pdf, svg or all (the default); a comma list such\n"
    "                  as png,svg picks several\n"
    "  --list          print the tile names and titles, draw nothing\n"
    "  -h, --help      show this help\n"
    "\n"
    "The same build writes byte-identical files on every run.\n";

int Usage(const std::string& Message) {
  std::fprintf(stderr, "vxgallery: %s\nTry 'vxgallery --help'.\n", Message.c_str());
  return ExitUsage;
}

bool Matches(const std::string& Name, const std::string& Pattern) {
  if (Pattern.find_first_of("*?[") == std::string::npos) return Name.find(Pattern) != std::string::npos;
  return fnmatch(Pattern.c_str(), Name.c_str(), 0) == 0;
}

struct TFormats {
  bool Png = false;
  bool Pdf = false;
  bool Svg = false;
};

bool ParseFormats(std::string_view Text, TFormats& F) {
  F = {};
  while (!Text.empty()) {
    const auto Comma = Text.find(',');
    const std::string_view Item = Text.substr(0, Comma);
    if (Item == "png") F.Png = true;
    else if (Item == "pdf") F.Pdf = true;
    else if (Item == "svg") F.Svg = true;
    else if (Item == "all") F.Png = F.Pdf = F.Svg = true;
    else return false;
    if (Comma == std::string_view::npos) break;
    Text.remove_prefix(Comma + 1);
  }
  return F.Png || F.Pdf || F.Svg;
}

// A line per tile; on a terminal also a bar below them, redrawn after each.
class TProgress {
 public:
  explicit TProgress(std::size_t Total) : FTotal(Total), FTerminal(isatty(fileno(stdout)) == 1) {}
  void Line(std::size_t Index, const TTile& Tile, const char* Status) {
    ClearBar();
    std::printf("[%*zu/%zu] %-34s %s%s\n", Width(), Index + 1, FTotal, Tile.Name.c_str(), Tile.Title.c_str(), Status);
    if (FTerminal) {
      constexpr int BarWidth = 30;
      const int Done = int((Index + 1) * BarWidth / FTotal);
      std::printf("  [%.*s%*s] %zu/%zu", Done, "##############################", BarWidth - Done, "", Index + 1, FTotal);
      FBarShown = true;
    }
    std::fflush(stdout);
  }
  void ClearBar() {
    if (FBarShown) std::printf("\r\033[K");
    FBarShown = false;
  }

 private:
  int Width() const { return int(std::to_string(FTotal).size()); }
  std::size_t FTotal;
  bool FTerminal;
  bool FBarShown = false;
};

void WriteTextFile(const std::filesystem::path& File, const std::string& Text) {
  std::ofstream Out(File, std::ios::binary);
  Out << Text;
  Out.close();
  if (!Out) throw std::runtime_error("cannot write '" + File.string() + "'");
}

}  // namespace

int main(int argc, char** argv) {
  std::string Folder = "out";
  std::string Pattern;
  TFormats Formats{true, true, true};
  bool List = false;
  bool FolderGiven = false;
  for (int I = 1; I < argc; ++I) {
    const std::string Arg = argv[I];
    // The value after an option, or nullptr when it is missing.
    const auto Value = [&]() -> const char* { return I + 1 < argc ? argv[++I] : nullptr; };
    if (Arg == "-h" || Arg == "--help") {
      std::fputs(Help, stdout);
      return 0;
    } else if (Arg == "--only") {
      const char* V = Value();
      if (!V || !*V) return Usage("option '--only' needs a pattern");
      Pattern = V;
    } else if (Arg == "--format") {
      const char* V = Value();
      if (!V) return Usage("option '--format' needs a value");
      if (!ParseFormats(V, Formats)) return Usage(std::string("bad value for --format: '") + V + "' (png, pdf, svg or all)");
    } else if (Arg == "--list") {
      List = true;
    } else if (Arg.size() > 1 && Arg[0] == '-') {
      return Usage("unknown option '" + Arg + "'");
    } else if (FolderGiven) {
      return Usage("more than one output folder given ('" + Folder + "', '" + Arg + "')");
    } else {
      Folder = Arg;
      FolderGiven = true;
    }
  }

  const auto Started = std::chrono::steady_clock::now();
  const TGallery Gallery = BuildGallery();
  std::vector<const TTile*> Tiles;
  for (const TTile& T : Gallery.Tiles())
    if (Pattern.empty() || Matches(T.Name, Pattern)) Tiles.push_back(&T);
  if (Tiles.empty()) return Usage("no tile matches '" + Pattern + "' (vxgallery --list shows them)");
  if (List) {
    for (const TTile* T : Tiles) std::printf("%-34s %s\n", T->Name.c_str(), T->Title.c_str());
    return 0;
  }

  const std::filesystem::path Out(Folder);
  try {
    std::filesystem::create_directories(Out);
    if (Formats.Png) std::filesystem::create_directories(Out / "png");
    if (Formats.Svg) std::filesystem::create_directories(Out / "svg");
  } catch (const std::exception& E) {
    std::fprintf(stderr, "vxgallery: cannot create the output folder '%s': %s\n", Folder.c_str(), E.what());
    return ExitFailed;
  }

  int Failed = 0;
  std::unique_ptr<TPdfBook> Pdf;
  if (Formats.Pdf) {
    try {
      Pdf = std::make_unique<TPdfBook>((Out / "gallery.pdf").string());
    } catch (const std::exception& E) {
      std::fprintf(stderr, "vxgallery: %s\n", E.what());
      return ExitFailed;
    }
  }
  TProgress Progress(Tiles.size());
  for (std::size_t I = 0; I < Tiles.size(); ++I) {
    const TTile& T = *Tiles[I];
    try {
      if (Formats.Png) WritePng(T, (Out / "png" / (T.Name + ".png")).string());
      if (Formats.Svg) WriteSvg(T, (Out / "svg" / (T.Name + ".svg")).string());
      if (Pdf) Pdf->AddPage(T);
      Progress.Line(I, T, "");
    } catch (const std::exception& E) {
      ++Failed;
      Progress.Line(I, T, "  FAILED");
      std::fprintf(stderr, "vxgallery: tile %s: %s\n", T.Name.c_str(), E.what());
    }
  }
  Progress.ClearBar();

  std::string Written;
  try {
    if (Pdf) {
      Pdf->Finish();
      Written += ", " + (Out / "gallery.pdf").string();
    }
    if (Formats.Png || Formats.Svg) {
      TPageLinks Links{Formats.Png ? "png" : "svg", Formats.Png ? ".png" : ".svg", Formats.Svg, Formats.Pdf};
      WriteTextFile(Out / "index.html", IndexPage(Tiles, Links));
      Written += ", " + (Out / "index.html").string();
    }
  } catch (const std::exception& E) {
    std::fprintf(stderr, "vxgallery: %s\n", E.what());
    return ExitFailed;
  }
  const double Seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - Started).count();
  std::printf("%zu tiles in %.1f s", Tiles.size() - std::size_t(Failed), Seconds);
  if (Failed) std::printf(", %d FAILED", Failed);
  std::printf("%s\n", Written.c_str());
  return Failed ? ExitFailed : 0;
}
