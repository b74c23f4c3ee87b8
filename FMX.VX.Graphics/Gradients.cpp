#include "FMX.VX.Graphics/Gradients.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "FMX.VX.CanvasHelper/CanvasHelper.h"
#include "FMX.VX.Graphics/Colors.h"
#include "FMX.VX.Graphics/Intersection.h"
#include "FMX.VX.Graphics/Offscreen_p.h"
#include "platform/Math.h"

namespace FMX::VX::Graphics {

namespace CH = FMX::VX::CanvasHelper;

namespace {

bool Finite(const TRectF& R) {
  return std::isfinite(R.Left) && std::isfinite(R.Top) && std::isfinite(R.Right) && std::isfinite(R.Bottom);
}

int Channel(TAlphaColor C, int I) { return int((C >> (24 - 8 * I)) & 0xFF); }

// The colour of successive bands: accumulators per channel (alpha, red,
// green, blue) on the 0..255 scale that move by Step / Segment of the way
// between the current and the next list colour per band.
class TColorWalk {
 public:
  TColorWalk(std::span<const TAlphaColor> Colors, float Segment, double Step)
      : FColors(Colors), FSegment(Segment), FBoundary(Segment), FStep(Step) {
    FCurrent = Colors[0];
    if (Colors.size() > 1) FNextIndex = 1;
    FNext = Colors[FNextIndex];
    for (int I = 0; I < 4; ++I) FAcc[I] = Channel(FCurrent, I);
  }

  TAlphaColor Color() const {
    TAlphaColor C = 0;
    for (int I = 0; I < 4; ++I) C = (C << 8) | DoubleToByte(FAcc[I]);
    return C;
  }

  // After a band, with the progress made so far in canvas units.
  void Advance(double Progress) {
    if (Progress >= FBoundary) {
      FBoundary = float(double(FBoundary) + FSegment);
      if (FNextIndex + 1 < FColors.size()) ++FNextIndex;
      FCurrent = FNext;
      FNext = FColors[FNextIndex];
    }
    for (int I = 0; I < 4; ++I) FAcc[I] += double(Channel(FNext, I) - Channel(FCurrent, I)) * FStep / FSegment;
  }

 private:
  std::span<const TAlphaColor> FColors;
  TAlphaColor FCurrent = 0, FNext = 0;
  std::size_t FNextIndex = 0;
  double FAcc[4] = {};
  float FSegment, FBoundary;
  double FStep;
};

// Segment length of a walk over Extent units: one list step per N - 1, at
// least one unit.
float SegmentLength(double Extent, std::size_t Count) {
  return float(std::max(1.0, Extent / double(std::max<std::size_t>(1, Count - 1))));
}

// Puts the fill colour back, also when an exception passes.
class TFillColorGuard {
 public:
  explicit TFillColorGuard(TCanvas& Canvas) : FCanvas(Canvas), FColor(Canvas.Fill().Color()) {}
  ~TFillColorGuard() { FCanvas.Fill().SetColor(FColor); }
  TFillColorGuard(const TFillColorGuard&) = delete;
  TFillColorGuard& operator=(const TFillColorGuard&) = delete;

