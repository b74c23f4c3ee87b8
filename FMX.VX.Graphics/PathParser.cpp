// Single-pass, tolerant reader of SVG path text.
//
// Readers work on a pointer into the text and report failure by their
// return value; nothing allocates per number and nothing throws. A command
// whose numbers cannot be read stops where the failed read left the
// position; the next pass starts from there and a pass that consumes nothing
// ends the parse. Points go straight into the path's point list, taken from
// the path for the duration of the parse.

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cstdint>
#include <string_view>
#include <vector>

#include "FMX.VX.Graphics/GeometryMath_p.h"
#include "FMX.VX.Graphics/GraphicsUnit.h"
#include "FMX.VX.Graphics/PathArcs_p.h"
#include "FMX.VX.Graphics/PathParser_p.h"
#include "FMX.VX.Graphics/VXPathData.h"
#include "platform/NumberText.h"

namespace FMX::VX::Graphics::Detail {

namespace {

// Character classes, one table lookup each.
enum : std::uint8_t { cSpace = 1, cCommand = 2, cDigit = 4, cSign = 8, cExponent = 16, cPoint = 32, cComma = 64 };

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
  T['.'] |= cPoint;
  T[','] |= cComma;
  return T;
}
constexpr std::array<std::uint8_t, 256> Classes = MakeClasses();

constexpr bool Is(char C, std::uint8_t Class) { return (Classes[static_cast<unsigned char>(C)] & Class) != 0; }
constexpr bool IsSpace(char C) { return Is(C, cSpace); }
constexpr bool IsSeparator(char C) { return Is(C, cSpace | cComma); }
// The value of a decimal digit, and 10 or more for any other character.
constexpr std::uint64_t DigitValue(char C) { return std::uint64_t(static_cast<unsigned char>(C)) - '0'; }
constexpr bool IsDigit(char C) { return DigitValue(C) < 10; }
constexpr bool IsSign(char C) { return Is(C, cSign); }
constexpr bool IsExponent(char C) { return Is(C, cExponent); }
constexpr bool IsCommandLetter(char C) { return Is(C, cCommand); }
// What starts another set of arguments: a digit, a sign or a point.
constexpr bool StartsNumber(char C) { return Is(C, cDigit | cSign | cPoint); }

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

// Powers of ten that are exact doubles, and the doubles nearest to their
// reciprocals.
constexpr double Pow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                            1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr double InvPow10[] = {1e-0,  1e-1,  1e-2,  1e-3,  1e-4,  1e-5,  1e-6,  1e-7,  1e-8,  1e-9,  1e-10, 1e-11,
                               1e-12, 1e-13, 1e-14, 1e-15, 1e-16, 1e-17, 1e-18, 1e-19, 1e-20, 1e-21, 1e-22};

// float(M / 10^K) for the correctly rounded double quotient, M < 2^53 and
// K <= 22. The product with the rounded reciprocal is within 3 units in the
// last place of that quotient; narrowing both gives the same float unless a
// float rounding boundary (a double whose low 29 mantissa bits are 1 then
// 28 zeros) lies that close, and only then is the slower division needed.
inline float Quotient(std::int64_t M, std::ptrdiff_t K) {
  const double Q = double(M) * InvPow10[K];
  constexpr std::uint64_t Low = (std::uint64_t(1) << 29) - 1, Half = std::uint64_t(1) << 28;
  if (((std::bit_cast<std::uint64_t>(Q) & Low) - (Half - 4)) > 8) [[likely]]
    return float(Q);
  return float(double(M) / Pow10[K]);
}

// Most path numbers are short decimals, now and then with an exponent.
// Their digits form an integer M below 2^53 and their value is M * 10^E
// with |E| <= 22; M and 10^|E| are exact doubles, so one multiplication or
// division gives the correctly rounded double, the same as from_chars, and
// Value is that narrowed to float. Each reader below returns the end of
// the number, or nullptr when the text is not of that kind (too many
// digits, no digit, an exponent out of that range or without digits, or
// text that the general number rules would still count as part of the
// number) and the general route must read it.

// A value narrowed to float with its sign put on last, so that -0 stays -0.
inline float Signed(float Magnitude, bool Negative) {
  return std::bit_cast<float>(std::bit_cast<std::uint32_t>(Magnitude) | (std::uint32_t(Negative) << 31));
}

// The exponent of a short decimal and then its value, M with Fraction of
// its digits after the point; P is at the exponent letter.
[[gnu::noinline]] const char* FinishShortDecimalExponent(const char* P, const char* End, bool Negative,
                                                         std::int64_t M, std::ptrdiff_t Fraction, bool Point,
                                                         float& Value) {
  std::ptrdiff_t Exponent = -Fraction;
  const char* Q = P + 1;
  bool NegativeExponent = false;
  if (Q < End && IsSign(*Q)) NegativeExponent = *Q++ == '-';
  const char* First = Q;
  int E = 0;
  while (Q < End && IsDigit(*Q) && Q - First < 4) E = E * 10 + (*Q++ - '0');
  if (Q == First || (Q < End && IsDigit(*Q))) return nullptr;
  Exponent += NegativeExponent ? -E : E;
  P = Q;
  // Another exponent letter, or a point where the mantissa had none,
  // would still belong to this number.
  if (P < End && (IsExponent(*P) || (*P == '.' && !Point))) return nullptr;
  float Magnitude;
  if (Exponent <= 0 && Exponent >= -22)
    Magnitude = Quotient(M, -Exponent);
  else if (Exponent > 0 && Exponent <= 22)
    Magnitude = float(double(M) * Pow10[Exponent]);
  else if (M == 0)
    Magnitude = 0;
  else
    return nullptr;
  Value = Signed(Magnitude, Negative);
  return P;
}

// The rest of a short decimal after its digits (M, with Fraction of them
// after the point, at most 15) end at P: the exponent, if any, then the
// value.
inline const char* FinishShortDecimal(const char* P, const char* End, bool Negative, std::int64_t M,
                                      std::ptrdiff_t Fraction, bool Point, float& Value) {
  if (P < End && IsExponent(*P)) [[unlikely]]
    return FinishShortDecimalExponent(P, End, Negative, M, Fraction, Point, Value);
  Value = Signed(Quotient(M, Fraction), Negative);
  return P;
}

// The decimal digits from P taken into M; returns the end of them.
inline const char* TakeDigits(const char* P, const char* End, std::uint64_t& M) {
  for (std::uint64_t D; P < End && (D = DigitValue(*P)) < 10; ++P) M = M * 10 + D;
  return P;
}

// A short decimal. P is past the sign.
inline const char* ReadShortDecimal(const char* P, const char* End, bool Negative, float& Value) {
  std::uint64_t M = 0;
  const char* Digits = P;
  P = TakeDigits(P, End, M);
  std::ptrdiff_t Count = P - Digits, Fraction = 0;
  const bool Point = P < End && *P == '.';
  if (Point) {
    const char* First = ++P;
    P = TakeDigits(P, End, M);
    Fraction = P - First;
    Count += Fraction;
  }
  // Up to 15 digits M is below 10^15 < 2^53 (and cannot have wrapped).
  // One comparison for both ends: no digit, or too many.
  if (std::size_t(Count - 1) >= 15) return nullptr;
  return FinishShortDecimal(P, End, Negative, std::int64_t(M), Fraction, Point, Value);
}

// A short decimal with its minus sign, if any, at P; nullptr when the text
// there is not one.
inline const char* ReadSignedShortDecimal(const char* P, const char* End, float& Value) {
  const bool Negative = P < End && *P == '-';
  const char* First = P + Negative;
  if (First < End && Is(*First, cDigit | cPoint)) return ReadShortDecimal(First, End, Negative, Value);
  return nullptr;
}

// Spaces and commas, any number of them, from P.
inline const char* SkipSeparatorsFrom(const char* P, const char* End) {
  while (P < End && IsSeparator(*P)) ++P;
  return P;
}

// Spaces with at most one comma among them, from P.
inline const char* SkipBlanksAndOneCommaFrom(const char* P, const char* End) {
  while (P < End && IsSpace(*P)) ++P;
  if (P < End && *P == ',') {
    ++P;
    while (P < End && IsSpace(*P)) ++P;
  }
  return P;
}

// The readers below keep the position in a local while they look at
// characters: a character read may alias any object, the reader's own
// position included, which would otherwise be stored and reloaded around
// every character.
class TPathReader {
 public:
  explicit TPathReader(std::string_view Text) : FPos(Text.data()), FEnd(FPos + Text.size()) {}

