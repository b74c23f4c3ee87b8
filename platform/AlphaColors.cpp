#include "platform/AlphaColors.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "platform/Classes.h"

namespace FMX {
namespace {

// The name is spelt once: the macro pairs it with the constant of the same
// name, so the table cannot drift from the constants.
#define C(Name) TNamedAlphaColor{#Name, cla##Name}
constexpr TNamedAlphaColor NameTable[] = {
    C(AliceBlue), C(AntiqueWhite), C(Aqua), C(Aquamarine), C(Azure), C(Beige), C(Bisque), C(Black),
    C(BlanchedAlmond), C(Blue), C(BlueViolet), C(Brown), C(BurlyWood), C(CadetBlue), C(Chartreuse),
    C(Chocolate), C(Coral), C(CornflowerBlue), C(Cornsilk), C(Crimson), C(Cyan), C(DarkBlue),
    C(DarkCyan), C(DarkGoldenrod), C(DarkGray), C(DarkGreen), C(DarkGrey), C(DarkKhaki),
    C(DarkMagenta), C(DarkOliveGreen), C(DarkOrange), C(DarkOrchid), C(DarkRed), C(DarkSalmon),
    C(DarkSeaGreen), C(DarkSlateBlue), C(DarkSlateGray), C(DarkSlateGrey), C(DarkTurquoise),
    C(DarkViolet), C(DeepPink), C(DeepSkyBlue), C(DimGray), C(DimGrey), C(DodgerBlue), C(FireBrick),
    C(FloralWhite), C(ForestGreen), C(Fuchsia), C(Gainsboro), C(GhostWhite), C(Gold), C(Goldenrod),
    C(Gray), C(Green), C(GreenYellow), C(Grey), C(Honeydew), C(HotPink), C(IndianRed), C(Indigo),
    C(Ivory), C(Khaki), C(Lavender), C(LavenderBlush), C(LawnGreen), C(LemonChiffon), C(LightBlue),
    C(LightCoral), C(LightCyan), C(LightGoldenrodYellow), C(LightGray), C(LightGreen), C(LightGrey),
    C(LightPink), C(LightSalmon), C(LightSeaGreen), C(LightSkyBlue), C(LightSlateGray),
    C(LightSlateGrey), C(LightSteelBlue), C(LightYellow), C(Lime), C(LimeGreen), C(Linen),
    C(Magenta), C(Maroon), C(MediumAquamarine), C(MediumBlue), C(MediumOrchid), C(MediumPurple),
    C(MediumSeaGreen), C(MediumSlateBlue), C(MediumSpringGreen), C(MediumTurquoise),
    C(MediumVioletRed), C(MidnightBlue), C(MintCream), C(MistyRose), C(Moccasin), C(NavajoWhite),
    C(Navy), C(OldLace), C(Olive), C(OliveDrab), C(Orange), C(OrangeRed), C(Orchid),
    C(PaleGoldenrod), C(PaleGreen), C(PaleTurquoise), C(PaleVioletRed), C(PapayaWhip), C(PeachPuff),
    C(Peru), C(Pink), C(Plum), C(PowderBlue), C(Purple), C(Red), C(RosyBrown), C(RoyalBlue),
    C(SaddleBrown), C(Salmon), C(SandyBrown), C(SeaGreen), C(SeaShell), C(Sienna), C(Silver),
    C(SkyBlue), C(SlateBlue), C(SlateGray), C(SlateGrey), C(Snow), C(SpringGreen), C(SteelBlue),
    C(Tan), C(Teal), C(Thistle), C(Tomato), C(Turquoise), C(Violet), C(Wheat), C(White),
    C(WhiteSmoke), C(Yellow), C(YellowGreen),
};
#undef C

constexpr std::size_t NameCount = std::size(NameTable);
static_assert(NameCount == 147);

constexpr char LowerAscii(char Ch) { return (Ch >= 'A' && Ch <= 'Z') ? char(Ch - 'A' + 'a') : Ch; }

// Case-insensitive (ASCII) three-way comparison.
constexpr int CompareText(std::string_view A, std::string_view B) {
  const std::size_t N = std::min(A.size(), B.size());
  for (std::size_t I = 0; I < N; ++I) {
    const char X = LowerAscii(A[I]);
    const char Y = LowerAscii(B[I]);
    if (X != Y) return (unsigned char)X < (unsigned char)Y ? -1 : 1;
  }
  return A.size() == B.size() ? 0 : (A.size() < B.size() ? -1 : 1);
}

constexpr bool NamesSortedAndUnique() {
  for (std::size_t I = 1; I < NameCount; ++I)
    if (CompareText(NameTable[I - 1].Name, NameTable[I].Name) >= 0) return false;
  return true;
}
static_assert(NamesSortedAndUnique(), "the name table must be sorted without regard to case");

constexpr std::size_t DistinctColourCount() {
  std::size_t Count = 0;
  for (std::size_t I = 0; I < NameCount; ++I) {
    bool Seen = false;
    for (std::size_t J = 0; J < I; ++J) Seen = Seen || NameTable[J].Color == NameTable[I].Color;
    if (!Seen) ++Count;
  }
  return Count;
}

// One entry per distinct value, sorted by value, naming the first synonym in
// name order (the canonical name).
struct TColourIndex {
  TAlphaColor Color;
  std::uint8_t Name;  // index into NameTable
};

constexpr auto BuildColourTable() {
  std::array<TColourIndex, DistinctColourCount()> Table{};
  std::size_t Count = 0;
  for (std::size_t I = 0; I < NameCount; ++I) {
    const TAlphaColor Color = NameTable[I].Color;
    std::size_t Pos = 0;
    while (Pos < Count && Table[Pos].Color < Color) ++Pos;
    if (Pos < Count && Table[Pos].Color == Color) continue;  // a later synonym
    for (std::size_t J = Count; J > Pos; --J) Table[J] = Table[J - 1];
    Table[Pos] = {Color, std::uint8_t(I)};
    ++Count;
  }
  return Table;
}
constexpr auto ColourTable = BuildColourTable();

const TNamedAlphaColor* FindName(std::string_view Name) {
  const auto* It = std::lower_bound(std::begin(NameTable), std::end(NameTable), Name,
                                    [](const TNamedAlphaColor& E, std::string_view N) { return CompareText(E.Name, N) < 0; });
  if (It == std::end(NameTable) || CompareText(It->Name, Name) != 0) return nullptr;
  return It;
}

const TNamedAlphaColor* FindColour(TAlphaColor Color) {
  const auto* It = std::lower_bound(ColourTable.begin(), ColourTable.end(), Color,
                                    [](const TColourIndex& E, TAlphaColor C) { return E.Color < C; });
  if (It == ColourTable.end() || It->Color != Color) return nullptr;
  return &NameTable[It->Name];
}

int HexDigit(char Ch) {
  if (Ch >= '0' && Ch <= '9') return Ch - '0';
  if (Ch >= 'a' && Ch <= 'f') return Ch - 'a' + 10;
  if (Ch >= 'A' && Ch <= 'F') return Ch - 'A' + 10;
  return -1;
}

bool ParseHex(std::string_view Digits, TAlphaColor& Value) {
  TAlphaColor V = 0;
  for (char Ch : Digits) {
    const int D = HexDigit(Ch);
    if (D < 0) return false;
    V = (V << 4) | TAlphaColor(D);
  }
  Value = V;
  return true;
}

constexpr std::string_view IdentPrefix = "cla";

}  // namespace

std::span<const TNamedAlphaColor> NamedAlphaColors() { return NameTable; }

std::string AlphaColorToString(TAlphaColor Color) {
  if (const TNamedAlphaColor* Named = FindColour(Color)) return std::string(Named->Name);
  static constexpr char Digits[] = "0123456789ABCDEF";
  std::string Text(9, '#');
  for (int I = 8; I >= 1; --I, Color >>= 4) Text[std::size_t(I)] = Digits[Color & 0xF];
  return Text;
}

bool TryStringToAlphaColor(std::string_view Text, TAlphaColor& Color) {
  if (Text.empty()) return false;
  if (Text[0] == '#' || Text[0] == '$') {
    const std::string_view Digits = Text.substr(1);
    TAlphaColor Value;
    if (Digits.size() == 8 && ParseHex(Digits, Value)) {
      Color = Value;
      return true;
    }
    if (Text[0] == '#' && Digits.size() == 6 && ParseHex(Digits, Value)) {
      Color = 0xFF000000u | Value;
      return true;
    }
    return false;
  }
  if (const TNamedAlphaColor* Named = FindName(Text)) {
    Color = Named->Color;
    return true;
  }
  return false;
}

TAlphaColor StringToAlphaColor(std::string_view Text) {
  TAlphaColor Color = 0;
  if (!TryStringToAlphaColor(Text, Color))
    throw EConvertError(QuoteForMessage(Text) + " is not a valid color");
  return Color;
}

bool AlphaColorToIdent(TAlphaColor Color, std::string& Ident) {
  const TNamedAlphaColor* Named = FindColour(Color);
  if (!Named) return false;
  Ident.assign(IdentPrefix);
  Ident.append(Named->Name);
  return true;
}

bool IdentToAlphaColor(std::string_view Ident, TAlphaColor& Color) {
  if (Ident.size() <= IdentPrefix.size() || CompareText(Ident.substr(0, IdentPrefix.size()), IdentPrefix) != 0)
    return false;
  const TNamedAlphaColor* Named = FindName(Ident.substr(IdentPrefix.size()));
  if (!Named) return false;
  Color = Named->Color;
  return true;
}

}  // namespace FMX
