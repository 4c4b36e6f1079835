#pragma once
// A small set of enumeration values, stored as bits (the enumerators are 0, 1, 2, ...).
#include <cstdint>
#include <initializer_list>

namespace toolkit {

template <class E> class EnumSet {
  public:
    constexpr EnumSet() = default;
    constexpr EnumSet(std::initializer_list<E> values) {
        for (E value : values)
            Include(value);
    }

    constexpr bool Contains(E value) const { return (bits_ & Bit(value)) != 0; }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr EnumSet& Include(E value) {
        bits_ |= Bit(value);
        return *this;
    }
    constexpr EnumSet& Exclude(E value) {
        bits_ &= ~Bit(value);
        return *this;
    }
    constexpr std::uint32_t Bits() const { return bits_; }

    friend constexpr bool operator==(EnumSet a, EnumSet b) = default;
    friend constexpr EnumSet operator|(EnumSet a, EnumSet b) { return FromBits(a.bits_ | b.bits_); }
    friend constexpr EnumSet operator&(EnumSet a, EnumSet b) { return FromBits(a.bits_ & b.bits_); }

  private:
    static constexpr std::uint32_t Bit(E value) { return 1u << static_cast<unsigned>(value); }
    static constexpr EnumSet FromBits(std::uint32_t bits) {
        EnumSet set;
        set.bits_ = bits;
        return set;
    }
    std::uint32_t bits_ = 0;
};

} // namespace toolkit
