#include "platform/Bitmap.h"

#include <cairo.h>

#include <cstring>

#include "platform/CairoCanvas.h"

namespace FMX {

namespace {

std::string SizeText(std::int32_t W, std::int32_t H) { return std::to_string(W) + " x " + std::to_string(H); }

// A new transparent ARGB surface; raises when it cannot be made.
cairo_surface_t* NewSurface(std::int32_t W, std::int32_t H) {
  cairo_surface_t* S = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, W, H);
  const cairo_status_t Status = cairo_surface_status(S);
  if (Status != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(S);
    throw EBitmapError("Cannot create a bitmap of " + SizeText(W, H) + " pixels: " + cairo_status_to_string(Status));
  }
  return S;
}

std::uint32_t Premultiplied(TAlphaColor C) {
  const std::uint32_t A = C >> 24;
  const auto Mul = [A](std::uint32_t V) { return (V * A + 127) / 255; };
  return (A << 24) | (Mul((C >> 16) & 0xFF) << 16) | (Mul((C >> 8) & 0xFF) << 8) | Mul(C & 0xFF);
}

TAlphaColor Unpremultiplied(std::uint32_t P) {
  const std::uint32_t A = P >> 24;
  if (A == 0) return 0;
  const auto Div = [A](std::uint32_t V) {
    const std::uint32_t R = (V * 255 + A / 2) / A;
    return R > 255 ? 255u : R;
  };
  return (A << 24) | (Div((P >> 16) & 0xFF) << 16) | (Div((P >> 8) & 0xFF) << 8) | Div(P & 0xFF);
}

}  // namespace

TBitmap::TBitmap() : FCanvas(std::make_unique<TCairoCanvas>(static_cast<cairo_t*>(nullptr), 0, 0)) {
  FCanvas->SetOwnerBitmap(this);
}

TBitmap::TBitmap(std::int32_t Width, std::int32_t Height) : TBitmap() { SetSize(Width, Height); }

TBitmap::~TBitmap() {
  FCanvas.reset();
  if (FSurface) cairo_surface_destroy(FSurface);
}

std::unique_ptr<TBitmap> TBitmap::CreateFromFile(const std::string& FileName) {
  auto B = std::make_unique<TBitmap>();
  B->LoadFromFile(FileName);
  return B;
}

void TBitmap::Replace(cairo_surface_t* Surface, std::int32_t Width, std::int32_t Height) {
  cairo_t* Cr = Surface ? cairo_create(Surface) : nullptr;
  FCanvas->Retarget(Cr, Width, Height);
  if (Cr) cairo_destroy(Cr);
  if (FSurface) cairo_surface_destroy(FSurface);
  FSurface = Surface;
  FWidth = Width;
  FHeight = Height;
}

void TBitmap::SetSize(std::int32_t Width, std::int32_t Height) {
  if (Width <= 0 || Height <= 0) Width = Height = 0;
  if (Width == FWidth && Height == FHeight) return;
  Replace(Width > 0 ? NewSurface(Width, Height) : nullptr, Width, Height);
}

TCanvas& TBitmap::Canvas() { return *FCanvas; }

TAlphaColor TBitmap::GetPixel(std::int32_t X, std::int32_t Y) const {
  if (!FSurface || X < 0 || Y < 0 || X >= FWidth || Y >= FHeight) return 0;
  cairo_surface_flush(FSurface);
  const unsigned char* Row = cairo_image_surface_get_data(FSurface) +
                             std::ptrdiff_t(Y) * cairo_image_surface_get_stride(FSurface);
  std::uint32_t P;
  std::memcpy(&P, Row + std::ptrdiff_t(X) * 4, 4);
  return Unpremultiplied(P);
}

