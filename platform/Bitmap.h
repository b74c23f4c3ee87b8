#pragma once
// Off-screen bitmap: 32-bit ARGB pixels with its own canvas.
//
// Guarantees:
// - A bitmap given a zero or negative width or height is empty and 0 x 0.
//   Its canvas exists, paints nothing and raises nothing; BeginScene on it
//   returns false. Measuring text on it still works.
// - New pixels are transparent (0x00000000).
// - Pixels are stored premultiplied; GetPixel and SetPixel speak
//   unpremultiplied TAlphaColor. Reading a pixel reflects every drawing call
//   made before it.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/Classes.h"
#include "platform/Export.h"
#include "platform/Types.h"

typedef struct _cairo_surface cairo_surface_t;

namespace FMX {

class TCanvas;
class TCairoCanvas;

// Loading, saving or creating a bitmap failed. The message names the file
// (or the size) and the reason.
class VXFMX_API EBitmapError : public Exception {
 public:
  using Exception::Exception;
};

// Pixels a PNG file may hold to be loaded (2^28, 1 GiB of ARGB).
inline constexpr std::uint64_t MaxBitmapPixels = std::uint64_t(1) << 28;

class VXFMX_API TBitmap : public TPersistent {
 public:
  TBitmap();
  // Raises EBitmapError when the pixels cannot be allocated.
  TBitmap(std::int32_t Width, std::int32_t Height);
  ~TBitmap() override;
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;

  // Reads a PNG file; raises EBitmapError naming the file when it cannot.
  static std::unique_ptr<TBitmap> CreateFromFile(const std::string& FileName);

  std::int32_t Width() const { return FWidth; }
  std::int32_t Height() const { return FHeight; }
  bool IsEmpty() const { return FSurface == nullptr; }

  // New size, all pixels transparent. The canvas object stays the same and
  // keeps its fill, stroke, font and matrix; its clip is reset. Setting the
  // current size again leaves the pixels alone.
  void SetSize(std::int32_t Width, std::int32_t Height);

  // The bitmap's own canvas, alive as long as the bitmap.
  TCanvas& Canvas();

  // Pixel (X, Y) unpremultiplied; 0 outside the bitmap.
  TAlphaColor GetPixel(std::int32_t X, std::int32_t Y) const;
  // Outside the bitmap: ignored.
  void SetPixel(std::int32_t X, std::int32_t Y, TAlphaColor Color);
  // Every pixel becomes Color.
  void Clear(TAlphaColor Color);

  // PNG files. SaveToFile of an empty bitmap raises EBitmapError, since a
  // PNG image has at least one pixel. LoadFromFile replaces size and pixels
  // only when the whole file could be read; otherwise EBitmapError names the
  // file and what is wrong with it (not found, not a PNG file, a CRC error,
  // corrupt data, a bad header, more than MaxBitmapPixels pixels). Pixels
  // are decoded straight into the bitmap: no second copy of the image.
  void SaveToFile(const std::string& FileName) const;
  void LoadFromFile(const std::string& FileName);

  // Copies size and pixels of another bitmap.
  void Assign(const TPersistent& Source) override;

  // The image surface (CAIRO_FORMAT_ARGB32), or nullptr when empty. For
  // backends; the bitmap keeps ownership.
  cairo_surface_t* Surface() const { return FSurface; }

 private:
  void Replace(cairo_surface_t* Surface, std::int32_t Width, std::int32_t Height);

  cairo_surface_t* FSurface = nullptr;
  std::int32_t FWidth = 0;
  std::int32_t FHeight = 0;
  std::unique_ptr<TCairoCanvas> FCanvas;
};

}  // namespace FMX
