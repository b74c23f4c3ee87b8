// Text height, wrapping and rotated extents.

#include "FMX.VX.Graphics/Text.h"

#include <cmath>
#include <cstddef>
#include <cstdlib>

#include "FMX.VX.CanvasHelper/CanvasHelper.h"
#include "FMX.VX.Graphics/GeometryMath_p.h"
#include "platform/Math.h"

namespace FMX::VX::Graphics {

namespace {

// Code point a byte that starts no valid sequence stands for: outside every
// 8-bit set and no quote or line break.
constexpr char32_t Invalid = 0xFFFD;

struct TChar {
  char32_t Code;
  std::size_t Size;  // bytes, at least 1
};

// The character at byte I (I < Text.size()). Overlong forms, surrogates and
// values above U+10FFFF are invalid; so is a sequence cut off by the end.
TChar CharAt(std::string_view Text, std::size_t I) {
  const auto B = [&](std::size_t K) { return static_cast<unsigned char>(Text[K]); };
  const unsigned char C = B(I);
  if (C < 0x80) return {C, 1};
  std::size_t N;
  char32_t Code;
  unsigned char Lo = 0x80, Hi = 0xBF;  // allowed range of the second byte
  if (C >= 0xC2 && C <= 0xDF) {
    N = 2, Code = C & 0x1F;
  } else if (C >= 0xE0 && C <= 0xEF) {
    N = 3, Code = C & 0x0F;
    if (C == 0xE0) Lo = 0xA0;
    if (C == 0xED) Hi = 0x9F;
  } else if (C >= 0xF0 && C <= 0xF4) {
    N = 4, Code = C & 0x07;
    if (C == 0xF0) Lo = 0x90;
    if (C == 0xF4) Hi = 0x8F;
  } else {
    return {Invalid, 1};
  }
  if (Text.size() - I < N) return {Invalid, 1};
  if (B(I + 1) < Lo || B(I + 1) > Hi) return {Invalid, 1};
  for (std::size_t K = 1; K < N; ++K) {
    if ((B(I + K) & 0xC0) != 0x80) return {Invalid, 1};
    Code = (Code << 6) | (B(I + K) & 0x3F);
  }
  return {Code, N};
}

// Byte offset of the text's last character (Text not empty).
std::size_t LastCharStart(std::string_view Text) {
  // A valid sequence is at most 4 bytes: look back that far for the start
  // of a character that ends exactly at the end; otherwise the last byte
  // stands alone.
  const std::size_t N = Text.size();
  for (std::size_t Back = std::min<std::size_t>(4, N); Back >= 2; --Back) {
    const TChar C = CharAt(Text, N - Back);
    if (C.Size == Back) return N - Back;
  }
  return N - 1;
}

bool IsLineBreak(char32_t C) { return C == '\r' || C == '\n'; }
bool IsQuote(char32_t C) { return C == '"' || C == '\''; }

class TWordScanner {
 public:
  // Words end at Limit at the latest (the start of the text's last
  // character).
  TWordScanner(std::string_view Text, std::size_t Limit, const VXCommon::TSysCharSet& BreakChars)
      : FText(Text), FLimit(Limit), FBreak(BreakChars) {}

  // Byte length of the word at S (S < Limit); at least one character.
  std::size_t Length(std::size_t S) const {
    std::size_t I = S;
    while (I < FLimit) {
      const TChar C = CharAt(FText, I);
      if (IsBreak(C.Code) || IsLineBreak(C.Code)) break;
      I += C.Size;
      if (IsQuote(C.Code)) {
        while (I < FLimit) {
          const TChar Q = CharAt(FText, I);
          I += Q.Size;
          if (IsQuote(Q.Code)) break;
        }
      }
    }
    I = Skip(I, [this](char32_t C) { return IsBreak(C); });
    I = Skip(I, IsLineBreak);
    return I - S;
  }

 private:
  bool IsBreak(char32_t C) const { return VXCommon::VXCharInSet(C, FBreak); }

  template <typename F>
  std::size_t Skip(std::size_t I, F Test) const {
    while (I < FLimit) {
      const TChar C = CharAt(FText, I);
      if (!Test(C.Code)) break;
      I += C.Size;
    }
    return I;
  }

