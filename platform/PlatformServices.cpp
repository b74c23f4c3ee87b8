#include "platform/PlatformServices.h"

#include <cstdio>

namespace FMX {

std::string TGUID::ToString() const {
  char Buf[40];
  std::snprintf(Buf, sizeof Buf, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", unsigned(D1), unsigned(D2),
                unsigned(D3), D4[0], D4[1], D4[2], D4[3], D4[4], D4[5], D4[6], D4[7]);
  return Buf;
}

IInterface::~IInterface() = default;

TPlatformServices& TPlatformServices::Current() {
  // Never destroyed: package tear-down at process exit may still use it.
  static TPlatformServices* const Registry = new TPlatformServices;
  return *Registry;
}

void TPlatformServices::AddPlatformService(const TGUID& Id, std::shared_ptr<IInterface> Service) {
  if (!Service) throw EPlatformServiceError("Cannot register a null service as " + Id.ToString());
  if (!FServices.emplace(Id, std::move(Service)).second)
    throw EPlatformServiceError("Service " + Id.ToString() + " is already registered");
}

void TPlatformServices::RemovePlatformService(const TGUID& Id) { FServices.erase(Id); }

std::shared_ptr<IInterface> TPlatformServices::GetPlatformService(const TGUID& Id) const {
  const auto It = FServices.find(Id);
  return It == FServices.end() ? nullptr : It->second;
}

}  // namespace FMX
