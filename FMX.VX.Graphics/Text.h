#pragma once
// Text measured against a canvas's current font: the height of a
// multi-line text, word wrapping to a maximum width (a separator inserted at
// every soft break) and the box of a text drawn at an angle. Nothing is
// drawn.
//
// Texts are UTF-8. Characters are whole code points; a byte that does not
// start a valid UTF-8 sequence counts as one character of its own and is
// never a break or quote character. Break characters are a set of 8-bit
// codes and match the code points 0..255 (so "\xC3\xA9", U+00E9, is a
// break character when code 0xE9 is in the set).
//
// Wrapping works on words. A word is a run of characters that are neither
// break characters nor line breaks (CR, LF), followed by the break
// characters after it and then by the line breaks after those. A run
// between two quote characters (" or ') belongs to the word whole, breaks
// and line breaks included; an unmatched quote keeps the rest of the text in
// one word. The text's last character is never part of a word: it is
// appended after the words, unmeasured.
//
// A word goes on the current line when the line holds nothing yet or when
// the line's width plus the word's width stays strictly below MaxWidth;
// otherwise Separator is inserted and the word starts the next line. A word
// ending in CR LF ends its line (the width starts again from 0) and is never
// preceded by a separator. Words are never split: a word wider than
// MaxWidth stands alone on its line. Removing the inserted separators gives
// back the text exactly.

#include <cstdint>
#include <string>
#include <string_view>

#include "VXCommon/HelperFunctions.h"
#include "platform/Canvas.h"
#include "platform/Export.h"
#include "platform/Types.h"

namespace FMX::VX::Graphics {

using namespace ::FMX;

// Tab, space and hyphen-minus.
inline constexpr VXCommon::TSysCharSet DefaultBreakChars = VXCommon::TSysCharSet::Of("\t -");

// The canvas's TextHeight of the whole text, plus that height once more
// for every line feed in it (a carriage return alone adds nothing).
VXFMX_API float GetMultilineTextHeight(const TCanvas& Canvas, std::string_view Text);

// Text wrapped to MaxWidth with CR LF as separator and DefaultBreakChars.
VXFMX_API std::string WrapCanvasText(const TCanvas& Canvas, std::string_view Text, float MaxWidth);
VXFMX_API std::string WrapCanvasText(const TCanvas& Canvas, std::string_view Text, std::string_view Separator,
                                     const VXCommon::TSysCharSet& BreakChars, float MaxWidth);

// Size of the box that holds the text drawn at Angle degrees
// (counter-clockwise on screen) with a margin of one text height H on every
// side of its rotated baseline; Origin receives where the baseline starts
// inside the box. At angle 0 the box is the text's own size and Origin is
// (0, 0). The float form measures with TextWidth and TextHeight; the integer
// form with the canvas helper's TextExtent, and rounds the rotated baseline
// half to even.
VXFMX_API TPointF GetRotatedTextExtent(const TCanvas& Canvas, std::int32_t Angle, std::string_view Text,
                                       TPointF& Origin);
VXFMX_API TPoint GetRotatedTextExtent(const TCanvas& Canvas, std::int32_t Angle, std::string_view Text,
                                      TPoint& Origin);

}  // namespace FMX::VX::Graphics
