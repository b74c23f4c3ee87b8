// Text output: rotated text, TextOut, clipped TextRect and TextExtent.

#include <utility>

#include "FMX.VX.CanvasHelper/CanvasHelper.h"
#include "platform/Math.h"

namespace FMX::VX::CanvasHelper {

void FillText(TCanvas& Canvas, const TRectF& ARect, std::string_view AText, bool WordWrap, float AOpacity,
              TFillTextFlags Flags, float Angle, TTextAlign ATextAlign, TTextAlign AVTextAlign) {
  TRectF R = ARect;
  if (R.Left > R.Right) std::swap(R.Left, R.Right);
  if (R.Top > R.Bottom) std::swap(R.Top, R.Bottom);
  if (Angle == 0) {
    Canvas.FillText(R, AText, WordWrap, AOpacity, Flags, ATextAlign, AVTextAlign);
    return;
  }
  TVXCanvasStateGuard Guard(Canvas, TVXCanvasSaveParts{cspMatrix});
  const TMatrix S = Canvas.Matrix();
  // The rectangle's centre where S puts it; the turn happens there, after S.
  const double MX = double(R.Left) + (double(R.Right) - double(R.Left)) / 2;
  const double MY = double(R.Top) + (double(R.Bottom) - double(R.Top)) / 2;
  const float CX = float(MX * S.m11 + MY * S.m21 + S.m31);
  const float CY = float(MX * S.m12 + MY * S.m22 + S.m32);
  // A positive angle turns counter-clockwise on screen.
  const TMatrix M = S * TMatrix::CreateTranslation(-CX, -CY) *
                    TMatrix::CreateRotation(float(DegToRad(-double(Angle)))) * TMatrix::CreateTranslation(CX, CY);
  Canvas.SetMatrix(M);
  Canvas.FillText(R, AText, WordWrap, AOpacity, Flags, ATextAlign, AVTextAlign);
}

void TextOut(TCanvas& Canvas, std::int32_t X, std::int32_t Y, std::string_view Text, float Opacity) {
  TextOut(Canvas, float(X), float(Y), Text, Opacity);
}

void TextOut(TCanvas& Canvas, float X, float Y, std::string_view Text, float Opacity) {
  const TSizeF Size = Canvas.TextExtent(Text);
  const TRectF R{X, Y, float(double(X) + Size.cx), float(double(Y) + Size.cy)};
  Canvas.FillText(R, Text, false, Opacity, TFillTextFlags(), TTextAlign::Leading, TTextAlign::Center);
}

void TextRect(TCanvas& Canvas, const TRect& Rect, std::int32_t X, std::int32_t Y, std::string_view Text) {
  TextRect(Canvas, TRectF{float(Rect.Left), float(Rect.Top), float(Rect.Right), float(Rect.Bottom)}, float(X),
           float(Y), Text);
}

void TextRect(TCanvas& Canvas, const TRectF& Rect, float X, float Y, std::string_view Text) {
  TVXCanvasStateGuard State(Canvas);
  TClipGuard Clip(Canvas);  // the narrowed clip ends with the call
  Canvas.IntersectClipRect(Rect);
  Canvas.FillText({X, Y, Rect.Right, Rect.Bottom}, Text, false, 1.0f, TFillTextFlags(), TTextAlign::Leading,
                  TTextAlign::Leading);
}

TSize TextExtent(const TCanvas& Canvas, std::string_view Text) {
  if (Text.empty()) return {0, 0};
  const TSizeF Size = Canvas.TextExtent(Text);
  return {Round32(Size.cx), Round32(Size.cy)};
}

}  // namespace FMX::VX::CanvasHelper
