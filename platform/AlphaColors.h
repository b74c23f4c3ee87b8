#pragma once
// Named colours and the conversions between colours and text.
//
// The names are the 147 CSS colour names (the X11 set as the web adopted
// it), written in CamelCase ("AliceBlue"); each has a constant claName.
//
// Text forms read by StringToAlphaColor:
//   a colour name, in any letter case          "Red", "lightblue"
//   '#' and eight hex digits, alpha first       "#80FF0000"
//   '#' and six hex digits, fully opaque        "#FF0000" = "#FFFF0000"
//   '$' and eight hex digits, alpha first       "$80FF0000"
// Hex digits may be in either case; nothing else (no blanks, no sign) is
// accepted. Identifiers are the names with the prefix "cla" ("claRed"),
// matched in any letter case.
//
// Guarantees:
// - Every colour has exactly one written form: its name when it is a named
//   colour, otherwise '#' and eight upper-case hex digits. Where several
//   names share a value (Aqua and Cyan, Fuchsia and Magenta, Gray and Grey,
//   ...) the first in alphabetical order is the colour's name.
// - StringToAlphaColor(AlphaColorToString(c)) == c for every colour, and
//   every name reads back as its own value. The same holds for identifiers.
// - Lookups are binary searches over tables built at compile time; nothing
//   allocates except the returned strings.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/Export.h"
#include "platform/Types.h"

