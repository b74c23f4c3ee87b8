// PNG loading from crafted files: each broken file fails with a message
// that names the file and says what is wrong, leaving the bitmap as it was;
// files beyond the pixel limit fail before any pixel is allocated; the
// colour types all arrive as the same unpremultiplied colours.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/Bitmap.h"

using namespace FMX;

namespace {

using TBytes = std::vector<std::uint8_t>;

std::uint32_t Crc(const std::uint8_t* P, std::size_t N) {
  std::uint32_t C = 0xFFFFFFFF;
  for (std::size_t I = 0; I < N; ++I) {
    C ^= P[I];
    for (int K = 0; K < 8; ++K) C = (C >> 1) ^ (0xEDB88320u & (0u - (C & 1)));
  }
  return ~C;
}

void Be32(TBytes& Out, std::uint32_t V) {
  for (int S = 24; S >= 0; S -= 8) Out.push_back(std::uint8_t(V >> S));
}

void Chunk(TBytes& Out, const char* Type, const TBytes& Data, std::uint32_t CrcXor = 0) {
  Be32(Out, std::uint32_t(Data.size()));
  TBytes Body(Type, Type + 4);
  Body.insert(Body.end(), Data.begin(), Data.end());
  Out.insert(Out.end(), Body.begin(), Body.end());
  Be32(Out, Crc(Body.data(), Body.size()) ^ CrcXor);
}

// A zlib stream with one stored (uncompressed) block.
TBytes Stored(const TBytes& Raw) {
  TBytes Z{0x78, 0x01, 0x01, std::uint8_t(Raw.size()), std::uint8_t(Raw.size() >> 8),
           std::uint8_t(~Raw.size()), std::uint8_t(~Raw.size() >> 8)};
  Z.insert(Z.end(), Raw.begin(), Raw.end());
  std::uint32_t A = 1, B = 0;
  for (std::uint8_t V : Raw) A = (A + V) % 65521, B = (B + A) % 65521;
  Be32(Z, (B << 16) | A);
  return Z;
}

struct TPng {
  std::uint32_t Width = 2, Height = 2;
  std::uint8_t ColorType = 0;  // 0 grey, 2 RGB, 4 grey+alpha, 6 RGBA
  TBytes Pixels;               // one scanline after another, without filter bytes
  std::uint32_t HeaderCrcXor = 0;
  bool CorruptData = false;
  std::size_t Truncate = 0;  // bytes cut off the end

  TBytes Bytes() const {
    TBytes Out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    TBytes Header;
    Be32(Header, Width);
    Be32(Header, Height);
    Header.insert(Header.end(), {8, ColorType, 0, 0, 0});
    Chunk(Out, "IHDR", Header, HeaderCrcXor);
    const std::size_t Channels = ColorType == 0 ? 1 : ColorType == 2 ? 3 : ColorType == 4 ? 2 : 4;
    TBytes Raw;
    for (std::uint32_t Y = 0; Y < Height && !Pixels.empty(); ++Y) {
      Raw.push_back(0);  // filter: none
      const auto Row = Pixels.begin() + std::ptrdiff_t(Y * Width * Channels);
      Raw.insert(Raw.end(), Row, Row + std::ptrdiff_t(Width * Channels));
    }
    TBytes Data = CorruptData ? TBytes{0x78, 0x9C, 0xFF, 0xFF, 0xFF, 0x00} : Stored(Raw);
    Chunk(Out, "IDAT", Data);
    Chunk(Out, "IEND", {});
    Out.resize(Out.size() - Truncate);
    return Out;
  }
};

std::string WriteTemp(const std::string& Name, const TBytes& Bytes) {
  const std::string Path = (std::filesystem::temp_directory_path() / ("vxfmx_png_" + Name)).string();
  std::ofstream(Path, std::ios::binary).write(reinterpret_cast<const char*>(Bytes.data()), std::streamsize(Bytes.size()));
  return Path;
}

TPng Grey2x2() {
  TPng P;
  P.Pixels = {0x00, 0x80, 0xFF, 0x40};
  return P;
}

}  // namespace

