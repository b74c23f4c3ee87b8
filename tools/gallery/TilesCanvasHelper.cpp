// The canvas helper's classic immediate-mode operations.

#include <VXFMXCommon.h>

#include "Tiles.h"

namespace VXGallery {

using namespace FMX::VX;
using namespace FMX::VX::Graphics;

void AddCanvasHelperTiles(TGallery& G) {
  G.Add("helper-arc", "Arc: counter-clockwise from one ray to another", 240, 160, VXG_CODE(
      Canvas.Stroke().SetColor(claSteelBlue);
      CanvasHelper::SetPenWidth(Canvas, 4);
      CanvasHelper::Arc(Canvas, 20, 20, 220, 140, 220, 20, 20, 140);
      Canvas.Stroke().SetColor(claLightGray);
      CanvasHelper::SetPenWidth(Canvas, 1);
      CanvasHelper::DrawLine(Canvas, TPointF{120, 80}, TPointF{220, 20});
      CanvasHelper::DrawLine(Canvas, TPointF{120, 80}, TPointF{20, 140})));

  G.Add("helper-chord", "Chord: the arc closed by a straight line", 240, 160, VXG_CODE(
      Canvas.Fill().SetColor(claLightGreen);
      Canvas.Stroke().SetColor(claSeaGreen);
      CanvasHelper::SetPenWidth(Canvas, 3);
      CanvasHelper::Chord(Canvas, 20, 20, 220, 140, 220, 60, 20, 60)));

  G.Add("helper-pie", "Pie: the arc closed through the centre", 240, 160, VXG_CODE(
      Canvas.Fill().SetColor(claGold);
      Canvas.Stroke().SetColor(claDarkGoldenrod);
      CanvasHelper::SetPenWidth(Canvas, 2);
      CanvasHelper::Pie(Canvas, 40, 10, 200, 150, 200, 40, 200, 120);
      Canvas.Fill().SetColor(claTomato);
      CanvasHelper::Pie(Canvas, 52, 10, 212, 150, 212, 120, 212, 40)));

  G.Add("helper-roundrect", "RoundRect with three corner sizes", 240, 160, VXG_CODE(
      Canvas.Fill().SetColor(claLightSteelBlue);
      Canvas.Stroke().SetColor(claNavy);
      CanvasHelper::SetPenWidth(Canvas, 2);
      CanvasHelper::RoundRect(Canvas, 10, 20, 70, 140, 10, 10);
      CanvasHelper::RoundRect(Canvas, 90, 20, 150, 140, 30, 60);
      CanvasHelper::RoundRect(Canvas, TRectF{170, 20, 230, 140}, 60, 20)));

  G.Add("helper-focusrect", "DrawFocusRect around a selected caption", 240, 160, VXG_CODE(
      Canvas.Fill().SetColor(claBlack);
      Canvas.Font().SetSize(16);
      CanvasHelper::TextOut(Canvas, 60.0f, 68.0f, "Selected item");
      Canvas.Stroke().SetColor(claBlack);
      CanvasHelper::DrawFocusRect(Canvas, TRectF{50, 60, 190, 96});
      Canvas.Stroke().SetColor(claRoyalBlue);
      CanvasHelper::DrawFocusRect(Canvas, TRect{20, 20, 220, 140})));

  G.Add("helper-textrect", "TextRect: text from a point, clipped to a rectangle", 240, 160, VXG_CODE(
      Canvas.Stroke().SetColor(claSilver);
      CanvasHelper::FrameRect(Canvas, TRectF{20, 40, 170, 120});
      Canvas.Fill().SetColor(claDarkRed);
      Canvas.Font().SetSize(20);
      CanvasHelper::TextRect(Canvas, TRectF{20, 40, 170, 120}, 30.0f, 60.0f, "Clipped at the edge")));

  G.Add("helper-shapes", "Rectangle, Ellipse and Polygon: outline, then fill", 240, 160, VXG_CODE(
      Canvas.Stroke().SetColor(claDimGray);
      CanvasHelper::SetPenWidth(Canvas, 2);
      Canvas.Fill().SetColor(claLightCoral);
      CanvasHelper::Rectangle(Canvas, 10, 30, 70, 130);
      Canvas.Fill().SetColor(claLightSkyBlue);
      CanvasHelper::Ellipse(Canvas, 80, 30, 150, 130);
      Canvas.Fill().SetColor(claPaleGreen);
      const TCanvasPoints Star{{195, 25}, {210, 130}, {160, 60}, {230, 60}, {180, 130}};
      CanvasHelper::Polygon(Canvas, Star)));

  G.Add("helper-lines", "Polyline, PolyBezier and AngleArc", 240, 160, VXG_CODE(
      Canvas.Stroke().SetColor(claPurple);
      CanvasHelper::SetPenWidth(Canvas, 2);
      const TCanvasPoints Zigzag{{10, 140}, {40, 20}, {70, 140}, {100, 20}};
      CanvasHelper::Polyline(Canvas, Zigzag);
      Canvas.Stroke().SetColor(claOrangeRed);
      const TCanvasPoints Wave{{110, 80}, {130, 0}, {150, 160}, {170, 80}, {190, 0}, {210, 160}, {230, 80}};
      CanvasHelper::PolyBezier(Canvas, Wave);
      Canvas.Stroke().SetColor(claTeal);
      CanvasHelper::AngleArc(Canvas, 170.0f, 80.0f, 60.0f, 0.0f, 270.0f)));

  G.Add("helper-text", "FillText turned by an angle, and TextOut", 240, 160, VXG_CODE(
      Canvas.Fill().SetColor(claMidnightBlue);
      Canvas.Font().SetSize(14);
      CanvasHelper::FillText(Canvas, TRectF{20, 40, 220, 120}, "Turned 20 degrees", false, 1, {}, 20,
                             TTextAlign::Center);
      Canvas.Fill().SetColor(claGray);
      Canvas.Font().SetSize(10);
      CanvasHelper::TextOut(Canvas, 8, 140, "TextOut at (8, 140)")));
}

}  // namespace VXGallery
