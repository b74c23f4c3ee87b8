#pragma once
// out/index.html: one section per area, one figure per tile (title, the
// picture, the code that drew it). The page has no script and loads
// nothing from the network, so it works opened straight from disk.

#include <string>
#include <vector>

#include "Gallery.h"

namespace VXGallery {

struct TPageLinks {
  std::string ImageFolder;     // "png" or "svg": where each tile's picture is
  std::string ImageExtension;  // ".png" or ".svg"
  bool Svg = false;            // link each tile's SVG file
  bool Pdf = false;            // link gallery.pdf
};

std::string IndexPage(const std::vector<const TTile*>& Tiles, const TPageLinks& Links);

// Text made safe for HTML element content and attribute values.
std::string HtmlEscape(std::string_view Text);

}  // namespace VXGallery
