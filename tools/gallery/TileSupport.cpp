#include "TileSupport.h"

#include <VXFMXCommon.h>

namespace VXGallery {

using namespace FMX;

void DrawChecker(TCanvas& Canvas) {
  Canvas.Fill().SetKind(TBrushKind::Solid);
  Canvas.Fill().SetColor(0xFFE4E4E4);
  for (int Y = 0; Y * 10 < Canvas.Height(); ++Y)
    for (int X = Y % 2; X * 10 < Canvas.Width(); X += 2)
      Canvas.FillRect(TRectF{X * 10.0f, Y * 10.0f, X * 10.0f + 10, Y * 10.0f + 10}, 1);
}

std::unique_ptr<TBitmap> MakePicture() {
  auto Picture = std::make_unique<TBitmap>(32, 32);
  TCanvas& C = Picture->Canvas();
  C.Clear(claSkyBlue);
  C.Fill().SetColor(claGold);
  C.FillEllipse(TRectF{18, 4, 28, 14}, 1);
  C.Fill().SetColor(claForestGreen);
  C.FillEllipse(TRectF{-8, 18, 40, 48}, 1);
  return Picture;
}

}  // namespace VXGallery
