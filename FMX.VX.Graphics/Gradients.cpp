#include "FMX.VX.Graphics/Gradients.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "FMX.VX.CanvasHelper/CanvasHelper.h"
#include "FMX.VX.Graphics/FillColorGuard_p.h"
#include "FMX.VX.Graphics/Bands_p.h"
#include "FMX.VX.Graphics/Colors.h"
#include "FMX.VX.Graphics/Intersection.h"
#include "FMX.VX.Graphics/Offscreen_p.h"
#include "platform/Math.h"

namespace FMX::VX::Graphics {

using Detail::TFillColorGuard;

namespace CH = FMX::VX::CanvasHelper;
using Detail::BandStep;
using Detail::MaxBands;
using Detail::NextBand;

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

// Which bands of a gradient can show on a canvas: a band wholly outside the
// canvas's pixels paints nothing there, and an ellipse that holds every
// pixel of the canvas hides whatever was painted before it. Without a
// usable matrix nothing is ruled out.
class TBandCuller {
 public:
  explicit TBandCuller(const TCanvas& D) : FM(D.Matrix()), FW(D.Width()), FH(D.Height()) {
    const double Det = double(FM.m11) * FM.m22 - double(FM.m12) * FM.m21;
    FUsable = std::isfinite(Det) && Det != 0;
    if (!FUsable) return;
    // The canvas's corners (a pixel beyond its edges) in canvas units.
    const double Xs[2] = {-1, FW + 1.0}, Ys[2] = {-1, FH + 1.0};
    for (int I = 0; I < 4; ++I) {
      const double DX = Xs[I & 1] - FM.m31, DY = Ys[I >> 1] - FM.m32;
      FCorners[I] = {(DX * FM.m22 - DY * FM.m21) / Det, (DY * FM.m11 - DX * FM.m12) / Det};
    }
  }

  // R, grown by Pad on every side, lies wholly outside the canvas.
  bool MissesBox(const TRectF& R, double Pad) const {
    if (!FUsable) return false;
    double X0 = INFINITY, Y0 = INFINITY, X1 = -INFINITY, Y1 = -INFINITY;
    for (double X : {std::min(R.Left, R.Right) - Pad, std::max(R.Left, R.Right) + Pad})
      for (double Y : {std::min(R.Top, R.Bottom) - Pad, std::max(R.Top, R.Bottom) + Pad}) {
        const double DX = X * FM.m11 + Y * FM.m21 + FM.m31, DY = X * FM.m12 + Y * FM.m22 + FM.m32;
        X0 = std::min(X0, DX), X1 = std::max(X1, DX), Y0 = std::min(Y0, DY), Y1 = std::max(Y1, DY);
      }
    return X1 < -1 || Y1 < -1 || X0 > FW + 1.0 || Y0 > FH + 1.0;
  }

  // The inscribed ellipse has no point on the canvas.
  bool Misses(const TRectF& R) const {
    TCorner Q[4];
    if (!Normalised(R, Q)) return FUsable;
    if (std::all_of(Q, Q + 4, Inside)) return false;
    // The canvas (a parallelogram in units of the radii) meets the unit
    // circle when it holds the centre or an edge passes within 1 of it.
    const int Order[4] = {0, 1, 3, 2};
    int Pos = 0, Neg = 0;
    for (int I = 0; I < 4; ++I) {
      const TCorner &A = Q[Order[I]], &B = Q[Order[(I + 1) % 4]];
      const double EX = B.X - A.X, EY = B.Y - A.Y;
      const double Cross = EX * -A.Y - EY * -A.X;
      Pos += Cross > 0, Neg += Cross < 0;
      const double Len = EX * EX + EY * EY;
      const double T = Len > 0 ? std::clamp((-A.X * EX - A.Y * EY) / Len, 0.0, 1.0) : 0;
      if (Inside(TCorner{A.X + T * EX, A.Y + T * EY})) return false;
    }
    return Pos < 4 && Neg < 4;  // the centre lies outside the canvas
  }

  // The inscribed ellipse holds all of the canvas.
  bool Covers(const TRectF& R) const {
    TCorner Q[4];
    return Normalised(R, Q) && std::all_of(Q, Q + 4, Inside);
  }

