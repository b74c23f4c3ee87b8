// Pie wedges, scaled wedges and donut slices.

#include <VXFMXCommon.h>

#include "Tiles.h"

namespace VXGallery {

using namespace FMX::VX;
using namespace FMX::VX::Graphics;

void AddSliceTiles(TGallery& G) {
  G.Add("slices-pie", "DrawPieSlice: a pie chart from five values", 240, 160, VXG_CODE(
      const double Values[] = {35, 25, 20, 12, 8};
      double Start = 0;
      Canvas.Stroke().SetColor(claWhite);
      Canvas.SetStrokeThickness(2);
      for (int I = 0; I < 5; ++I) {
        const double End = Start + Values[I] * 3.6;
        Canvas.Fill().SetColor(PastelsColorList[I]);
        DrawPieSlice(Canvas, TRectF{50, 10, 190, 150}, Start, End, 90, 1);
        Start = End;
      }));

  G.Add("slices-scaled", "DrawPieSlice with a scale: wedges of growing size", 240, 160, VXG_CODE(
      Canvas.Stroke().SetColor(claDarkSlateGray);
      for (int I = 0; I < 6; ++I) {
        Canvas.Fill().SetColor(BluesColorList[I]);
        DrawPieSlice(Canvas, TRectF{50, 10, 190, 150}, I * 60.0, I * 60.0 + 60, 0.4 + I * 0.12, 0, 1);
      }));

  G.Add("slices-donut", "DrawDonutSlice: a ring chart, and a whole ring at opacity 0.6", 240, 160, VXG_CODE(
      const double Values[] = {40, 30, 20, 10};
      double Start = 0;
      Canvas.Stroke().SetColor(claWhite);
      for (int I = 0; I < 4; ++I) {
        Canvas.Fill().SetColor(SouthwestColorList[I]);
        DrawDonutSlice(Canvas, TRectF{10, 10, 150, 150}, Start, Start + Values[I] * 3.6, 90, 0.55, 1, 1);
        Start += Values[I] * 3.6;
      }
      Canvas.Fill().SetColor(claMediumPurple);
      DrawDonutSlice(Canvas, TRectF{160, 40, 230, 110}, 0, 360, 0, 0.5, 1, 0.6f)));
}

}  // namespace VXGallery
