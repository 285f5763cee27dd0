#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/vcl/Collection.h"
#include "platform/vcl/Component.h"

namespace {

using vcl::PropValue;
using vcl::TComponent;

// Records its name in a shared log when it is destroyed.
class TTrackedComponent : public TComponent {
public:
    TTrackedComponent(TComponent* owner, std::string name, std::vector<std::string>& destroyed)
        : TComponent(owner), destroyed_(destroyed) {
        SetName(std::move(name));
    }
    ~TTrackedComponent() override { destroyed_.push_back(Name()); }

private:
    std::vector<std::string>& destroyed_;
};

TEST(ComponentOwnership, OwnerFreesWhatItOwnsLastFirst) {
    std::vector<std::string> destroyed;
    auto* owner = new TTrackedComponent(nullptr, "Owner", destroyed);
    auto* a = new TTrackedComponent(owner, "A", destroyed);
    new TTrackedComponent(a, "A1", destroyed);
    new TTrackedComponent(owner, "B", destroyed);
    new TTrackedComponent(owner, "C", destroyed);
    ASSERT_EQ(owner->ComponentCount(), 3);

    delete owner;
    EXPECT_EQ(destroyed, (std::vector<std::string>{"Owner", "C", "B", "A", "A1"}));
}

TEST(ComponentOwnership, ComponentFreedAloneLeavesItsOwnersList) {
    std::vector<std::string> destroyed;
    {
        TTrackedComponent owner(nullptr, "Owner", destroyed);
        auto* a = new TTrackedComponent(&owner, "A", destroyed);
        auto* b = new TTrackedComponent(&owner, "B", destroyed);
        new TTrackedComponent(&owner, "C", destroyed);
        delete b;
        ASSERT_EQ(owner.ComponentCount(), 2);
        EXPECT_EQ(owner.Components(0), a);
        EXPECT_EQ(owner.Components(1)->Name(), "C");
        EXPECT_EQ(owner.FindComponent("B"), nullptr);
    }
    EXPECT_EQ(destroyed, (std::vector<std::string>{"B", "Owner", "C", "A"}));
}

TEST(ComponentOwnership, ComponentsOutsideTheListRaise) {
    TComponent owner(nullptr);
    new TComponent(&owner);
    for (int index : {-1, 1}) {
        try {
            (void)owner.Components(index);
            ADD_FAILURE() << "no error for " << index;
        } catch (const vcl::EListError& error) {
            EXPECT_EQ(error.Message(), "List index out of bounds (" + std::to_string(index) + ")");
        }
    }
}

TEST(ComponentNames, InvalidIdentifiersAreRefused) {
    TComponent component(nullptr);
    component.SetName("Keep");
    for (const char* name : {"1abc", "a b", "a-b", "a.b", " a", "\xe9t\xe9"}) {
        try {
            component.SetName(name);
            ADD_FAILURE() << "no error for " << name;
        } catch (const vcl::EComponentError& error) {
            EXPECT_EQ(error.Message(), "'" + std::string(name) + "' is not a valid component name");
        }
        EXPECT_EQ(component.Name(), "Keep");
    }
    for (const char* name : {"_x", "Button1", "a_1", ""}) {
        component.SetName(name);
        EXPECT_EQ(component.Name(), name);
    }
}

TEST(ComponentNames, NamesAreUniqueWithinTheOwnerIgnoringCase) {
    TComponent owner(nullptr);
    auto* first = new TComponent(&owner);
    auto* second = new TComponent(&owner);
    first->SetName("Button1");
    try {
        second->SetName("BUTTON1");
        FAIL() << "no error";
    } catch (const vcl::EComponentError& error) {
        EXPECT_EQ(error.Message(), "A component named BUTTON1 already exists");
    }
    EXPECT_EQ(second->Name(), "");

    first->SetName("button1");  // its own name in another case
    EXPECT_EQ(first->Name(), "button1");
    second->SetName("");  // any number of unnamed components
    new TComponent(&owner);

    TComponent elsewhere(nullptr);
    elsewhere.SetName("Button1");  // another owner's namespace

    EXPECT_EQ(owner.FindComponent("BUTTON1"), first);
    EXPECT_EQ(owner.FindComponent("Button2"), nullptr);
    EXPECT_EQ(owner.FindComponent(""), nullptr);
}

// Property access by name.

enum class TTestAlign { alNone, alTop, alClient };

}  // namespace

