// Smooth curves through control points: both spline kinds, open and closed.

#include <VXFMXCommon.h>

#include "Tiles.h"

namespace VXGallery {

using namespace FMX::VX;
using namespace FMX::VX::Graphics;

namespace {

// Small grey dots on the control points, joined by a thin line.
void ShowControlPoints(TCanvas& Canvas, const TCanvasPoints& Points) {
  Canvas.Stroke().SetColor(claSilver);
  Canvas.SetStrokeThickness(1);
  Canvas.DrawPolygon(Points, 1);
  Canvas.Fill().SetColor(claDimGray);
  for (const TPointF P : Points) Canvas.FillEllipse(TRectF{P.X - 3, P.Y - 3, P.X + 3, P.Y + 3}, 1);
}

}  // namespace

void AddBezierTiles(TGallery& G) {
  for (const bool BSpline : {false, true})
    for (const bool Closed : {false, true}) {
      const std::string Kind = BSpline ? "bspline" : "catmull-rom";
      const std::string Shape = Closed ? "closed" : "open";
      G.Add("bezier-" + Kind + "-" + Shape,
            std::string(BSpline ? "B-spline, pulled towards" : "Catmull-Rom, through") + " the points, " + Shape,
            240, 160,
            VXG_CODE(const TCanvasPoints Points{{20, 130}, {60, 30}, {120, 120}, {170, 25}, {220, 100}};
                     Canvas.Fill().SetColor(claLightBlue);
                     Canvas.Stroke().SetColor(claNavy);
                     Canvas.SetStrokeThickness(2);
                     DrawBezierPolygon(Canvas, Points, BSpline, Closed, Closed, 4, 1);
                     ShowControlPoints(Canvas, Points)),
            {{"BSpline", BSpline ? "true" : "false"}, {"Closed", Closed ? "true" : "false"}});
    }

  G.Add("bezier-samples", "BezierPolygonPoints: samples about StepSize apart", 240, 160, VXG_CODE(
      const TPoints Control{{20, 120}, {80, 20}, {160, 140}, {220, 40}};
      const TPoints Samples = BezierPolygonPoints(Control, false, false, 12);
      Canvas.Fill().SetColor(claCrimson);
      for (const TPoint P : Samples) Canvas.FillEllipse(CenterRect(VXPoint(P), 5.0f, 5.0f), 1);
      ShowControlPoints(Canvas, PointsToVXPoints(Control))));

  G.Add("bezier-filled-translucent", "Closed B-spline filled at opacity 0.6 over a grid", 240, 160, VXG_CODE(
      Canvas.Stroke().SetColor(claGainsboro);
      for (int X = 0; X <= 240; X += 20) Canvas.DrawLine(CanvasPoint(X, 0), CanvasPoint(X, 160), 1);
      for (int Y = 0; Y <= 160; Y += 20) Canvas.DrawLine(CanvasPoint(0, Y), CanvasPoint(240, Y), 1);
      const TCanvasPoints Points{{40, 30}, {200, 20}, {220, 140}, {120, 80}, {20, 140}};
      Canvas.Fill().SetColor(claMediumOrchid);
      Canvas.Stroke().SetColor(claIndigo);
      Canvas.SetStrokeThickness(2);
      DrawBezierPolygon(Canvas, Points, true, true, true, 2, 0.6f)));
}

}  // namespace VXGallery
