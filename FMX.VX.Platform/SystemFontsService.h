#pragma once
// The system-fonts platform service: the installed font family names,
// published through the platform-services registry so that font pickers
// on any platform can ask for them.
//
//   std::shared_ptr<IVXFMXSystemFontsService> Fonts;
//   if (TPlatformServices::Current().SupportsPlatformService(Fonts))
//     for (const auto& Name : Fonts->GetFonts().Items()) ...
//
// Families come from fontconfig, in its listing order, each once: a name
// equal to one already listed, ignoring case (Unicode case folding), is
// dropped and the first spelling stays. The list is made on the first
// GetFonts call and never refreshed.

#include <memory>
#include <string>
#include <string_view>

#include "platform/Export.h"
#include "platform/PlatformServices.h"
#include "platform/StringList.h"

namespace FMX::VX::Platform {

class VXFMX_API IVXFMXSystemFontsService : public virtual IInterface {
 public:
  static constexpr TGUID IID = TGUID::Create("{725981BF-689E-400A-8C9F-D78816954A88}");
  // The same list on every call, owned by the service.
  virtual TStringList& GetFonts() = 0;
};

class VXFMX_API TVXPlatformServices : public IVXFMXSystemFontsService {
 public:
  // FontConfigFile empty: the process's fontconfig configuration; otherwise
  // a configuration file of its own (fonts.conf syntax) to enumerate with.
  explicit TVXPlatformServices(std::string FontConfigFile = {});
  ~TVXPlatformServices() override;

  TStringList& GetFonts() override;

 private:
  std::string FFontConfigFile;
  std::unique_ptr<TStringList> FFonts;
};

// The unit's service object while the package is loaded; null before the
// first load and after the last unload.
VXFMX_API std::shared_ptr<IVXFMXSystemFontsService> TallowmerePlatform();

// Called by the package loader on its first load and last unload only. The
// set-up creates the service and registers it with
// TPlatformServices::Current() under IVXFMXSystemFontsService::IID
// (replacing what an earlier load registered); the tear-down releases the
// unit's reference, the registry keeps its own.
VXFMX_API void InitializePlatformUnit();
VXFMX_API void FinalizePlatformUnit();

}  // namespace FMX::VX::Platform
