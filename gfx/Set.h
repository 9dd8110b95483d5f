// TSet<E>: a small set of enumeration values (at most 32, numbered from 0), the way stored
// descriptions write them: Font.Style = [fsBold, fsItalic]. Portable.
#pragma once

#include <cstdint>
#include <initializer_list>

template <class E>
class TSet {
 public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> Items) {
    for (const E Item : Items) Include(Item);
  }

  constexpr bool Contains(E Item) const { return (FBits & Bit(Item)) != 0; }
  constexpr bool Empty() const { return FBits == 0; }
  constexpr void Include(E Item) { FBits |= Bit(Item); }
  constexpr void Exclude(E Item) { FBits &= ~Bit(Item); }
  constexpr bool operator==(const TSet&) const = default;

 private:
  std::uint32_t FBits = 0;

  static constexpr std::uint32_t Bit(E Item) { return std::uint32_t{1} << static_cast<unsigned>(Item); }
};
