// Pen and brush, lines, rectangles, ellipses, point runs and bitmap blits.
// Arcs live in CanvasArcs.cpp, text in CanvasText.cpp.

#include "FMX.VX.CanvasHelper/CanvasHelper.h"

#include <vector>

#include "FMX.VX.CanvasHelper/CanvasHelper_p.h"

namespace FMX::VX::CanvasHelper {

// --- Pen and brush ---------------------------------------------------------

TBrush& Brush(TCanvas& Canvas) { return Canvas.Fill(); }

void SetBrush(TCanvas& Canvas, const TBrush& Value) { Canvas.SetFill(Value); }

TStrokeBrush& Pen(TCanvas& Canvas) { return Canvas.Stroke(); }

void SetPen(TCanvas& Canvas, const TStrokeBrush& Value) { Canvas.Stroke().Assign(Value); }

float PenWidth(const TCanvas& Canvas) { return Canvas.GetStrokeThickness(); }

void SetPenWidth(TCanvas& Canvas, float Value) { Canvas.SetStrokeThickness(Value); }

TRect ClipRect(const TCanvas& Canvas) { return {0, 0, Canvas.Width(), Canvas.Height()}; }

TRectF ClipRectF(const TCanvas& Canvas) { return {0, 0, float(Canvas.Width()), float(Canvas.Height())}; }

// --- Lines -----------------------------------------------------------------

void DrawLine(TCanvas& Canvas, const TPointF& Pt1, const TPointF& Pt2, float Opacity) {
  Canvas.DrawLine(Pt1, Pt2, Opacity);
}

void DrawLine(TCanvas& Canvas, const TPoint& Pt1, const TPoint& Pt2, float Opacity) {
  Canvas.DrawLine(ToPointF(Pt1), ToPointF(Pt2), Opacity);
}

void MoveTo(TCanvas& Canvas, std::int32_t X, std::int32_t Y) { Canvas.SetPenPos({float(X), float(Y)}); }

void LineTo(TCanvas& Canvas, std::int32_t X, std::int32_t Y) {
  const TPointF To{float(X), float(Y)};
  Canvas.DrawLine(Canvas.PenPos(), To, 1);
  Canvas.SetPenPos(To);
}

// --- Rectangles and ellipses -----------------------------------------------

void Rectangle(TCanvas& Canvas, std::int32_t X1, std::int32_t Y1, std::int32_t X2, std::int32_t Y2,
               float Opacity) {
  Rectangle(Canvas, ToRectF(X1, Y1, X2, Y2), Opacity);
}

void Rectangle(TCanvas& Canvas, float X1, float Y1, float X2, float Y2, float Opacity) {
  Rectangle(Canvas, TRectF{X1, Y1, X2, Y2}, Opacity);
}

void Rectangle(TCanvas& Canvas, const TRect& Rect, float Opacity) { Rectangle(Canvas, ToRectF(Rect), Opacity); }

void Rectangle(TCanvas& Canvas, const TRectF& Rect, float Opacity) {
  Canvas.DrawRect(Rect, 0, 0, TCorners(), Opacity, TCornerType::Round);
  Canvas.FillRect(Rect, 0, 0, TCorners(), Opacity, TCornerType::Round);
}

void FillRect(TCanvas& Canvas, const TRect& Rect, float Opacity) { FillRect(Canvas, ToRectF(Rect), Opacity); }

void FillRect(TCanvas& Canvas, const TRectF& Rect, float Opacity) {
  Canvas.FillRect(Rect, 0, 0, TCorners(), Opacity, TCornerType::Round);
}

void FrameRect(TCanvas& Canvas, const TRect& Rect, float Opacity) { FrameRect(Canvas, ToRectF(Rect), Opacity); }

void FrameRect(TCanvas& Canvas, const TRectF& Rect, float Opacity) {
  Canvas.DrawRect(Rect, 0, 0, TCorners(), Opacity, TCornerType::Round);
}

void RoundRect(TCanvas& Canvas, std::int32_t X1, std::int32_t Y1, std::int32_t X2, std::int32_t Y2,
               std::int32_t X3, std::int32_t Y3, float Opacity) {
  RoundRect(Canvas, ToRectF(X1, Y1, X2, Y2), float(X3), float(Y3), Opacity);
}

void RoundRect(TCanvas& Canvas, float X1, float Y1, float X2, float Y2, float X3, float Y3, float Opacity) {
  RoundRect(Canvas, TRectF{X1, Y1, X2, Y2}, X3, Y3, Opacity);
}

void RoundRect(TCanvas& Canvas, const TRect& Rect, std::int32_t CX, std::int32_t CY, float Opacity) {
  RoundRect(Canvas, ToRectF(Rect), float(CX), float(CY), Opacity);
}

void RoundRect(TCanvas& Canvas, const TRectF& Rect, float CX, float CY, float Opacity) {
  // Exact comparisons: only a truly empty rectangle is skipped; an inverted
  // one is drawn normalised.
  if (double(Rect.Right) - double(Rect.Left) == 0 || double(Rect.Bottom) - double(Rect.Top) == 0) return;
  TPathData Path;
  Path.AddRectangle(Rect, CX, CY, AllCorners, TCornerType::Round);
  Canvas.FillPath(Path, Opacity);
  Canvas.DrawPath(Path, Opacity);
}

void Ellipse(TCanvas& Canvas, std::int32_t X1, std::int32_t Y1, std::int32_t X2, std::int32_t Y2, float Opacity) {
  Ellipse(Canvas, ToRectF(X1, Y1, X2, Y2), Opacity);
}

void Ellipse(TCanvas& Canvas, float X1, float Y1, float X2, float Y2, float Opacity) {
  Ellipse(Canvas, TRectF{X1, Y1, X2, Y2}, Opacity);
}

void Ellipse(TCanvas& Canvas, const TRect& Rect, float Opacity) { Ellipse(Canvas, ToRectF(Rect), Opacity); }

void Ellipse(TCanvas& Canvas, const TRectF& Rect, float Opacity) {
  Canvas.DrawEllipse(Rect, Opacity);
  Canvas.FillEllipse(Rect, Opacity);
}

void DrawFocusRect(TCanvas& Canvas, const TRect& Rect, float Opacity) {
  DrawFocusRect(Canvas, ToRectF(Rect), Opacity);
}

void DrawFocusRect(TCanvas& Canvas, const TRectF& Rect, float Opacity) {
  TVXCanvasStateGuard Guard(Canvas);
  Canvas.SetStrokeThickness(1.0f);
  Canvas.SetStrokeDash(TStrokeDash::Dash);
  Canvas.Stroke().SetKind(TBrushKind::Solid);  // the stroke keeps its colour
  FrameRect(Canvas, Rect, Opacity);
}

// --- Point runs ------------------------------------------------------------

std::unique_ptr<TPathData> PointsToPath(std::span<const TPointF> Points, bool Closed, bool Bezier) {
  auto Path = std::make_unique<TPathData>();
  const std::size_t N = Points.size();
  if (N < 2) return Path;
  Path->Reserve(Bezier ? N + 3 : N + 1);
  Path->MoveTo(Points[0]);
  std::size_t I = 1;
  while (I < N) {
    if (Bezier) {
      if (I + 2 < N) Path->CurveTo(Points[I], Points[I + 1], Points[I + 2]);
      I += 3;  // an incomplete last triple is skipped
    } else {
      Path->LineTo(Points[I]);
      I += 1;
    }
  }
  if (Closed) {
    if (!Bezier) {
      Path->LineTo(Points[0]);
    } else {
      // I is the start of the last triple visited: two points there (the
      // left-overs, or the last complete triple's controls) make the
      // closing curve; a single left-over point does not.
      I -= 3;
      if (I + 1 < N) Path->CurveTo(Points[I], Points[I + 1], Points[0]);
    }
  }
  return Path;
}

std::unique_ptr<TPathData> PointsToPath(std::span<const TPoint> Points, bool Closed, bool Bezier) {
  const std::vector<TPointF> F = ToPointsF(Points);
  return PointsToPath(std::span<const TPointF>(F), Closed, Bezier);
}

void Polygon(TCanvas& Canvas, std::span<const TPointF> Points, float Opacity) {
  if (Points.size() < 2) return;
  const auto Path = PointsToPath(Points, true, false);
  Canvas.DrawPath(*Path, Opacity);
  Canvas.FillPath(*Path, Opacity);
}

void Polygon(TCanvas& Canvas, std::span<const TPoint> Points, float Opacity) {
  const std::vector<TPointF> F = ToPointsF(Points);
  Polygon(Canvas, std::span<const TPointF>(F), Opacity);
}

void Polyline(TCanvas& Canvas, std::span<const TPoint> Points, float Opacity) {
  for (std::size_t I = 1; I < Points.size(); ++I) DrawLine(Canvas, Points[I - 1], Points[I], Opacity);
}

void Polyline(TCanvas& Canvas, std::span<const TPointF> Points, float Opacity) {
  if (Points.size() < 2) return;
  if (Opacity < 1) {
    Canvas.DrawPolygon(Points, Opacity);
    return;
  }
  for (std::size_t I = 1; I < Points.size(); ++I) Canvas.DrawLine(Points[I - 1], Points[I], Opacity);
}

void PolyBezier(TCanvas& Canvas, std::span<const TPointF> Points, float Opacity) {
  if (Points.size() < 2) return;
  const auto Path = PointsToPath(Points, false, true);
  Canvas.DrawPath(*Path, Opacity);
}

void PolyBezier(TCanvas& Canvas, std::span<const TPoint> Points, float Opacity) {
  const std::vector<TPointF> F = ToPointsF(Points);
  PolyBezier(Canvas, std::span<const TPointF>(F), Opacity);
}

void PolyBezierTo(TCanvas& Canvas, std::span<const TPointF> Points, float Opacity) {
  if (Points.size() < 2) return;
  const auto Path = PointsToPath(Points, true, true);
  Canvas.DrawPath(*Path, Opacity);
}

void PolyBezierTo(TCanvas& Canvas, std::span<const TPoint> Points, float Opacity) {
  const std::vector<TPointF> F = ToPointsF(Points);
  PolyBezierTo(Canvas, std::span<const TPointF>(F), Opacity);
}

// --- Bitmaps ---------------------------------------------------------------

void Draw(TCanvas& Canvas, std::int32_t X, std::int32_t Y, const TBitmap& Bitmap, float Opacity) {
  Draw(Canvas, float(X), float(Y), Bitmap, Opacity);
}

void Draw(TCanvas& Canvas, float X, float Y, const TBitmap& Bitmap, float Opacity) {
  // The bitmap's own size on both sides: nothing is scaled, and no source
  // area beyond the bitmap's pixels is asked for.
  const float W = float(Bitmap.Width()), H = float(Bitmap.Height());
  const TRectF Source{0, 0, W, H};
  const TRectF Dest{X, Y, float(double(X) + W), float(double(Y) + H)};
  Canvas.DrawBitmap(Bitmap, Source, Dest, Opacity, false);
}

void StretchDraw(TCanvas& Canvas, const TRect& Rect, const TBitmap& Bitmap, float Opacity) {
  StretchDraw(Canvas, ToRectF(Rect), Bitmap, Opacity);
}

void StretchDraw(TCanvas& Canvas, const TRectF& Rect, const TBitmap& Bitmap, float Opacity) {
  const TRectF Source{0, 0, float(Bitmap.Width()), float(Bitmap.Height())};
  Canvas.DrawBitmap(Bitmap, Source, Rect, Opacity, false);
}

void BrushCopy(TCanvas& Canvas, const TRect& Dest, const TBitmap& Bitmap, const TRect& Source, TAlphaColor Color,
               float Opacity) {
  BrushCopy(Canvas, ToRectF(Dest), Bitmap, ToRectF(Source), Color, Opacity);
}

void BrushCopy(TCanvas& Canvas, const TRectF& Dest, const TBitmap& Bitmap, const TRectF& Source,
               TAlphaColor /*Color*/, float Opacity) {
  Canvas.DrawBitmap(Bitmap, Source, Dest, Opacity, false);
}

void CopyRect(TCanvas& Canvas, const TRect& Dest, const TCanvas& SourceCanvas, const TRect& Source) {
  CopyRect(Canvas, ToRectF(Dest), SourceCanvas, ToRectF(Source));
}

void CopyRect(TCanvas& Canvas, const TRectF& Dest, const TCanvas& SourceCanvas, const TRectF& Source) {
  // The canvas reads a bitmap drawn onto itself from a snapshot, so a copy
  // within one canvas sees the pixels from before the call.
  if (const TBitmap* Pixels = SourceCanvas.Bitmap()) Canvas.DrawBitmap(*Pixels, Source, Dest, 1, false);
}

}  // namespace FMX::VX::CanvasHelper
