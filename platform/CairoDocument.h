#pragma once
// Vector documents: a PDF or SVG file drawn through an ordinary canvas.
//
// One canvas unit is one point (1/72 inch); the page is Width x Height
// points. The file is complete after Finish() (or destruction). PDF
// documents may have several pages (NewPage); an SVG document has one.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/Classes.h"
#include "platform/Export.h"

typedef struct _cairo_surface cairo_surface_t;

namespace FMX {

class TCanvas;
class TCairoCanvas;

enum class TDocumentFormat : std::uint8_t { Pdf, Svg };

class VXFMX_API TCairoDocument : public TObject {
 public:
  // Raises Exception naming the file when it cannot be created, and for a
  // width or height that is not a positive finite number.
  TCairoDocument(const std::string& FileName, TDocumentFormat Format, double Width, double Height);
  // Finishes the file; errors at this point are swallowed (call Finish to
  // see them).
  ~TCairoDocument() override;
  TCairoDocument(const TCairoDocument&) = delete;
  TCairoDocument& operator=(const TCairoDocument&) = delete;

  // The document's canvas; after Finish it paints nothing.
  TCanvas& Canvas();
  const std::string& FileName() const { return FFileName; }
  TDocumentFormat Format() const { return FFormat; }

  // PDF: ends the current page and starts a new one of the same size; the
  // canvas keeps its state. SVG: does nothing.
  void NewPage();
  // Writes the rest of the file and closes it. Raises Exception naming the
  // file when writing failed. Further calls do nothing.
  void Finish();

 private:
  std::string FFileName;
  TDocumentFormat FFormat;
  cairo_surface_t* FSurface = nullptr;
  std::unique_ptr<TCairoCanvas> FCanvas;
  bool FFinished = false;
};

}  // namespace FMX