void TBitmap::SetPixel(std::int32_t X, std::int32_t Y, TAlphaColor Color) {
  if (!FSurface || X < 0 || Y < 0 || X >= FWidth || Y >= FHeight) return;
  cairo_surface_flush(FSurface);
  unsigned char* Row = cairo_image_surface_get_data(FSurface) +
                       std::ptrdiff_t(Y) * cairo_image_surface_get_stride(FSurface);
  const std::uint32_t P = Premultiplied(Color);
  std::memcpy(Row + std::ptrdiff_t(X) * 4, &P, 4);
  cairo_surface_mark_dirty_rectangle(FSurface, X, Y, 1, 1);
}

void TBitmap::Clear(TAlphaColor Color) {
  if (!FSurface) return;
  cairo_surface_flush(FSurface);
  unsigned char* Data = cairo_image_surface_get_data(FSurface);
  const int Stride = cairo_image_surface_get_stride(FSurface);
  const std::uint32_t P = Premultiplied(Color);
  for (std::int32_t Y = 0; Y < FHeight; ++Y) {
    auto* Row = reinterpret_cast<std::uint32_t*>(Data + std::ptrdiff_t(Y) * Stride);
    std::fill(Row, Row + FWidth, P);
  }
  cairo_surface_mark_dirty(FSurface);
}

void TBitmap::SaveToFile(const std::string& FileName) const {
  if (!FSurface) throw EBitmapError("Cannot save an empty bitmap to \"" + FileName + "\"");
  cairo_surface_flush(FSurface);
  const cairo_status_t Status = cairo_surface_write_to_png(FSurface, FileName.c_str());
  if (Status != CAIRO_STATUS_SUCCESS)
    throw EBitmapError("Cannot save bitmap to \"" + FileName + "\": " + cairo_status_to_string(Status));
}

void TBitmap::LoadFromFile(const std::string& FileName) {
  cairo_surface_t* Loaded = cairo_image_surface_create_from_png(FileName.c_str());
  const cairo_status_t Status = cairo_surface_status(Loaded);
  if (Status != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(Loaded);
    const char* Reason = Status == CAIRO_STATUS_FILE_NOT_FOUND ? "file not found"
                         : Status == CAIRO_STATUS_READ_ERROR   ? "not a readable PNG image"
                         : Status == CAIRO_STATUS_NO_MEMORY    ? "out of memory"
                                                               : cairo_status_to_string(Status);
    throw EBitmapError("Cannot load bitmap from \"" + FileName + "\": " + Reason);
  }
  const std::int32_t W = cairo_image_surface_get_width(Loaded), H = cairo_image_surface_get_height(Loaded);
  cairo_surface_t* Surface = Loaded;
  if (cairo_image_surface_get_format(Loaded) != CAIRO_FORMAT_ARGB32) {
    // Grey, RGB and the like: convert so that every bitmap is ARGB32.
    try {
      Surface = NewSurface(W, H);
    } catch (...) {
      cairo_surface_destroy(Loaded);
      throw;
    }
    cairo_t* Cr = cairo_create(Surface);
    cairo_set_source_surface(Cr, Loaded, 0, 0);
    cairo_set_operator(Cr, CAIRO_OPERATOR_SOURCE);
    cairo_paint(Cr);
    cairo_destroy(Cr);
    cairo_surface_destroy(Loaded);
  }
  Replace(Surface, W, H);
}

void TBitmap::Assign(const TPersistent& Source) {
  const auto* B = dynamic_cast<const TBitmap*>(&Source);
  if (!B) {
    TPersistent::Assign(Source);
    return;
  }
  if (B == this) return;
  if (B->IsEmpty()) {
    Replace(nullptr, 0, 0);
    return;
  }
  cairo_surface_t* Surface = NewSurface(B->FWidth, B->FHeight);
  cairo_t* Cr = cairo_create(Surface);
  cairo_set_source_surface(Cr, B->FSurface, 0, 0);
  cairo_set_operator(Cr, CAIRO_OPERATOR_SOURCE);
  cairo_paint(Cr);
  cairo_destroy(Cr);
  Replace(Surface, B->FWidth, B->FHeight);
}

}  // namespace FMX