 private:
  struct TCorner {
    double X = 0, Y = 0;
  };
  static bool Inside(const TCorner& P) { return P.X * P.X + P.Y * P.Y < 1; }

  // The canvas's corners relative to the centre of R's inscribed ellipse,
  // in units of its radii; false for a usable matrix and an empty ellipse.
  bool Normalised(const TRectF& R, TCorner (&Q)[4]) const {
    if (!FUsable) return false;
    const double CX = (double(R.Left) + R.Right) / 2, CY = (double(R.Top) + R.Bottom) / 2;
    const double RX = std::fabs(double(R.Right) - R.Left) / 2, RY = std::fabs(double(R.Bottom) - R.Top) / 2;
    if (!(RX > 0 && RY > 0)) return false;
    for (int I = 0; I < 4; ++I) Q[I] = {(FCorners[I].X - CX) / RX, (FCorners[I].Y - CY) / RY};
    return true;
  }

  TMatrix FM;
  std::int32_t FW, FH;
  bool FUsable = false;
  TCorner FCorners[4];
};

// Fills rings opaque on D in the order given. With Cull, rings that cannot
// show are left out: those outside D, and those an opaque successor covers
// on all of D. Finish paints the last one held back.
class TRingPainter {
 public:
  TRingPainter(TCanvas& D, bool Cull) : FD(D), FCuller(D), FCull(Cull) {}

  void Ring(TAlphaColor Color, const TRectF& R) {
    if (!FCull) return Fill(Color, R);
    if (FPending && (Color >> 24) == 0xFF && FCuller.Covers(R)) FPending = false;
    if (FPending) Fill(FColor, FRect);
    FPending = !FCuller.Misses(R);
    FColor = Color, FRect = R;
  }
  void Finish() {
    if (FPending) Fill(FColor, FRect);
    FPending = false;
  }

 private:
  void Fill(TAlphaColor Color, const TRectF& R) {
    FD.Fill().SetColor(Color);
    FD.FillEllipse(R, 1);
  }
  TCanvas& FD;
  TBandCuller FCuller;
  bool FCull;
  bool FPending = false;
  TAlphaColor FColor = 0;
  TRectF FRect;
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

// The inset rings shared by the plain ellipse and the rectangle gradients.
// Rings are Step apart until one axis reaches the centre.
struct TInsetRings {
  double L, T, R, B, MidX, MidY, Step;
  bool Widened;

  TInsetRings(const TRectF& Rect, std::int32_t StepSize)
      : L(Rect.Left), T(Rect.Top), R(Rect.Right), B(Rect.Bottom), MidX(L + (R - L) / 2), MidY(T + (B - T) / 2) {
    const double Depth = std::min(MidX - L, MidY - T);
    Step = Depth > 0 ? BandStep(Depth, StepSize) : StepSize;
    Widened = Step != StepSize;
  }

