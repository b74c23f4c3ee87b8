// Ring-sector text: the string form of Arc parses back to the same figure as
// the path form. Both are compared by their fill at probe points that keep
// a margin from either outline (the two forms may split and flatten the
// curves differently and round their numbers differently).

#include <algorithm>
#include <cmath>
#include <string>

#include "FMX.VX.Graphics/VXPathData.h"
#include "fuzz/FuzzSupport.h"

using namespace FMX::VX::Graphics;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  VXFuzz::TInput In(Data, Size);
  const double A = In.Range(-1000, 1000), B = In.Range(-1000, 1000);
  const double R1 = In.Range(0, 200) * In.Flag(), R2 = In.Range(0, 200);
  const double Rotation = In.Range(-720, 720);

  TVXPathData FromPath;
  Arc(FromPath, A, B, R1, R2, Rotation);
  const std::string Text = Arc(A, B, R1, R2, Rotation);
  TVXPathData FromText;
  FromText.SetData(Text);
  VXFUZZ_CHECK(!FromText.IsEmpty() || FromPath.IsEmpty());

  // Both forms write finite numbers that read back.
  for (const FMX::TPathPoint& P : FromText.Points()) VXFUZZ_CHECK(std::isfinite(P.Point.X) && std::isfinite(P.Point.Y));

  // Hit tests use the polygons, whose points sit about one unit apart along
  // the curves: a chord of up to 1.5 units strays from a circle of radius r
  // by r - sqrt(r^2 - 0.75^2), and the two forms may place their chords
  // differently.
  const auto Stray = [](double R) { return R > 0 ? R - std::sqrt(std::max(R * R - 0.5625, 0.0)) : 0.0; };
  const double Outer = std::max(R1, R2);
  const float Margin = float(0.01 + Outer * 1e-3 + std::max(Stray(R1), Stray(R2)));
  for (int I = 0; I < 24 && In.Left() >= 4; ++I) {
    const FMX::TPointF Q{float(In.Range(-Outer - 2, Outer + 2)), float(In.Range(-Outer - 2, Outer + 2))};
    if (FromPath.PointInPathOutline(Q, 2 * Margin) || FromText.PointInPathOutline(Q, 2 * Margin)) continue;
    VXFUZZ_CHECK(FromPath.PointInPath(Q) == FromText.PointInPath(Q));
  }
  return 0;
}
