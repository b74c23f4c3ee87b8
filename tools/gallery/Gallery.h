#pragma once
// The gallery's tiles: one small picture each, with a title and the C++
// code that drew it.
//
// A tile's code is written once, inside VXG_CODE(...): the macro turns the
// same tokens into the drawing function and into the caption, so the
// caption is always the code that really ran. Loop variables in the code
// are bound to their values for the caption ({"Style", "ssDiamond"}).

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace FMX {
class TCanvas;
}

namespace VXGallery {

using TPaint = std::function<void(FMX::TCanvas&)>;

struct TTileCode {
  std::string_view Text;  // the code as written (one line)
  TPaint Paint;
};

// The code given to the macro draws on a canvas named Canvas. Locals used in
// it are copied into the tile.
#define VXG_CODE(...) \
  ::VXGallery::TTileCode { #__VA_ARGS__, [=](::FMX::TCanvas& Canvas) { __VA_ARGS__; } }

struct TTile {
  std::string Name;   // unique, file-name safe: "helper-pie"
  std::string Area;   // heading it is listed under
  std::string Title;
  std::string Code;   // caption: the code, one statement per line
  int Width = 0;      // pixels (PNG) and points (PDF, SVG)
  int Height = 0;
  TPaint Paint;
};

using TBindings = std::initializer_list<std::pair<std::string_view, std::string>>;

class TGallery {
 public:
  // Tiles added from now on are listed under Area.
  void BeginArea(std::string Area) { FArea = std::move(Area); }
  // Raises std::logic_error for a name used twice or one that is not made
  // of lower-case letters, digits and '-'.
  void Add(std::string Name, std::string Title, int Width, int Height, TTileCode Code, TBindings Bindings = {});
  const std::vector<TTile>& Tiles() const { return FTiles; }

 private:
  std::string FArea;
  std::vector<TTile> FTiles;
};

// Every tile of every area, in the order of the page.
TGallery BuildGallery();

// Caption text: the identifiers named in Bindings replaced by their values
// (not inside string or character literals), then one statement per line
// with blocks indented.
std::string BindCode(std::string_view Code, TBindings Bindings);
std::string FormatCode(std::string_view Code);

}  // namespace VXGallery