  // Ring(colour, band) for every ring from the outside in.
  template <typename F>
  void Paint(std::span<const TAlphaColor> Colors, F Ring) const {
    const bool Taller = B - T > R - L;
    const double Long = Taller ? B - T : R - L;
    TColorWalk Walk(Colors, float(std::max(1.0, Long / double(std::max<std::size_t>(1, Colors.size() - 1)) / 2)),
                    Step);
    double X1 = L, Y1 = T;
    for (double K = 0; MidX > X1 && MidY > Y1 && K <= MaxBands; ++K) {
      Ring(Walk.Color(), TRectF{float(X1), float(Y1), float(L + (R - X1)), float(T + (B - Y1))});
      X1 = NextBand(X1, L, Step, K, Widened);
      Y1 = NextBand(Y1, T, Step, K, Widened);
      Walk.Advance(Taller ? Y1 - T : X1 - L);
    }
  }
};

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
  const double Step = BandStep(End - Start, StepSize);
  const bool Widened = Step != StepSize;
  TColorWalk Walk(Colors, SegmentLength(End - Start, Colors.size()), Step);
  TFillColorGuard Guard(Canvas);
  const TBandCuller Culler(Canvas);
  double Pos = Start;
  for (double K = 0; Pos <= End && K <= MaxBands; ++K) {
    const float A = float(Pos), B = float(Pos + Step);
    const TRectF Band = Horizontal ? TRectF{A, R.Top, B, R.Bottom} : TRectF{R.Left, A, R.Right, B};
    // Widened strips that cannot show are left out.
    if (!Widened || !Culler.MissesBox(Band, 0)) {
      Canvas.Fill().SetColor(Walk.Color());
      CH::FillRect(Canvas, Band, Opacity);
    }
    Pos = NextBand(Pos, Start, Step, K, Widened);
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
  const double CX = std::nearbyint(L + std::fabs((R - L) * CenterX));
  const double CY = std::nearbyint(T + std::fabs((B - T) * CenterY));
  // Rings run until one axis reaches the centre: (far - near) / StepSize of
  // them along an axis whose edges close in, none along one whose near edge
  // is already there, and no end along an inverted axis, where the rings
  // grow. With no end on either axis nothing is painted.
  const auto RingsAlong = [&](double C, double Near, double Far) {
    return !(C > Near) ? 0.0 : Far > Near ? (Far - Near) / StepSize : Far == Near ? 1.0 : INFINITY;
  };
  const double Rings = std::min(RingsAlong(CX, L, R), RingsAlong(CY, T, B));
  if (std::isinf(Rings)) return;
  const bool Widened = Rings > MaxBands;
  const double Step = Widened ? double(StepSize) * (Rings / MaxBands) : StepSize;
  const double D = std::max({std::fabs(CX - L), std::fabs(CX - R), std::fabs(CY - B), std::fabs(CY - T)});
  const float DL = float((CX - L) / ((R - L) / Step)), DR = float((R - CX) / ((R - L) / Step));
  const float DT = float((CY - T) / ((B - T) / Step)), DB = float((B - CY) / ((B - T) / Step));
  const float Progress = std::max({DL, DR, DT, DB});
  TColorWalk Walk(Colors, SegmentLength(D, Colors.size()), Step);
  PaintRings(Canvas, Rect, Opacity, [&](TCanvas& C) {
    TRingPainter Painter(C, Widened);
    double P = 0, EL = L, ET = T, ER = R, EB = B;
    for (double K = 0; CX > EL && CY > ET && K <= MaxBands; ++K) {
      Painter.Ring(Walk.Color(), TRectF{float(std::nearbyint(EL)), float(std::nearbyint(ET)),
                                        float(std::nearbyint(ER)), float(std::nearbyint(EB))});
      EL = NextBand(EL, L, DL, K, Widened), ER = NextBand(ER, R, -double(DR), K, Widened);
      ET = NextBand(ET, T, DT, K, Widened), EB = NextBand(EB, B, -double(DB), K, Widened);
      P = NextBand(P, 0, Progress, K, Widened);
      Walk.Advance(P);
    }
    Painter.Finish();
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
  const TInsetRings Rings(Rect, StepSize);
  PaintRings(Canvas, Rect, Opacity, [&](TCanvas& C) {
    TRingPainter Painter(C, Rings.Widened);
    Rings.Paint(Colors, [&](TAlphaColor Color, const TRectF& Ring) { Painter.Ring(Color, Ring); });
    Painter.Finish();
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
  const TInsetRings Rings(Rect, StepSize);
  CH::TVXCanvasStateGuard Guard(Canvas);
  CH::Pen(Canvas).SetKind(TBrushKind::Solid);
  Canvas.SetStrokeThickness(float(Rings.Step));
  Canvas.SetStrokeJoin(TStrokeJoin::Miter);
  const TBandCuller Culler(Canvas);
  Rings.Paint(Colors, [&](TAlphaColor Color, const TRectF& Ring) {
    if (Rings.Widened && Culler.MissesBox(Ring, Rings.Step / 2)) return;
    CH::Pen(Canvas).SetColor(Color);
    Canvas.DrawRect(Ring, 0, 0, TCorners(), Opacity);
  });
}

}  // namespace FMX::VX::Graphics