 private:
  TCanvas& FCanvas;
  TAlphaColor FColor;
};

// Ellipses painted one over the other: each is opaque and the finished
// picture is blended once, off-screen when Opacity is below 1. The caller's
// state is put back and the picture blended also when painting raises.
template <typename F>
void PaintRings(TCanvas& Canvas, const TRectF& Rect, float Opacity, F Paint) {
  CH::TVXCanvasStateGuard Guard(Canvas);
  std::optional<Detail::TOffscreenLayer> Layer;
  if (Opacity < 1) Layer.emplace(Canvas, FixRect(Rect), 1.0f, Opacity);
  TCanvas& D = Layer ? Layer->Canvas() : Canvas;
  D.Stroke().SetKind(TBrushKind::None);
  D.Fill().SetKind(TBrushKind::Solid);
  Paint(D);
  if (Layer) Layer->Finish();
}

// The inset rings shared by the plain ellipse and the rectangle gradients:
// Ring(D, band) for every ring from the outside in, StepSize apart, while
// both axes are short of the centre.
template <typename F>
void InsetRings(const TRectF& Rect, std::span<const TAlphaColor> Colors, std::int32_t StepSize, F Ring) {
  const double L = Rect.Left, T = Rect.Top, R = Rect.Right, B = Rect.Bottom;
  const bool Taller = B - T > R - L;
  const double Long = Taller ? B - T : R - L;
  TColorWalk Walk(Colors, float(std::max(1.0, Long / double(std::max<std::size_t>(1, Colors.size() - 1)) / 2)),
                  StepSize);
  // Positions are kept in double: a float inset stops moving once it is far
  // enough from the origin, and the loop would never end.
  const double MidX = L + (R - L) / 2, MidY = T + (B - T) / 2;
  for (double X1 = L, Y1 = T; MidX > X1 && MidY > Y1;) {
    Ring(Walk.Color(), TRectF{float(X1), float(Y1), float(L + (R - X1)), float(T + (B - Y1))});
    X1 += StepSize;
    Y1 += StepSize;
    Walk.Advance(Taller ? Y1 - T : X1 - L);
  }
}

}  // namespace

TGradient& SetGradientColors(TGradient& Gradient, std::span<const TAlphaColor> Colors) {
  while (Gradient.PointCount() > 0) Gradient.DeletePoint(0);
  const std::size_t N = Colors.size();
  if (N == 1) {
    // One colour: a solid fill, not a division by zero.
    Gradient.AddPoint(Colors[0], 0);
    Gradient.AddPoint(Colors[0], 1);
    return Gradient;
  }
  for (std::size_t I = 0; I < N; ++I) Gradient.AddPoint(Colors[I], float(1.0 / double(N - 1) * double(I)));
  return Gradient;
}

void DrawGradient(TCanvas& Canvas, const TRectF& Rect, std::span<const TAlphaColor> Colors, TGradientStyle Style,
                  TPointF StartPoint, TPointF StopPoint, bool Rectangular, float Opacity) {
  CH::TVXCanvasStateGuard Guard(Canvas);
  TGradient& G = SetGradientColors(CH::Brush(Canvas).Gradient(), Colors);
  if (Style == TGradientStyle::Radial) {
    G.SetRadialCenter(StartPoint);
  } else {
    G.SetStartPosition(StartPoint);
    G.SetStopPosition(StopPoint);
  }
  G.SetStyle(Style);
  CH::Brush(Canvas).SetKind(TBrushKind::Gradient);
  if (Rectangular)
    CH::FillRect(Canvas, Rect, Opacity);
  else
    Canvas.FillEllipse(Rect, Opacity);
}

void DirectionGradient(TCanvas& Canvas, const TRectF& Rect, std::span<const TAlphaColor> Colors,
                       TGradientDirection Direction, std::int32_t StepSize, float Opacity) {
  const auto Diagonal = [&](TPointF Start, TPointF Stop) {
    DrawGradient(Canvas, Rect, Colors, TGradientStyle::Linear, Start, Stop, true, Opacity);
  };
  const auto Reversed = [&](TGradientOrientation Orientation) {
    const std::vector<TAlphaColor> List(Colors.rbegin(), Colors.rend());
    LineGradient(Canvas, Rect, List, StepSize, Orientation, Opacity);
  };
  switch (Direction) {
    case gdDownRight: Diagonal({0, 0}, {1, 1}); break;
    case gdDown: LineGradient(Canvas, Rect, Colors, StepSize, diVertical, Opacity); break;
    case gdDownLeft: Diagonal({1, 0}, {0, 1}); break;
    case gdRight: LineGradient(Canvas, Rect, Colors, StepSize, diHorizontal, Opacity); break;
    case gdLeft: Reversed(diHorizontal); break;
    case gdUpRight: Diagonal({0, 1}, {1, 0}); break;
    case gdUp: Reversed(diVertical); break;
    case gdUpLeft: Diagonal({1, 1}, {0, 0}); break;
    default: break;
  }
}

void LineGradient(TCanvas& Canvas, const TRectF& Rect, std::span<const TAlphaColor> Colors, std::int32_t StepSize,
                  TGradientOrientation Orientation, float Opacity) {
  if (Rect.Right == Rect.Left || Rect.Bottom == Rect.Top) return;
  const bool Horizontal = Orientation != diVertical;
  if (StepSize <= 1) {
    DrawGradient(Canvas, Rect, Colors, TGradientStyle::Linear, {0, 0}, Horizontal ? TPointF{1, 0} : TPointF{0, 1},
                 true, Opacity);
    return;
  }
  if (Colors.empty() || !Finite(Rect)) return;
  const TRectF R = FixRect(Rect);
  const double Start = Horizontal ? R.Left : R.Top, End = Horizontal ? R.Right : R.Bottom;
  TColorWalk Walk(Colors, SegmentLength(End - Start, Colors.size()), StepSize);
  TFillColorGuard Guard(Canvas);
  // The position is kept in double so that it keeps moving far from the
  // origin, where a float plus the step can round back to itself.
  for (double Pos = Start; Pos <= End;) {
    const float A = float(Pos), B = float(Pos + StepSize);
    Canvas.Fill().SetColor(Walk.Color());
    CH::FillRect(Canvas, Horizontal ? TRectF{A, R.Top, B, R.Bottom} : TRectF{R.Left, A, R.Right, B}, Opacity);
    Pos += StepSize;
    Walk.Advance(Pos - Start);
  }
}

void EllipseGradient(TCanvas& Canvas, const TRectF& Rect, float CenterX, float CenterY,
                     std::span<const TAlphaColor> Colors, float StepSize, float Opacity) {
  if (Rect.Right == 0 || Rect.Bottom == 0) return;
  if (StepSize <= 1) {
    DrawGradient(Canvas, Rect, Colors, TGradientStyle::Radial, {CenterX, CenterY}, {0, 0}, false, Opacity);
    return;
  }
  if (Colors.empty() || !Finite(Rect) || !std::isfinite(CenterX) || !std::isfinite(CenterY) ||
      !std::isfinite(StepSize))
    return;
  const double L = Rect.Left, T = Rect.Top, R = Rect.Right, B = Rect.Bottom;
  const double CX = double(Round(L + std::fabs((R - L) * CenterX)));
  const double CY = double(Round(T + std::fabs((B - T) * CenterY)));
  const double D = std::max({std::fabs(CX - L), std::fabs(CX - R), std::fabs(CY - B), std::fabs(CY - T)});
  const double DL = (CX - L) / ((R - L) / StepSize), DR = (R - CX) / ((R - L) / StepSize);
  const double DT = (CY - T) / ((B - T) / StepSize), DB = (B - CY) / ((B - T) / StepSize);
  const double Progress = std::max({DL, DR, DT, DB});
  TColorWalk Walk(Colors, SegmentLength(D, Colors.size()), StepSize);
  PaintRings(Canvas, Rect, Opacity, [&](TCanvas& C) {
    double P = 0;
    for (double EL = L, ET = T, ER = R, EB = B; CX > EL && CY > ET;) {
      C.Fill().SetColor(Walk.Color());
      C.FillEllipse(TRectF{float(Round(EL)), float(Round(ET)), float(Round(ER)), float(Round(EB))}, 1);
      EL += DL, ER -= DR, ET += DT, EB -= DB;
      P += Progress;
      Walk.Advance(P);
    }
  });
}

void EllipseGradient(TCanvas& Canvas, const TRectF& Rect, std::span<const TAlphaColor> Colors,
                     std::int32_t StepSize, float Opacity) {
  if (Rect.Right == 0 || Rect.Bottom == 0) return;
  if (StepSize <= 1) {
    DrawGradient(Canvas, Rect, Colors, TGradientStyle::Radial, {0.5f, 0.5f}, {0, 0}, false, Opacity);
    return;
  }
  if (Colors.empty() || !Finite(Rect)) return;
  PaintRings(Canvas, Rect, Opacity, [&](TCanvas& C) {
    InsetRings(Rect, Colors, StepSize, [&](TAlphaColor Color, const TRectF& Ring) {
      C.Fill().SetColor(Color);
      C.FillEllipse(Ring, 1);
    });
  });
}

void RectGradient(TCanvas& Canvas, const TRectF& Rect, std::span<const TAlphaColor> Colors, std::int32_t StepSize,
                  float Opacity) {
  if (Rect.Right == 0 || Rect.Bottom == 0) return;
  if (StepSize <= 1) {
    DrawGradient(Canvas, Rect, Colors, TGradientStyle::Radial, {0.5f, 0.5f}, {0, 0}, true, Opacity);
    return;
  }
  if (Colors.empty() || !Finite(Rect)) return;
  CH::TVXCanvasStateGuard Guard(Canvas);
  CH::Pen(Canvas).SetKind(TBrushKind::Solid);
  Canvas.SetStrokeThickness(float(StepSize));
  Canvas.SetStrokeJoin(TStrokeJoin::Miter);
  InsetRings(Rect, Colors, StepSize, [&](TAlphaColor Color, const TRectF& Ring) {
    CH::Pen(Canvas).SetColor(Color);
    Canvas.DrawRect(Ring, 0, 0, TCorners(), Opacity);
  });
}

}  // namespace FMX::VX::Graphics
