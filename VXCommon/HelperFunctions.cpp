#include "VXCommon/HelperFunctions.h"

namespace VXCommon {

bool VXCharInSet(char C, const TSysCharSet& Set) { return Set.Contains(static_cast<unsigned char>(C)); }

bool VXCharInSet(char32_t C, const TSysCharSet& Set) {
  return C <= 0xFF && Set.Contains(static_cast<unsigned char>(C));
}

bool VXCharInSet(char C, std::string_view Chars) { return Chars.find(C) != std::string_view::npos; }

bool VXCharInSet(char32_t C, std::u32string_view Chars) { return Chars.find(C) != std::u32string_view::npos; }

bool VXIsDigit(char C) { return C >= '0' && C <= '9'; }

bool VXIsDigit(char32_t C) { return C >= U'0' && C <= U'9'; }

}  // namespace VXCommon
