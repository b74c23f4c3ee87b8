#pragma once
// Colour arrays, the eleven fixed ten-colour palettes with the scheme
// enumeration that names them, colour text, the clamp of a channel value to a
// byte, and the colour of the n-th of several steps along a list of colours.
//
// Guarantees:
// - the palettes are constants, fully opaque, stored one after another in
//   scheme order (ColorSchemeLists[s - 1] is the palette of scheme s);
// - nothing here throws except StringToCanvasColor on malformed text;
// - IndexToColor never reads outside the list it is given, whatever the
//   index and count.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/AlphaColors.h"
#include "platform/Export.h"
#include "platform/Types.h"

namespace FMX::VX::Graphics {

// Platform types (TAlphaColor, the cla colour constants...) are found
// through this unit.
using namespace ::FMX;

using TColors = std::vector<TAlphaColor>;
using TColorList = std::array<TAlphaColor, 10>;

enum TVXColorScheme : std::uint8_t {
  csCustom,  // colours supplied by the user of a component
  csDefaultColors,
  csPastels,
  csBlackandWhite,
  csGrays,
  csSouthwest,
  csReds,
  csGreens,
  csBlues,
  csViolets,
  csDystopia,
  csAntique,
};

// The palettes of csDefaultColors .. csAntique, in that order.
// One object for the library and its callers, so that the palettes have one
// address wherever they are used.
VXFMX_API inline constexpr std::array<TColorList, 11> ColorSchemeLists{{
    // Default colors
    {claRed, claGreen, claYellow, claBlue, claPurple,
     claMaroon, claLime, claTeal, claFuchsia, claAqua},
    // Pastels
    {claLightBlue, claLightCoral, claLightGoldenrodYellow, claLightGreen, claLightPink,
     claLightSalmon, claLightCyan, claLightSkyBlue, claLightSteelBlue, claLightYellow},
    // Black and white
    {claBlack, claWhite, claBlack, claWhite, claBlack,
     claWhite, claBlack, claWhite, claBlack, claWhite},
    // Grays
    {claBlack, claDarkGray, claGray, claLightGray, claDimGray,
     claDarkSlateGray, claLightSlateGray, claSlateGray, claWhite, claGray},
    // Southwest
    {claYellow, claDarkOrange, claRed, claIndianRed, claGold,
     claChocolate, claLightSalmon, claFireBrick, claSienna, claRosyBrown},
    // Reds
    {claDarkOrange, claRed, claDarkRed, claMaroon, claIndianRed,
     claSalmon, claCoral, claTomato, claOrangeRed, claFireBrick},
    // Greens
    {claPaleGoldenrod, claOlive, claGreenYellow, claLightGreen, claSeaGreen,
     claKhaki, claGreen, claLawnGreen, claMediumAquamarine, claDarkGoldenrod},
    // Blues
    {claBlue, claLightCyan, claLightSkyBlue, claDarkBlue, claMediumTurquoise,
     claAqua, claPowderBlue, claRoyalBlue, claMidnightBlue, claTeal},
    // Violets
    {claDarkViolet, claDarkOrchid, claFuchsia, claMediumVioletRed, claBlueViolet,
     claMediumPurple, claDeepPink, claViolet, claPlum, claHotPink},
    // Dystopia
    {claLightSteelBlue, claLightSlateGray, claLightGray, claSteelBlue, claSlateGray,
     claSilver, claDarkSlateBlue, claDarkSlateGray, claGainsboro, claDarkGray},
    // Antique
    {claTeal, claSilver, claSeaShell, claLavender, claKhaki,
     claPurple, claRoyalBlue, claDarkGoldenrod, claPaleGoldenrod, claFireBrick},
}};

inline constexpr const TColorList& DefaultColorList = ColorSchemeLists[0];
inline constexpr const TColorList& PastelsColorList = ColorSchemeLists[1];
inline constexpr const TColorList& BWColorList = ColorSchemeLists[2];
inline constexpr const TColorList& GraysColorList = ColorSchemeLists[3];
inline constexpr const TColorList& SouthwestColorList = ColorSchemeLists[4];
inline constexpr const TColorList& RedsColorList = ColorSchemeLists[5];
inline constexpr const TColorList& GreensColorList = ColorSchemeLists[6];
inline constexpr const TColorList& BluesColorList = ColorSchemeLists[7];
inline constexpr const TColorList& VioletsColorList = ColorSchemeLists[8];
inline constexpr const TColorList& DystopiaColorList = ColorSchemeLists[9];
inline constexpr const TColorList& AntiqueColorList = ColorSchemeLists[10];

// The palette a scheme names; an empty span for csCustom (and for values
// outside the enumeration).
VXFMX_API std::span<const TAlphaColor> ColorSchemeColors(TVXColorScheme Scheme);

// Colour text, as the platform writes and reads it (see platform/AlphaColors.h):
// a colour name ("Red") when the colour has one, otherwise "#AARRGGBB".
VXFMX_API std::string CanvasColorToString(TAlphaColor Color);
// Inverse of CanvasColorToString; also reads "#RRGGBB" (opaque) and
// "$AARRGGBB". Throws EConvertError on malformed text.
VXFMX_API TAlphaColor StringToCanvasColor(std::string_view Text);
// The colour is passed as a signed 32-bit value with the same bits as the
// TAlphaColor (0xFFFF0000 is -65536). True and "claName" in Ident for a named
// colour; false and Ident untouched otherwise.
VXFMX_API bool CanvasColorToIdent(std::int32_t Color, std::string& Ident);
// True and the colour's bits in Color for a known "claName" identifier (any
// letter case); false and Color untouched otherwise.
VXFMX_API bool IdentToCanvasColor(std::string_view Ident, std::int32_t& Color);

// Nearest integer (exact halves to even), clamped to 0..255; NaN gives 0.
VXFMX_API std::uint8_t DoubleToByte(double Value);

// Colour of step Index of Count steps spread over Colors.
//
// With n colours, a segment of seg = Count / (n - 1) steps joins each pair of
// neighbours; step Index lies in segment k = Index div round(seg) and sits
// t = Index - seg * k + 1 steps from its start colour, so each channel is
// c1 - (c1 - c2) / seg * t, rounded half to even and clamped to a byte.
// Index 0 is thus already one step away from Colors[0], and the last step of
// a segment is exactly its end colour. Where seg is not whole, t / seg can
// exceed 1 and channels extrapolate past the end colour (then clamp).
//
// Defined everywhere:
// - no colours: opaque black; one colour: that colour;
// - Count <= 0 or Index < 0: Colors[0];
// - Index past the last segment (k >= n - 1): the last colour.
VXFMX_API TAlphaColor IndexToColor(std::int32_t Index, std::int32_t Count, std::span<const TAlphaColor> Colors);

}  // namespace FMX::VX::Graphics
