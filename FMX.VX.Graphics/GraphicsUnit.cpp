#include "FMX.VX.Graphics/GraphicsUnit.h"

namespace FMX::VX::Graphics {

::FMX::TFormatSettings USFormatSettings = ::FMX::TFormatSettings::Invariant();

void InitializeGraphicsUnit() { USFormatSettings = ::FMX::TFormatSettings::Create("en-us"); }

void FinalizeGraphicsUnit() { USFormatSettings = ::FMX::TFormatSettings::Invariant(); }

}  // namespace FMX::VX::Graphics