  bool AtEnd() const { return FPos >= FEnd; }
  const char* Pos() const { return FPos; }

  // Command letters after spaces (commas are not skipped here); empty when
  // the text does not continue with a letter.
  std::string_view GetTok() {
    const char* const End = FEnd;
    const char* P = FPos;
    if (P >= End) return {};
    while (P < End && IsSpace(*P)) ++P;
    const char* Start = P;
    while (P < End && IsCommandLetter(*P)) ++P;
    FPos = P;
    return std::string_view(Start, std::size_t(P - Start));
  }

  // True when the text continues with the start of another number, so that
  // a command reads one more set of arguments.
  bool NumberFollows() const { return FPos < FEnd && StartsNumber(*FPos); }

  bool ReadNumber(float& Value) { return ReadFloat(Value); }

  // A one-character flag: true exactly when its text reads as 1.
  bool ReadFlag(bool& Flag) {
    const char* const End = FEnd;
    const char* P = FPos;
    if (P >= End) return false;
    P = SkipBlanksAndOneCommaFrom(P, End);
    if (P < End && (*P == '0' || *P == '1')) {
      Flag = *P == '1';
      FPos = SkipBlanksAndOneCommaFrom(P + 1, End);
      return true;
    }
    FPos = P;
    double D;
    if (!ToDouble(GetDigit(), D)) return false;
    Flag = D == 1.0;
    return true;
  }

