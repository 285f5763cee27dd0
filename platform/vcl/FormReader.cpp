#include "platform/vcl/Collection.h"
#include "platform/vcl/Events.h"
#include "platform/vcl/FormRecord.h"
#include "platform/vcl/FormStream.h"

#include <utility>

namespace vcl {

namespace {

// The form being read, whose handlers event properties are bound to.
const TComponent* loadingRoot = nullptr;

class LoadingRootScope {
public:
    explicit LoadingRootScope(const TComponent& root) : saved_(std::exchange(loadingRoot, &root)) {}
    ~LoadingRootScope() { loadingRoot = saved_; }
    LoadingRootScope(const LoadingRootScope&) = delete;
    LoadingRootScope& operator=(const LoadingRootScope&) = delete;

private:
    const TComponent* saved_;
};

[[noreturn]] void ThrowReadError(const std::string& where, const std::string& message) {
    throw EReadError("Error reading " + where + ": " + message);
}

// Runs one assignment; an error it raises is reported against the property.
template <class Assignment>
void Assigning(const std::string& where, Assignment&& assign) {
    try {
        assign();
    } catch (const Exception& error) {
        ThrowReadError(where, error.Message());
    }
}

struct DefinedProperty {
    std::string name;
    TFiler::ValueReader read;
};

// Takes the properties an object defines, with the way each one reads its value.
class DefinitionCollector final : public TFiler {
public:
    explicit DefinitionCollector(std::vector<DefinedProperty>& definitions) : definitions_(definitions) {}

    void DefineBinaryProperty(const std::string& name, BinaryReader read, BinaryWriter, bool) override {
        definitions_.push_back({name, [read](const PropValue& value) { read(value.As<Binary>().bytes); }});
    }
    void DefineProperty(const std::string& name, ValueReader read, ValueWriter, bool) override {
        definitions_.push_back({name, std::move(read)});
    }

private:
    std::vector<DefinedProperty>& definitions_;
};

void AssignProperties(TPersistent& object, const PropertyList& stored, const std::string& where);

void AssignCollection(TCollection& collection, const PropValue& value, const std::string& where) {
    const CollectionValue* items = nullptr;
    Assigning(where, [&] { items = &value.As<CollectionValue>(); });
    collection.BeginUpdate();
    try {
        collection.Clear();
        for (std::size_t i = 0; i < items->items.size(); ++i)
            AssignProperties(*collection.Add(), items->items[i], where + "[" + std::to_string(i) + "]");
    } catch (...) {
        collection.EndUpdate();
        throw;
    }
    collection.EndUpdate();
}

// The stored values of one object, sorted into the places they are assigned from: published
// properties (direct values, or the stored values of a nested object) and defined ones.
struct SortedValues {
    std::vector<const PropValue*> published;
    std::vector<PropertyList> nested;
    std::vector<const PropValue*> defined;
};

SortedValues SortStoredValues(const ClassInfo& classInfo, const std::vector<DefinedProperty>& defined,
                              const PropertyList& stored, const std::string& where) {
    const std::vector<PropInfo>& published = classInfo.Properties();
    SortedValues sorted{std::vector<const PropValue*>(published.size()), std::vector<PropertyList>(published.size()),
                        std::vector<const PropValue*>(defined.size())};
    for (const NamedValue& value : stored) {
        const std::size_t dot = value.name.find('.');
        const PropInfo* info = classInfo.FindProperty(std::string_view(value.name).substr(0, dot));
        const auto index = info ? static_cast<std::size_t>(info - published.data()) : 0;
        const PropValue** slot = nullptr;
        if (dot != std::string::npos) {
            if (info && info->kind == PropKind::Object) {
                sorted.nested[index].push_back({value.name.substr(dot + 1), value.value});
                continue;
            }
        } else if (info) {
            slot = &sorted.published[index];
        } else {
            for (std::size_t i = 0; i < defined.size() && !slot; ++i)
                if (SameText(defined[i].name, value.name)) slot = &sorted.defined[i];
        }
        const std::string location = where + "." + value.name;
        if (!slot) ThrowReadError(location, "Property " + value.name + " does not exist");
        if (*slot) ThrowReadError(location, "Property " + value.name + " is stored twice");
        *slot = &value.value;
    }
    return sorted;
}

void AssignProperties(TPersistent& object, const PropertyList& stored, const std::string& where) {
    std::vector<DefinedProperty> defined;
    DefinitionCollector collector(defined);
    object.DefineProperties(collector);
    const std::vector<PropInfo>& published = object.ClassType().Properties();
    const SortedValues values = SortStoredValues(object.ClassType(), defined, stored, where);

    for (std::size_t i = 0; i < published.size(); ++i) {
        const PropInfo& info = published[i];
        const std::string location = where + "." + info.name;
        const PropValue* value = values.published[i];
        switch (info.kind) {
            case PropKind::Value:
                if (value) Assigning(location, [&] { info.set(object, *value); });
                break;
            case PropKind::Collection:
                if (value) AssignCollection(dynamic_cast<TCollection&>(*info.object(object)), *value, location);
                break;
            case PropKind::Object:
                if (value) ThrowReadError(location, "Invalid property value");
                if (!values.nested[i].empty()) AssignProperties(*info.object(object), values.nested[i], location);
                break;
        }
    }
    for (std::size_t i = 0; i < defined.size(); ++i)
        if (const PropValue* value = values.defined[i])
            Assigning(where + "." + defined[i].name, [&] { defined[i].read(*value); });
}

// How errors name a component: by its name, or by its class while it has none.
std::string Designation(const TComponent& component) {
    return component.Name().empty() ? component.ClassName() : component.Name();
}

class ComponentTreeReader {
public:
    explicit ComponentTreeReader(TComponent& root) : root_(root) {}

