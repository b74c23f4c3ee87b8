#include "platform/StringList.h"

#include <algorithm>

namespace FMX {

const std::string& TStringList::Strings(std::int32_t Index) const {
  if (Index < 0 || Index >= Count()) throw Exception("List index out of bounds (" + std::to_string(Index) + ")");
  return FItems[std::size_t(Index)];
}

std::int32_t TStringList::Add(std::string Value) {
  FItems.push_back(std::move(Value));
  return Count() - 1;
}

std::int32_t TStringList::IndexOf(std::string_view Value) const {
  const auto It = std::find(FItems.begin(), FItems.end(), Value);
  return It == FItems.end() ? -1 : std::int32_t(It - FItems.begin());
}

void TStringList::Assign(const TPersistent& Source) {
  if (const auto* Other = dynamic_cast<const TStringList*>(&Source)) {
    FItems = Other->FItems;
    return;
  }
  TPersistent::Assign(Source);
}

}  // namespace FMX
