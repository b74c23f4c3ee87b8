// Segmented progress indicators.

#include "FMX.VX.Graphics/Progress.h"

#include <algorithm>
#include <cmath>

#include "FMX.VX.Graphics/Colors.h"
#include "FMX.VX.Graphics/Slices.h"
#include "platform/Math.h"

namespace FMX::VX::Graphics {

namespace {

// Lit segments of N (N > 0), within 0..N.
std::int64_t LitSegments(std::int32_t Position, std::int32_t Min, std::int32_t Max, std::int32_t N) {
  if (Min == Max || Position == Max) return N;
  // The range as a 64-bit difference: 32-bit extremes cannot overflow.
  const double Step = double(std::int64_t(Max) - Min) / N;
  return std::clamp<std::int64_t>(Trunc(double(Position) / Step), 0, N);
}

// Owns the segment colours while an indicator draws: starts them at
// Colors[0], moves them on after each segment and puts the caller's fill
// and stroke colours back on the way out, also when the canvas raises.
class TSegmentColors {
 public:
  TSegmentColors(TCanvas& Canvas, std::span<const TAlphaColor> Colors, std::int32_t Count, bool ColorOutline)
      : FCanvas(Canvas),
        FColors(Colors),
        FCount(Count),
        FOutline(ColorOutline),
        FFill(Canvas.Fill().Color()),
        FStroke(Canvas.Stroke().Color()) {
    Set(Colors[0]);
  }
  ~TSegmentColors() {
    FCanvas.Fill().SetColor(FFill);
    FCanvas.Stroke().SetColor(FStroke);
  }
  TSegmentColors(const TSegmentColors&) = delete;
  TSegmentColors& operator=(const TSegmentColors&) = delete;

  // The colours that follow segment Index.
  void After(std::int64_t Index) { Set(IndexToColor(std::int32_t(Index), FCount, FColors)); }

 private:
  void Set(TAlphaColor C) {
    FCanvas.Fill().SetColor(C);
    if (FOutline) FCanvas.Stroke().SetColor(C);
  }

  TCanvas& FCanvas;
  std::span<const TAlphaColor> FColors;
  std::int32_t FCount;
  bool FOutline;
  TAlphaColor FFill, FStroke;
};

// The indicator's area: top-left corner and size, whatever the corner order.
struct TArea {
  double OL, OT, W, H;
  explicit TArea(const TRectF& R)
      : OL(std::min(R.Left, R.Right)),
        OT(std::min(R.Top, R.Bottom)),
        W(std::fabs(double(R.Right) - R.Left)),
        H(std::fabs(double(R.Bottom) - R.Top)) {}
  TRectF Cell(double X, double Y, double SW, double SH) const {
    return {float(OL + X), float(OT + Y), float(OL + X + SW), float(OT + Y + SH)};
  }
};

// What every indicator starts from: the segment colours in charge, the lit
// count and the area.
struct TIndicator {
  TSegmentColors Paint;
  std::int64_t K;
  TArea Area;
  TIndicator(TCanvas& Canvas, const TRectF& Rect, std::int32_t Position, std::int32_t Min, std::int32_t Max,
             std::span<const TAlphaColor> Colors, bool ColorOutline, std::int32_t Segments)
      : Paint(Canvas, Colors, Segments, ColorOutline), K(LitSegments(Position, Min, Max, Segments)), Area(Rect) {}

