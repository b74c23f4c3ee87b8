#pragma once
// Small pieces the fuzz targets share: a check that aborts (so that both
// libFuzzer and the test-suite replay report it) and a reader that takes
// numbers from the front of the input and leaves the rest as text.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace VXFuzz {

[[noreturn]] inline void Fail(const char* What, const char* File, int Line) {
  std::fprintf(stderr, "%s:%d: check failed: %s\n", File, Line, What);
  std::abort();
}

class TInput {
 public:
  TInput(const std::uint8_t* Data, std::size_t Size) : FData(Data), FSize(Size) {}

  std::uint8_t Byte() { return FSize ? (--FSize, *FData++) : 0; }
  template <typename T>
  T Raw() {
    unsigned char Bytes[sizeof(T)] = {};
    const std::size_t N = FSize < sizeof(T) ? FSize : sizeof(T);
    if (N) std::memcpy(Bytes, FData, N);
    FData += N;
    FSize -= N;
    return std::bit_cast<T>(Bytes);
  }
  // A value in [Lo, Hi] from 16 bits, so that mutations move it smoothly.
  double Range(double Lo, double Hi) { return Lo + (Hi - Lo) * (Raw<std::uint16_t>() / 65535.0); }
  bool Flag() { return Byte() & 1; }
  std::string_view Rest() const { return {reinterpret_cast<const char*>(FData), FSize}; }
  std::size_t Left() const { return FSize; }

 private:
  const std::uint8_t* FData;
  std::size_t FSize;
};

}  // namespace VXFuzz

#define VXFUZZ_CHECK(C) ((C) ? void() : ::VXFuzz::Fail(#C, __FILE__, __LINE__))
