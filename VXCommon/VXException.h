#pragma once
// Base class of the exceptions raised by the VX packages. It adds nothing to
// the platform's Exception; catching EVXException catches every error a VX
// package raises on purpose.

#include "platform/Classes.h"
#include "platform/Export.h"

namespace VXCommon {

class VXFMX_API EVXException : public ::FMX::Exception {
 public:
  using ::FMX::Exception::Exception;
};

}  // namespace VXCommon
