#pragma once
// Small arithmetic helpers of the geometry files (not installed).

#include <cstdint>

namespace FMX::VX::Graphics::Detail {

// float(V), with the narrowing kept under optimisation. Running sums stored
// as floats must be narrowed at every step; GCC 12 at -O2 has been seen to
// vectorise such a loop and go on with the unnarrowed double for the last
// step. The empty asm makes the narrowed value opaque, so the compiler has
// to use exactly it.
inline float KeepFloat(double V) {
  float F = float(V);
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
  __asm__("" : "+x"(F));
#elif defined(__GNUC__) && defined(__aarch64__)
  __asm__("" : "+w"(F));
#elif defined(__GNUC__)
  __asm__("" : "+m"(F));
#else
  volatile float Opaque = F;
  F = Opaque;
#endif
  return F;
}

// 32-bit two's complement result of a wider integer computation: what 32-bit
// storage keeps, without the undefined behaviour of a signed overflow.
inline std::int32_t Wrap32(std::int64_t V) { return static_cast<std::int32_t>(static_cast<std::uint32_t>(V)); }

inline std::int32_t Add32(std::int32_t A, std::int32_t B) { return Wrap32(std::int64_t(A) + B); }
inline std::int32_t Sub32(std::int32_t A, std::int32_t B) { return Wrap32(std::int64_t(A) - B); }

// Squared distance of two integer points. Differences of 32-bit values need
// 33 bits and their squares 66, so the sum is formed in 128 bits and only
// then converted to double.
inline double SquaredDistance(std::int32_t X1, std::int32_t Y1, std::int32_t X2, std::int32_t Y2) {
  const __int128 DX = std::int64_t(X1) - X2, DY = std::int64_t(Y1) - Y2;
  return static_cast<double>(DX * DX + DY * DY);
}

}  // namespace FMX::VX::Graphics::Detail
