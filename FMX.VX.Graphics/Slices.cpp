// Pie wedges and ring sectors.

#include "FMX.VX.Graphics/Slices.h"

#include "FMX.VX.Graphics/Geometry.h"
#include "FMX.VX.Graphics/Intersection.h"
#include "FMX.VX.Graphics/VXPathData.h"
#include "FMX.VX.Graphics/VectorMatrix.h"
#include "platform/PathData.h"

namespace FMX::VX::Graphics {

void DrawPieSlice(TCanvas& Canvas, const TRectF& Rect, double StartAngle, double EndAngle, std::int32_t AngleOffset,
                  float Opacity) {
  const TRectF R = FixRect(Rect);
  const TPointF M = VXCenterPoint(R);
  const TPointF Radius{float((double(R.Right) - R.Left) / 2), float((double(R.Bottom) - R.Top) / 2)};
  // The path measures angles clockwise on screen: negate to run
  // counter-clockwise.
  TPathData Path;
  Path.MoveTo(M);
  Path.AddArc(M, Radius, float(-StartAngle - AngleOffset), float(-(EndAngle - StartAngle)));
  Path.LineTo(M);
  Canvas.FillPath(Path, Opacity);
  Canvas.DrawPath(Path, Opacity);
}

void DrawPieSlice(TCanvas& Canvas, const TRectF& Rect, double StartAngle, double EndAngle, double Scale,
                  std::int32_t AngleOffset, float Opacity) {
  TRectF R = FixRect(Rect);
  if (Scale != 1) {
    const double K = -(1 - Scale) / 2;
    VXInflateRect(R, float(K * VXRectWidth(R)), float(K * VXRectHeight(R)));
  }
  DrawPieSlice(Canvas, R, StartAngle, EndAngle, AngleOffset, Opacity);
}

void DrawDonutSlice(TCanvas& Canvas, const TRectF& Rect, double StartAngle, double EndAngle,
                    std::int32_t AngleOffset, double InnerRadius, double OuterRadius, float Opacity) {
  const TRectF R = FixRect(Rect);
  // The sector is built around the origin in a box of +-100 units, then
  // mapped onto R.
  TVXPathData Path;
  Arc(Path, -StartAngle, -EndAngle, InnerRadius * 100, OuterRadius * 100, -double(AngleOffset));
  const TMatrix ToRect = VXMatrixMultiply(
      VXMatrixMultiply(CreateTranslateVXMatrix(100, 100),
                       CreateScaleVXMatrix(float(double(VXRectWidth(R)) / 200), float(double(VXRectHeight(R)) / 200))),
      CreateTranslateVXMatrix(R.Left, R.Top));
  Path.ApplyMatrix(ToRect);
  Path.FillPath(Canvas, Opacity);
  Path.DrawPath(Canvas, Opacity);
}

}  // namespace FMX::VX::Graphics
