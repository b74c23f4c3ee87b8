#pragma once
// Drawing helpers the tiles share: backgrounds that show translucency and
// a small picture for the image styles. Their calls appear in captions by
// name.

#include <memory>

namespace FMX {
class TBitmap;
class TCanvas;
}  // namespace FMX

namespace VXGallery {

// Grey and white squares of 10 units over the whole canvas, so that
// translucent drawing shows the pattern through it.
void DrawChecker(FMX::TCanvas& Canvas);

// A 32 x 32 picture: a sky, a sun and a hill.
std::unique_ptr<FMX::TBitmap> MakePicture();

}  // namespace VXGallery
