// Single-pass, tolerant reader of SVG path text.
//
// Readers work on a string_view and a position and report failure by their
// return value; nothing allocates per number and nothing throws. A command
// whose numbers cannot be read stops where the failed read left the
// position; the next pass starts from there and a pass that consumes nothing
// ends the parse.

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <string_view>

#include "FMX.VX.Graphics/GraphicsUnit.h"
#include "FMX.VX.Graphics/PathParser_p.h"
#include "FMX.VX.Graphics/VXPathData.h"
#include "VXCommon/HelperFunctions.h"
#include "platform/NumberText.h"

namespace FMX::VX::Graphics::Detail {

namespace {

// Character classes, one table lookup each.
enum : std::uint8_t { cSpace = 1, cCommand = 2, cDigit = 4, cSign = 8, cExponent = 16 };

constexpr std::array<std::uint8_t, 256> MakeClasses() {
  std::array<std::uint8_t, 256> T{};
  // TAB, LF and CR count as spaces.
  for (unsigned char C : std::string_view(" \t\n\r")) T[C] |= cSpace;
  for (unsigned char C : std::string_view("zmlchvsqtaZMLCHVSQTA")) T[C] |= cCommand;
  for (unsigned char C = '0'; C <= '9'; ++C) T[C] |= cDigit;
  T['-'] |= cSign;
  T['+'] |= cSign;
  T['e'] |= cExponent;
  T['E'] |= cExponent;
  return T;
}
constexpr std::array<std::uint8_t, 256> Classes = MakeClasses();

constexpr bool Is(char C, std::uint8_t Class) { return (Classes[static_cast<unsigned char>(C)] & Class) != 0; }
constexpr bool IsSpace(char C) { return Is(C, cSpace); }
constexpr bool IsDigit(char C) { return Is(C, cDigit); }
constexpr bool IsSign(char C) { return Is(C, cSign); }
constexpr bool IsExponent(char C) { return Is(C, cExponent); }
constexpr bool IsCommandLetter(char C) { return Is(C, cCommand); }

// Number text to double, with exactly the results of FMX::TryStrToFloat
// ('.' as decimal separator). The common case goes straight to from_chars;
// what it does not settle (a leading '+', range errors, trailing rubbish)
// goes to the runtime's converter.
bool ToDouble(std::string_view Text, double& Value) {
  if (Text.empty()) return false;
  if (Text.front() != '+') {
    const char* End = Text.data() + Text.size();
    auto [Ptr, Ec] = std::from_chars(Text.data(), End, Value);
    if (Ec == std::errc() && Ptr == End) return true;
  }
  return TryStrToFloat(Text, Value, USFormatSettings);
}

class TPathReader {
 public:
  explicit TPathReader(std::string_view Text) : FText(Text) {}

  bool AtEnd() const { return FPos >= FText.size(); }
  std::size_t Pos() const { return FPos; }

  // Command letters after spaces (commas are not skipped here); empty when
  // the text does not continue with a letter.
  std::string_view GetTok() {
    if (AtEnd()) return {};
    while (FPos < FText.size() && IsSpace(FText[FPos])) ++FPos;
    std::size_t Start = FPos;
    while (FPos < FText.size() && IsCommandLetter(FText[FPos])) ++FPos;
    return FText.substr(Start, FPos - Start);
  }

  // True when the text continues with the start of another number, so that
  // a command reads one more set of arguments.
  bool NumberFollows() const {
    if (AtEnd()) return false;
    char C = FText[FPos];
    return VXCommon::VXIsDigit(C) || IsSign(C) || C == '.';
  }

  bool ReadNumber(float& Value) {
    double D;
    if (!ReadDouble(D)) return false;
    Value = float(D);
    return true;
  }

  // A one-character flag: true exactly when its text reads as 1.
  bool ReadFlag(bool& Flag) {
    double D;
    if (!ToDouble(GetDigit(), D)) return false;
    Flag = D == 1.0;
    return true;
  }

