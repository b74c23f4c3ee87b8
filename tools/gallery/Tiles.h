#pragma once
// The gallery's areas. Each Tiles*.cpp file adds the tiles of one area;
// TileAreas() lists them in page order. A new area is a new file and one
// line in Tiles.cpp.

#include <span>
#include <string_view>

#include "Gallery.h"

namespace VXGallery {

struct TTileArea {
  std::string_view Title;
  void (*Add)(TGallery& Gallery);
};

std::span<const TTileArea> TileAreas();

void AddCanvasHelperTiles(TGallery& Gallery);
void AddBezierTiles(TGallery& Gallery);
void AddPathDataTiles(TGallery& Gallery);
void AddColorTiles(TGallery& Gallery);
void AddShapeTiles(TGallery& Gallery);
void AddGradientTiles(TGallery& Gallery);
void AddSliceTiles(TGallery& Gallery);
void AddProgressTiles(TGallery& Gallery);
void AddArrowTiles(TGallery& Gallery);
void AddTextTiles(TGallery& Gallery);
void AddFormTiles(TGallery& Gallery);

}  // namespace VXGallery