TEST(BitmapPng, BrokenFilesSayWhatIsWrong) {
  struct TCase {
    const char* Name;
    TBytes Bytes;
    const char* Reason;  // part of the message
  };
  TPng BadCrc = Grey2x2();
  BadCrc.HeaderCrcXor = 1;
  TPng Corrupt = Grey2x2();
  Corrupt.CorruptData = true;
  TPng Zero = Grey2x2();
  Zero.Width = Zero.Height = 0;
  TPng Huge;  // a header claiming 20000 x 20000 pixels over a few bytes of data
  Huge.Width = Huge.Height = 20000;
  Huge.Pixels = {};
  TPng Cut = Grey2x2();
  Cut.Truncate = 20;
  const TCase Cases[] = {
      {"bad_crc", BadCrc.Bytes(), "CRC error"},
      {"corrupt_data", Corrupt.Bytes(), "IDAT"},
      {"zero_size", Zero.Bytes(), "zero"},
      {"too_many_pixels", Huge.Bytes(), "20000 x 20000 pixels, more than the limit of 268435456"},
      {"truncated", Cut.Bytes(), "unexpected end of file"},
      {"not_png", TBytes{'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0}, "not a PNG file"},
      {"empty", TBytes{}, "the file is empty"},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    const std::string File = WriteTemp(Case.Name, Case.Bytes);
    TBitmap B(3, 3);
    B.SetPixel(1, 1, 0xFF102030);
    try {
      B.LoadFromFile(File);
      ADD_FAILURE() << "loaded";
    } catch (const EBitmapError& E) {
      EXPECT_NE(E.Message().find("\"" + File + "\": "), std::string::npos) << E.Message();
      EXPECT_NE(E.Message().find(Case.Reason), std::string::npos) << E.Message();
      EXPECT_EQ(E.Message().find("out of memory"), std::string::npos) << E.Message();
    }
    EXPECT_EQ(B.Width(), 3);
    EXPECT_EQ(B.GetPixel(1, 1), 0xFF102030u);
    std::remove(File.c_str());
  }
}

TEST(BitmapPng, EveryColourTypeLoadsAsTheSameColours) {
  struct TCase {
    std::uint8_t ColorType;
    TBytes Pixels;
  };
  // Pixel (1, 0) in each: opaque grey 0x80, then (0, 1): half-transparent
  // grey 0x40 where the type has alpha.
  const TCase Cases[] = {
      {0, {0x00, 0x80, 0x40, 0xFF}},
      {2, {0, 0, 0, 0x80, 0x80, 0x80, 0x40, 0x40, 0x40, 0xFF, 0xFF, 0xFF}},
      {4, {0, 0xFF, 0x80, 0xFF, 0x40, 0x80, 0xFF, 0xFF}},
      {6, {0, 0, 0, 0xFF, 0x80, 0x80, 0x80, 0xFF, 0x40, 0x40, 0x40, 0x80, 0xFF, 0xFF, 0xFF, 0xFF}},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(int(Case.ColorType));
    TPng P;
    P.ColorType = Case.ColorType;
    P.Pixels = Case.Pixels;
    const std::string File = WriteTemp("type" + std::to_string(Case.ColorType), P.Bytes());
    TBitmap B;
    B.LoadFromFile(File);
    std::remove(File.c_str());
    ASSERT_EQ(B.Width(), 2);
    ASSERT_EQ(B.Height(), 2);
    EXPECT_EQ(B.GetPixel(0, 0), 0xFF000000u);
    EXPECT_EQ(B.GetPixel(1, 0), 0xFF808080u);
    const bool Alpha = Case.ColorType & 4;
    EXPECT_EQ(B.GetPixel(0, 1), Alpha ? 0x80404040u : 0xFF404040u);
    EXPECT_EQ(B.GetPixel(1, 1), 0xFFFFFFFFu);
  }
}
