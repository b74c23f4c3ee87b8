#pragma once
// Sets of enumeration values with the documented bit layout: bit n stands
// for the value with ordinal n, so a set's Bits() can be written as a
// constant (all five canvas-state parts are 0x1F).

#include <cstdint>
#include <initializer_list>
#include <type_traits>

namespace FMX {

template <typename E, typename Storage = std::uint32_t>
class TSet {
 public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> Values) {
    for (E V : Values) FBits |= Bit(V);
  }
  static constexpr TSet FromBits(Storage Bits) {
    TSet S;
    S.FBits = Bits;
    return S;
  }
  constexpr Storage Bits() const { return FBits; }
  constexpr bool Contains(E V) const { return (FBits & Bit(V)) != 0; }
  constexpr bool Empty() const { return FBits == 0; }
  constexpr TSet& Include(E V) { FBits |= Bit(V); return *this; }
  constexpr TSet& Exclude(E V) { FBits &= Storage(~Bit(V)); return *this; }
  constexpr TSet operator|(TSet O) const { return FromBits(Storage(FBits | O.FBits)); }
  constexpr TSet operator&(TSet O) const { return FromBits(Storage(FBits & O.FBits)); }
  constexpr TSet operator-(TSet O) const { return FromBits(Storage(FBits & ~O.FBits)); }
  friend constexpr bool operator==(TSet, TSet) = default;

 private:
  static constexpr Storage Bit(E V) { return Storage(Storage(1) << static_cast<std::underlying_type_t<E>>(V)); }
  Storage FBits = 0;
};

}  // namespace FMX
