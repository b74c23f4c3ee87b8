#pragma once
// Character tests used by the text and path-string code.
//
// Characters come in two widths: a `char` is one UTF-8 code unit and is
// tested by its byte value (0..255); a `char32_t` is a whole code point.
// A set of 8-bit characters never contains a code point above 255.

#include <bitset>
#include <cstdint>
#include <string_view>

#include "platform/Export.h"

namespace VXCommon {

// A set of 8-bit character codes, bit n for code n.
class TSysCharSet {
 public:
  constexpr TSysCharSet() = default;
  // The set of the bytes of Chars: TSysCharSet::Of(" \t,").
  static constexpr TSysCharSet Of(std::string_view Chars) {
    TSysCharSet S;
    for (char C : Chars) S.Include(static_cast<unsigned char>(C));
    return S;
  }
  // The codes First..Last inclusive: TSysCharSet::Range('0', '9').
  static constexpr TSysCharSet Range(unsigned char First, unsigned char Last) {
    TSysCharSet S;
    for (unsigned C = First; C <= Last; ++C) S.Include(static_cast<unsigned char>(C));
    return S;
  }
  constexpr TSysCharSet& Include(unsigned char Code) {
    FBits[Code >> 6] |= std::uint64_t(1) << (Code & 63);
    return *this;
  }
  constexpr bool Contains(unsigned char Code) const { return (FBits[Code >> 6] >> (Code & 63)) & 1; }
  constexpr TSysCharSet operator|(const TSysCharSet& O) const {
    TSysCharSet S;
    for (int I = 0; I < 4; ++I) S.FBits[I] = FBits[I] | O.FBits[I];
    return S;
  }

 private:
  std::uint64_t FBits[4] = {0, 0, 0, 0};
};

// True when the character's code is a member of Set.
VXFMX_API bool VXCharInSet(char C, const TSysCharSet& Set);
VXFMX_API bool VXCharInSet(char32_t C, const TSysCharSet& Set);
// True when the character equals one of the listed characters.
VXFMX_API bool VXCharInSet(char C, std::string_view Chars);
VXFMX_API bool VXCharInSet(char32_t C, std::u32string_view Chars);

// True for the decimal digits '0'..'9' only (no signs, points or other
// scripts' digits).
VXFMX_API bool VXIsDigit(char C);
VXFMX_API bool VXIsDigit(char32_t C);

}  // namespace VXCommon
