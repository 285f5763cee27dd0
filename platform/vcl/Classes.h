#pragma once
// Run-time class information: every framework class can tell its name, and its published
// properties can be read and written by name, in their published order. Form definitions and
// the language component rely on this.
#include <array>
#include <concepts>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/vcl/Exceptions.h"
#include "platform/vcl/PropValue.h"
#include "platform/vcl/Variant.h"

namespace vcl {

class ClassInfo;
class TFiler;
class TComponent;

// Declares a class's run-time information; defined in the class's source with ClassBuilder.
#define OLZ_CLASS_INFO                                                              \
    static const ::vcl::ClassInfo& StaticClassInfo();                               \
    const ::vcl::ClassInfo& ClassType() const override { return StaticClassInfo(); }

class TObject {
public:
    virtual ~TObject() = default;
    static const ClassInfo& StaticClassInfo();
    virtual const ClassInfo& ClassType() const { return StaticClassInfo(); }
    const std::string& ClassName() const;
    bool InheritsFrom(const ClassInfo& ancestor) const;
};

class TPersistent : public TObject {
public:
    OLZ_CLASS_INFO
    // Adds stored properties beyond the published ones (binary data, for instance).
    virtual void DefineProperties(TFiler&) {}
    virtual TPersistent* GetOwner() const { return nullptr; }
};

// The reader or writer of a form definition, as a component sees it in DefineProperties.
class TFiler {
public:
    virtual ~TFiler() = default;
    using BinaryReader = std::function<void(const std::vector<std::uint8_t>&)>;
    using BinaryWriter = std::function<std::vector<std::uint8_t>()>;
    using ValueReader = std::function<void(const PropValue&)>;
    using ValueWriter = std::function<PropValue()>;

    // `hasData` false: the writer leaves the property out.
    virtual void DefineBinaryProperty(const std::string& name, BinaryReader read,
                                      BinaryWriter write, bool hasData) = 0;
    virtual void DefineProperty(const std::string& name, ValueReader read, ValueWriter write,
                                bool hasData) = 0;
};

enum class PropKind {
    Value,       // read and written as a PropValue
    Collection,  // a TCollection owned by the object; stored as its items
    Object,      // a nested persistent object; stored as its own properties, "Font.Name"
};

struct PropInfo {
    std::string name;
    PropKind kind = PropKind::Value;
    std::function<PropValue(const TObject&)> get;
    std::function<void(TObject&, const PropValue&)> set;
    std::function<TPersistent*(TObject&)> object;  // Collection and Object kinds
    std::optional<PropValue> defaultValue;         // a value equal to it is not stored
    bool stored = true;                            // false: reachable by name, never stored

    // Whether a form definition holds this property of `instance`.
    bool IsStored(const TObject& instance) const;
};

class ClassInfo {
public:
    using Factory = std::function<TComponent*(TComponent* owner)>;

    ClassInfo(std::string name, const ClassInfo* parent);

    const std::string& Name() const { return name_; }
    const ClassInfo* Parent() const { return parent_; }
    // Published properties, inherited ones first, in published order.
    const std::vector<PropInfo>& Properties() const { return properties_; }
    const PropInfo* FindProperty(std::string_view name) const;  // case-insensitive
    bool InheritsFrom(const ClassInfo& ancestor) const;
    // By the ancestor's name (case-insensitive): for classes that live in the Windows half,
    // which portable code cannot name otherwise.
    bool InheritsFrom(std::string_view ancestorName) const;
    // Creates a component of this class owned by `owner`; null factory for abstract classes.
    const Factory& Create() const { return factory_; }

private:
    template <class T>
    friend class ClassBuilder;
    std::string name_;
    const ClassInfo* parent_;
    std::vector<PropInfo> properties_;
    Factory factory_;
};

// Names of an enumeration's values, in ordinal order; specialise for each published enum.
template <class E>
struct EnumNames;

template <class E>
concept NamedEnum = std::is_enum_v<E> && requires { EnumNames<E>::names; };

// How a C++ value travels as a PropValue.
template <class T>
struct PropertyCodec;

[[noreturn]] void ThrowInvalidPropertyValue();

template <>
struct PropertyCodec<bool> {
    static PropValue Encode(bool v) { return v; }
    static bool Decode(const PropValue& v) { return v.As<bool>(); }
};

template <std::integral T>
    requires(!std::is_same_v<T, bool>)
struct PropertyCodec<T> {
    static PropValue Encode(T v) { return static_cast<std::int64_t>(v); }
    static T Decode(const PropValue& v) {
        const std::int64_t n = v.As<std::int64_t>();
        if (!std::in_range<T>(n)) ThrowInvalidPropertyValue();
        return static_cast<T>(n);
    }
};

template <>
struct PropertyCodec<double> {
    static PropValue Encode(double v) { return v; }
    static double Decode(const PropValue& v) {
        if (v.Is<std::int64_t>()) return static_cast<double>(v.As<std::int64_t>());
        return v.As<double>();
    }
};

template <>
struct PropertyCodec<std::string> {
    static PropValue Encode(const std::string& v) { return v; }
    static std::string Decode(const PropValue& v) { return v.As<std::string>(); }
};

template <NamedEnum E>
struct PropertyCodec<E> {
    static PropValue Encode(E v) {
        const auto index = static_cast<std::size_t>(v);
        if (index >= EnumNames<E>::names.size()) return Ident{std::to_string(index)};
        return Ident{std::string(EnumNames<E>::names[index])};
    }
    static E Decode(const PropValue& v) {
        const std::string& name = v.As<Ident>().name;
        for (std::size_t i = 0; i < EnumNames<E>::names.size(); ++i)
            if (EnumNames<E>::names[i] == name) return static_cast<E>(i);
        ThrowInvalidPropertyValue();
    }
};

template <>
struct PropertyCodec<Variant> {
    static PropValue Encode(const Variant& v);
    static Variant Decode(const PropValue& v);
};

template <>
struct PropertyCodec<std::vector<std::string>> {
    static PropValue Encode(const std::vector<std::string>& v);
    static std::vector<std::string> Decode(const PropValue& v);
};

template <>
struct PropertyCodec<std::vector<std::uint8_t>> {
    static PropValue Encode(const std::vector<std::uint8_t>& v) { return Binary{v}; }
    static std::vector<std::uint8_t> Decode(const PropValue& v) { return v.As<Binary>().bytes; }
};

namespace detail {
template <class M>
struct SetterArg;
template <class C, class A>
struct SetterArg<void (C::*)(A)> {
    using type = std::remove_cvref_t<A>;
};
}  // namespace detail

// Builds a class's run-time information, property by property in published order:
//   ClassBuilder<TSettings>("TSettings", &TComponent::StaticClassInfo())
//       .Property("AutoSave", &TSettings::AutoSave, &TSettings::SetAutoSave, false)
//       .Creatable()
//       .Build();
template <class T>
class ClassBuilder {
public:
    ClassBuilder(std::string name, const ClassInfo* parent) : info_(std::move(name), parent) {
        if (parent) {
            info_.properties_ = parent->properties_;
            info_.factory_ = nullptr;
        }
    }

