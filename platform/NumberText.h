#pragma once
// Number text under explicit format settings.
//
// FloatToStr writes the general format with 15 significant digits and no
// trailing zeros: fixed notation when 1E-5 <= |v| < 1E15, otherwise
// scientific with an "E" exponent without plus sign or leading zeros
// ("1E15", "1E-6", "6.12323399573677E-15"). NaN and infinities are written
// "NAN", "INF", "-INF".
//
// StrToFloat reads optional blanks, an optional sign, digits with at most one
// decimal separator (at least one digit), an optional exponent ("e" or "E",
// optional sign, digits) and optional blanks; anything else is malformed.
// Magnitudes beyond the double range are malformed, except those up to the
// largest double as FloatToStr writes it ("1.79769313486232E308"), which
// read as the largest double; values too small for a double read as zero.
// Error messages quote at most the first 64 bytes of the text.

#include <string>
#include <string_view>

#include "platform/Classes.h"
#include "platform/Export.h"

namespace FMX {

struct TFormatSettings {
  char DecimalSeparator = '.';
  char ThousandSeparator = ',';

  // Settings of a locale name such as "en-us" or "de-de". Unknown names give
  // the invariant settings ('.' and ',').
  VXFMX_API static TFormatSettings Create(std::string_view LocaleName);
  static TFormatSettings Invariant() { return {}; }
};

VXFMX_API std::string FloatToStr(double Value, const TFormatSettings& Settings);
inline std::string FloatToStr(double Value) { return FloatToStr(Value, TFormatSettings::Invariant()); }

// Throws EConvertError "'<text>' is not a valid floating point value".
VXFMX_API double StrToFloat(std::string_view Text, const TFormatSettings& Settings);
inline double StrToFloat(std::string_view Text) { return StrToFloat(Text, TFormatSettings::Invariant()); }

// Never throws; false (Value untouched) for malformed text.
VXFMX_API bool TryStrToFloat(std::string_view Text, double& Value, const TFormatSettings& Settings);
inline bool TryStrToFloat(std::string_view Text, double& Value) {
  return TryStrToFloat(Text, Value, TFormatSettings::Invariant());
}

}  // namespace FMX