  std::string_view FText;
  std::size_t FLimit;
  const VXCommon::TSysCharSet& FBreak;
};

bool EndsWithHardBreak(std::string_view Word) { return Word.ends_with("\r\n"); }

}  // namespace

float GetMultilineTextHeight(const TCanvas& Canvas, std::string_view Text) {
  const float H = Canvas.TextHeight(Text);
  float Result = H;
  for (const char C : Text)
    if (C == '\n') Result = float(double(Result) + H);
  return Result;
}

std::string WrapCanvasText(const TCanvas& Canvas, std::string_view Text, float MaxWidth) {
  return WrapCanvasText(Canvas, Text, "\r\n", DefaultBreakChars, MaxWidth);
}

std::string WrapCanvasText(const TCanvas& Canvas, std::string_view Text, std::string_view Separator,
                           const VXCommon::TSysCharSet& BreakChars, float MaxWidth) {
  std::string Result;
  if (Text.empty()) return Result;
  // Only the text itself is certain to be there: a guess at the separators
  // could ask for far more than the result needs when the separator is long.
  Result.reserve(Text.size());
  const std::size_t Last = LastCharStart(Text);
  const TWordScanner Scanner(Text, Last, BreakChars);
  std::size_t P = 0;
  float W = 0;
  bool Fresh = true;
  while (P < Last) {
    const std::size_t K = Scanner.Length(P);
    const std::string_view Word = Text.substr(P, K);
    const float WW = Canvas.TextWidth(Word);
    if (Fresh || double(MaxWidth) > double(W) + WW) {
      Result += Word;
      W = float(double(W) + WW);
      Fresh = EndsWithHardBreak(Word);
      if (Fresh) W = 0;
    } else if (EndsWithHardBreak(Word)) {
      Result += Word;
      Fresh = true;
      W = 0;
    } else {
      Result += Separator;
      Result += Word;
      W = WW;
    }
    P += K;
  }
  Result += Text.substr(Last);
  return Result;
}

TPointF GetRotatedTextExtent(const TCanvas& Canvas, std::int32_t Angle, std::string_view Text, TPointF& Origin) {
  Origin = {0, 0};
  const float W = Canvas.TextWidth(Text), H = Canvas.TextHeight(Text);
  if (Angle == 0) return {W, H};
  const double A = double(Angle) * Pi / 180;
  const float DX = float(W * std::cos(A)), DY = float(W * std::sin(A));
  const float Width = float(std::fabs(double(DX)) + 2.0 * H);
  const float Height = float(std::fabs(double(DY)) + 2.0 * H);
  Origin.X = DX < 0 ? float(double(Width) - H) : H;
  if (DY < 0)
    Origin.Y = H;
  else if (DX < 0)
    Origin.Y = float(double(Height) - H);
  else
    Origin.Y = float(double(Height) - H - double(H) / 2);
  return {Width, Height};
}

TPoint GetRotatedTextExtent(const TCanvas& Canvas, std::int32_t Angle, std::string_view Text, TPoint& Origin) {
  using Detail::Wrap32;
  Origin = {0, 0};
  const TSize Size = FMX::VX::CanvasHelper::TextExtent(Canvas, Text);
  const std::int64_t W = Size.cx, H = Size.cy;
  if (Angle == 0) return {Size.cx, Size.cy};
  const double A = double(Angle) * Pi / 180;
  const std::int64_t DX = Round32(double(W) * std::cos(A)), DY = Round32(double(W) * std::sin(A));
  // Sums in 64 bits, kept as 32-bit storage keeps them.
  const std::int32_t Width = Wrap32(std::llabs(DX) + 2 * H), Height = Wrap32(std::llabs(DY) + 2 * H);
  Origin.X = DX < 0 ? Wrap32(std::int64_t(Width) - H) : Size.cy;
  if (DY < 0)
    Origin.Y = Size.cy;
  else if (DX < 0)
    Origin.Y = Wrap32(std::int64_t(Height) - H);
  else
    Origin.Y = Wrap32(std::int64_t(Height) - H - H / 2);
  return {Width, Height};
}

}  // namespace FMX::VX::Graphics
