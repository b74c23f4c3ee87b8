#include "platform/Form.h"

#include <cmath>

#include "platform/CairoDocument.h"
#include "platform/Canvas.h"

namespace FMX {

TForm::TForm(std::int32_t ClientWidth, std::int32_t ClientHeight, TFmxObject* AOwner) : TControl(AOwner) {
  SetClientSize(ClientWidth, ClientHeight);
}

TForm::~TForm() = default;

std::int32_t TForm::ClientWidth() const { return std::int32_t(std::nearbyint(Width())); }
std::int32_t TForm::ClientHeight() const { return std::int32_t(std::nearbyint(Height())); }

void TForm::SetClientSize(std::int32_t AWidth, std::int32_t AHeight) {
  SetBounds(0, 0, float(AWidth < 0 ? 0 : AWidth), float(AHeight < 0 ? 0 : AHeight));
}

TCanvas& TForm::Canvas() const { return FMeasure.Canvas(); }

void TForm::Paint(TCanvas& Canvas) {
  TBrush Saved(Canvas.Fill());
  Canvas.Fill().SetKind(TBrushKind::Solid);
  Canvas.Fill().SetColor(FFill);
  Canvas.FillRect(LocalRect(), 1);
  Canvas.Fill().Assign(Saved);
}

void TForm::PaintTo(TBitmap& Bitmap) {
  Bitmap.SetSize(ClientWidth(), ClientHeight());
  Bitmap.Clear(0);
  TCanvas& C = Bitmap.Canvas();
  if (!C.BeginScene()) return;
  struct TEnd {
    TCanvas& C;
    ~TEnd() { C.EndScene(); }
  } End{C};
  PaintTo(C);
}

std::unique_ptr<TBitmap> TForm::MakeScreenshot() {
  auto Bitmap = std::make_unique<TBitmap>();
  PaintTo(*Bitmap);
  return Bitmap;
}

void TForm::SaveToPNG(const std::string& FileName) { MakeScreenshot()->SaveToFile(FileName); }

void TForm::SaveToDocument(const std::string& FileName, TDocumentFormat Format) {
  TCairoDocument Doc(FileName, Format, Width() > 0 ? Width() : 1, Height() > 0 ? Height() : 1);
  PaintTo(Doc.Canvas());
  Doc.Finish();
}

void TForm::SaveToPDF(const std::string& FileName) { SaveToDocument(FileName, TDocumentFormat::Pdf); }
void TForm::SaveToSVG(const std::string& FileName) { SaveToDocument(FileName, TDocumentFormat::Svg); }

}  // namespace FMX