  // The index the loop over segments First..Last starts from. Showing only
  // the last segment, the colours go straight to the ones it has among all,
  // so that a huge segment count costs no more than a small one.
  std::int64_t FirstIndex(TProgressDisplayType DisplayType, std::int64_t First, std::int64_t Last) {
    if (DisplayType == dtAllProgress || Last <= First) return First;
    Paint.After(Last - 1);
    return Last;
  }
};

bool Drawn(TProgressDisplayType DisplayType, std::int64_t I, std::int64_t Last) {
  return DisplayType == dtAllProgress || I == Last;
}

}  // namespace

void ProgressCircle(TCanvas& Canvas, const TRectF& Rect, std::int32_t Margin, std::int32_t Position,
                    std::int32_t Min, std::int32_t Max, std::span<const TAlphaColor> Colors, bool ColorOutline,
                    std::int32_t Segments, TVXShapeType ShapeType, TVXShapeOrientation ShapeOrientation, bool Is3D,
                    std::int32_t Depth, std::int32_t Gap, TProgressDirection ProgressDirection,
                    TProgressDisplayType DisplayType) {
  if (Colors.empty() || Segments <= 0) return;
  TIndicator Run(Canvas, Rect, Position, Min, Max, Colors, ColorOutline, Segments);
  const std::int64_t K = Run.K;
  const TArea& A = Run.Area;
  const double N = Segments, M = Margin, G = Gap;
  const double SW = (A.W - 2 * M) * Pi / N - G, SH = (A.H - 2 * M) * Pi / N - G;
  const double RX = (A.W - SW - 2 * M) / 2, RY = (A.H - SH - 2 * M) / 2;
  const double Sign = ProgressDirection == pdBackward ? -1 : 1;
  for (std::int64_t I = Run.FirstIndex(DisplayType, 1, K); I <= K; ++I) {
    if (Drawn(DisplayType, I, K)) {
      const double Theta = DegToRad(Sign * double(I * 360) / N);
      const double X = RX + std::cos(Theta) * RX + M, Y = RY - std::sin(Theta) * RY + M;
      DrawShape(Canvas, A.Cell(X, Y, SW, SH), ShapeType, ShapeOrientation, Is3D, float(Depth));
    }
    Run.Paint.After(I);
  }
}

void ProgressPie(TCanvas& Canvas, const TRectF& Rect, std::int32_t /*Margin*/, std::int32_t Position,
                 std::int32_t Min, std::int32_t Max, std::span<const TAlphaColor> Colors, bool ColorOutline,
                 std::int32_t Segments, std::int32_t Gap, TProgressDirection ProgressDirection,
                 TProgressDisplayType DisplayType) {
  if (Colors.empty() || Segments <= 0) return;
  TIndicator Run(Canvas, Rect, Position, Min, Max, Colors, ColorOutline, Segments);
  const std::int64_t K = Run.K;
  const double N = Segments, Step = 360 / N, HalfGap = Gap / 2.0;
  for (std::int64_t I = Run.FirstIndex(DisplayType, 0, K - 1); I < K; ++I) {
    if (Drawn(DisplayType, I, K - 1)) {
      double Start = double(I * 360) / N;
      if (ProgressDirection == pdBackward) Start = 360 - (Start - Step);
      DrawPieSlice(Canvas, Rect, Start + HalfGap, Start + Step - HalfGap, 0, 1);
    }
    Run.Paint.After(I);
  }
}

void ProgressRect(TCanvas& Canvas, const TRectF& Rect, std::int32_t Margin, std::int32_t Position, std::int32_t Min,
                  std::int32_t Max, std::span<const TAlphaColor> Colors, bool ColorOutline, std::int32_t Segments,
                  TVXShapeType ShapeType, TVXShapeOrientation ShapeOrientation, bool Is3D, std::int32_t Depth,
                  std::int32_t Gap, TProgressOrientation ProgressOrientation, TProgressDirection ProgressDirection,
                  TProgressDisplayType DisplayType) {
  if (Colors.empty() || Segments <= 0) return;
  TIndicator Run(Canvas, Rect, Position, Min, Max, Colors, ColorOutline, Segments);
  const std::int64_t K = Run.K;
  const TArea& A = Run.Area;
  const double N = Segments, M = Margin, G = Gap;
  const bool Horizontal = ProgressOrientation != poVertical, Backward = ProgressDirection == pdBackward;
  double SW, SH, X = M, Y = M, DX = 0, DY = 0;
  if (Horizontal) {
    SW = (A.W - 2 * M - G * N) / N;
    SH = A.H - 2 * M;
    DX = G + SW;
    if (Backward) X = A.W - M - SW, DX = -DX;
  } else {
    SH = (A.H - 2 * M - G * N) / N;
    SW = A.W - 2 * M;
    DY = G + SH;
    if (Backward) Y = A.H - M - SH, DY = -DY;
  }
  // The offset runs on by repeated steps, as it does when every segment is
  // drawn, so that the last segment lands on the same spot.
  const std::int64_t First = Run.FirstIndex(DisplayType, 1, K);
  for (std::int64_t I = 1; I < First; ++I) X += DX, Y += DY;
  for (std::int64_t I = First; I <= K; ++I) {
    if (Drawn(DisplayType, I, K)) {
      TRectF R;
      // A segment running past the far margin is cut there.
      if (Horizontal && X + SW > A.W - M)
        R = {float(A.OL + std::min(std::trunc(A.W - M), X)), float(A.OT + Y), float(A.OL + A.W - M),
             float(A.OT + Y + SH)};
      else if (!Horizontal && Y + SH > A.H - M)
        R = {float(A.OL + X), float(A.OT + std::min(std::trunc(A.H - M), Y)), float(A.OL + X + SW),
             float(A.OT + A.H - M)};
      else
        R = A.Cell(X, Y, SW, SH);
      DrawShape(Canvas, R, ShapeType, ShapeOrientation, Is3D, float(Depth));
    }
    X += DX;
    Y += DY;
    Run.Paint.After(I);
  }
}

}  // namespace FMX::VX::Graphics
