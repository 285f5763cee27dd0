#pragma once
// A property value as a form definition stores it: the kinds of value the definition format
// knows, independent of the C++ type of the property that receives it.
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "platform/vcl/Variant.h"

namespace vcl {

struct PropValue;
struct NamedValue;
using PropertyList = std::vector<NamedValue>;

struct Nil {
    friend bool operator==(Nil, Nil) = default;
};
// An identifier: an enumeration value's name, or the name of a component or handler.
struct Ident {
    std::string name;
    friend bool operator==(const Ident&, const Ident&) = default;
};
struct Binary {
    std::vector<std::uint8_t> bytes;
    friend bool operator==(const Binary&, const Binary&) = default;
};
struct SetValue {
    std::vector<std::string> members;
    friend bool operator==(const SetValue&, const SetValue&) = default;
};
struct ListValue {
    std::vector<PropValue> values;
    friend bool operator==(const ListValue&, const ListValue&);
};
// The items of a collection, each the list of its stored properties.
struct CollectionValue {
    std::vector<PropertyList> items;
    friend bool operator==(const CollectionValue&, const CollectionValue&);
};

struct PropValue {
    using Storage = std::variant<Nil, bool, std::int64_t, double, std::string, Ident, Binary,
                                 Currency, DateTime, SetValue, ListValue, CollectionValue>;
    Storage value;

    PropValue() = default;
    template <class T>
        requires std::is_constructible_v<Storage, T&&>
    PropValue(T&& v) : value(std::forward<T>(v)) {}

    template <class T>
    bool Is() const { return std::holds_alternative<T>(value); }
    template <class T>
    const T& As() const;  // raises EPropertyError naming the expected kind on a mismatch

    friend bool operator==(const PropValue&, const PropValue&) = default;
};

struct NamedValue {
    std::string name;
    PropValue value;
    friend bool operator==(const NamedValue&, const NamedValue&) = default;
};

inline bool operator==(const ListValue& a, const ListValue& b) { return a.values == b.values; }
inline bool operator==(const CollectionValue& a, const CollectionValue& b) { return a.items == b.items; }

[[noreturn]] void ThrowPropValueMismatch(const char* expected);

template <class T>
constexpr const char* KindName() {
    if constexpr (std::is_same_v<T, bool>) return "boolean";
    else if constexpr (std::is_same_v<T, std::int64_t>) return "integer";
    else if constexpr (std::is_same_v<T, double>) return "float";
    else if constexpr (std::is_same_v<T, std::string>) return "string";
    else if constexpr (std::is_same_v<T, Ident>) return "identifier";
    else if constexpr (std::is_same_v<T, Binary>) return "binary";
    else if constexpr (std::is_same_v<T, Currency>) return "currency";
    else if constexpr (std::is_same_v<T, DateTime>) return "date";
    else if constexpr (std::is_same_v<T, SetValue>) return "set";
    else if constexpr (std::is_same_v<T, ListValue>) return "list";
    else if constexpr (std::is_same_v<T, CollectionValue>) return "collection";
    else return "nil";
}

template <class T>
const T& PropValue::As() const {
    if (const T* held = std::get_if<T>(&value)) return *held;
    ThrowPropValueMismatch(KindName<T>());
}

}  // namespace vcl
