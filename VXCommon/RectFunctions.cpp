#include "VXCommon/RectFunctions.h"

namespace VXCommon {

namespace {

// 32-bit two's complement sum (wraps instead of overflowing).
std::int32_t Wrap(std::int64_t V) { return static_cast<std::int32_t>(static_cast<std::uint32_t>(V)); }

}  // namespace

::FMX::TRect ScaleRect(const ::FMX::TRect& R, std::int32_t DX, std::int32_t DY) {
  // Integer division truncates toward zero, so the near edges take the
  // smaller half in both directions and the width changes by exactly DX.
  const std::int64_t HX = DX / 2, HY = DY / 2;
  return {Wrap(std::int64_t(R.Left) - HX), Wrap(std::int64_t(R.Top) - HY), Wrap(std::int64_t(R.Right) + (DX - HX)),
          Wrap(std::int64_t(R.Bottom) + (DY - HY))};
}

}  // namespace VXCommon