namespace FMX {

inline constexpr TAlphaColor claAliceBlue = 0xFFF0F8FF;
inline constexpr TAlphaColor claAntiqueWhite = 0xFFFAEBD7;
inline constexpr TAlphaColor claAqua = 0xFF00FFFF;
inline constexpr TAlphaColor claAquamarine = 0xFF7FFFD4;
inline constexpr TAlphaColor claAzure = 0xFFF0FFFF;
inline constexpr TAlphaColor claBeige = 0xFFF5F5DC;
inline constexpr TAlphaColor claBisque = 0xFFFFE4C4;
inline constexpr TAlphaColor claBlack = 0xFF000000;
inline constexpr TAlphaColor claBlanchedAlmond = 0xFFFFEBCD;
inline constexpr TAlphaColor claBlue = 0xFF0000FF;
inline constexpr TAlphaColor claBlueViolet = 0xFF8A2BE2;
inline constexpr TAlphaColor claBrown = 0xFFA52A2A;
inline constexpr TAlphaColor claBurlyWood = 0xFFDEB887;
inline constexpr TAlphaColor claCadetBlue = 0xFF5F9EA0;
inline constexpr TAlphaColor claChartreuse = 0xFF7FFF00;
inline constexpr TAlphaColor claChocolate = 0xFFD2691E;
inline constexpr TAlphaColor claCoral = 0xFFFF7F50;
inline constexpr TAlphaColor claCornflowerBlue = 0xFF6495ED;
inline constexpr TAlphaColor claCornsilk = 0xFFFFF8DC;
inline constexpr TAlphaColor claCrimson = 0xFFDC143C;
inline constexpr TAlphaColor claCyan = 0xFF00FFFF;
inline constexpr TAlphaColor claDarkBlue = 0xFF00008B;
inline constexpr TAlphaColor claDarkCyan = 0xFF008B8B;
inline constexpr TAlphaColor claDarkGoldenrod = 0xFFB8860B;
inline constexpr TAlphaColor claDarkGray = 0xFFA9A9A9;
inline constexpr TAlphaColor claDarkGreen = 0xFF006400;
inline constexpr TAlphaColor claDarkGrey = 0xFFA9A9A9;
inline constexpr TAlphaColor claDarkKhaki = 0xFFBDB76B;
inline constexpr TAlphaColor claDarkMagenta = 0xFF8B008B;
inline constexpr TAlphaColor claDarkOliveGreen = 0xFF556B2F;
inline constexpr TAlphaColor claDarkOrange = 0xFFFF8C00;
inline constexpr TAlphaColor claDarkOrchid = 0xFF9932CC;
inline constexpr TAlphaColor claDarkRed = 0xFF8B0000;
inline constexpr TAlphaColor claDarkSalmon = 0xFFE9967A;
inline constexpr TAlphaColor claDarkSeaGreen = 0xFF8FBC8F;
inline constexpr TAlphaColor claDarkSlateBlue = 0xFF483D8B;
inline constexpr TAlphaColor claDarkSlateGray = 0xFF2F4F4F;
inline constexpr TAlphaColor claDarkSlateGrey = 0xFF2F4F4F;
inline constexpr TAlphaColor claDarkTurquoise = 0xFF00CED1;
inline constexpr TAlphaColor claDarkViolet = 0xFF9400D3;
inline constexpr TAlphaColor claDeepPink = 0xFFFF1493;
inline constexpr TAlphaColor claDeepSkyBlue = 0xFF00BFFF;
inline constexpr TAlphaColor claDimGray = 0xFF696969;
inline constexpr TAlphaColor claDimGrey = 0xFF696969;
inline constexpr TAlphaColor claDodgerBlue = 0xFF1E90FF;
inline constexpr TAlphaColor claFireBrick = 0xFFB22222;
inline constexpr TAlphaColor claFloralWhite = 0xFFFFFAF0;
inline constexpr TAlphaColor claForestGreen = 0xFF228B22;
inline constexpr TAlphaColor claFuchsia = 0xFFFF00FF;
inline constexpr TAlphaColor claGainsboro = 0xFFDCDCDC;
inline constexpr TAlphaColor claGhostWhite = 0xFFF8F8FF;
inline constexpr TAlphaColor claGold = 0xFFFFD700;
inline constexpr TAlphaColor claGoldenrod = 0xFFDAA520;
inline constexpr TAlphaColor claGray = 0xFF808080;
inline constexpr TAlphaColor claGreen = 0xFF008000;
inline constexpr TAlphaColor claGreenYellow = 0xFFADFF2F;
inline constexpr TAlphaColor claGrey = 0xFF808080;
inline constexpr TAlphaColor claHoneydew = 0xFFF0FFF0;
inline constexpr TAlphaColor claHotPink = 0xFFFF69B4;
inline constexpr TAlphaColor claIndianRed = 0xFFCD5C5C;
inline constexpr TAlphaColor claIndigo = 0xFF4B0082;
inline constexpr TAlphaColor claIvory = 0xFFFFFFF0;
inline constexpr TAlphaColor claKhaki = 0xFFF0E68C;
inline constexpr TAlphaColor claLavender = 0xFFE6E6FA;
inline constexpr TAlphaColor claLavenderBlush = 0xFFFFF0F5;
inline constexpr TAlphaColor claLawnGreen = 0xFF7CFC00;
inline constexpr TAlphaColor claLemonChiffon = 0xFFFFFACD;
inline constexpr TAlphaColor claLightBlue = 0xFFADD8E6;
inline constexpr TAlphaColor claLightCoral = 0xFFF08080;
inline constexpr TAlphaColor claLightCyan = 0xFFE0FFFF;
inline constexpr TAlphaColor claLightGoldenrodYellow = 0xFFFAFAD2;
inline constexpr TAlphaColor claLightGray = 0xFFD3D3D3;
inline constexpr TAlphaColor claLightGreen = 0xFF90EE90;
inline constexpr TAlphaColor claLightGrey = 0xFFD3D3D3;
inline constexpr TAlphaColor claLightPink = 0xFFFFB6C1;
inline constexpr TAlphaColor claLightSalmon = 0xFFFFA07A;
inline constexpr TAlphaColor claLightSeaGreen = 0xFF20B2AA;
inline constexpr TAlphaColor claLightSkyBlue = 0xFF87CEFA;
inline constexpr TAlphaColor claLightSlateGray = 0xFF778899;
inline constexpr TAlphaColor claLightSlateGrey = 0xFF778899;
inline constexpr TAlphaColor claLightSteelBlue = 0xFFB0C4DE;
inline constexpr TAlphaColor claLightYellow = 0xFFFFFFE0;
inline constexpr TAlphaColor claLime = 0xFF00FF00;
inline constexpr TAlphaColor claLimeGreen = 0xFF32CD32;
inline constexpr TAlphaColor claLinen = 0xFFFAF0E6;
inline constexpr TAlphaColor claMagenta = 0xFFFF00FF;
inline constexpr TAlphaColor claMaroon = 0xFF800000;
inline constexpr TAlphaColor claMediumAquamarine = 0xFF66CDAA;
inline constexpr TAlphaColor claMediumBlue = 0xFF0000CD;
inline constexpr TAlphaColor claMediumOrchid = 0xFFBA55D3;
inline constexpr TAlphaColor claMediumPurple = 0xFF9370DB;
inline constexpr TAlphaColor claMediumSeaGreen = 0xFF3CB371;
inline constexpr TAlphaColor claMediumSlateBlue = 0xFF7B68EE;
inline constexpr TAlphaColor claMediumSpringGreen = 0xFF00FA9A;
inline constexpr TAlphaColor claMediumTurquoise = 0xFF48D1CC;
inline constexpr TAlphaColor claMediumVioletRed = 0xFFC71585;
inline constexpr TAlphaColor claMidnightBlue = 0xFF191970;
inline constexpr TAlphaColor claMintCream = 0xFFF5FFFA;
inline constexpr TAlphaColor claMistyRose = 0xFFFFE4E1;
inline constexpr TAlphaColor claMoccasin = 0xFFFFE4B5;
inline constexpr TAlphaColor claNavajoWhite = 0xFFFFDEAD;
inline constexpr TAlphaColor claNavy = 0xFF000080;
inline constexpr TAlphaColor claOldLace = 0xFFFDF5E6;
inline constexpr TAlphaColor claOlive = 0xFF808000;
inline constexpr TAlphaColor claOliveDrab = 0xFF6B8E23;
inline constexpr TAlphaColor claOrange = 0xFFFFA500;
inline constexpr TAlphaColor claOrangeRed = 0xFFFF4500;
inline constexpr TAlphaColor claOrchid = 0xFFDA70D6;
inline constexpr TAlphaColor claPaleGoldenrod = 0xFFEEE8AA;
inline constexpr TAlphaColor claPaleGreen = 0xFF98FB98;
inline constexpr TAlphaColor claPaleTurquoise = 0xFFAFEEEE;
inline constexpr TAlphaColor claPaleVioletRed = 0xFFDB7093;
inline constexpr TAlphaColor claPapayaWhip = 0xFFFFEFD5;
inline constexpr TAlphaColor claPeachPuff = 0xFFFFDAB9;
inline constexpr TAlphaColor claPeru = 0xFFCD853F;
inline constexpr TAlphaColor claPink = 0xFFFFC0CB;
inline constexpr TAlphaColor claPlum = 0xFFDDA0DD;
inline constexpr TAlphaColor claPowderBlue = 0xFFB0E0E6;
inline constexpr TAlphaColor claPurple = 0xFF800080;
inline constexpr TAlphaColor claRed = 0xFFFF0000;
inline constexpr TAlphaColor claRosyBrown = 0xFFBC8F8F;
inline constexpr TAlphaColor claRoyalBlue = 0xFF4169E1;
inline constexpr TAlphaColor claSaddleBrown = 0xFF8B4513;
inline constexpr TAlphaColor claSalmon = 0xFFFA8072;
inline constexpr TAlphaColor claSandyBrown = 0xFFF4A460;
inline constexpr TAlphaColor claSeaGreen = 0xFF2E8B57;
inline constexpr TAlphaColor claSeaShell = 0xFFFFF5EE;
inline constexpr TAlphaColor claSienna = 0xFFA0522D;
inline constexpr TAlphaColor claSilver = 0xFFC0C0C0;
inline constexpr TAlphaColor claSkyBlue = 0xFF87CEEB;
inline constexpr TAlphaColor claSlateBlue = 0xFF6A5ACD;
inline constexpr TAlphaColor claSlateGray = 0xFF708090;
inline constexpr TAlphaColor claSlateGrey = 0xFF708090;
inline constexpr TAlphaColor claSnow = 0xFFFFFAFA;
inline constexpr TAlphaColor claSpringGreen = 0xFF00FF7F;
inline constexpr TAlphaColor claSteelBlue = 0xFF4682B4;
inline constexpr TAlphaColor claTan = 0xFFD2B48C;
inline constexpr TAlphaColor claTeal = 0xFF008080;
inline constexpr TAlphaColor claThistle = 0xFFD8BFD8;
inline constexpr TAlphaColor claTomato = 0xFFFF6347;
inline constexpr TAlphaColor claTurquoise = 0xFF40E0D0;
inline constexpr TAlphaColor claViolet = 0xFFEE82EE;
inline constexpr TAlphaColor claWheat = 0xFFF5DEB3;
inline constexpr TAlphaColor claWhite = 0xFFFFFFFF;
inline constexpr TAlphaColor claWhiteSmoke = 0xFFF5F5F5;
inline constexpr TAlphaColor claYellow = 0xFFFFFF00;
inline constexpr TAlphaColor claYellowGreen = 0xFF9ACD32;

struct TNamedAlphaColor {
  std::string_view Name;  // CamelCase, without the "cla" prefix
  TAlphaColor Color;
};

// Every named colour, synonyms included, sorted by name without regard to
// letter case.
VXFMX_API std::span<const TNamedAlphaColor> NamedAlphaColors();

// The colour's name, or "#AARRGGBB" when it has none.
VXFMX_API std::string AlphaColorToString(TAlphaColor Color);

// Reads any of the text forms above. Throws EConvertError
// "'<text>' is not a valid color" for anything else.
VXFMX_API TAlphaColor StringToAlphaColor(std::string_view Text);

// As StringToAlphaColor, but reports malformed text by returning false
// (Color untouched) instead of throwing.
VXFMX_API bool TryStringToAlphaColor(std::string_view Text, TAlphaColor& Color);

// True and "cla<Name>" in Ident when the colour is a named colour; false
// (Ident untouched) otherwise.
VXFMX_API bool AlphaColorToIdent(TAlphaColor Color, std::string& Ident);

// True and the colour when Ident is "cla" followed by a colour name (any
// letter case); false (Color untouched) otherwise.
VXFMX_API bool IdentToAlphaColor(std::string_view Ident, TAlphaColor& Color);

}  // namespace FMX
