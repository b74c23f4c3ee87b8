#include "Output.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include <VXFMXCommon.h>

namespace VXGallery {

using namespace FMX;

namespace {

// Every tile starts on white with the canvas's default state.
void PaintTile(const TTile& Tile, TCanvas& Canvas) {
  Canvas.Clear(claWhite);
  Tile.Paint(Canvas);
}

constexpr double PageMargin = 24;
constexpr double TitleSize = 14;
constexpr double CodeSize = 8;
constexpr double MinPageWidth = 560;

// Number of lines the code takes when wrapped at Width in the code font.
int CodeLineCount(const std::string& Code, double Width) {
  TBitmap Measure(1, 1);
  TCanvas& C = Measure.Canvas();
  C.Font().SetFamily("DejaVu Sans Mono");
  C.Font().SetSize(float(CodeSize));
  const double CharWidth = std::max(double(C.TextWidth("M")), 1.0);
  const std::size_t PerLine = std::max<std::size_t>(std::size_t(Width / CharWidth), 1);
  int Lines = 0;
  std::size_t Start = 0;
  while (Start <= Code.size()) {
    std::size_t End = Code.find('\n', Start);
    if (End == std::string::npos) End = Code.size();
    Lines += int(std::max<std::size_t>((End - Start + PerLine - 1) / PerLine, 1));
    Start = End + 1;
  }
  return Lines;
}

}  // namespace

void WritePng(const TTile& Tile, const std::string& FileName) {
  TBitmap Bitmap(Tile.Width, Tile.Height);
  PaintTile(Tile, Bitmap.Canvas());
  Bitmap.SaveToFile(FileName);
}

void WriteSvg(const TTile& Tile, const std::string& FileName) {
  TCairoDocument Svg(FileName, TDocumentFormat::Svg, Tile.Width, Tile.Height);
  PaintTile(Tile, Svg.Canvas());
  Svg.Finish();
}

TPdfBook::TPdfBook(std::string FileName) : FFileName(std::move(FileName)) {
  FSurface = cairo_pdf_surface_create(FFileName.c_str(), MinPageWidth, MinPageWidth);
  if (cairo_surface_status(FSurface) != CAIRO_STATUS_SUCCESS) {
    const std::string Reason = cairo_status_to_string(cairo_surface_status(FSurface));
    cairo_surface_destroy(FSurface);
    FSurface = nullptr;
    throw std::runtime_error("cannot write '" + FFileName + "': " + Reason);
  }
  // An empty creation date leaves the date out: the file does not change
  // from run to run.
  cairo_pdf_surface_set_metadata(FSurface, CAIRO_PDF_METADATA_CREATE_DATE, "");
  cairo_pdf_surface_set_metadata(FSurface, CAIRO_PDF_METADATA_TITLE, "VXFMXCommon gallery");
  cairo_pdf_surface_set_metadata(FSurface, CAIRO_PDF_METADATA_CREATOR, "vxgallery");
}

TPdfBook::~TPdfBook() {
  if (FSurface) cairo_surface_destroy(FSurface);
}

void TPdfBook::AddPage(const TTile& Tile) {
  if (!FSurface) throw std::runtime_error("'" + FFileName + "' is already finished");
  const double PageWidth = std::max(MinPageWidth, Tile.Width + 2 * PageMargin);
  const double TextWidth = PageWidth - 2 * PageMargin;
  const double CodeHeight = CodeLineCount(Tile.Code, TextWidth) * CodeSize * 1.25;
  const double TitleHeight = TitleSize * 1.5;
  const double TileTop = PageMargin + TitleHeight + CodeHeight + 12;
  const double PageHeight = TileTop + Tile.Height + PageMargin;
  cairo_pdf_surface_set_size(FSurface, PageWidth, PageHeight);

  cairo_t* Cr = cairo_create(FSurface);
  {
    TCairoCanvas Header(Cr, std::int32_t(PageWidth), std::int32_t(PageHeight));
    Header.Fill().SetColor(claBlack);
    Header.Font().SetSize(float(TitleSize));
    Header.Font().SetStyle(TFontStyles{TFontStyle::Bold});
    Header.FillText(TRectF{float(PageMargin), float(PageMargin), float(PageMargin + TextWidth),
                           float(PageMargin + TitleHeight)},
                    Tile.Title, false, 1, {}, TTextAlign::Leading, TTextAlign::Leading);
    Header.Font().SetStyle({});
    Header.Font().SetFamily("DejaVu Sans Mono");
    Header.Font().SetSize(float(CodeSize));
    Header.Fill().SetColor(0xFF303030);
    Header.FillText(TRectF{float(PageMargin), float(PageMargin + TitleHeight), float(PageMargin + TextWidth),
                           float(TileTop)},
                    Tile.Code, true, 1, {}, TTextAlign::Leading, TTextAlign::Leading);
  }
  // The tile sees a canvas of its own size with the origin at its corner.
  cairo_translate(Cr, std::round((PageWidth - Tile.Width) / 2), TileTop);
  cairo_rectangle(Cr, 0, 0, Tile.Width, Tile.Height);
  cairo_clip(Cr);
  {
    TCairoCanvas Canvas(Cr, Tile.Width, Tile.Height);
    PaintTile(Tile, Canvas);
  }
  cairo_show_page(Cr);
  const cairo_status_t Status = cairo_status(Cr);
  cairo_destroy(Cr);
  if (Status != CAIRO_STATUS_SUCCESS)
    throw std::runtime_error("cannot write '" + FFileName + "': " + cairo_status_to_string(Status));
  ++FPages;
}

void TPdfBook::Finish() {
  if (!FSurface) return;
  cairo_surface_finish(FSurface);
  const cairo_status_t Status = cairo_surface_status(FSurface);
  cairo_surface_destroy(FSurface);
  FSurface = nullptr;
  if (Status != CAIRO_STATUS_SUCCESS)
    throw std::runtime_error("cannot write '" + FFileName + "': " + cairo_status_to_string(Status));
}

}  // namespace VXGallery
