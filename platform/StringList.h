#pragma once
// A list of strings in insertion order (never sorted by itself).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Classes.h"
#include "platform/Export.h"

namespace FMX {

class VXFMX_API TStringList : public TPersistent {
 public:
  TStringList() = default;

  std::int32_t Count() const { return std::int32_t(FItems.size()); }
  // Raises Exception "List index out of bounds (<i>)" outside 0..Count()-1.
  const std::string& Strings(std::int32_t Index) const;
  const std::string& operator[](std::int32_t Index) const { return Strings(Index); }
  // Returns the new string's index.
  std::int32_t Add(std::string Value);
  void Clear() { FItems.clear(); }
  // First exact match, or -1.
  std::int32_t IndexOf(std::string_view Value) const;
  const std::vector<std::string>& Items() const { return FItems; }

  void Assign(const TPersistent& Source) override;

 private:
  std::vector<std::string> FItems;
};

}  // namespace FMX