    void Read(const ComponentRecord& record) {
        CheckRootClass(record.className);
        const LoadingRootScope scope(root_);
        root_.BeginLoading();
        root_.SetName(record.name);
        AssignProperties(root_, record.properties, Designation(root_));
        ReadChildren(record.children, nullptr);
        for (TComponent* component : created_) component->EndLoading();
        root_.EndLoading();
    }

private:
    void CheckRootClass(const std::string& className) const {
        for (const ClassInfo* info = &root_.ClassType(); info; info = info->Parent())
            if (SameText(info->Name(), className)) return;
        throw EReadError("Cannot read a " + className + " definition into a " + root_.ClassName());
    }

    void ReadChildren(const std::vector<ComponentRecord>& records, TComponent* parent) {
        for (const ComponentRecord& record : records) {
            TComponent& component = Create(record.className);
            component.SetName(record.name);
            if (parent) component.SetParentComponent(parent);
            AssignProperties(component, record.properties, Designation(component));
            ReadChildren(record.children, &component);
        }
    }

    // Owned by the root from the start, so an error later leaks nothing.
    TComponent& Create(const std::string& className) {
        const ClassInfo* info = FindClass(className);
        if (!info) throw EClassNotFound("Class " + className + " not found");
        if (!info->Create()) throw EReadError("Class " + className + " cannot be created");
        TComponent* component = info->Create()(&root_);
        created_.push_back(component);
        component->BeginLoading();
        return *component;
    }

    TComponent& root_;
    std::vector<TComponent*> created_;
};

}  // namespace

namespace detail {
const std::any* FindLoadingMethod(const std::string& name) {
    return loadingRoot ? loadingRoot->FindMethod(name) : nullptr;
}

void ThrowMethodNotFound(const std::string& name) { throw EPropertyError("Method " + name + " not found"); }
}  // namespace detail

void ReadComponent(TMemoryStream& stream, TComponent& root) { ComponentTreeReader(root).Read(DecodeForm(stream)); }

void ReadComponent(std::span<const std::uint8_t> definition, TComponent& root) {
    TMemoryStream stream;
    stream.WriteBuffer(definition.data(), definition.size());
    stream.SetPosition(0);
    ReadComponent(stream, root);
}

}  // namespace vcl
