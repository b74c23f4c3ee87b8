#include "FMX.VX.Platform/SystemFontsService.h"

#include <unordered_set>

#include "platform/SystemFonts.h"

namespace FMX::VX::Platform {

namespace {

// Never destroyed: the package's tear-down runs after the program's
// globals are gone.
std::shared_ptr<IVXFMXSystemFontsService>& Global() {
  static auto* const Service = new std::shared_ptr<IVXFMXSystemFontsService>;
  return *Service;
}

}  // namespace

TVXPlatformServices::TVXPlatformServices(std::string FontConfigFile) : FFontConfigFile(std::move(FontConfigFile)) {}

TVXPlatformServices::~TVXPlatformServices() = default;

TStringList& TVXPlatformServices::GetFonts() {
  if (!FFonts) {
    auto List = std::make_unique<TStringList>();
    std::unordered_set<std::string> Seen;  // folded names listed so far
    EnumFontFamilies(
        [&](std::string_view Family) {
          if (Seen.insert(FoldCase(Family)).second) List->Add(std::string(Family));
        },
        FFontConfigFile);
    FFonts = std::move(List);
  }
  return *FFonts;
}

std::shared_ptr<IVXFMXSystemFontsService> TallowmerePlatform() { return Global(); }

void InitializePlatformUnit() {
  auto Service = std::make_shared<TVXPlatformServices>();
  auto& Registry = TPlatformServices::Current();
  Registry.RemovePlatformService(IVXFMXSystemFontsService::IID);
  Registry.AddPlatformService(IVXFMXSystemFontsService::IID, Service);
  Global() = std::move(Service);
}

void FinalizePlatformUnit() { Global().reset(); }

}  // namespace FMX::VX::Platform
