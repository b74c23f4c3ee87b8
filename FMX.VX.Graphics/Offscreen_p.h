#pragma once
// Off-screen composition for drawing routines that paint overlapping parts
// at full opacity and blend the finished picture once (not installed).

#include <cstdint>
#include <memory>

#include "platform/Bitmap.h"
#include "platform/Canvas.h"
#include "platform/Types.h"

namespace FMX::VX::Graphics::Detail {

// Units an outline stroked with Canvas's stroke can reach beyond the
// geometry it follows: half the thickness, times the miter limit for miter
// joins, plus one unit for antialiasing and one-unit frame overhangs.
float StrokeReach(const TCanvas& Canvas);

// A transparent bitmap over Area (canvas units, grown by Pad on every side),
// sized in device pixels under Target's matrix, rounded outwards and cut to
// Target's size. Its canvas starts with a copy of Target's state and a
// matrix that puts every canvas unit where Target would. Finish blends the
// picture onto Target once at Opacity, at the same device pixels. When an
// exception leaves the drawing before Finish, the destructor still blends
// what was drawn (an error from that blend gives way to the one in flight).
class TOffscreenLayer {
 public:
  TOffscreenLayer(TCanvas& Target, const TRectF& Area, float Pad, float Opacity);
  ~TOffscreenLayer();
  TOffscreenLayer(const TOffscreenLayer&) = delete;
  TOffscreenLayer& operator=(const TOffscreenLayer&) = delete;

  TCanvas& Canvas() { return FBitmap->Canvas(); }
  // Blends the picture; raises what the blend raises.
  void Finish();

 private:

  TCanvas& FTarget;
  std::unique_ptr<TBitmap> FBitmap;
  std::int32_t FX = 0;
  std::int32_t FY = 0;
  float FOpacity;
  bool FFinished = false;
};

}  // namespace FMX::VX::Graphics::Detail