template <>
struct vcl::EnumNames<TTestAlign> {
    static constexpr std::array<std::string_view, 3> names{"alNone", "alTop", "alClient"};
};

namespace {

class TTestBorder : public vcl::TPersistent {
public:
    OLZ_CLASS_INFO
    int Width() const { return width_; }
    void SetWidth(int width) { width_ = width; }

private:
    int width_ = 1;
};

const vcl::ClassInfo& TTestBorder::StaticClassInfo() {
    static const vcl::ClassInfo info =
        vcl::ClassBuilder<TTestBorder>("TTestBorder", &TPersistent::StaticClassInfo())
            .Property("Width", &TTestBorder::Width, &TTestBorder::SetWidth, 1)
            .Build();
    return info;
}

class TTestPanel : public TComponent {
public:
    OLZ_CLASS_INFO
    using TComponent::TComponent;
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption) { caption_ = caption; }
    TTestAlign Align() const { return align_; }
    void SetAlign(TTestAlign align) { align_ = align; }
    TTestBorder& Border() { return border_; }

private:
    std::string caption_;
    TTestAlign align_ = TTestAlign::alNone;
    TTestBorder border_;
};

const vcl::ClassInfo& TTestPanel::StaticClassInfo() {
    static const vcl::ClassInfo info = vcl::ClassBuilder<TTestPanel>("TTestPanel", &TComponent::StaticClassInfo())
                                           .Property("Caption", &TTestPanel::Caption, &TTestPanel::SetCaption)
                                           .Property("Align", &TTestPanel::Align, &TTestPanel::SetAlign,
                                                     TTestAlign::alNone)
                                           .Object("Border", &TTestPanel::Border)
                                           .Creatable()
                                           .Build();
    return info;
}

std::string ErrorOf(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const vcl::EPropertyError& error) {
        return error.Message();
    }
    return "no error";
}

TEST(ComponentProperties, PublishedInInheritedThenOwnOrder) {
    std::vector<std::string> names;
    for (const vcl::PropInfo& info : TTestPanel::StaticClassInfo().Properties()) names.push_back(info.name);
    EXPECT_EQ(names, (std::vector<std::string>{"Name", "Tag", "Caption", "Align", "Border"}));
}

TEST(ComponentProperties, ReadAndWrittenByNameIgnoringCase) {
    TTestPanel panel(nullptr);
    vcl::SetPropValue(panel, "caption", std::string("Hello"));
    vcl::SetPropValue(panel, "ALIGN", vcl::Ident{"alClient"});
    vcl::SetPropValue(panel, "Border.Width", std::int64_t{3});
    vcl::SetPropValue(panel, "Name", std::string("Panel1"));
    vcl::SetPropValue(panel, "Tag", std::int64_t{-7});

    EXPECT_EQ(panel.Caption(), "Hello");
    EXPECT_EQ(panel.Align(), TTestAlign::alClient);
    EXPECT_EQ(panel.Border().Width(), 3);
    EXPECT_EQ(panel.Name(), "Panel1");
    EXPECT_EQ(vcl::GetPropValue(panel, "Align"), PropValue(vcl::Ident{"alClient"}));
    EXPECT_EQ(vcl::GetPropValue(panel, "border.width"), PropValue(std::int64_t{3}));
    EXPECT_EQ(vcl::GetPropValue(panel, "Tag"), PropValue(std::int64_t{-7}));
    EXPECT_EQ(&vcl::GetObjectProp(panel, "Border"), &panel.Border());
    vcl::RegisterComponentClass(TTestPanel::StaticClassInfo());
    EXPECT_EQ(vcl::FindClass("ttestpanel"), &TTestPanel::StaticClassInfo());
}

