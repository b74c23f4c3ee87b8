#pragma once
// The gallery's files: a PNG and an SVG per tile, and one PDF with a page
// per tile (its title and code above the picture). Nothing written depends
// on the time or the machine: the same build writes the same bytes.

#include <memory>
#include <string>

#include "Gallery.h"

typedef struct _cairo_surface cairo_surface_t;

namespace VXGallery {

// Raise std::runtime_error naming the file when it cannot be written.
void WritePng(const TTile& Tile, const std::string& FileName);
void WriteSvg(const TTile& Tile, const std::string& FileName);

class TPdfBook {
 public:
  explicit TPdfBook(std::string FileName);
  ~TPdfBook();
  TPdfBook(const TPdfBook&) = delete;
  TPdfBook& operator=(const TPdfBook&) = delete;

  void AddPage(const TTile& Tile);
  // Writes the rest of the file; raises std::runtime_error when writing failed.
  void Finish();
  int PageCount() const { return FPages; }

 private:
  std::string FFileName;
  cairo_surface_t* FSurface = nullptr;
  int FPages = 0;
};

}  // namespace VXGallery
