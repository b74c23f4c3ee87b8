// Number text: StrToFloat and TryStrToFloat agree on every text (the value
// or EConvertError), whatever is read writes back to text that reads again
// to a value writing the same text, and what FloatToStr writes for any
// finite double reads back (within the 15 digits written) under both the
// point and the comma settings.

#include <cmath>
#include <string>

#include "fuzz/FuzzSupport.h"
#include "platform/Classes.h"
#include "platform/NumberText.h"

namespace {

bool SameBits(double A, double B) { return std::bit_cast<std::uint64_t>(A) == std::bit_cast<std::uint64_t>(B); }

void CheckText(std::string_view Text, const FMX::TFormatSettings& Settings) {
  double Tried = 0;
  const bool Ok = FMX::TryStrToFloat(Text, Tried, Settings);
  try {
    const double Read = FMX::StrToFloat(Text, Settings);
    VXFUZZ_CHECK(Ok && SameBits(Read, Tried));
  } catch (const FMX::EConvertError& E) {
    VXFUZZ_CHECK(!Ok);
    // Messages quote a bounded part of the input.
    VXFUZZ_CHECK(E.Message().size() <= 200);
  }
  if (!Ok) return;
  VXFUZZ_CHECK(std::isfinite(Tried));
  const std::string Written = FMX::FloatToStr(Tried, Settings);
  double Again = 0;
  VXFUZZ_CHECK(FMX::TryStrToFloat(Written, Again, Settings));
  VXFUZZ_CHECK(FMX::FloatToStr(Again, Settings) == Written);
}

void CheckValue(double V, const FMX::TFormatSettings& Settings) {
  const std::string Written = FMX::FloatToStr(V, Settings);
  double Read = 0;
  const bool Ok = FMX::TryStrToFloat(Written, Read, Settings);
  if (!std::isfinite(V)) {
    VXFUZZ_CHECK(!Ok);
    return;
  }
  VXFUZZ_CHECK(Ok);
  VXFUZZ_CHECK(std::signbit(Read) == std::signbit(V) || V == 0);
  // 15 significant digits: half a unit of the 15th digit is at most 5e-15
  // of the value, and reading the text back rounds once more (1.1e-16).
  if (V != 0 && std::isnormal(V)) VXFUZZ_CHECK(std::fabs(Read - V) <= std::fabs(V) * 5.2e-15);
  VXFUZZ_CHECK(FMX::FloatToStr(Read, Settings) == Written);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  static const FMX::TFormatSettings Point = FMX::TFormatSettings::Invariant();
  static const FMX::TFormatSettings Comma = FMX::TFormatSettings::Create("de-de");
  VXFuzz::TInput In(Data, Size);
  const std::string_view Whole(reinterpret_cast<const char*>(Data), Size);
  CheckText(Whole, Point);
  CheckText(Whole, Comma);
  const double V = In.Raw<double>();
  CheckValue(V, Point);
  CheckValue(V, Comma);
  return 0;
}