  // A coordinate pair. At the very end of the text: (0, 0), successfully.
  [[gnu::always_inline]] bool ReadPoint(TPointF& Point) {
    const char* const End = FEnd;
    const char* P = FPos;
    if (P >= End) {
      Point = {};
      return true;
    }
    // Both numbers are read even when the first one is bad, so that the
    // position ends up after the pair.
    P = SkipSeparatorsFrom(P, End);
    float X = 0, Y = 0;
    bool Ok = ReadSeparatedFloat(P, X);
    Ok = ReadSeparatedFloat(P, Y) && Ok;
    FPos = P;
    if (!Ok) return false;
    Point = {X, Y};
    return true;
  }

 private:
  void SkipBlanksAndOneComma() { FPos = SkipBlanksAndOneCommaFrom(FPos, FEnd); }

  // One number as GetNumText reads it, converted to double and narrowed
  // to float. Short decimals are read here; longer ones by one from_chars
  // call that both finds the end and converts, taken only when the
  // character after what from_chars read could not have continued the
  // number under GetNumText's rules, so all routes agree.
  [[gnu::always_inline]] bool ReadFloat(float& Value) {
    const char* const End = FEnd;
    const char* P = FPos;
    if (P >= End) return false;
    P = SkipBlanksAndOneCommaFrom(P, End);
    if (const char* Ptr = ReadSignedShortDecimal(P, End, Value)) {
      FPos = SkipBlanksAndOneCommaFrom(Ptr, End);
      return true;
    }
    FPos = P;
    return ReadOtherFloat(Value);
  }

  // ReadFloat followed by a skip of all separators, from Pos past the
  // separators (where ReadFloat's own leading skip finds nothing); Pos
  // moves on. Kept apart from ReadFloat (the two share
  // ReadSignedShortDecimal): one template for both, with the skips as
  // parameters, parsed 3% slower.
  [[gnu::always_inline]] bool ReadSeparatedFloat(const char*& Pos, float& Value) {
    const char* const End = FEnd;
    const char* P = Pos;
    if (P >= End) return false;
    if (const char* Ptr = ReadSignedShortDecimal(P, End, Value)) {
      Pos = SkipSeparatorsFrom(Ptr, End);
      return true;
    }
    FPos = P;
    const bool Ok = ReadOtherFloat(Value);
    Pos = SkipSeparatorsFrom(FPos, End);
    return Ok;
  }

