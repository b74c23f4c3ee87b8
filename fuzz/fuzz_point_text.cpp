// Point text: reading never throws and gives (0, 0) or a finite point whose
// written form reads back bit for bit; any finite point written reads back
// bit for bit.

#include <cmath>
#include <string>

#include "FMX.VX.Graphics/Geometry.h"
#include "fuzz/FuzzSupport.h"

using namespace FMX::VX::Graphics;

namespace {

bool SameBits(const FMX::TPointF& A, const FMX::TPointF& B) {
  return std::bit_cast<std::uint32_t>(A.X) == std::bit_cast<std::uint32_t>(B.X) &&
         std::bit_cast<std::uint32_t>(A.Y) == std::bit_cast<std::uint32_t>(B.Y);
}

void CheckRoundTrip(const FMX::TPointF& P) {
  const std::string Text = VXPointToString(P);
  VXFUZZ_CHECK(Text.size() >= 5 && Text.front() == '(' && Text.back() == ')');
  VXFUZZ_CHECK(SameBits(StringToVXPoint(Text), P));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const std::string_view Text(reinterpret_cast<const char*>(Data), Size);
  const FMX::TPointF Read = StringToVXPoint(Text);
  VXFUZZ_CHECK(std::isfinite(Read.X) && std::isfinite(Read.Y));
  CheckRoundTrip(Read);

  VXFuzz::TInput In(Data, Size);
  const FMX::TPointF Bits{In.Raw<float>(), In.Raw<float>()};
  if (std::isfinite(Bits.X) && std::isfinite(Bits.Y)) CheckRoundTrip(Bits);
  return 0;
}
