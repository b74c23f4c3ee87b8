#include "IndexPage.h"

#include <cctype>

namespace VXGallery {

std::string HtmlEscape(std::string_view Text) {
  std::string Out;
  Out.reserve(Text.size());
  for (const char C : Text) {
    switch (C) {
      case '&': Out += "&amp;"; break;
      case '<': Out += "&lt;"; break;
      case '>': Out += "&gt;"; break;
      case '"': Out += "&quot;"; break;
      case '\'': Out += "&#39;"; break;
      default: Out += C;
    }
  }
  return Out;
}

namespace {

std::string AreaId(std::string_view Area) {
  std::string Id = "area-";
  bool Dash = false;
  for (const char C : Area) {
    if (std::isalnum(static_cast<unsigned char>(C))) {
      if (Dash && Id.size() > 5) Id += '-';
      Id += char(std::tolower(static_cast<unsigned char>(C)));
      Dash = false;
    } else {
      Dash = true;
    }
  }
  return Id;
}

constexpr const char* Style = R"(
body { font-family: "DejaVu Sans", sans-serif; margin: 0 2em 2em; background: #f4f4f2; color: #222; }
h1 { margin: 0.8em 0 0.2em; }
nav { margin: 0.5em 0 1em; line-height: 1.8; }
nav a { margin-right: 1em; }
.tiles { display: flex; flex-wrap: wrap; gap: 16px; align-items: flex-start; }
figure { margin: 0; padding: 10px; background: #fff; border: 1px solid #ddd; border-radius: 4px; max-width: 520px; }
figure h3 { margin: 0 0 6px; font-size: 1em; }
figure img { display: block; border: 1px solid #eee; }
pre { margin: 6px 0 0; padding: 6px; background: #f6f8fa; font-size: 11px; white-space: pre-wrap; word-break: break-word; }
.links { margin: 4px 0 0; font-size: 0.85em; }
)";

}  // namespace

std::string IndexPage(const std::vector<const TTile*>& Tiles, const TPageLinks& Links) {
  std::string Page =
      "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<link rel=\"icon\" href=\"data:,\">\n<title>VXFMXCommon gallery</title>\n<style>";
  Page += Style;
  Page += "</style>\n</head>\n<body>\n<h1>VXFMXCommon gallery</h1>\n<p>" + std::to_string(Tiles.size()) +
          " pictures drawn by the library, each with the code that drew it.";
  if (Links.Pdf) Page += " All of them in one document: <a href=\"gallery.pdf\">gallery.pdf</a>.";
  Page += "</p>\n<p>The code under each picture ran on <code>FMX::TCanvas&amp; Canvas</code>, a fresh canvas "
          "of the picture's size, with <code>using namespace FMX::VX;</code> and <code>using namespace "
          "FMX::VX::Graphics;</code> in force. <code>ShowControlPoints</code>, <code>DrawChecker</code> and "
          "<code>MakePicture</code> are small helpers of the gallery itself (tools/gallery).</p>\n<nav>";
  std::string Area;
  for (const TTile* T : Tiles)
    if (T->Area != Area) {
      Area = T->Area;
      Page += "<a href=\"#" + AreaId(Area) + "\">" + HtmlEscape(Area) + "</a>";
    }
  Page += "</nav>\n";
  Area.clear();
  bool Open = false;
  for (const TTile* T : Tiles) {
    if (!Open || T->Area != Area) {
      if (Open) Page += "</div>\n</section>\n";
      Area = T->Area;
      Open = true;
      Page += "<section id=\"" + AreaId(Area) + "\">\n<h2>" + HtmlEscape(Area) + "</h2>\n<div class=\"tiles\">\n";
    }
    const std::string Name = HtmlEscape(T->Name);
    Page += "<figure id=\"tile-" + Name + "\">\n<figcaption><h3>" + HtmlEscape(T->Title) + "</h3></figcaption>\n";
    Page += "<img src=\"" + Links.ImageFolder + "/" + Name + Links.ImageExtension + "\" width=\"" +
            std::to_string(T->Width) + "\" height=\"" + std::to_string(T->Height) + "\" alt=\"" +
            HtmlEscape(T->Title) + "\">\n";
    Page += "<pre><code>" + HtmlEscape(T->Code) + "</code></pre>\n";
    if (Links.Svg) Page += "<p class=\"links\"><a href=\"svg/" + Name + ".svg\">SVG</a></p>\n";
    Page += "</figure>\n";
  }
  if (Open) Page += "</div>\n</section>\n";
  Page += "</body>\n</html>\n";
  return Page;
}

}  // namespace VXGallery
