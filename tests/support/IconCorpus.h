#pragma once
// Real path data: the d="..." attributes of the SVG icons of the
// adwaita-icon-theme package (the README's commands install it). Shared by
// the parser tests, the benchmarks and the gallery.

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

// VXFMX_ICON_DIR, or /usr/share/icons/Adwaita.
inline std::filesystem::path IconDirectory() {
  const char* Env = std::getenv("VXFMX_ICON_DIR");
  return Env ? Env : "/usr/share/icons/Adwaita";
}

// Every d="..." attribute of one SVG file, in file order; empty when the
// file cannot be read.
inline std::vector<std::string> LoadIconFilePathTexts(const std::filesystem::path& File) {
  std::vector<std::string> Texts;
  std::ifstream In(File);
  std::stringstream Buf;
  Buf << In.rdbuf();
  const std::string Svg = Buf.str();
  for (std::size_t At = Svg.find(" d=\""); At != std::string::npos; At = Svg.find(" d=\"", At)) {
    At += 4;
    const std::size_t End = Svg.find('"', At);
    if (End == std::string::npos) break;
    Texts.push_back(Svg.substr(At, End - At));
  }
  return Texts;
}

// Every d="..." attribute of the .svg files below Root, in a stable order
// whatever the directory order; empty when there are none.
inline std::vector<std::string> LoadIconPathTexts(const std::filesystem::path& Root = IconDirectory()) {
  std::vector<std::string> Texts;
  std::error_code Ec;
  for (auto It = std::filesystem::recursive_directory_iterator(Root, Ec);
       !Ec && It != std::filesystem::recursive_directory_iterator(); It.increment(Ec)) {
    if (It->path().extension() != ".svg") continue;
    for (std::string& Text : LoadIconFilePathTexts(It->path())) Texts.push_back(std::move(Text));
  }
  std::sort(Texts.begin(), Texts.end());
  return Texts;
}
