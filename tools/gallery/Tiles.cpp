#include "Tiles.h"

namespace VXGallery {

std::span<const TTileArea> TileAreas() {
  static constexpr TTileArea Areas[] = {
      {"Shapes and frames", AddShapeTiles},
      {"Gradients", AddGradientTiles},
      {"Pie and donut slices", AddSliceTiles},
      {"Progress indicators", AddProgressTiles},
      {"Arrows", AddArrowTiles},
      {"Text", AddTextTiles},
      {"Canvas helper", AddCanvasHelperTiles},
      {"Bezier polygons", AddBezierTiles},
      {"Path data", AddPathDataTiles},
      {"Palettes and colour ramps", AddColorTiles},
      {"Controls", AddFormTiles},
  };
  return Areas;
}

}  // namespace VXGallery