    // A property without a declared default: stored whenever it holds a value (strings: when
    // not empty).
    template <class Getter, class Setter>
    ClassBuilder& Property(std::string name, Getter getter, Setter setter) {
        using V = typename detail::SetterArg<Setter>::type;
        PropInfo info;
        info.name = std::move(name);
        info.get = [getter](const TObject& o) {
            return PropertyCodec<V>::Encode((static_cast<const T&>(o).*getter)());
        };
        info.set = [setter](TObject& o, const PropValue& v) {
            (static_cast<T&>(o).*setter)(PropertyCodec<V>::Decode(v));
        };
        if constexpr (std::is_same_v<V, std::string>) info.defaultValue = PropValue(std::string());
        return Add(std::move(info));
    }

    // A property held in a public data member: writing it has no side effects.
    template <class V>
    ClassBuilder& Field(std::string name, V T::*member) {
        PropInfo info;
        info.name = std::move(name);
        info.get = [member](const TObject& o) { return PropertyCodec<V>::Encode(static_cast<const T&>(o).*member); };
        info.set = [member](TObject& o, const PropValue& v) { static_cast<T&>(o).*member = PropertyCodec<V>::Decode(v); };
        if constexpr (std::is_same_v<V, std::string>) info.defaultValue = PropValue(std::string());
        return Add(std::move(info));
    }

    // A property whose value equal to `defaultValue` is not stored.
    template <class Getter, class Setter, class Default>
    ClassBuilder& Property(std::string name, Getter getter, Setter setter, Default defaultValue) {
        using V = typename detail::SetterArg<Setter>::type;
        Property(std::move(name), getter, setter);
        info_.properties_.back().defaultValue = PropertyCodec<V>::Encode(V(defaultValue));
        return *this;
    }

    // A property that is always stored, even when empty.
    ClassBuilder& NoDefault() {
        info_.properties_.back().defaultValue.reset();
        return *this;
    }

    // A property reachable by name that form definitions never hold.
    ClassBuilder& Transient() {
        info_.properties_.back().stored = false;
        return *this;
    }

    template <class Accessor>
    ClassBuilder& Collection(std::string name, Accessor accessor) {
        return Nested(std::move(name), PropKind::Collection, accessor);
    }

    template <class Accessor>
    ClassBuilder& Object(std::string name, Accessor accessor) {
        return Nested(std::move(name), PropKind::Object, accessor);
    }

    // Lets a form definition create the class by name (components only).
    ClassBuilder& Creatable() {
        info_.factory_ = [](TComponent* owner) -> TComponent* { return new T(owner); };
        return *this;
    }

    ClassInfo Build() { return std::move(info_); }

private:
    template <class Accessor>
    ClassBuilder& Nested(std::string name, PropKind kind, Accessor accessor) {
        PropInfo info;
        info.name = std::move(name);
        info.kind = kind;
        info.object = [accessor](TObject& o) -> TPersistent* { return &(static_cast<T&>(o).*accessor)(); };
        return Add(std::move(info));
    }

    ClassBuilder& Add(PropInfo info);

    ClassInfo info_;
};

void ReplaceOrAppendProperty(std::vector<PropInfo>& properties, PropInfo info);

template <class T>
ClassBuilder<T>& ClassBuilder<T>::Add(PropInfo info) {
    ReplaceOrAppendProperty(info_.properties_, std::move(info));
    return *this;
}

// The class registry that form definitions create components from.
void RegisterComponentClass(const ClassInfo& info);
const ClassInfo* FindClass(std::string_view name);  // case-insensitive; null when unknown

// Property access by name. A path may reach into nested objects ("Font.Name"). Unknown names
// raise EPropertyError("Property <name> does not exist").
const PropInfo& GetPropInfo(const TObject& instance, std::string_view path);
PropValue GetPropValue(const TObject& instance, std::string_view path);
void SetPropValue(TObject& instance, std::string_view path, const PropValue& value);
TPersistent& GetObjectProp(TObject& instance, std::string_view path);
// The object that owns the last segment of `path` and that segment's property.
std::pair<TObject*, const PropInfo*> ResolvePropPath(TObject& instance, std::string_view path);

bool SameText(std::string_view a, std::string_view b);

}  // namespace vcl
