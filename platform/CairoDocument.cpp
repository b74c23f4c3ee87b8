#include "platform/CairoDocument.h"

#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>

#include <cmath>

#include "platform/CairoCanvas.h"

namespace FMX {

TCairoDocument::TCairoDocument(const std::string& FileName, TDocumentFormat Format, double Width, double Height)
    : FFileName(FileName), FFormat(Format) {
  if (!(Width > 0) || !(Height > 0) || !std::isfinite(Width) || !std::isfinite(Height))
    throw Exception("Cannot create document \"" + FileName + "\": the page size must be positive");
  FSurface = Format == TDocumentFormat::Pdf ? cairo_pdf_surface_create(FileName.c_str(), Width, Height)
                                            : cairo_svg_surface_create(FileName.c_str(), Width, Height);
  const cairo_status_t Status = cairo_surface_status(FSurface);
  if (Status != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(FSurface);
    FSurface = nullptr;
    throw Exception("Cannot create document \"" + FileName + "\": " + cairo_status_to_string(Status));
  }
  const auto Size = [](double V) { return V >= 2147483647.0 ? std::int32_t(2147483647) : std::int32_t(std::lround(V)); };
  FCanvas = std::make_unique<TCairoCanvas>(FSurface, Size(Width), Size(Height));
}

TCairoDocument::~TCairoDocument() {
  try {
    Finish();
  } catch (...) {
    // Reported only through an explicit Finish.
  }
}

TCanvas& TCairoDocument::Canvas() { return *FCanvas; }

void TCairoDocument::NewPage() {
  if (FFinished || FFormat != TDocumentFormat::Pdf) return;
  cairo_show_page(FCanvas->Context());
}

void TCairoDocument::Finish() {
  if (FFinished) return;
  FFinished = true;
  FCanvas->Retarget(nullptr, FCanvas->Width(), FCanvas->Height());
  cairo_surface_finish(FSurface);
  const cairo_status_t Status = cairo_surface_status(FSurface);
  cairo_surface_destroy(FSurface);
  FSurface = nullptr;
  if (Status != CAIRO_STATUS_SUCCESS)
    throw Exception("Cannot write document \"" + FFileName + "\": " + cairo_status_to_string(Status));
}

}  // namespace FMX
