#include "platform/Classes.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>

namespace FMX {

TObject::~TObject() = default;

std::string TObject::ClassName() const {
  const char* Mangled = typeid(*this).name();
  int Status = 0;
  std::unique_ptr<char, decltype(&std::free)> Demangled(abi::__cxa_demangle(Mangled, nullptr, nullptr, &Status),
                                                        &std::free);
  std::string Name = (Status == 0 && Demangled) ? Demangled.get() : Mangled;
  const auto Colon = Name.rfind("::");
  return Colon == std::string::npos ? Name : Name.substr(Colon + 2);
}

std::string QuoteForMessage(std::string_view Text) {
  if (Text.size() <= MaxQuotedText) return "'" + std::string(Text) + "'";
  std::size_t Cut = MaxQuotedText;
  // Back up over continuation bytes (10xxxxxx) to a character start.
  while (Cut > 0 && (static_cast<unsigned char>(Text[Cut]) & 0xC0) == 0x80) --Cut;
  return "'" + std::string(Text.substr(0, Cut)) + "...'";
}

void TPersistent::Assign(const TPersistent& Source) { Source.AssignTo(*this); }

void TPersistent::AssignTo(TPersistent& Dest) const { Dest.AssignError(this); }

void TPersistent::AssignError(const TObject* Source) const {
  const std::string SourceName = Source ? Source->ClassName() : std::string("nil");
  throw EConvertError("Cannot assign a " + SourceName + " to a " + ClassName());
}

}  // namespace FMX
