#pragma once
// Published properties and their text form.
//
// A class publishes properties by overriding
// TPersistent::PublishedProperties() with a table: its base's table plus
// its own entries, each with a name, a reader, a writer and a default.
// Properties holding their default are not written.
//
// The text form is a key/value block, one property per line in the table's
// order, headed by the class name:
//
//   [TVXObjectRect]
//   Left = 10
//   Bottom = -4.5
//
// Values: integers in decimal; floats in the US number form with up to 15
// significant digits (a float always reads back to the same float), or NAN,
// INF, -INF; strings in double quotes with \" \\ \n \r \t and \xHH escapes
// (other bytes, UTF-8 included, as they are); enumerations by value name
// (TopRight); sets as [name, name] with [] for the empty set.
//
// Reading: blank lines and lines starting with '#' are ignored; the header
// is optional but, when present, must name the object's class; blanks
// around names and values do not matter. Properties missing from the text
// take their defaults, so reading what was written reproduces the object
// whatever it held before; a property that only restates others (an object
// size's Height and Width) may leave them as read instead (an empty
// SetDefault). The whole text is checked before anything is
// set: an unknown property, a property given twice or a malformed value
// raises EReadError naming the property, and the object is left unchanged.

#include <charconv>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "platform/Classes.h"
#include "platform/Export.h"
#include "platform/Set.h"

namespace FMX {

class VXFMX_API EReadError : public Exception {
 public:
  using Exception::Exception;
};

struct TPublishedProperty {
  std::string Name;
  std::function<std::string(const TPersistent&)> Get;  // the value's text
  std::function<bool(const TPersistent&)> Stored;      // false while at its default
  std::function<bool(std::string_view)> Valid;         // the text reads as a value
  std::function<void(TPersistent&, std::string_view)> Set;  // only given valid text
  std::function<void(TPersistent&)> SetDefault;
};

class VXFMX_API TPublishedProperties {
 public:
  TPublishedProperties(const TPublishedProperties* Base, std::vector<TPublishedProperty> Own);
  // Tables point into themselves: they stay where they were made.
  TPublishedProperties(const TPublishedProperties&) = delete;
  TPublishedProperties& operator=(const TPublishedProperties&) = delete;
  // Inherited properties first, in declaration order.
  const std::vector<const TPublishedProperty*>& All() const { return FAll; }
  const TPublishedProperty* Find(std::string_view Name) const;

