#pragma once
// Unit-wide pieces of FMX.VX.Graphics: its exception class and the fixed
// US-English number format used for every number this unit writes or reads
// as text (point strings, path strings).

#include "VXCommon/VXException.h"
#include "platform/Export.h"
#include "platform/NumberText.h"

namespace FMX::VX::Graphics {

// Exception class of the graphics unit, for callers and the components built
// on it. Nothing in this library raises it.
class VXFMX_API EVXGfxException : public ::VXCommon::EVXException {
 public:
  using ::VXCommon::EVXException::EVXException;
};

// '.' as decimal separator, ',' as thousands separator, whatever the user's
// locale. Usable before the package is loaded (it starts as the invariant
// settings, which agree with "en-us"); written only by the two functions
// below, read everywhere else.
VXFMX_API extern ::FMX::TFormatSettings USFormatSettings;

// Called by the package loader on its first load and last unload only.
VXFMX_API void InitializeGraphicsUnit();
VXFMX_API void FinalizeGraphicsUnit();

}  // namespace FMX::VX::Graphics
