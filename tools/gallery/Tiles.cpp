#include "Tiles.h"

namespace VXGallery {

std::span<const TTileArea> TileAreas() {
  static constexpr TTileArea Areas[] = {
      {"Shapes and frames", AddShapeTiles},
      {"Gradients", AddGradientTiles},
      {"Canvas helper", AddCanvasHelperTiles},
      {"Bezier polygons", AddBezierTiles},
      {"Path data", AddPathDataTiles},
      {"Palettes and colour ramps", AddColorTiles},
  };
  return Areas;
}

}  // namespace VXGallery
