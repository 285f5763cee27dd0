#include "platform/vcl/Collection.h"
#include "platform/vcl/FormRecord.h"
#include "platform/vcl/FormStream.h"

namespace vcl {

namespace {

// Takes the properties an object defines that have something to store.
class DefinedValueCollector final : public TFiler {
public:
    DefinedValueCollector(PropertyList& values, const std::string& prefix) : values_(values), prefix_(prefix) {}

    void DefineBinaryProperty(const std::string& name, BinaryReader, BinaryWriter write, bool hasData) override {
        if (hasData) values_.push_back({prefix_ + name, Binary{write()}});
    }
    void DefineProperty(const std::string& name, ValueReader, ValueWriter write, bool hasData) override {
        if (hasData) values_.push_back({prefix_ + name, write()});
    }

private:
    PropertyList& values_;
    const std::string& prefix_;
};

PropertyList StoredProperties(TPersistent& object);

CollectionValue StoredItems(TCollection& collection) {
    CollectionValue items;
    for (int i = 0; i < collection.Count(); ++i) items.items.push_back(StoredProperties(*collection.Item(i)));
    return items;
}

void CollectStoredProperties(TPersistent& object, const std::string& prefix, PropertyList& values) {
    for (const PropInfo& info : object.ClassType().Properties()) {
        if (!info.IsStored(object)) continue;
        switch (info.kind) {
            case PropKind::Value: values.push_back({prefix + info.name, info.get(object)}); break;
            case PropKind::Object:
                CollectStoredProperties(*info.object(object), prefix + info.name + ".", values);
                break;
            case PropKind::Collection:
                values.push_back({prefix + info.name, StoredItems(dynamic_cast<TCollection&>(*info.object(object)))});
                break;
        }
    }
    DefinedValueCollector defined(values, prefix);
    object.DefineProperties(defined);
}

PropertyList StoredProperties(TPersistent& object) {
    PropertyList values;
    CollectStoredProperties(object, "", values);
    return values;
}

// The component whose record holds `component`'s record; null for the root level.
const TComponent* EnclosingComponent(const TComponent& root, const TComponent& component) {
    const TComponent* parent = component.GetParentComponent();
    return parent && parent != &root && parent->Owner() == &root ? parent : nullptr;
}

std::vector<ComponentRecord> ChildRecords(TComponent& root, const TComponent* enclosing) {
    std::vector<ComponentRecord> records;
    for (int i = 0; i < root.ComponentCount(); ++i) {
        TComponent& owned = *root.Components(i);
        if (EnclosingComponent(root, owned) != enclosing) continue;
        records.push_back({owned.ClassName(), owned.Name(), StoredProperties(owned), ChildRecords(root, &owned)});
    }
    return records;
}

}  // namespace

void WriteComponent(TMemoryStream& stream, TComponent& root) {
    EncodeForm(stream, {root.ClassName(), root.Name(), StoredProperties(root), ChildRecords(root, nullptr)});
}

}  // namespace vcl
