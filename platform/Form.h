#pragma once
// The root of a control tree: a window-sized surface that renders its
// controls to a bitmap, a PNG file or a PDF or SVG document.
//
// A form paints its background Fill over its whole client area, then its
// children in order. Controls on the form measure text with the form's
// canvas (Canvas()).

#include <cstdint>
#include <memory>
#include <string>

#include "platform/Bitmap.h"
#include "platform/CairoDocument.h"
#include "platform/Control.h"
#include "platform/Export.h"
#include "platform/Types.h"

namespace FMX {

class VXFMX_API TForm : public TControl {
 public:
  // ClientWidth x ClientHeight canvas units; the background is opaque white.
  explicit TForm(std::int32_t ClientWidth = 640, std::int32_t ClientHeight = 480, TFmxObject* AOwner = nullptr);
  ~TForm() override;

  std::int32_t ClientWidth() const;
  std::int32_t ClientHeight() const;
  void SetClientSize(std::int32_t AWidth, std::int32_t AHeight);
  TAlphaColor Fill() const { return FFill; }
  void SetFill(TAlphaColor Value) { FFill = Value; }

  TCanvas& Canvas() const override;

  // Renders the form into Bitmap, which takes the form's client size (one
  // pixel per canvas unit).
  void PaintTo(TBitmap& Bitmap);
  using TControl::PaintTo;
  std::unique_ptr<TBitmap> MakeScreenshot();
  // Raises EBitmapError naming the file when it cannot be written.
  void SaveToPNG(const std::string& FileName);
  // One page of the client size in points; raises Exception naming the file
  // when it cannot be written.
  void SaveToPDF(const std::string& FileName);
  void SaveToSVG(const std::string& FileName);

 protected:
  void Paint(TCanvas& Canvas) override;

 private:
  void SaveToDocument(const std::string& FileName, TDocumentFormat Format);

  TAlphaColor FFill = 0xFFFFFFFF;
  // Measuring canvas of the form's controls (text measures the same on
  // every canvas, so it stays empty).
  mutable TBitmap FMeasure;
};

}  // namespace FMX
