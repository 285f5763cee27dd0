#pragma once
// A set of an enumeration's values, stored in form definitions as the names of its members:
// BorderIcons = [biSystemMenu, biMinimize].
#include <cstdint>
#include <initializer_list>

#include "platform/vcl/Classes.h"

namespace vcl {

template <NamedEnum E>
class TSet {
public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> members) {
        for (E member : members) Include(member);
    }

    constexpr bool Contains(E member) const { return (bits_ & Bit(member)) != 0; }
    constexpr void Include(E member) { bits_ |= Bit(member); }
    constexpr void Exclude(E member) { bits_ &= ~Bit(member); }
    constexpr bool Empty() const { return bits_ == 0; }
    friend constexpr bool operator==(TSet, TSet) = default;

private:
    static constexpr std::uint32_t Bit(E member) { return std::uint32_t{1} << static_cast<unsigned>(member); }
    std::uint32_t bits_ = 0;
};

template <NamedEnum E>
struct PropertyCodec<TSet<E>> {
    static PropValue Encode(TSet<E> set) {
        SetValue value;
        for (std::size_t i = 0; i < EnumNames<E>::names.size(); ++i)
            if (set.Contains(static_cast<E>(i))) value.members.emplace_back(EnumNames<E>::names[i]);
        return value;
    }
    static TSet<E> Decode(const PropValue& value) {
        TSet<E> set;
        for (const std::string& name : value.As<SetValue>().members)
            set.Include(PropertyCodec<E>::Decode(Ident{name}));
        return set;
    }
};

}  // namespace vcl