  // A coordinate pair. At the very end of the text: (0, 0), successfully.
  bool ReadPoint(TPointF& P) {
    if (AtEnd()) {
      P = {};
      return true;
    }
    // Both numbers are read even when the first one is bad, so that the
    // position ends up after the pair.
    SkipSeparators();
    double DX = 0, DY = 0;
    bool Ok = ReadDouble(DX);
    SkipSeparators();
    Ok = ReadDouble(DY) && Ok;
    SkipSeparators();
    if (!Ok) return false;
    P = {float(DX), float(DY)};
    return true;
  }

 private:
  void SkipSeparators() {
    while (FPos < FText.size() && (IsSpace(FText[FPos]) || FText[FPos] == ',')) ++FPos;
  }

  // Spaces with at most one comma among them.
  void SkipBlanksAndOneComma() {
    bool Comma = false;
    while (FPos < FText.size()) {
      char C = FText[FPos];
      if (IsSpace(C)) {
        ++FPos;
      } else if (C == ',' && !Comma) {
        Comma = true;
        ++FPos;
      } else {
        break;
      }
    }
  }

  // One number as GetNum reads it, converted. The common case is a single
  // from_chars call that both finds the end and converts; it is taken only
  // when the character after what from_chars read could not have continued
  // the number under GetNum's rules, so both routes always agree.
  bool ReadDouble(double& Value) {
    if (AtEnd()) return false;
    SkipBlanksAndOneComma();
    const char* Begin = FText.data() + FPos;
    const char* End = FText.data() + FText.size();
    const char* First = Begin;
    if (First < End && *First == '+') ++First;
    if (First < End && *First == '-' && First == Begin) ++First;
    if (First < End && (IsDigit(*First) || *First == '.')) {
      if (const char* Ptr = ReadPlainDecimal(First, End, *Begin == '-', Value)) {
        FPos = std::size_t(Ptr - FText.data());
        SkipBlanksAndOneComma();
        return true;
      }
      const char* From = *Begin == '+' ? Begin + 1 : Begin;
      auto [Ptr, Ec] = std::from_chars(From, End, Value);
      if (Ec == std::errc() && !Continues(std::string_view(Begin, std::size_t(Ptr - Begin)), Ptr, End)) {
        FPos = std::size_t(Ptr - FText.data());
        SkipBlanksAndOneComma();
        return true;
      }
    }
    return ToDouble(GetNumText(), Value);
  }

  // Most path numbers are short decimals without an exponent. Their digits
  // form an integer M below 2^53 and their value is M / 10^k with k <= 22;
  // both are exact doubles, so one division gives the correctly rounded
  // value, the same as from_chars. Returns the end of the number, or nullptr
  // when the text is not of that kind (an exponent follows, too many digits,
  // no digit at all) and the general route must read it.
  static const char* ReadPlainDecimal(const char* P, const char* End, bool Negative, double& Value) {
    static constexpr double Pow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                       1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    constexpr std::uint64_t Limit = std::uint64_t(1) << 53;
    std::uint64_t M = 0;
    int Digits = 0, Fraction = 0;
    bool Point = false;
    for (; P < End; ++P) {
      const char C = *P;
      if (IsDigit(C)) {
        M = M * 10 + std::uint64_t(C - '0');
        if (M >= Limit) return nullptr;
        ++Digits;
        Fraction += Point;
      } else if (C == '.' && !Point) {
        Point = true;
      } else {
        break;
      }
    }
    if (Digits == 0 || Fraction > 22 || (P < End && IsExponent(*P))) return nullptr;
    const double Magnitude = double(M) / Pow10[Fraction];
    Value = Negative ? -Magnitude : Magnitude;
    return P;
  }

  // True when GetNum would take the character at Next after Read.
  static bool Continues(std::string_view Read, const char* Next, const char* End) {
    if (Next >= End) return false;
    char C = *Next;
    if (IsExponent(C) || IsDigit(C)) return true;
    if (IsSign(C)) return IsExponent(Read.back());
    if (C == '.') return Read.find('.') == std::string_view::npos;
    return false;
  }

