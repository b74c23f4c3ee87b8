#pragma once
// The package's units in set-up order (tear-down runs in reverse), each with
// its set-up and tear-down functions, or null where it has nothing to do.
//
// Set-up runs from the shared library's constructor, possibly before the
// other files of the library have constructed their globals, and tear-down
// runs after the program's globals are gone: both may use only
// constant-initialised globals and function-local statics.

#include "FMX.VX.Graphics/GraphicsUnit.h"
#include "FMX.VX.Platform/SystemFontsService.h"
#include "package/Package.h"

namespace FMX::VX::Package {

inline constexpr TPackageUnit PackageUnitTable[] = {
    {"FMX.VX.HelperFunctions", nullptr, nullptr},
    {"FMX.VX.DeltaFont", nullptr, nullptr},
    {"FMX.VX.CanvasHelper", nullptr, nullptr},
    {"FMX.VX.Graphics", &Graphics::InitializeGraphicsUnit, &Graphics::FinalizeGraphicsUnit},
    {"FMX.VX.HintWindow", nullptr, nullptr},
    {"FMX.VX.Platform", &Platform::InitializePlatformUnit, &Platform::FinalizePlatformUnit},
};

}  // namespace FMX::VX::Package
