#pragma once
// Integer rectangle helpers shared by the VX packages.

#include <cstdint>

#include "platform/Export.h"
#include "platform/Types.h"

namespace VXCommon {

// Grows R about its centre so that its width changes by exactly DX and its
// height by exactly DY (negative amounts shrink it). The left and top edges
// move by half the amount truncated toward zero (DX / 2); the right and
// bottom edges take the rest, so an odd amount gives its extra unit to the
// right or bottom edge: ScaleRect((0, 0, 10, 10), 5, -3) is (-2, 1, 13, 8).
// Arithmetic is 32-bit two's complement; nothing is normalised.
VXFMX_API ::FMX::TRect ScaleRect(const ::FMX::TRect& R, std::int32_t DX, std::int32_t DY);

}  // namespace VXCommon
