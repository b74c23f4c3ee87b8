// Arc, ArcTo, Chord and Pie: the classic bounding-box-and-two-rays arcs.

#include <cmath>

#include "FMX.VX.CanvasHelper/CanvasHelper.h"
#include "platform/Math.h"

namespace FMX::VX::CanvasHelper {

namespace {

// An arc of the ellipse inscribed in (X1, Y1, X2, Y2) in the canvas's angle
// convention: parametric angles (point = centre + (rx cos t, ry sin t)) in
// degrees turning clockwise on screen.
struct TEllipseArc {
  TPointF Center;
  TPointF Radius;
  float StartAngle = 0;
  float SweepAngle = 0;
};

TEllipseArc ArcFromRays(float X1, float Y1, float X2, float Y2, float X3, float Y3, float X4, float Y4) {
  const double CX = (double(X1) + double(X2)) / 2, CY = (double(Y1) + double(Y2)) / 2;
  const double RX = std::fabs(double(X2) - double(X1)) / 2, RY = std::fabs(double(Y2) - double(Y1)) / 2;
  const double DX3 = double(X3) - CX, DY3 = double(Y3) - CY;
  const double DX4 = double(X4) - CX, DY4 = double(Y4) - CY;
  // The ray (dx, dy) meets the ellipse where (rx cos t, ry sin t) points the
  // same way: t = atan2(dy / ry, dx / rx), written without the divisions so
  // that a flat ellipse still gives an angle.
  const double A3 = RadToDeg(std::atan2(DY3 * RX, DX3 * RY));
  const double A4 = RadToDeg(std::atan2(DY4 * RX, DX4 * RY));
  // Counter-clockwise on screen is towards smaller angles. Rays pointing the
  // same way (cross product 0, dot product positive) make a whole turn.
  double Sweep;
  if (DX3 * DY4 - DY3 * DX4 == 0 && DX3 * DX4 + DY3 * DY4 > 0) {
    Sweep = -360;
  } else {
    double Back = std::fmod(A3 - A4, 360.0);
    if (Back < 0) Back += 360;
    Sweep = -Back;
  }
  return {{float(CX), float(CY)}, {float(RX), float(RY)}, float(A3), float(Sweep)};
}

void AddArc(TPathData& Path, const TEllipseArc& A) { Path.AddArc(A.Center, A.Radius, A.StartAngle, A.SweepAngle); }

}  // namespace

void AngleArc(TCanvas& Canvas, std::int32_t X, std::int32_t Y, std::uint32_t Radius, float StartAngle,
              float SweepAngle, float Opacity) {
  AngleArc(Canvas, float(X), float(Y), float(Radius), StartAngle, SweepAngle, Opacity);
}

void AngleArc(TCanvas& Canvas, float X, float Y, float Radius, float StartAngle, float SweepAngle, float Opacity) {
  Canvas.DrawArc({X, Y}, {Radius, Radius}, float(double(StartAngle) + 90), SweepAngle, Opacity);
}

void Arc(TCanvas& Canvas, std::int32_t X1, std::int32_t Y1, std::int32_t X2, std::int32_t Y2, std::int32_t X3,
         std::int32_t Y3, std::int32_t X4, std::int32_t Y4, float Opacity) {
  Arc(Canvas, float(X1), float(Y1), float(X2), float(Y2), float(X3), float(Y3), float(X4), float(Y4), Opacity);
}

void Arc(TCanvas& Canvas, float X1, float Y1, float X2, float Y2, float X3, float Y3, float X4, float Y4,
         float Opacity) {
  const TEllipseArc A = ArcFromRays(X1, Y1, X2, Y2, X3, Y3, X4, Y4);
  Canvas.DrawArc(A.Center, A.Radius, A.StartAngle, A.SweepAngle, Opacity);
}

void ArcTo(TCanvas& Canvas, std::int32_t X1, std::int32_t Y1, std::int32_t X2, std::int32_t Y2, std::int32_t X3,
           std::int32_t Y3, std::int32_t X4, std::int32_t Y4, float Opacity) {
  ArcTo(Canvas, float(X1), float(Y1), float(X2), float(Y2), float(X3), float(Y3), float(X4), float(Y4), Opacity);
}

void ArcTo(TCanvas& Canvas, float X1, float Y1, float X2, float Y2, float X3, float Y3, float X4, float Y4,
           float Opacity) {
  TPathData Path;
  Path.MoveTo(Canvas.PenPos());
  AddArc(Path, ArcFromRays(X1, Y1, X2, Y2, X3, Y3, X4, Y4));  // joins with a line to the arc's start
  Canvas.DrawPath(Path, Opacity);
  Canvas.SetPenPos(Path.LastPoint());
}

void Chord(TCanvas& Canvas, std::int32_t X1, std::int32_t Y1, std::int32_t X2, std::int32_t Y2, std::int32_t X3,
           std::int32_t Y3, std::int32_t X4, std::int32_t Y4, float Opacity) {
  Chord(Canvas, float(X1), float(Y1), float(X2), float(Y2), float(X3), float(Y3), float(X4), float(Y4), Opacity);
}

void Chord(TCanvas& Canvas, float X1, float Y1, float X2, float Y2, float X3, float Y3, float X4, float Y4,
           float Opacity) {
  TPathData Path;
  AddArc(Path, ArcFromRays(X1, Y1, X2, Y2, X3, Y3, X4, Y4));
  Path.ClosePath();
  Canvas.FillPath(Path, Opacity);
  Canvas.DrawPath(Path, Opacity);
}

void Pie(TCanvas& Canvas, std::int32_t X1, std::int32_t Y1, std::int32_t X2, std::int32_t Y2, std::int32_t X3,
         std::int32_t Y3, std::int32_t X4, std::int32_t Y4, float Opacity) {
  Pie(Canvas, float(X1), float(Y1), float(X2), float(Y2), float(X3), float(Y3), float(X4), float(Y4), Opacity);
}

void Pie(TCanvas& Canvas, float X1, float Y1, float X2, float Y2, float X3, float Y3, float X4, float Y4,
         float Opacity) {
  const TEllipseArc A = ArcFromRays(X1, Y1, X2, Y2, X3, Y3, X4, Y4);
  TPathData Path;
  AddArc(Path, A);
  Path.LineTo(A.Center);
  Path.ClosePath();
  Canvas.FillPath(Path, Opacity);
  Canvas.DrawPath(Path, Opacity);
}

}  // namespace FMX::VX::CanvasHelper
