#include "platform/NumberText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace FMX {

namespace {
// The largest double as FloatToStr writes it.
constexpr long double RoundedMax = 1.79769313486232E308L;
}  // namespace

TFormatSettings TFormatSettings::Create(std::string_view LocaleName) {
  TFormatSettings S;
  auto Lower = std::string(LocaleName);
  for (char& C : Lower) C = char(std::tolower(static_cast<unsigned char>(C)));
  const std::string_view Lang = std::string_view(Lower).substr(0, 2);
  // Languages that write a decimal comma and a point (or blank) for thousands.
  static constexpr std::array<std::string_view, 12> CommaLanguages = {"de", "fr", "es", "it", "nl", "pt",
                                                                      "ru", "pl", "sv", "da", "fi", "nb"};
  for (auto L : CommaLanguages)
    if (Lang == L) {
      S.DecimalSeparator = ',';
      S.ThousandSeparator = '.';
    }
  return S;
}

std::string FloatToStr(double Value, const TFormatSettings& Settings) {
  if (std::isnan(Value)) return "NAN";
  if (std::isinf(Value)) return Value > 0 ? "INF" : "-INF";
  if (Value == 0) return "0";

  // 15 significant digits: d.dddddddddddddde[+-]xx
  char Buf[40];
  const auto Res = std::to_chars(Buf, Buf + sizeof Buf, Value, std::chars_format::scientific, 14);
  const std::string_view Sci(Buf, std::size_t(Res.ptr - Buf));
  const bool Negative = Sci.front() == '-';
  const std::size_t EPos = Sci.find('e');
  std::string Digits;
  for (char C : Sci.substr(Negative ? 1 : 0, EPos - (Negative ? 1 : 0)))
    if (C != '.') Digits += C;
  int Exponent = 0;
  std::from_chars(Sci.data() + EPos + (Sci[EPos + 1] == '+' ? 2 : 1), Sci.data() + Sci.size(), Exponent);
  while (Digits.size() > 1 && Digits.back() == '0') Digits.pop_back();

  std::string Out = Negative ? "-" : "";
  if (Exponent >= -5 && Exponent < 15) {
    if (Exponent < 0) {
      Out += '0';
      Out += Settings.DecimalSeparator;
      Out.append(std::size_t(-Exponent - 1), '0');
      Out += Digits;
    } else {
      const std::size_t IntDigits = std::size_t(Exponent) + 1;
      if (Digits.size() <= IntDigits) {
        Out += Digits;
        Out.append(IntDigits - Digits.size(), '0');
      } else {
        Out.append(Digits, 0, IntDigits);
        Out += Settings.DecimalSeparator;
        Out.append(Digits, IntDigits);
      }
    }
    return Out;
  }
  Out += Digits[0];
  if (Digits.size() > 1) {
    Out += Settings.DecimalSeparator;
    Out.append(Digits, 1);
  }
  Out += 'E';
  Out += std::to_string(Exponent);
  return Out;
}

bool TryStrToFloat(std::string_view Text, double& Value, const TFormatSettings& Settings) {
  std::size_t I = 0, N = Text.size();
  while (I < N && Text[I] == ' ') ++I;
  while (N > I && Text[N - 1] == ' ') --N;
  if (I == N) return false;

  // Validate and copy into the shape std::from_chars reads: no leading '+',
  // '.' as the decimal point.
  std::array<char, 128> Small;
  std::string Large;
  const std::size_t Len = N - I;
  char* Out = Small.data();
  if (Len > Small.size()) {
    Large.resize(Len);
    Out = Large.data();
  }
  std::size_t O = 0;
  bool Negative = false;
  if (Text[I] == '+' || Text[I] == '-') {
    Negative = Text[I] == '-';
    if (Negative) Out[O++] = '-';
    ++I;
  }
  // Decimal magnitude of the first significant digit (10^Magnitude), to
  // tell an underflow from an overflow when from_chars reports the range.
  int MantissaDigits = 0, Magnitude = 0;
  bool SeenPoint = false, SeenNonZero = false;
  for (; I < N; ++I) {
    const char C = Text[I];
    if (C >= '0' && C <= '9') {
      ++MantissaDigits;
      if (SeenNonZero) {
        if (!SeenPoint) ++Magnitude;
      } else if (C != '0') {
        SeenNonZero = true;
      } else if (SeenPoint) {
        --Magnitude;
      }
      Out[O++] = C;
    } else if (C == Settings.DecimalSeparator && !SeenPoint) {
      SeenPoint = true;
      Out[O++] = '.';
    } else {
      break;
    }
  }
  if (MantissaDigits == 0) return false;
  long long Exp = 0;
  if (I < N && (Text[I] == 'e' || Text[I] == 'E')) {
    Out[O++] = 'e';
    ++I;
    bool ExpNegative = false;
    if (I < N && (Text[I] == '+' || Text[I] == '-')) {
      ExpNegative = Text[I] == '-';
      if (ExpNegative) Out[O++] = '-';
      ++I;
    }
    const std::size_t ExpStart = I;
    for (; I < N && Text[I] >= '0' && Text[I] <= '9'; ++I) {
      Out[O++] = Text[I];
      if (Exp < 100000) Exp = Exp * 10 + (Text[I] - '0');
    }
    if (I == ExpStart) return false;
    if (ExpNegative) Exp = -Exp;
  }
  if (I != N) return false;

  double Result = 0;
  const auto Res = std::from_chars(Out, Out + O, Result);
  if (Res.ptr != Out + O) return false;
  if (Res.ec == std::errc::result_out_of_range) {
    // Decimal magnitude of the first significant digit decides between
    // underflow (reads as zero) and overflow (malformed).
    if (SeenNonZero && Magnitude + Exp > 0) {
      // FloatToStr writes the largest double rounded to 15 digits
      // ("1.79769313486232E308"), just beyond the double range; what the
      // library writes it reads back, so magnitudes up to that text give the
      // largest double.
      long double Wide = 0;
      const auto Long = std::from_chars(Out, Out + O, Wide);
      if (Long.ec != std::errc() || std::fabs(Wide) > RoundedMax) return false;
      Result = Negative ? -std::numeric_limits<double>::max() : std::numeric_limits<double>::max();
    } else {
      Result = Negative ? -0.0 : 0.0;
    }
  } else if (Res.ec != std::errc()) {
    return false;
  }
  Value = Result;
  return true;
}

double StrToFloat(std::string_view Text, const TFormatSettings& Settings) {
  double Value = 0;
  if (!TryStrToFloat(Text, Value, Settings))
    throw EConvertError(QuoteForMessage(Text) + " is not a valid floating point value");
  return Value;
}

}  // namespace FMX