  // The text of one number: a sign first or right after the exponent letter,
  // digits with at most one point, exponent letters anywhere. A second point
  // or a sign elsewhere starts the next number ("1-2", ".5.5").
  // Reads from the position, which is past the leading blanks; the
  // trailing blanks are skipped.
  std::string_view GetNumText() {
    std::size_t Start = FPos;
    bool Point = false;
    while (FPos < FText.size()) {
      char C = FText[FPos];
      if (IsExponent(C)) {
        ++FPos;
      } else if (IsSign(C)) {
        if (FPos != Start && !IsExponent(FText[FPos - 1])) break;
        ++FPos;
      } else if (IsDigit(C)) {
        ++FPos;
      } else if (C == '.' && !Point) {
        Point = true;
        ++FPos;
      } else {
        break;
      }
    }
    std::string_view Num = FText.substr(Start, FPos - Start);
    SkipBlanksAndOneComma();
    return Num;
  }

  // The text of an arc flag: up to and including the first digit, so that
  // "11" is two flags.
  std::string_view GetDigit() {
    if (AtEnd()) return {};
    SkipBlanksAndOneComma();
    std::size_t Start = FPos;
    while (FPos < FText.size()) {
      char C = FText[FPos];
      if (IsSign(C)) {
        if (FPos != Start) break;
        ++FPos;
      } else if (C == '.') {
        ++FPos;
      } else if (IsDigit(C)) {
        ++FPos;
        break;
      } else {
        break;
      }
    }
    std::string_view Flag = FText.substr(Start, FPos - Start);
    SkipBlanksAndOneComma();
    return Flag;
  }

  std::string_view FText;
  std::size_t FPos = 0;
};

constexpr double TwoThirds = 0.6666666666666666;

TPointF Add(const TPointF& A, const TPointF& B) {
  return {float(double(A.X) + B.X), float(double(A.Y) + B.Y)};
}

class TPathParser {
 public:
  TPathParser(TVXPathData& Path, std::string_view Text) : FPath(Path), FIn(Text) {}

  void Run() {
    std::size_t LastPos = std::size_t(-1);
    FReflection = FPath.LastPoint();
    while (!FIn.AtEnd() && FIn.Pos() != LastPos) {
      LastPos = FIn.Pos();
      std::string_view Tok = FIn.GetTok();
      if (Tok.empty()) {
        // Implicit repetition: more arguments for the command run last.
        if (!FIn.AtEnd()) RunCommand(FCommand);
        continue;
      }
      for (char C : Tok) {
        FCommand = C;
        RunCommand(C);
      }
    }
  }

 private:
  void RunCommand(char Cmd) {
    switch (Cmd) {
      case 'C': case 'c': case 'S': case 's':
        break;
      default:
        FAfterCubic = false;
        break;
    }
    switch (Cmd) {
      case 'M': MoveCommand(false); break;
      case 'm': MoveCommand(true); break;
      case 'L': LineCommand(false); break;
      case 'l': LineCommand(true); break;
      case 'H': case 'h': case 'V': case 'v': AxisLineCommand(Cmd); break;
      case 'C': CurveCommand(false); break;
      case 'c': CurveCommand(true); break;
      case 'S': SmoothCommand(false); break;
      case 's': SmoothCommand(true); break;
      case 'Q': QuadCommand(false); return;
      case 'q': QuadCommand(true); return;
      case 'T': SmoothQuadCommand(false); return;
      case 't': SmoothQuadCommand(true); return;
      case 'A': ArcCommand(false); break;
      case 'a': ArcCommand(true); break;
      case 'Z': case 'z': FPath.ClosePath(); return;
      default: return;  // only the empty command before the first letter
    }
    // T and t reflect the current point after anything but quadratics.
    FReflection = FPath.LastPoint();
  }

  void MoveCommand(bool Rel) {
    TPointF P;
    if (!FIn.ReadPoint(P)) return;
    Rel ? FPath.MoveToRel(P) : FPath.MoveTo(P);
    // Further pairs after a move are lines.
    while (FIn.NumberFollows()) {
      if (!FIn.ReadPoint(P)) return;
      Rel ? FPath.LineToRel(P) : FPath.LineTo(P);
    }
  }

