#pragma once
// Scope guard for the fill colour, shared by the drawing routines that
// change only that (not installed).

#include "platform/Canvas.h"

namespace FMX::VX::Graphics::Detail {

// Puts the canvas's fill colour back when it goes out of scope, also when
// an exception passes.
class TFillColorGuard {
 public:
  explicit TFillColorGuard(TCanvas& Canvas) : FCanvas(Canvas), FColor(Canvas.Fill().Color()) {}
  ~TFillColorGuard() { FCanvas.Fill().SetColor(FColor); }
  TFillColorGuard(const TFillColorGuard&) = delete;
  TFillColorGuard& operator=(const TFillColorGuard&) = delete;

 private:
  TCanvas& FCanvas;
  TAlphaColor FColor;
};

}  // namespace FMX::VX::Graphics::Detail