TEST(ComponentProperties, UnknownNamesAndWrongValuesRaise) {
    TTestPanel panel(nullptr);
    const std::pair<std::function<void()>, std::string> cases[] = {
        {[&] { vcl::GetPropValue(panel, "Colour"); }, "Property Colour does not exist"},
        {[&] { vcl::SetPropValue(panel, "Colour", std::int64_t{1}); }, "Property Colour does not exist"},
        {[&] { vcl::GetPropValue(panel, "Border.Style"); }, "Property Style does not exist"},
        {[&] { vcl::GetPropValue(panel, "Caption.Length"); }, "Property Caption.Length does not exist"},
        {[&] { vcl::SetPropValue(panel, "Caption", std::int64_t{1}); }, "Invalid property value: string expected"},
        {[&] { vcl::SetPropValue(panel, "Align", vcl::Ident{"alBottom"}); }, "Invalid property value"},
        {[&] { vcl::SetPropValue(panel, "Tag", std::int64_t{1} << 40); }, "Invalid property value"},
        {[&] { vcl::SetPropValue(panel, "Border", std::int64_t{1}); }, "Invalid property value"},
    };
    for (const auto& [operation, message] : cases) EXPECT_EQ(ErrorOf(operation), message);
    EXPECT_EQ(panel.Caption(), "");
    EXPECT_EQ(panel.Tag(), 0);
}

TEST(ComponentProperties, OnlyValuesOtherThanTheDefaultAreStored) {
    TTestPanel panel(nullptr);
    const auto stored = [&](std::string_view name) { return vcl::GetPropInfo(panel, name).IsStored(panel); };
    panel.SetName("Panel1");
    EXPECT_FALSE(stored("Name"));  // reachable by name, never stored
    EXPECT_FALSE(stored("Tag"));
    EXPECT_FALSE(stored("Caption"));
    EXPECT_FALSE(stored("Align"));
    panel.SetTag(1);
    panel.SetCaption("x");
    panel.SetAlign(TTestAlign::alTop);
    EXPECT_TRUE(stored("Tag"));
    EXPECT_TRUE(stored("Caption"));
    EXPECT_TRUE(stored("Align"));
}

// Collections.

class TTestItem : public vcl::TCollectionItem {
public:
    OLZ_CLASS_INFO
    using TCollectionItem::TCollectionItem;
    void Touch() { Changed(); }
};

const vcl::ClassInfo& TTestItem::StaticClassInfo() {
    static const vcl::ClassInfo info =
        vcl::ClassBuilder<TTestItem>("TTestItem", &TCollectionItem::StaticClassInfo()).Build();
    return info;
}

// Records each change notification: the item, or null for the whole collection.
class TRecordingCollection : public vcl::TCollection {
public:
    TRecordingCollection()
        : TCollection(TTestItem::StaticClassInfo(),
                      [](TCollection& owner) { return std::make_unique<TTestItem>(&owner); }) {}
    std::vector<vcl::TCollectionItem*> updates;

protected:
    void Update(vcl::TCollectionItem* item) override { updates.push_back(item); }
};

TEST(CollectionItems, AddDeleteClearEachNotifyOnce) {
    TRecordingCollection collection;
    auto* first = collection.Add();
    auto* second = collection.Add();
    auto* third = collection.Add();
    EXPECT_EQ(collection.Count(), 3);
    EXPECT_EQ(second->Index(), 1);
    EXPECT_EQ(first->Collection(), &collection);
    EXPECT_EQ(first->GetOwner(), &collection);

    collection.Delete(1);
    EXPECT_EQ(collection.Item(1), third);
    EXPECT_EQ(third->Index(), 1);
    EXPECT_THROW(collection.Delete(2), vcl::EListError);

    static_cast<TTestItem*>(first)->Touch();
    collection.Clear();
    collection.Clear();  // already empty: nothing to report
    EXPECT_EQ(collection.Count(), 0);
    EXPECT_EQ(collection.updates,
              (std::vector<vcl::TCollectionItem*>{nullptr, nullptr, nullptr, nullptr, first, nullptr}));
}

TEST(CollectionItems, UpdateReportsOnceAtTheOutermostEnd) {
    TRecordingCollection collection;
    collection.BeginUpdate();
    auto* item = static_cast<TTestItem*>(collection.Add());
    collection.BeginUpdate();
    collection.Add();
    item->Touch();
    collection.EndUpdate();
    EXPECT_TRUE(collection.updates.empty());
    collection.Delete(0);
    collection.EndUpdate();
    EXPECT_EQ(collection.updates, (std::vector<vcl::TCollectionItem*>{nullptr}));
    EXPECT_EQ(collection.Count(), 1);
}

}  // namespace
