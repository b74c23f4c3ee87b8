// Point-in-path hit tests: whatever the index behind TVXPathData::PointInPath
// does, its answer equals the plain walk over the path's polygons (each
// polygon even-odd on its own, inside any is inside), for probes anywhere in
// and around the bounds, on vertices and on edge midpoints, and for enough
// probes that the index is built and used.

#include <cmath>

#include "FMX.VX.Graphics/Intersection.h"
#include "FMX.VX.Graphics/VXPathData.h"
#include "fuzz/FuzzSupport.h"

using namespace FMX::VX::Graphics;

namespace {

bool PlainWalk(const TVXPolygons& Polygons, FMX::TPointF Q) {
  for (const auto& Polygon : Polygons)
    if (PointInPath(std::span<const FMX::TPointF>(Polygon), Q.X, Q.Y)) return true;
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  if (Size < 8 || Size > 4096) return 0;
  // The probe choices come from the front, the path text from the rest.
  const std::size_t Probes = std::min<std::size_t>(Size / 4, 256);
  VXFuzz::TInput Choices(Data, Probes);
  VXFuzz::TInput Rest(Data + Probes, Size - Probes);

  TVXPathData P;
  P.SetData(Rest.Rest());
  // Polygons hold a point about every unit of length: keep the paths small
  // enough to flatten quickly.
  const FMX::TRectF Bounds = P.GetBounds();
  if (!(double(Bounds.Right) - Bounds.Left < 1e4) || !(double(Bounds.Bottom) - Bounds.Top < 1e4)) return 0;
  for (const FMX::TPathPoint& Q : P.Points())
    if (!(std::fabs(Q.Point.X) < 1e5) || !(std::fabs(Q.Point.Y) < 1e5)) return 0;
  const TVXPolygons& Polygons = P.ToPolygons();
  std::size_t Vertices = 0;
  for (const auto& Polygon : Polygons) Vertices += Polygon.size();
  if (Vertices == 0 || Vertices > 200000) return 0;
  const FMX::TRectF Box = P.GetBounds();
  const double W = double(Box.Right) - Box.Left, H = double(Box.Bottom) - Box.Top;
  if (!std::isfinite(W) || !std::isfinite(H)) return 0;

  auto Vertex = [&](std::size_t K) {
    K %= Vertices;
    for (const auto& Polygon : Polygons) {
      if (K < Polygon.size()) return std::pair{Polygon[K], Polygon[(K + 1) % Polygon.size()]};
      K -= Polygon.size();
    }
    return std::pair<FMX::TPointF, FMX::TPointF>{};
  };
  // Several rounds, so that queries run before and after the index is built.
  for (int Round = 0; Round < 3; ++Round) {
    VXFuzz::TInput In = Choices;
    while (In.Left() >= 3) {
      FMX::TPointF Q;
      const std::uint8_t How = In.Byte() % 4;
      const std::uint16_t Pick = In.Raw<std::uint16_t>();
      if (How == 0) {
        Q = Vertex(Pick).first;
      } else if (How == 1) {
        const auto [A, B] = Vertex(Pick);
        Q = {float((double(A.X) + B.X) / 2), float((double(A.Y) + B.Y) / 2)};
      } else {
        Q = {float(Box.Left - 1 + (W + 2) * ((Pick & 0xFF) / 255.0)),
             float(Box.Top - 1 + (H + 2) * ((Pick >> 8) / 255.0))};
      }
      VXFUZZ_CHECK(P.PointInPath(Q) == PlainWalk(Polygons, Q));
    }
  }
  return 0;
}
