#include "platform/Bitmap.h"

#include <cairo.h>
#include <png.h>

#include <cerrno>
#include <csetjmp>
#include <cstdio>
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

// PNG reading with libpng, row by row straight into the bitmap's pixels.
struct TPngJob {
  png_structp Png = nullptr;
  png_infop Info = nullptr;
  char Error[200] = "";
  cairo_surface_t* Surface = nullptr;
  png_uint_32 Width = 0, Height = 0;
  bool TooLarge = false;
};

[[noreturn]] void PngError(png_structp Png, png_const_charp Message) {
  auto* Job = static_cast<TPngJob*>(png_get_error_ptr(Png));
  std::snprintf(Job->Error, sizeof Job->Error, "%s", Message ? Message : "unreadable PNG data");
  png_longjmp(Png, 1);
}

void PngWarning(png_structp, png_const_charp) {}

void PngRead(png_structp Png, png_bytep Data, std::size_t Length) {
  if (std::fread(Data, 1, Length, static_cast<std::FILE*>(png_get_io_ptr(Png))) != Length)
    png_error(Png, "unexpected end of file");
}

// libpng reports errors by longjmp back here, so this function holds no
// object with a destructor: what it made is in Job for the caller to free.
bool DecodePng(std::FILE* File, TPngJob& Job) {
  if (setjmp(png_jmpbuf(Job.Png))) return false;
  png_set_read_fn(Job.Png, File, PngRead);
  png_set_sig_bytes(Job.Png, 8);
  png_read_info(Job.Png, Job.Info);
  Job.Width = png_get_image_width(Job.Png, Job.Info);
  Job.Height = png_get_image_height(Job.Png, Job.Info);
  if (std::uint64_t(Job.Width) * Job.Height > MaxBitmapPixels) {
    Job.TooLarge = true;
    return false;
  }
  // Everything becomes 8-bit RGBA.
  const int Type = png_get_color_type(Job.Png, Job.Info);
  png_set_expand(Job.Png);
  png_set_strip_16(Job.Png);
  if (Type == PNG_COLOR_TYPE_GRAY || Type == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(Job.Png);
  if (!(Type & PNG_COLOR_MASK_ALPHA) && !png_get_valid(Job.Png, Job.Info, PNG_INFO_tRNS))
    png_set_filler(Job.Png, 0xFF, PNG_FILLER_AFTER);
  const int Passes = png_set_interlace_handling(Job.Png);
  png_read_update_info(Job.Png, Job.Info);
  if (png_get_rowbytes(Job.Png, Job.Info) != std::size_t(Job.Width) * 4) {
    std::snprintf(Job.Error, sizeof Job.Error, "unsupported pixel format");
    return false;
  }
  Job.Surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, int(Job.Width), int(Job.Height));
  if (cairo_surface_status(Job.Surface) != CAIRO_STATUS_SUCCESS) {
    std::snprintf(Job.Error, sizeof Job.Error, "cannot allocate %u x %u pixels: %s", unsigned(Job.Width),
                  unsigned(Job.Height), cairo_status_to_string(cairo_surface_status(Job.Surface)));
    return false;
  }
  unsigned char* Data = cairo_image_surface_get_data(Job.Surface);
  const int Stride = cairo_image_surface_get_stride(Job.Surface);
  for (int Pass = 0; Pass < Passes; ++Pass)
    for (png_uint_32 Y = 0; Y < Job.Height; ++Y) png_read_row(Job.Png, Data + std::ptrdiff_t(Y) * Stride, nullptr);
  png_read_end(Job.Png, nullptr);
  // RGBA bytes to premultiplied native ARGB words, in place.
  for (png_uint_32 Y = 0; Y < Job.Height; ++Y) {
    unsigned char* Row = Data + std::ptrdiff_t(Y) * Stride;
    for (png_uint_32 X = 0; X < Job.Width; ++X) {
      unsigned char* P = Row + std::size_t(X) * 4;
      const std::uint32_t Word = Premultiplied((std::uint32_t(P[3]) << 24) | (std::uint32_t(P[0]) << 16) |
                                               (std::uint32_t(P[1]) << 8) | P[2]);
      std::memcpy(P, &Word, 4);
    }
  }
  cairo_surface_mark_dirty(Job.Surface);
  return true;
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
  const auto Fail = [&FileName](const std::string& Reason) {
    throw EBitmapError("Cannot load bitmap from \"" + FileName + "\": " + Reason);
  };
  std::FILE* File = std::fopen(FileName.c_str(), "rb");
  if (!File) Fail(errno == ENOENT ? std::string("file not found") : std::string(std::strerror(errno)));
  unsigned char Signature[8] = {};
  const std::size_t Got = std::fread(Signature, 1, sizeof Signature, File);
  if (Got != sizeof Signature || png_sig_cmp(Signature, 0, sizeof Signature) != 0) {
    std::fclose(File);
    Fail(Got == 0 ? "the file is empty" : "not a PNG file");
  }
  TPngJob Job;
  Job.Png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &Job, PngError, PngWarning);
  if (Job.Png) Job.Info = png_create_info_struct(Job.Png);
  const bool Ok = Job.Info && DecodePng(File, Job);
  if (Job.Png) png_destroy_read_struct(&Job.Png, Job.Info ? &Job.Info : nullptr, nullptr);
  std::fclose(File);
  if (!Ok) {
    if (Job.Surface) cairo_surface_destroy(Job.Surface);
    if (Job.TooLarge)
      Fail("the image has " + SizeText(std::int32_t(Job.Width), std::int32_t(Job.Height)) +
           " pixels, more than the limit of " + std::to_string(MaxBitmapPixels));
    Fail(Job.Error[0] ? std::string(Job.Error) : std::string("out of memory"));
  }
  Replace(Job.Surface, std::int32_t(Job.Width), std::int32_t(Job.Height));
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