  void LineCommand(bool Rel) {
    do {
      TPointF P;
      if (!FIn.ReadPoint(P)) return;
      Rel ? FPath.LineToRel(P) : FPath.LineTo(P);
    } while (FIn.NumberFollows());
  }

  void AxisLineCommand(char Cmd) {
    float V;
    if (!FIn.ReadNumber(V)) return;
    switch (Cmd) {
      case 'H': FPath.HLineTo(V); break;
      case 'h': FPath.HLineToRel(V); break;
      case 'V': FPath.VLineTo(V); break;
      default: FPath.VLineToRel(V); break;
    }
  }

  void CurveCommand(bool Rel) {
    do {
      TPointF C1, C2, E;
      if (!FIn.ReadPoint(C1) || !FIn.ReadPoint(C2) || !FIn.ReadPoint(E)) return;
      Rel ? FPath.CurveToRel(C1, C2, E) : FPath.CurveTo(C1, C2, E);
      FAfterCubic = true;
    } while (FIn.NumberFollows());
  }

  // After a cubic the first control point mirrors the previous second one;
  // after anything else it is the current point.
  void SmoothCommand(bool Rel) {
    do {
      TPointF C2, E;
      if (!FIn.ReadPoint(C2) || !FIn.ReadPoint(E)) return;
      if (FAfterCubic)
        Rel ? FPath.SmoothCurveToRel(C2, E) : FPath.SmoothCurveTo(C2, E);
      else
        Rel ? FPath.CurveToRel(TPointF{0, 0}, C2, E) : FPath.CurveTo(FPath.LastPoint(), C2, E);
      FAfterCubic = true;
    } while (FIn.NumberFollows());
  }

  // Quadratic from the current point through control K to E, as a cubic.
  void AddQuadratic(const TPointF& K, const TPointF& E) {
    TPointF P0 = FPath.LastPoint();
    FReflection = K;
    TPointF C1{float(P0.X + (double(K.X) - P0.X) * TwoThirds), float(P0.Y + (double(K.Y) - P0.Y) * TwoThirds)};
    TPointF C2{float(E.X + (double(K.X) - E.X) * TwoThirds), float(E.Y + (double(K.Y) - E.Y) * TwoThirds)};
    FPath.CurveTo(C1, C2, E);
  }

  void QuadCommand(bool Rel) {
    do {
      TPointF K, E;
      if (!FIn.ReadPoint(K) || !FIn.ReadPoint(E)) return;
      if (Rel) {
        TPointF P0 = FPath.LastPoint();
        K = Add(P0, K);
        E = Add(P0, E);
      }
      AddQuadratic(K, E);
    } while (FIn.NumberFollows());
  }

  void SmoothQuadCommand(bool Rel) {
    do {
      TPointF E;
      if (!FIn.ReadPoint(E)) return;
      TPointF P0 = FPath.LastPoint();
      TPointF K{float(2.0 * P0.X - FReflection.X), float(2.0 * P0.Y - FReflection.Y)};
      if (Rel) E = Add(P0, E);
      AddQuadratic(K, E);
    } while (FIn.NumberFollows());
  }

  void ArcCommand(bool Rel) {
    TPointF Start = FPath.LastPoint();
    TPointF Radius, End;
    float Rotation;
    bool Large, Sweep;
    if (!FIn.ReadPoint(Radius) || !FIn.ReadNumber(Rotation) || !FIn.ReadFlag(Large) || !FIn.ReadFlag(Sweep) ||
        !FIn.ReadPoint(End))
      return;
    if (Rel) End = Add(Start, End);
    FPath.AddArcSvg(Start, Radius, Rotation, Large, Sweep, End);
  }

  TVXPathData& FPath;
  TPathReader FIn;
  char FCommand = '\0';
  TPointF FReflection;
  bool FAfterCubic = false;
};

}  // namespace

void ParsePathString(TVXPathData& Path, std::string_view Text) {
  // Path text spends a few characters per stored point; beyond a million
  // points the vector grows on its own.
  Path.Reserve(Path.Points().size() + std::min<std::size_t>(Text.size() / 6 + 4, std::size_t(1) << 20));
  TPathParser(Path, Text).Run();
}

}  // namespace FMX::VX::Graphics::Detail
