// Uses a few exported functions of the installed library; exits non-zero
// when any of them misbehaves.
#include <VXFMXCommon.h>

#include <cstdio>
#include <string>

namespace {

int Failures = 0;

void Check(bool Ok, const char* What) {
  if (Ok) return;
  std::fprintf(stderr, "consumer: %s\n", What);
  ++Failures;
}

}  // namespace

int main() {
  Check(FMX::Round(2.5) == 2 && FMX::Round(3.5) == 4, "Round does not round halves to even");
  Check(FMX::FloatToStr(0.1) == "0.1", "FloatToStr");
  Check(FMX::AlphaColorToString(FMX::claRed) == "Red", "AlphaColorToString");

  // Exceptions thrown inside the library are caught by their exported type.
  try {
    FMX::StringToAlphaColor("#12");
    Check(false, "StringToAlphaColor accepted malformed text");
  } catch (const FMX::EConvertError& E) {
    Check(E.Message() == "'#12' is not a valid color", "EConvertError message");
  }

  // Loading the library loaded the package; the host entry points nest.
  Check(FMX::VX::Package::UnitLoadCount("FMX.VX.Graphics") == 1, "the package was not loaded with the library");
  Check(VXFMXCommonLoad() == 1, "VXFMXCommonLoad");
  Check(FMX::VX::Package::UnitLoadCount("FMX.VX.Graphics") == 2, "VXFMXCommonLoad did not count");
  VXFMXCommonUnload();

  if (Failures == 0) std::printf("consumer: ok\n");
  return Failures == 0 ? 0 : 1;
}
