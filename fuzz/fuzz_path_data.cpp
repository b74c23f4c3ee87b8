// Path text of any shape must give a defined path: no crash, hang, sanitizer
// report or exception; what the path writes must read back to the same
// points; copies, flattening and bounds must keep the container's rules;
// measuring and hit-testing the result must return.

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "FMX.VX.Graphics/VXPathData.h"

#include "fuzz/FuzzSupport.h"

using namespace FMX::VX::Graphics;

namespace {

bool AllFinite(const TPathData& P) {
  for (const TPathPoint& Q : P.Points())
    if (!std::isfinite(Q.Point.X) || !std::isfinite(Q.Point.Y)) return false;
  return true;
}

bool SamePoints(const TPathData& A, const TPathData& B) {
  auto PA = A.Points(), PB = B.Points();
  if (PA.size() != PB.size()) return false;
  for (std::size_t I = 0; I < PA.size(); ++I)
    if (!(PA[I] == PB[I])) return false;
  return true;
}

// Exact copies, bit for bit (NaNs included).
bool SameBits(const TPathData& A, const TPathData& B) {
  auto PA = A.Points(), PB = B.Points();
  if (PA.size() != PB.size()) return false;
  for (std::size_t I = 0; I < PA.size(); ++I)
    if (PA[I].Kind != PB[I].Kind || std::bit_cast<std::uint64_t>(PA[I].Point) != std::bit_cast<std::uint64_t>(PB[I].Point))
      return false;
  return true;
}

// Close points hold their subpath's first point (the last move, or the origin).
void CheckClosePoints(const TPathData& P) {
  TPointF Start;
  for (const TPathPoint& Q : P.Points()) {
    if (Q.Kind == TPathPointKind::MoveTo) Start = Q.Point;
    if (Q.Kind == TPathPointKind::Close)
      VXFUZZ_CHECK((Q.Point.X == Start.X || (std::isnan(Q.Point.X) && std::isnan(Start.X))) &&
            (Q.Point.Y == Start.Y || (std::isnan(Q.Point.Y) && std::isnan(Start.Y))));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const std::string_view Text(reinterpret_cast<const char*>(Data), Size);
  int Changes = 0;
  TVXPathData P;
  P.SetOnChanged([&Changes](FMX::TObject*) { ++Changes; });
  P.SetData(Text);
  VXFUZZ_CHECK(Changes == 1);
  CheckClosePoints(P);
  // Every curve the parser makes is whole.
  for (const TPathSegment& S : P.Segments())
    if (S.Kind == TPathPointKind::CurveTo) VXFUZZ_CHECK(S.IsCompleteCurve());

  // Written text reads back to the same points.
  const std::string Written = P.Data();
  TVXPathData Again;
  Again.SetData(Written);
  if (AllFinite(P)) {
    VXFUZZ_CHECK(SamePoints(P, Again));
    VXFUZZ_CHECK(Again.Data() == Written);
  }

  // Copies.
  std::unique_ptr<TVXPathData> C = P.Clone();
  VXFUZZ_CHECK(SameBits(*C, P));
  C->Append(P);
  VXFUZZ_CHECK(C->Points().size() == 2 * P.Points().size());
  C->Append(Text);
  FMX::TPathData Plain;
  P.AssignTo(Plain);
  VXFUZZ_CHECK(Plain.Points().size() == P.Points().size());

  // Flattening leaves no curves; bounds hold every on-curve point.
  TVXPathData F;
  F.Assign(P);
  F.Flatten(0.25f);
  for (const TPathPoint& Q : F.Points()) VXFUZZ_CHECK(Q.Kind != TPathPointKind::CurveTo);
  CheckClosePoints(F);
  F.ApplyMatrix(FMX::TMatrix::CreateRotation(0.5f) * FMX::TMatrix::CreateTranslation(3, -4));
  CheckClosePoints(F);
  if (AllFinite(P)) {
    FMX::TRectF B = P.GetBounds();
    for (const TPathSegment& S : P.Segments()) {
      const FMX::TPointF& E = S.End();
      VXFUZZ_CHECK(E.X >= B.Left && E.X <= B.Right && E.Y >= B.Top && E.Y <= B.Bottom);
    }
  }

  // Measurement and hit tests on what was parsed.
  const double Length = P.GetLength();
  VXFUZZ_CHECK(!(Length < 0));
  const TVXPathData::TDistances& D = P.Distances();
  VXFUZZ_CHECK(D.size() == P.Polygons().size());
  const FMX::TRectF Box = P.GetBounds();
  const FMX::TPointF Probe{float((double(Box.Left) + Box.Right) / 2), float((double(Box.Top) + Box.Bottom) / 2)};
  (void)P.PointInPath(Probe);
  (void)P.PointInPath(Box.Left, Box.Top);
  (void)P.PointInPathOutline(Probe, 2.0f);
  (void)P.PointInPathOutline(Box.Right, Box.Bottom, 0.5f);
  return 0;
}