 private:
  std::vector<TPublishedProperty> FOwn;
  std::vector<const TPublishedProperty*> FAll;
};

// The text block of Object's stored properties.
VXFMX_API std::string WriteProperties(const TPersistent& Object);
// Sets Object's published properties from a text block (see above).
VXFMX_API void ReadProperties(TPersistent& Object, std::string_view Text);

// --- Value text --------------------------------------------------------------

namespace PropertyText {
VXFMX_API std::string FromFloat(double Value);
VXFMX_API bool ToFloat(std::string_view Text, float& Value);
VXFMX_API std::string FromString(std::string_view Value);
VXFMX_API bool ToString(std::string_view Text, std::string& Value);
VXFMX_API std::string FromSet(std::uint64_t Bits, std::span<const char* const> Names);
VXFMX_API bool ToSet(std::string_view Text, std::span<const char* const> Names, std::uint64_t& Bits);
VXFMX_API bool ToEnum(std::string_view Text, std::span<const char* const> Names, int& Ordinal);
}  // namespace PropertyText

// --- Table entries from a class's accessors ----------------------------------
// Get is a const member function returning the value (or a const reference
// to it), Set a member function taking it.

template <typename C, typename T, typename G, typename S>
TPublishedProperty IntegerProperty(std::string Name, G (C::*Get)() const, void (C::*Set)(S), T Default) {
  static_assert(std::is_integral_v<T>);
  auto Parse = [](std::string_view Text, T& V) {
    const auto [End, Ec] = std::from_chars(Text.data(), Text.data() + Text.size(), V);
    return Ec == std::errc() && End == Text.data() + Text.size();
  };
  return {std::move(Name),
          [Get](const TPersistent& O) { return std::to_string((static_cast<const C&>(O).*Get)()); },
          [Get, Default](const TPersistent& O) { return T((static_cast<const C&>(O).*Get)()) != Default; },
          [Parse](std::string_view Text) {
            T V;
            return Parse(Text, V);
          },
          [Parse, Set](TPersistent& O, std::string_view Text) {
            T V{};
            if (Parse(Text, V)) (static_cast<C&>(O).*Set)(V);
          },
          [Set, Default](TPersistent& O) { (static_cast<C&>(O).*Set)(Default); }};
}

template <typename C, typename G, typename S>
TPublishedProperty FloatProperty(std::string Name, G (C::*Get)() const, void (C::*Set)(S), float Default = 0) {
  return {std::move(Name),
          [Get](const TPersistent& O) { return PropertyText::FromFloat((static_cast<const C&>(O).*Get)()); },
          // Exact comparison: -0 counts as 0, and NaN is never the default.
          [Get, Default](const TPersistent& O) { return !(float((static_cast<const C&>(O).*Get)()) == Default); },
          [](std::string_view Text) {
            float V;
            return PropertyText::ToFloat(Text, V);
          },
          [Set](TPersistent& O, std::string_view Text) {
            float V = 0;
            if (PropertyText::ToFloat(Text, V)) (static_cast<C&>(O).*Set)(V);
          },
          [Set, Default](TPersistent& O) { (static_cast<C&>(O).*Set)(Default); }};
}

template <typename C, typename G, typename S>
TPublishedProperty StringProperty(std::string Name, G (C::*Get)() const, void (C::*Set)(S), std::string Default) {
  return {std::move(Name),
          [Get](const TPersistent& O) { return PropertyText::FromString((static_cast<const C&>(O).*Get)()); },
          [Get, Default](const TPersistent& O) { return (static_cast<const C&>(O).*Get)() != Default; },
          [](std::string_view Text) {
            std::string V;
            return PropertyText::ToString(Text, V);
          },
          [Set](TPersistent& O, std::string_view Text) {
            std::string V;
            if (PropertyText::ToString(Text, V)) (static_cast<C&>(O).*Set)(V);
          },
          [Set, Default](TPersistent& O) { (static_cast<C&>(O).*Set)(Default); }};
}

// Names[i] is the text of the value with ordinal i.
template <typename C, typename E, typename S>
TPublishedProperty EnumProperty(std::string Name, E (C::*Get)() const, void (C::*Set)(S),
                                std::span<const char* const> Names, E Default) {
  return {std::move(Name),
          [Get, Names](const TPersistent& O) -> std::string {
            const auto I = std::size_t((static_cast<const C&>(O).*Get)());
            return I < Names.size() ? Names[I] : std::to_string(I);
          },
          [Get, Default](const TPersistent& O) { return (static_cast<const C&>(O).*Get)() != Default; },
          [Names](std::string_view Text) {
            int I;
            return PropertyText::ToEnum(Text, Names, I);
          },
          [Set, Names](TPersistent& O, std::string_view Text) {
            int I = 0;
            if (PropertyText::ToEnum(Text, Names, I)) (static_cast<C&>(O).*Set)(E(I));
          },
          [Set, Default](TPersistent& O) { (static_cast<C&>(O).*Set)(Default); }};
}

// Names[i] is the text of bit i; the empty set is the default.
template <typename C, typename E, typename B, typename S>
TPublishedProperty SetProperty(std::string Name, TSet<E, B> (C::*Get)() const, void (C::*Set)(S),
                               std::span<const char* const> Names) {
  using TS = TSet<E, B>;
  return {std::move(Name),
          [Get, Names](const TPersistent& O) {
            return PropertyText::FromSet((static_cast<const C&>(O).*Get)().Bits(), Names);
          },
          [Get](const TPersistent& O) { return !(static_cast<const C&>(O).*Get)().Empty(); },
          [Names](std::string_view Text) {
            std::uint64_t Bits;
            return PropertyText::ToSet(Text, Names, Bits);
          },
          [Set, Names](TPersistent& O, std::string_view Text) {
            std::uint64_t Bits = 0;
            if (PropertyText::ToSet(Text, Names, Bits)) (static_cast<C&>(O).*Set)(TS::FromBits(B(Bits)));
          },
          [Set](TPersistent& O) { (static_cast<C&>(O).*Set)(TS()); }};
}

}  // namespace FMX
