#include "platform/Shapes.h"

namespace FMX {

namespace {

// Puts back the canvas fill, stroke and font a control changed for its
// painting, also when an exception passes.
class TPaintStateGuard {
 public:
  explicit TPaintStateGuard(TCanvas& Canvas)
      : FCanvas(Canvas), FFill(Canvas.Fill()), FStroke(Canvas.Stroke()), FFont(Canvas.Font()) {}
  ~TPaintStateGuard() {
    FCanvas.Fill().Assign(FFill);
    FCanvas.Stroke().Assign(FStroke);
    if (!FCanvas.Font().SameFont(FFont)) FCanvas.Font().Assign(FFont);
  }
  TPaintStateGuard(const TPaintStateGuard&) = delete;
  TPaintStateGuard& operator=(const TPaintStateGuard&) = delete;

 private:
  TCanvas& FCanvas;
  TBrush FFill;
  TStrokeBrush FStroke;
  TFont FFont;
};

void UseFont(TCanvas& Canvas, const TFont& Font) {
  if (!Canvas.Font().SameFont(Font)) Canvas.Font().Assign(Font);
}

}  // namespace

TRectangle::TRectangle(TFmxObject* AOwner) : TControl(AOwner) {}

void TRectangle::Paint(TCanvas& Canvas) {
  TPaintStateGuard Guard(Canvas);
  Canvas.Fill().Assign(FFill);
  Canvas.Stroke().Assign(FStroke);
  const TRectF R = LocalRect();
  Canvas.FillRect(R, Opacity());
  // Half the stroke inside, so that the outline stays within the bounds.
  const double Half = FStroke.Kind() == TBrushKind::None ? 0 : FStroke.Thickness() / 2.0;
  if (Half > 0 && R.Width() > 2 * Half && R.Height() > 2 * Half)
    Canvas.DrawRect({float(Half), float(Half), float(R.Right - Half), float(R.Bottom - Half)}, Opacity());
}

TText::TText(TFmxObject* AOwner) : TControl(AOwner) {}

TSizeF TText::TextExtent(std::string_view Value) const {
  TCanvas& C = Canvas();
  TPaintStateGuard Guard(C);
  UseFont(C, FFont);
  return C.TextExtent(Value);
}

void TText::Paint(TCanvas& Canvas) {
  if (FText.empty()) return;
  TPaintStateGuard Guard(Canvas);
  UseFont(Canvas, FFont);
  Canvas.Fill().SetKind(TBrushKind::Solid);
  Canvas.Fill().SetColor(FColor);
  Canvas.FillText(LocalRect(), FText, FWordWrap, Opacity(), {}, FHorzAlign, FVertAlign);
}

}  // namespace FMX