  // What ReadFloat leaves: a leading '+', long or odd numbers, and text
  // that is no number. The position is past the leading blanks.
  [[gnu::noinline]] bool ReadOtherFloat(float& Value) {
    const char* Begin = FPos;
    const char* First = Begin;
    if (First < FEnd && *First == '+') ++First;
    if (First < FEnd && *First == '-' && First == Begin) ++First;
    if (First < FEnd && (IsDigit(*First) || *First == '.')) {
      if (*Begin == '+' && First > Begin) {
        if (const char* Ptr = ReadShortDecimal(First, FEnd, false, Value)) {
          FPos = Ptr;
          SkipBlanksAndOneComma();
          return true;
        }
      }
      const char* From = *Begin == '+' ? Begin + 1 : Begin;
      double D;
      auto [Ptr, Ec] = std::from_chars(From, FEnd, D);
      if (Ec == std::errc() && !Continues(std::string_view(Begin, std::size_t(Ptr - Begin)), Ptr)) {
        FPos = Ptr;
        SkipBlanksAndOneComma();
        Value = float(D);
        return true;
      }
    }
    double D;
    if (!ToDouble(GetNumText(), D)) return false;
    Value = float(D);
    return true;
  }

  // True when GetNumText would take the character at Next after Read.
  bool Continues(std::string_view Read, const char* Next) const {
    if (Next >= FEnd) return false;
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
    const char* Start = FPos;
    bool Point = false;
    while (FPos < FEnd) {
      char C = *FPos;
      if (IsExponent(C)) {
        ++FPos;
      } else if (IsSign(C)) {
        if (FPos != Start && !IsExponent(FPos[-1])) break;
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
    std::string_view Num(Start, std::size_t(FPos - Start));
    SkipBlanksAndOneComma();
    return Num;
  }

  // The text of an arc flag: up to and including the first digit, so that
  // "11" is two flags. Reads from the position, which is past the leading
  // blanks; the trailing blanks are skipped.
  std::string_view GetDigit() {
    const char* Start = FPos;
    while (FPos < FEnd) {
      char C = *FPos;
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
    std::string_view Flag(Start, std::size_t(FPos - Start));
    SkipBlanksAndOneComma();
    return Flag;
  }

  const char* FPos;
  const char* FEnd;
};

constexpr double TwoThirds = 0.6666666666666666;

// Sums and reflections of float coordinates, worked out in double and
// narrowed to float, also where the result feeds more arithmetic.
TPointF Add(const TPointF& A, const TPointF& B) {
  return {KeepFloat(double(A.X) + B.X), KeepFloat(double(A.Y) + B.Y)};
}
TPointF Mirror(const TPointF& About, const TPointF& P) {
  return {KeepFloat(2.0 * About.X - P.X), KeepFloat(2.0 * About.Y - P.Y)};
}

// The path's point list while the text is read, with the path's own
// appending rules: a close stores its subpath's first point. Puts the list
// back into the path when done, also when an exception passes.
class TPointWriter {
 public:
  explicit TPointWriter(TVXPathData& Path)
      : FPath(Path), FStart(Path.SubpathStart()), FPoints(Path.TakePoints()) {}
  TPointWriter(const TPointWriter&) = delete;
  TPointWriter& operator=(const TPointWriter&) = delete;
  // The caller batches the changes, so handing the points back notifies
  // nobody and cannot throw.
  ~TPointWriter() {
    if (FTaken) {
      FinishArcs();
      FPath.GivePoints(std::move(FPoints));
    }
  }

  void Reserve(std::size_t Count) {
    if (Count > FPoints.capacity()) FPoints.reserve(Count);
  }
  std::size_t Count() const { return FPoints.size(); }
  TPointF Last() const { return FPoints.empty() ? TPointF{} : FPoints.back().Point; }
  // The point stored before the last one; only with at least two points.
  const TPointF& BeforeLast() const { return FPoints[FPoints.size() - 2].Point; }

  void Move(const TPointF& P) {
    FStart = P;
    FPoints.push_back({TPathPointKind::MoveTo, P});
  }
  void Line(const TPointF& P) { FPoints.push_back({TPathPointKind::LineTo, P}); }
  [[gnu::always_inline]] void Curve(const TPointF& C1, const TPointF& C2, const TPointF& E) {
    FPoints.push_back({TPathPointKind::CurveTo, C1});
    FPoints.push_back({TPathPointKind::CurveTo, C2});
    FPoints.push_back({TPathPointKind::CurveTo, E});
  }
  void Close() { FPoints.push_back({TPathPointKind::Close, FStart}); }

  void Arc(const TPointF& Start, const TPointF& Radius, float Rotation, bool Large, bool Sweep, const TPointF& End) {
    TSvgArcPoints& A = FArc;
    // The tail goes straight into the list of arcs put off, so room is
    // made there first.
    if (FPendingCount == MaxPending) FinishArcs();
    TPending& Pending = FPending[FPendingCount];
    SvgArcPoints(Start, Radius, Rotation, Large, Sweep, End, A, Pending.Tail);
    switch (A.Kind) {
      case TSvgArcPoints::TKind::Ellipse:
        // Rare: the path's own builder, on the path itself. The arcs put
        // off are finished first, so that the path never holds their
        // placeholders, not even when the builder throws.
        FinishArcs();
        FTaken = false;
        FPath.GivePoints(std::move(FPoints));
        FPath.AddEllipse(A.Ellipse);
        FStart = FPath.SubpathStart();
        FPoints = FPath.TakePoints();
        FTaken = true;
        return;
      case TSvgArcPoints::TKind::Line:
        Line(End);
        return;
      case TSvgArcPoints::TKind::Curves:
        for (int I = 0; I < A.Curves; ++I) Curve(A.Points[3 * I], A.Points[3 * I + 1], A.Points[3 * I + 2]);
        // The last piece's controls are worked out later, a few arcs at a
        // time, while the text reading goes on: until then they hold the
        // placeholders copied above. Nothing the reader looks at in the
        // meantime (the last point, the first control of an S after a
        // cubic) can be one of them.
        Pending.Index = FPoints.size() - 3;
        ++FPendingCount;
        return;
    }
  }

  // The controls of the arcs' last pieces put off so far.
  void FinishArcs() {
    for (int I = 0; I < FPendingCount; ++I) {
      const TPending& Arc = FPending[I];
      SvgArcTailPoints(Arc.Tail, FPoints[Arc.Index].Point, FPoints[Arc.Index + 1].Point);
    }
    FPendingCount = 0;
  }

 private:
  TVXPathData& FPath;
  TPointF FStart;
  std::vector<TPathPoint> FPoints;
  bool FTaken = true;  // false while the path holds its points
  TSvgArcPoints FArc;  // the last arc's points, kept to save clearing one per arc
  // Arcs whose last piece has its two controls still to be worked out:
  // where they go in the list, and what they come from.
  struct TPending {
    std::size_t Index;
    TSvgArcTail Tail;
  };
  static constexpr int MaxPending = 16;
  TPending FPending[MaxPending];
  int FPendingCount = 0;
};

class TPathParser {
 public:
  TPathParser(TPointWriter& Out, std::string_view Text) : FOut(Out), FIn(Text) {}

  void Run() {
    const char* LastPos = nullptr;
    FReflection = FOut.Last();
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
    // Only cubics keep the mirror for S; T and t reflect the current point
    // after anything but quadratics and closes.
    switch (Cmd) {
      case 'M': case 'm':
        MoveCommand(Cmd == 'm');
        break;
      case 'L': case 'l':
        LineCommand(Cmd == 'l');
        break;
      case 'H': case 'h': case 'V': case 'v':
        AxisLineCommand(Cmd);
        break;
      case 'C': case 'c':
        CurveCommand(Cmd == 'c');
        FReflection = FOut.Last();
        return;
      case 'S': case 's':
        SmoothCommand(Cmd == 's');
        FReflection = FOut.Last();
        return;
      case 'Q': case 'q':
        FAfterCubic = false;
        QuadCommand(Cmd == 'q');
        return;
      case 'T': case 't':
        FAfterCubic = false;
        SmoothQuadCommand(Cmd == 't');
        return;
      case 'A': case 'a':
        ArcCommand(Cmd == 'a');
        break;
      case 'Z': case 'z':
        FAfterCubic = false;
        FOut.Close();
        return;
      default:  // only the empty command before the first letter
        FAfterCubic = false;
        return;
    }
    FAfterCubic = false;
    FReflection = FOut.Last();
  }

  void MoveCommand(bool Rel) {
    TPointF P;
    if (!FIn.ReadPoint(P)) return;
    FOut.Move(Rel ? Add(FOut.Last(), P) : P);
    // Further pairs after a move are lines.
    while (FIn.NumberFollows()) {
      if (!FIn.ReadPoint(P)) return;
      FOut.Line(Rel ? Add(FOut.Last(), P) : P);
    }
  }

  void LineCommand(bool Rel) {
    do {
      TPointF P;
      if (!FIn.ReadPoint(P)) return;
      FOut.Line(Rel ? Add(FOut.Last(), P) : P);
    } while (FIn.NumberFollows());
  }

  void AxisLineCommand(char Cmd) {
    float V;
    if (!FIn.ReadNumber(V)) return;
    TPointF P = FOut.Last();
    switch (Cmd) {
      case 'H': P.X = V; break;
      case 'h': P.X = float(double(P.X) + V); break;
      case 'V': P.Y = V; break;
      default: P.Y = float(double(P.Y) + V); break;
    }
    FOut.Line(P);
  }

  void CurveCommand(bool Rel) {
    do {
      TPointF C1, C2, E;
      if (!FIn.ReadPoint(C1) || !FIn.ReadPoint(C2) || !FIn.ReadPoint(E)) return;
      if (Rel) {
        const TPointF L = FOut.Last();
        FOut.Curve(Add(L, C1), Add(L, C2), Add(L, E));
      } else {
        FOut.Curve(C1, C2, E);
      }
      FAfterCubic = true;
    } while (FIn.NumberFollows());
  }

  // After a cubic the first control point mirrors the previous second one;
  // after anything else it is the current point.
  void SmoothCommand(bool Rel) {
    do {
      TPointF C2, E;
      if (!FIn.ReadPoint(C2) || !FIn.ReadPoint(E)) return;
      const TPointF L = FOut.Last();
      if (Rel) {
        C2 = Add(L, C2);
        E = Add(L, E);
      }
      // A relative first control point is the current point plus (0, 0).
      const TPointF C1 = FAfterCubic ? Mirror(L, FOut.BeforeLast()) : Rel ? Add(L, TPointF{0, 0}) : L;
      FOut.Curve(C1, C2, E);
      FAfterCubic = true;
    } while (FIn.NumberFollows());
  }

  // Quadratic from the current point through control K to E, as a cubic.
  void AddQuadratic(const TPointF& K, const TPointF& E) {
    const TPointF P0 = FOut.Last();
    FReflection = K;
    const TPointF C1{float(P0.X + (double(K.X) - P0.X) * TwoThirds), float(P0.Y + (double(K.Y) - P0.Y) * TwoThirds)};
    const TPointF C2{float(E.X + (double(K.X) - E.X) * TwoThirds), float(E.Y + (double(K.Y) - E.Y) * TwoThirds)};
    FOut.Curve(C1, C2, E);
  }

  void QuadCommand(bool Rel) {
    do {
      TPointF K, E;
      if (!FIn.ReadPoint(K) || !FIn.ReadPoint(E)) return;
      if (Rel) {
        const TPointF P0 = FOut.Last();
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
      const TPointF P0 = FOut.Last();
      const TPointF K = Mirror(P0, FReflection);
      if (Rel) E = Add(P0, E);
      AddQuadratic(K, E);
    } while (FIn.NumberFollows());
  }

  void ArcCommand(bool Rel) {
    const TPointF Start = FOut.Last();
    TPointF Radius, End;
    float Rotation;
    bool Large, Sweep;
    if (!FIn.ReadPoint(Radius) || !FIn.ReadNumber(Rotation) || !FIn.ReadFlag(Large) || !FIn.ReadFlag(Sweep) ||
        !FIn.ReadPoint(End))
      return;
    if (Rel) End = Add(Start, End);
    FOut.Arc(Start, Radius, Rotation, Large, Sweep, End);
  }

  TPointWriter& FOut;
  TPathReader FIn;
  char FCommand = '\0';
  TPointF FReflection;
  bool FAfterCubic = false;
};

}  // namespace

void ParsePathString(TVXPathData& Path, std::string_view Text) {
  TPointWriter Out(Path);
  // Path text spends a few characters per stored point; beyond a million
  // points the list grows on its own.
  Out.Reserve(Out.Count() + std::min<std::size_t>(Text.size() / 6 + 4, std::size_t(1) << 20));
  TPathParser(Out, Text).Run();
}

}  // namespace FMX::VX::Graphics::Detail
