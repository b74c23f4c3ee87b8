#include "platform/Canvas.h"

namespace FMX {

TCanvas::TCanvas(std::int32_t Width, std::int32_t Height) { SetSize(Width, Height); }

TCanvas::~TCanvas() = default;

void TCanvas::SetSize(std::int32_t Width, std::int32_t Height) {
  FWidth = Width > 0 ? Width : 0;
  FHeight = Height > 0 ? Height : 0;
}

void TCanvas::SetMatrix(const TMatrix& Value) {
  FMatrix = Value;
  DoSetMatrix();
}

bool TCanvas::BeginScene() {
  if (!DoBeginScene()) return false;
  ++FSceneDepth;
  return true;
}

// Depth counters change only once the backend has done its part, so that a
// backend that raises leaves them counting what really happened.
void TCanvas::EndScene() {
  if (FSceneDepth == 0) return;
  DoEndScene();
  --FSceneDepth;
}

void TCanvas::IntersectClipRect(const TRectF& Rect) { DoIntersectClipRect(Rect); }

void TCanvas::PushClip() {
  DoPushClip();
  ++FClipDepth;
}

void TCanvas::PopClip() {
  if (FClipDepth == 0) return;
  DoPopClip();
  --FClipDepth;
}

void TCanvas::Clear(TAlphaColor Color) { DoClear(Color); }

void TCanvas::FillRect(const TRectF& Rect, float XRadius, float YRadius, TCorners Corners, float Opacity,
                       TCornerType CornerType) {
  DoFillRect(Rect, XRadius, YRadius, Corners, Opacity, CornerType);
}

void TCanvas::DrawRect(const TRectF& Rect, float XRadius, float YRadius, TCorners Corners, float Opacity,
                       TCornerType CornerType) {
  DoDrawRect(Rect, XRadius, YRadius, Corners, Opacity, CornerType);
}

void TCanvas::FillEllipse(const TRectF& Rect, float Opacity) { DoFillEllipse(Rect, Opacity); }

void TCanvas::DrawEllipse(const TRectF& Rect, float Opacity) { DoDrawEllipse(Rect, Opacity); }

void TCanvas::DrawLine(const TPointF& P1, const TPointF& P2, float Opacity) { DoDrawLine(P1, P2, Opacity); }

void TCanvas::DrawArc(const TPointF& Center, const TPointF& Radius, float StartAngle, float SweepAngle,
                      float Opacity) {
  DoDrawArc(Center, Radius, StartAngle, SweepAngle, Opacity);
}

void TCanvas::FillPath(const TPathData& Path, float Opacity) { DoFillPath(Path, Opacity); }

void TCanvas::DrawPath(const TPathData& Path, float Opacity) { DoDrawPath(Path, Opacity); }

void TCanvas::DrawPolygon(std::span<const TPointF> Points, float Opacity) { DoDrawPolygon(Points, Opacity); }

void TCanvas::FillText(const TRectF& Rect, std::string_view Text, bool WordWrap, float Opacity,
                       TFillTextFlags Flags, TTextAlign HTextAlign, TTextAlign VTextAlign) {
  DoFillText(Rect, Text, WordWrap, Opacity, Flags, HTextAlign, VTextAlign);
}

float TCanvas::TextWidth(std::string_view Text) const { return DoMeasureText(Text).cx; }

float TCanvas::TextHeight(std::string_view Text) const { return DoMeasureText(Text).cy; }

TSizeF TCanvas::TextExtent(std::string_view Text) const { return DoMeasureText(Text); }

void TCanvas::DrawBitmap(const TBitmap& Bitmap, const TRectF& Source, const TRectF& Dest, float Opacity,
                         bool HighSpeed) {
  DoDrawBitmap(Bitmap, Source, Dest, Opacity, HighSpeed);
}

}  // namespace FMX
