#pragma once
// Interfaces with identifiers, and the registry through which the platform
// and packages publish services to each other.
//
// Interfaces are classes derived from IInterface that declare their
// identifier as `static constexpr TGUID IID`. Services are shared objects:
// the registry keeps one reference to each registered service, callers keep
// their own (std::shared_ptr is the reference count).
//
//   std::shared_ptr<IMyService> S;
//   if (TPlatformServices::Current().SupportsPlatformService(S)) S->Call();

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "platform/Classes.h"
#include "platform/Export.h"

namespace FMX {

struct VXFMX_API TGUID {
  std::uint32_t D1 = 0;
  std::uint16_t D2 = 0;
  std::uint16_t D3 = 0;
  std::array<std::uint8_t, 8> D4{};

  // "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" (hex digits of either case).
  // Raises EConvertError for any other text; usable at compile time.
  static constexpr TGUID Create(std::string_view Text);
  // Upper-case digits in the same form.
  std::string ToString() const;

  friend constexpr bool operator==(const TGUID&, const TGUID&) = default;
  friend constexpr auto operator<=>(const TGUID&, const TGUID&) = default;
};

class VXFMX_API IInterface {
 public:
  virtual ~IInterface();
};

// A service identifier was registered twice.
class VXFMX_API EPlatformServiceError : public Exception {
 public:
  using Exception::Exception;
};

class VXFMX_API TPlatformServices {
 public:
  // The process-wide registry. It lives until the process ends (it is never
  // destroyed, so services registered in it stay valid during exit).
  static TPlatformServices& Current();

  // Registers Service under Id. Raises EPlatformServiceError when Id is
  // taken already or Service is null.
  void AddPlatformService(const TGUID& Id, std::shared_ptr<IInterface> Service);
  // Forgets the service under Id; nothing happens when there is none.
  void RemovePlatformService(const TGUID& Id);
  // The service under Id, or null.
  std::shared_ptr<IInterface> GetPlatformService(const TGUID& Id) const;
  bool SupportsPlatformService(const TGUID& Id) const { return FServices.count(Id) != 0; }
  // Out = the service under Id viewed as I; false (Out reset) when there is
  // none or it does not implement I.
  template <typename I>
  bool SupportsPlatformService(const TGUID& Id, std::shared_ptr<I>& Out) const {
    Out = std::dynamic_pointer_cast<I>(GetPlatformService(Id));
    return Out != nullptr;
  }
  // The same under I's own identifier.
  template <typename I>
  bool SupportsPlatformService(std::shared_ptr<I>& Out) const {
    return SupportsPlatformService(I::IID, Out);
  }

 private:
  TPlatformServices() = default;
  std::map<TGUID, std::shared_ptr<IInterface>> FServices;
};

// --- Implementation of the compile-time parser ------------------------------

namespace Detail {
constexpr int HexDigit(char C) {
  if (C >= '0' && C <= '9') return C - '0';
  if (C >= 'a' && C <= 'f') return C - 'a' + 10;
  if (C >= 'A' && C <= 'F') return C - 'A' + 10;
  return -1;
}
}  // namespace Detail

constexpr TGUID TGUID::Create(std::string_view Text) {
  // Positions of the 32 digits in the 38-character form.
  constexpr std::string_view Shape = "{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}";
  if (Text.size() != Shape.size()) throw EConvertError("'" + std::string(Text) + "' is not a valid GUID value");
  std::uint8_t Bytes[16] = {};
  int N = 0;
  for (std::size_t I = 0; I < Shape.size(); ++I) {
    if (Shape[I] != 'x') {
      if (Text[I] != Shape[I]) throw EConvertError("'" + std::string(Text) + "' is not a valid GUID value");
      continue;
    }
    const int D = Detail::HexDigit(Text[I]);
    if (D < 0) throw EConvertError("'" + std::string(Text) + "' is not a valid GUID value");
    Bytes[N / 2] = std::uint8_t(Bytes[N / 2] * 16 + D);
    ++N;
  }
  TGUID G;
  G.D1 = std::uint32_t(Bytes[0]) << 24 | std::uint32_t(Bytes[1]) << 16 | std::uint32_t(Bytes[2]) << 8 | Bytes[3];
  G.D2 = std::uint16_t(Bytes[4] << 8 | Bytes[5]);
  G.D3 = std::uint16_t(Bytes[6] << 8 | Bytes[7]);
  for (int I = 0; I < 8; ++I) G.D4[std::size_t(I)] = Bytes[8 + I];
  return G;
}

}  // namespace FMX
