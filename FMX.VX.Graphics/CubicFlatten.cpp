#include "FMX.VX.Graphics/CubicFlatten_p.h"

namespace FMX::VX::Graphics::Detail {

void FlattenCubic(TPointF P0, TPointF P1, TPointF P2, TPointF P3, std::int32_t Steps, TPointF* Out) {
  if (Steps <= 0) return;
  // Power basis: B(t) = ((A t + B) t + C) t + P0.
  const double x0 = P0.X, y0 = P0.Y;
  const double cx = 3 * (double(P1.X) - x0), cy = 3 * (double(P1.Y) - y0);
  const double bx = 3 * (double(P2.X) - 2 * double(P1.X) + x0);
  const double by = 3 * (double(P2.Y) - 2 * double(P1.Y) + y0);
  const double ax = double(P3.X) - x0 + 3 * (double(P1.X) - double(P2.X));
  const double ay = double(P3.Y) - y0 + 3 * (double(P1.Y) - double(P2.Y));
  const double dt = 1.0 / Steps;
  for (std::int32_t i = 1; i < Steps; ++i) {
    const double t = i * dt;
    Out[i - 1] = {float(((ax * t + bx) * t + cx) * t + x0), float(((ay * t + by) * t + cy) * t + y0)};
  }
  Out[Steps - 1] = P3;
}

}  // namespace FMX::VX::Graphics::Detail
