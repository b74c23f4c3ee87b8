// Arrows: heads at either end, filled or outlined, shafts as lines or
// bands, and captions of several lines.

#include <VXFMXCommon.h>

#include "Tiles.h"

namespace VXGallery {

using namespace FMX::VX;
using namespace FMX::VX::Graphics;

void AddArrowTiles(TGallery& G) {
  G.Add("arrows-heads", "DrawArrow: open, closed and filled heads; line and band shafts", 240, 160, VXG_CODE(
      Canvas.Stroke().SetColor(claDarkSlateGray);
      Canvas.Fill().SetColor(claCoral);
      DrawArrow(Canvas, 20, 20, 220, 20, 10, "", TArrowOptions{aoArrowAtEnd}, 1, 1, claBlack);
      DrawArrow(Canvas, 20, 55, 220, 55, 10, "", TArrowOptions{aoArrowAtStart, aoArrowAtEnd, aoClosedHead}, 1, 1,
                claBlack);
      DrawArrow(Canvas, 20, 95, 220, 95, 14, "", TArrowOptions{aoArrowAtEnd, aoFillHead}, 8, 1, claBlack);
      DrawArrow(Canvas, 20, 135, 220, 135, 14, "", TArrowOptions{aoArrowAtStart, aoArrowAtEnd}, 8, 1, claBlack)));

  G.Add("arrows-caption", "DrawArrow along a polyline with a two-line caption", 240, 160, VXG_CODE(
      const TCanvasPoints Route{{20, 140}, {60, 40}, {180, 40}, {220, 130}};
      Canvas.Stroke().SetColor(claNavy);
      Canvas.Fill().SetColor(claLightSkyBlue);
      Canvas.Font().SetSize(11);
      DrawArrow(Canvas, Route, 12, "Second leg\r\n120 units",
                TArrowOptions{aoArrowAtEnd, aoFillHead, aoDrawCaption}, 5, 1, 1, claDarkRed)));
}

}  // namespace VXGallery
