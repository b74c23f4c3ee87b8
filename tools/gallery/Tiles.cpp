#include "Tiles.h"

namespace VXGallery {

std::span<const TTileArea> TileAreas() {
  static constexpr TTileArea Areas[] = {
      {"Canvas helper", AddCanvasHelperTiles},
      {"Bezier polygons", AddBezierTiles},
      {"Path data", AddPathDataTiles},
      {"Palettes and colour ramps", AddColorTiles},
  };
  return Areas;
}

}  // namespace VXGallery
