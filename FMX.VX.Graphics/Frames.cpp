#include "FMX.VX.Graphics/Frames.h"

#include <array>
#include <cmath>

#include "FMX.VX.CanvasHelper/CanvasHelper.h"
#include "FMX.VX.Graphics/Bands_p.h"
#include "FMX.VX.Graphics/Geometry.h"

namespace FMX::VX::Graphics {

namespace CH = FMX::VX::CanvasHelper;

namespace {

float Add(float A, double B) { return float(double(A) + B); }

// One one-unit ring on R: left and top edges in TopColor, right and bottom
// edges in BottomColor, the bottom edge reaching one unit further left so
// that the bottom-left corner pixel is closed.
void DrawRing(TCanvas& Canvas, const TRectF& R, TAlphaColor TopColor, TAlphaColor BottomColor) {
  const std::array<TPointF, 3> TopLeft{{{R.Left, R.Bottom}, {R.Left, R.Top}, {R.Right, R.Top}}};
  const std::array<TPointF, 3> BottomRight{{{R.Right, R.Top}, {R.Right, R.Bottom}, {Add(R.Left, -1), R.Bottom}}};
  Canvas.Stroke().SetColor(TopColor);
  CH::Polyline(Canvas, std::span<const TPointF>(TopLeft), 1);
  Canvas.Stroke().SetColor(BottomColor);
  CH::Polyline(Canvas, std::span<const TPointF>(BottomRight), 1);
}

// The rounded frame on R. The corner bevels are halves of the corner
// ellipses (2 * XR by 2 * YR, the ellipses the rounded rectangle's corners
// are cut from), split on their diagonal from the bottom-left to the
// top-right, so that they follow the rounded outline exactly.
void DrawRoundedFrame(TCanvas& Canvas, const TRectF& R, TAlphaColor TopColor, TAlphaColor BottomColor,
                      float FrameWidth, float XR, float YR) {
  CH::TVXCanvasStateGuard Guard(Canvas);
  const double L = R.Left, T = R.Top, Rt = R.Right, B = R.Bottom;
  const double XD = 2 * double(XR), YD = 2 * double(YR);
  Canvas.Fill().SetColor(TopColor);
  CH::RoundRect(Canvas, R, XR, YR, 1);
  Canvas.Fill().SetColor(BottomColor);
  Canvas.Stroke().SetKind(TBrushKind::None);
  // Top-right corner: the half below its diagonal.
  CH::Chord(Canvas, float(Rt - XD), float(T), float(Rt), float(T + YD), float(Rt - XD), float(T + YD), float(Rt),
            float(T), 1);
  // Bottom-left corner: the half right of its diagonal.
  CH::Chord(Canvas, float(L), float(B - YD), float(L + XD), float(B), float(L), float(B), float(L + XD),
            float(B - YD), 1);
  // Bottom-right corner: all of it.
  CH::Ellipse(Canvas, float(Rt - XD), float(B - YD), float(Rt), float(B), 1);
  // The straight right and bottom edges between the corners, FrameWidth deep.
  CH::Rectangle(Canvas, float(Rt - FrameWidth), float(T + YR), float(Rt), float(B - YR), 1);
  CH::Rectangle(Canvas, float(L + XR), float(B - FrameWidth), float(Rt - XR), float(B), 1);
}

}  // namespace

void Frame3DExt(TCanvas& Canvas, TRectF& Rect, TAlphaColor TopColor, TAlphaColor BottomColor, float FrameWidth,
                bool Rounded, float XRadius, float YRadius) {
  CH::SetPenWidth(Canvas, 1);
  if (Rounded) {
    DrawRoundedFrame(Canvas, Rect, TopColor, BottomColor, FrameWidth, XRadius, YRadius);
    VXInflateRect(Rect, -FrameWidth, -FrameWidth);
    return;
  }
  if (!(FrameWidth > 0)) return;
  // The ring count is worked out up front rather than by counting the width
  // down in floats, which never reaches 0 for a huge width.
  const double Rings = std::ceil(double(FrameWidth));
  TRectF R = Rect;
  R.Right = Add(R.Right, -1);
  R.Bottom = Add(R.Bottom, -1);
  double Drawn = 0;
  // Rings on an inverted rectangle would land outside the frame. Far from
  // the origin a float inset by one can stay where it is, so the ring count
  // is capped as well.
  for (; Drawn < Rings && Drawn < Detail::MaxBands && R.Left <= R.Right && R.Top <= R.Bottom; Drawn += 1) {
    DrawRing(Canvas, R, TopColor, BottomColor);
    VXInflateRect(R, -1, -1);
  }
  const double Rest = Rings - Drawn;
  R = {Add(R.Left, Rest), Add(R.Top, Rest), Add(R.Right, 1 - Rest), Add(R.Bottom, 1 - Rest)};
  Rect = R;
}

void Frame3DEllipse(TCanvas& Canvas, TRectF& Rect, TAlphaColor TopColor, TAlphaColor BottomColor,
                    float FrameWidth) {
  {
    CH::TVXCanvasStateGuard Guard(Canvas);
    const float L = Rect.Left, T = Rect.Top, Rt = Rect.Right, B = Rect.Bottom;
    Canvas.Stroke().SetKind(TBrushKind::None);
    Canvas.Fill().SetColor(TopColor);
    CH::Chord(Canvas, L, T, Rt, B, Rt, T, L, B, 1);
    Canvas.Fill().SetColor(BottomColor);
    CH::Chord(Canvas, L, T, Rt, B, L, B, Rt, T, 1);
  }
  VXInflateRect(Rect, -FrameWidth, -FrameWidth);
}

}  // namespace FMX::VX::Graphics
