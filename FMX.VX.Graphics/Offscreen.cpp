#include <algorithm>
#include <cmath>

#include "FMX.VX.CanvasHelper/CanvasSaveState.h"
#include "FMX.VX.Graphics/Offscreen_p.h"
#include "FMX.VX.Graphics/Shapes.h"

namespace FMX::VX::Graphics::Detail {

namespace {

constexpr double MiterLimit = 10;  // the Cairo canvas's miter limit

// Device pixel box [X0, X1) x [Y0, Y1) of Area grown by Pad under M, cut to
// the canvas; empty (X1 <= X0) when nothing of it can show.
struct TPixelBox {
  double X0 = 0, Y0 = 0, X1 = 0, Y1 = 0;
};

TPixelBox DeviceBox(const TMatrix& M, const TRectF& Area, float Pad, std::int32_t Width, std::int32_t Height) {
  const double Xs[2] = {Area.Left, Area.Right}, Ys[2] = {Area.Top, Area.Bottom};
  double MinX = INFINITY, MinY = INFINITY, MaxX = -INFINITY, MaxY = -INFINITY;
  for (double X : Xs)
    for (double Y : Ys) {
      const double DX = X * M.m11 + Y * M.m21 + M.m31, DY = X * M.m12 + Y * M.m22 + M.m32;
      MinX = std::min(MinX, DX), MaxX = std::max(MaxX, DX);
      MinY = std::min(MinY, DY), MaxY = std::max(MaxY, DY);
    }
  // The largest stretch the matrix gives a unit length.
  const double Scale = std::max(std::hypot(double(M.m11), double(M.m12)), std::hypot(double(M.m21), double(M.m22)));
  const double P = double(Pad) * Scale;
  TPixelBox Box{std::floor(MinX - P), std::floor(MinY - P), std::ceil(MaxX + P), std::ceil(MaxY + P)};
  if (!(std::isfinite(Box.X0) && std::isfinite(Box.Y0) && std::isfinite(Box.X1) && std::isfinite(Box.Y1)))
    return {};
  Box.X0 = std::max(Box.X0, 0.0), Box.Y0 = std::max(Box.Y0, 0.0);
  Box.X1 = std::min(Box.X1, double(Width)), Box.Y1 = std::min(Box.Y1, double(Height));
  if (Box.X1 <= Box.X0 || Box.Y1 <= Box.Y0) return {};
  return Box;
}

}  // namespace

float StrokeReach(const TCanvas& Canvas) {
  const double Half = std::max(1.0, double(Canvas.GetStrokeThickness())) / 2;
  return float(Half * (Canvas.GetStrokeJoin() == TStrokeJoin::Miter ? MiterLimit : 1) + 1);
}

TOffscreenLayer::TOffscreenLayer(TCanvas& Target, const TRectF& Area, float Pad, float Opacity)
    : FTarget(Target), FOpacity(Opacity) {
  const TPixelBox Box = DeviceBox(Target.Matrix(), Area, Pad, Target.Width(), Target.Height());
  FX = std::int32_t(Box.X0), FY = std::int32_t(Box.Y0);
  FBitmap = std::make_unique<TBitmap>(std::int32_t(Box.X1 - Box.X0), std::int32_t(Box.Y1 - Box.Y0));
  TCanvas& D = FBitmap->Canvas();
  D.BeginScene();
  try {
    CopyCanvasState(D, Target);
    D.SetMatrix(Target.Matrix() * TMatrix::CreateTranslation(float(-FX), float(-FY)));
  } catch (...) {
    D.EndScene();
    throw;
  }
}

TOffscreenLayer::~TOffscreenLayer() {
  if (FFinished) return;
  try {
    Finish();
  } catch (...) {
    // The exception already unwinding is the one the caller must see.
  }
}

void TOffscreenLayer::Finish() {
  FFinished = true;
  TCanvas& D = FBitmap->Canvas();
  while (D.SceneDepth() > 0) D.EndScene();
  if (FBitmap->IsEmpty()) return;
  // The picture is already in device pixels: blend it without the matrix.
  CanvasHelper::TVXCanvasStateGuard Guard(FTarget, CanvasHelper::TVXCanvasSaveParts{CanvasHelper::cspMatrix});
  FTarget.SetMatrix(TMatrix::Identity());
  const float W = float(FBitmap->Width()), H = float(FBitmap->Height());
  FTarget.DrawBitmap(*FBitmap, TRectF{0, 0, W, H}, TRectF{float(FX), float(FY), float(FX) + W, float(FY) + H},
                     FOpacity, false);
}

}  // namespace FMX::VX::Graphics::Detail
