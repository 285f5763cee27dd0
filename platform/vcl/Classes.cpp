#include "platform/vcl/Classes.h"

#include <map>
#include <utility>

namespace vcl {

namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

struct CaseInsensitiveLess {
    bool operator()(std::string_view a, std::string_view b) const {
        const std::size_t n = std::min(a.size(), b.size());
        for (std::size_t i = 0; i < n; ++i)
            if (Lower(a[i]) != Lower(b[i])) return Lower(a[i]) < Lower(b[i]);
        return a.size() < b.size();
    }
};

std::map<std::string, const ClassInfo*, CaseInsensitiveLess>& Registry() {
    static std::map<std::string, const ClassInfo*, CaseInsensitiveLess> classes;
    return classes;
}

[[noreturn]] void ThrowUnknownProperty(std::string_view name) {
    throw EPropertyError("Property " + std::string(name) + " does not exist");
}

}  // namespace

bool SameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i])) return false;
    return true;
}

void ThrowPropValueMismatch(const char* expected) {
    throw EPropertyError(std::string("Invalid property value: ") + expected + " expected");
}

void ThrowInvalidPropertyValue() { throw EPropertyError("Invalid property value"); }

const ClassInfo& TObject::StaticClassInfo() {
    static const ClassInfo info("TObject", nullptr);
    return info;
}

const std::string& TObject::ClassName() const { return ClassType().Name(); }

bool TObject::InheritsFrom(const ClassInfo& ancestor) const { return ClassType().InheritsFrom(ancestor); }

const ClassInfo& TPersistent::StaticClassInfo() {
    static const ClassInfo info = ClassBuilder<TPersistent>("TPersistent", &TObject::StaticClassInfo()).Build();
    return info;
}

bool PropInfo::IsStored(const TObject& instance) const {
    if (!stored || kind != PropKind::Value) return stored;
    const PropValue value = get(instance);
    if (value.Is<Nil>()) return false;
    return !(defaultValue && *defaultValue == value);
}

ClassInfo::ClassInfo(std::string name, const ClassInfo* parent) : name_(std::move(name)), parent_(parent) {}

const PropInfo* ClassInfo::FindProperty(std::string_view name) const {
    for (const PropInfo& info : properties_)
        if (SameText(info.name, name)) return &info;
    return nullptr;
}

bool ClassInfo::InheritsFrom(const ClassInfo& ancestor) const {
    for (const ClassInfo* c = this; c; c = c->parent_)
        if (c == &ancestor) return true;
    return false;
}

bool ClassInfo::InheritsFrom(std::string_view ancestorName) const {
    for (const ClassInfo* c = this; c; c = c->parent_)
        if (SameText(c->name_, ancestorName)) return true;
    return false;
}

void ReplaceOrAppendProperty(std::vector<PropInfo>& properties, PropInfo info) {
    for (PropInfo& existing : properties)
        if (SameText(existing.name, info.name)) {
            existing = std::move(info);
            return;
        }
    properties.push_back(std::move(info));
}

PropValue PropertyCodec<Variant>::Encode(const Variant& v) {
    switch (v.Type()) {
        case VarType::Empty: return Nil{};
        case VarType::Boolean: return v.AsBoolean();
        case VarType::Currency: return v.AsCurrency();
        case VarType::DateTime: return v.AsDateTime();
        case VarType::Double: return v.AsDouble();
        case VarType::Integer: return static_cast<std::int64_t>(v.AsInteger());
        case VarType::String: return v.AsString();
    }
    return Nil{};
}

Variant PropertyCodec<Variant>::Decode(const PropValue& v) {
    return std::visit(
        [](const auto& held) -> Variant {
            using H = std::decay_t<decltype(held)>;
            if constexpr (std::is_same_v<H, Nil>) return Variant();
            else if constexpr (std::is_same_v<H, std::int64_t>) {
                if (std::in_range<std::int32_t>(held)) return Variant(static_cast<std::int32_t>(held));
                return Variant(static_cast<double>(held));
            } else if constexpr (std::is_same_v<H, bool> || std::is_same_v<H, double> ||
                                 std::is_same_v<H, std::string> || std::is_same_v<H, Currency> ||
                                 std::is_same_v<H, DateTime>)
                return Variant(held);
            else if constexpr (std::is_same_v<H, Ident>) return Variant(held.name);
            else ThrowInvalidPropertyValue();
        },
        v.value);
}

PropValue PropertyCodec<std::vector<std::string>>::Encode(const std::vector<std::string>& v) {
    ListValue list;
    for (const std::string& s : v) list.values.emplace_back(s);
    return list;
}

std::vector<std::string> PropertyCodec<std::vector<std::string>>::Decode(const PropValue& v) {
    std::vector<std::string> strings;
    for (const PropValue& item : v.As<ListValue>().values) strings.push_back(item.As<std::string>());
    return strings;
}

void RegisterComponentClass(const ClassInfo& info) { Registry()[info.Name()] = &info; }

const ClassInfo* FindClass(std::string_view name) {
    const auto& classes = Registry();
    const auto found = classes.find(std::string(name));
    return found == classes.end() ? nullptr : found->second;
}

std::pair<TObject*, const PropInfo*> ResolvePropPath(TObject& instance, std::string_view path) {
    TObject* owner = &instance;
    for (;;) {
        const auto dot = path.find('.');
        const std::string_view head = path.substr(0, dot);
        const PropInfo* info = owner->ClassType().FindProperty(head);
        if (!info) ThrowUnknownProperty(head);
        if (dot == std::string_view::npos) return {owner, info};
        if (info->kind != PropKind::Object) ThrowUnknownProperty(path);
        owner = info->object(*owner);
        path.remove_prefix(dot + 1);
    }
}

const PropInfo& GetPropInfo(const TObject& instance, std::string_view path) {
    return *ResolvePropPath(const_cast<TObject&>(instance), path).second;
}

PropValue GetPropValue(const TObject& instance, std::string_view path) {
    const auto [owner, info] = ResolvePropPath(const_cast<TObject&>(instance), path);
    if (info->kind != PropKind::Value) ThrowInvalidPropertyValue();
    return info->get(*owner);
}

void SetPropValue(TObject& instance, std::string_view path, const PropValue& value) {
    const auto [owner, info] = ResolvePropPath(instance, path);
    if (info->kind != PropKind::Value || !info->set) ThrowInvalidPropertyValue();
    info->set(*owner, value);
}

TPersistent& GetObjectProp(TObject& instance, std::string_view path) {
    const auto [owner, info] = ResolvePropPath(instance, path);
    if (info->kind == PropKind::Value) ThrowInvalidPropertyValue();
    return *info->object(*owner);
}

}  // namespace vcl
