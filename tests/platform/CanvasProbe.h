#pragma once
// Pixel probes for canvas tests: channels of a bitmap pixel and the box of
// everything painted.

#include <cstdint>

#include "platform/Bitmap.h"

namespace CanvasProbe {

inline int A(FMX::TAlphaColor C) { return int(C >> 24); }
inline int R(FMX::TAlphaColor C) { return int((C >> 16) & 0xFF); }
inline int G(FMX::TAlphaColor C) { return int((C >> 8) & 0xFF); }
inline int B(FMX::TAlphaColor C) { return int(C & 0xFF); }

// Alpha of pixel (X, Y).
inline int AlphaAt(const FMX::TBitmap& Bmp, int X, int Y) { return A(Bmp.GetPixel(X, Y)); }

// Smallest box of pixels whose alpha exceeds Threshold: Left/Top inclusive,
// Right/Bottom exclusive; all -1 when nothing is painted.
struct TInk {
  int Left = -1, Top = -1, Right = -1, Bottom = -1;
  bool Empty() const { return Left < 0; }
  double CenterX() const { return (Left + Right) / 2.0; }
  double CenterY() const { return (Top + Bottom) / 2.0; }
};

inline TInk InkBox(const FMX::TBitmap& Bmp, int Threshold = 40) {
  TInk Ink;
  for (int Y = 0; Y < Bmp.Height(); ++Y)
    for (int X = 0; X < Bmp.Width(); ++X) {
      if (AlphaAt(Bmp, X, Y) <= Threshold) continue;
      if (Ink.Empty()) {
        Ink = {X, Y, X + 1, Y + 1};
        continue;
      }
      if (X < Ink.Left) Ink.Left = X;
      if (X + 1 > Ink.Right) Ink.Right = X + 1;
      if (Y < Ink.Top) Ink.Top = Y;
      if (Y + 1 > Ink.Bottom) Ink.Bottom = Y + 1;
    }
  return Ink;
}

}  // namespace CanvasProbe
