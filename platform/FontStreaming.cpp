// The published properties of fonts.

#include "platform/Font.h"
#include "platform/Streaming.h"

namespace FMX {

const TPublishedProperties* TFont::PublishedProperties() const {
  static constexpr const char* StyleNames[] = {"Bold", "Italic", "Underline", "StrikeOut"};
  static const TPublishedProperties Table(
      nullptr, {StringProperty("Family", &TFont::Family, &TFont::SetFamily, DefaultFamily),
                FloatProperty("Size", &TFont::Size, &TFont::SetSize, DefaultSize),
                SetProperty("Style", &TFont::Style, &TFont::SetStyle, StyleNames)});
  return &Table;
}

}  // namespace FMX
