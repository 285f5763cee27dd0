// Feeds arbitrary bytes to the form reader. A vcl::Exception is the expected answer to bad
// data; any other exception, a crash or a sanitizer report is a bug.
//
// Seeds: `form_fuzz --write-seeds DIR` writes a few definitions made by the writer into DIR.
#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/vcl/Collection.h"
#include "platform/vcl/FormStream.h"
#include "platform/vcl/Strings.h"

namespace {
enum class TFuzzAlign { alNone, alTop, alClient };
}  // namespace

template <>
struct vcl::EnumNames<TFuzzAlign> {
    static constexpr std::array<std::string_view, 3> names{"alNone", "alTop", "alClient"};
};

namespace {

using vcl::TComponent;

class TFuzzFont : public vcl::TPersistent {
public:
    OLZ_CLASS_INFO
    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    int Size() const { return size_; }
    void SetSize(int size) { size_ = size; }

private:
    std::string name_;
    int size_ = 8;
};

const vcl::ClassInfo& TFuzzFont::StaticClassInfo() {
    static const vcl::ClassInfo info = vcl::ClassBuilder<TFuzzFont>("TFuzzFont", &TPersistent::StaticClassInfo())
                                           .Property("Name", &TFuzzFont::Name, &TFuzzFont::SetName)
                                           .Property("Size", &TFuzzFont::Size, &TFuzzFont::SetSize, 8)
                                           .Build();
    return info;
}

// A control: holds other controls, and has text, an enumeration, lines and a nested object.
class TFuzzControl : public TComponent {
public:
    OLZ_CLASS_INFO
    using TComponent::TComponent;
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption) { caption_ = caption; }
    TFuzzAlign Align() const { return align_; }
    void SetAlign(TFuzzAlign align) { align_ = align; }
    vcl::TStringList& Lines() { return lines_; }
    TFuzzFont& Font() { return font_; }
    TComponent* GetParentComponent() const override { return parent_; }
    void SetParentComponent(TComponent* parent) override { parent_ = parent; }

private:
    std::string caption_;
    TFuzzAlign align_ = TFuzzAlign::alNone;
    vcl::TStringList lines_;
    TFuzzFont font_;
    TComponent* parent_ = nullptr;
};

const vcl::ClassInfo& TFuzzControl::StaticClassInfo() {
    using C = TFuzzControl;
    static const vcl::ClassInfo info = vcl::ClassBuilder<C>("TFuzzControl", &TComponent::StaticClassInfo())
                                           .Property("Caption", &C::Caption, &C::SetCaption)
                                           .Property("Align", &C::Align, &C::SetAlign, TFuzzAlign::alNone)
                                           .Object("Lines", &C::Lines)
                                           .Object("Font", &C::Font)
                                           .Creatable()
                                           .Build();
    return info;
}

class TFuzzItem : public vcl::TCollectionItem {
public:
    OLZ_CLASS_INFO
    using TCollectionItem::TCollectionItem;
    std::int64_t Value() const { return value_; }
    void SetValue(std::int64_t value) { value_ = value; }

private:
    std::int64_t value_ = 0;
};

const vcl::ClassInfo& TFuzzItem::StaticClassInfo() {
    static const vcl::ClassInfo info = vcl::ClassBuilder<TFuzzItem>("TFuzzItem", &TCollectionItem::StaticClassInfo())
                                           .Property("Value", &TFuzzItem::Value, &TFuzzItem::SetValue, 0)
                                           .Build();
    return info;
}

// Numbers, a variant, a collection and a binary property of its own.
class TFuzzData : public TComponent {
public:
    OLZ_CLASS_INFO
    explicit TFuzzData(TComponent* owner)
        : TComponent(owner),
          items_(TFuzzItem::StaticClassInfo(),
                 [](vcl::TCollection& collection) { return std::make_unique<TFuzzItem>(&collection); }) {}
    int Count() const { return count_; }
    void SetCount(int count) { count_ = count; }
    bool Flag() const { return flag_; }
    void SetFlag(bool flag) { flag_ = flag; }
    double Ratio() const { return ratio_; }
    void SetRatio(double ratio) { ratio_ = ratio; }
    const vcl::Variant& Value() const { return value_; }
    void SetValue(const vcl::Variant& value) { value_ = value; }
    vcl::TCollection& Items() { return items_; }
    std::vector<std::uint8_t> data;

    void DefineProperties(vcl::TFiler& filer) override {
        filer.DefineBinaryProperty(
            "Data", [this](const std::vector<std::uint8_t>& bytes) { data = bytes; }, [this] { return data; },
            !data.empty());
    }

private:
    int count_ = 0;
    bool flag_ = false;
    double ratio_ = 0;
    vcl::Variant value_;
    vcl::TCollection items_;
};

const vcl::ClassInfo& TFuzzData::StaticClassInfo() {
    using C = TFuzzData;
    static const vcl::ClassInfo info = vcl::ClassBuilder<C>("TFuzzData", &TComponent::StaticClassInfo())
                                           .Property("Count", &C::Count, &C::SetCount, 0)
                                           .Property("Flag", &C::Flag, &C::SetFlag, false)
                                           .Property("Ratio", &C::Ratio, &C::SetRatio, 0.0)
                                           .Property("Value", &C::Value, &C::SetValue)
                                           .Collection("Items", &C::Items)
                                           .Creatable()
                                           .Build();
    return info;
}

class TFuzzForm : public TComponent {
public:
    OLZ_CLASS_INFO
    using TComponent::TComponent;
};

const vcl::ClassInfo& TFuzzForm::StaticClassInfo() {
    static const vcl::ClassInfo info =
        vcl::ClassBuilder<TFuzzForm>("TFuzzForm", &TComponent::StaticClassInfo()).Creatable().Build();
    return info;
}

void RegisterFuzzClasses() {
    vcl::RegisterComponentClass(TFuzzForm::StaticClassInfo());
    vcl::RegisterComponentClass(TFuzzControl::StaticClassInfo());
    vcl::RegisterComponentClass(TFuzzData::StaticClassInfo());
}

template <class T>
T* Add(TComponent& form, const char* name, TComponent* parent = nullptr) {
    auto* component = new T(&form);
    component->SetName(name);
    component->SetParentComponent(parent);
    return component;
}

void WriteSeed(TComponent& form, const std::string& fileName) {
    vcl::TMemoryStream stream;
    vcl::WriteComponent(stream, form);
    stream.SaveToFile(fileName);
}

void WriteSeeds(const std::string& folder) {
    TFuzzForm empty(nullptr);
    WriteSeed(empty, folder + "/empty.olzf");

    TFuzzForm form(nullptr);
    form.SetName("Form1");
    form.SetTag(-300);
    auto* panel = Add<TFuzzControl>(form, "Panel1");
    panel->SetAlign(TFuzzAlign::alClient);
    panel->Font().SetName("Tahoma");
    auto* label = Add<TFuzzControl>(form, "Label1", panel);
    label->SetCaption(std::string(300, 'x'));
    label->Lines().SetText("one\ntwo");
    auto* data = Add<TFuzzData>(form, "Data1");
    data->SetCount(70000);
    data->SetFlag(true);
    data->SetRatio(0.5);
    data->SetValue(vcl::Currency{12345});
    static_cast<TFuzzItem*>(data->Items().Add())->SetValue(-5);
    data->Items().Add();
    data->data = {0, 1, 2, 255};
    WriteSeed(form, folder + "/form.olzf");
}

std::vector<std::uint8_t> Written(TComponent& form) {
    vcl::TMemoryStream stream;
    vcl::WriteComponent(stream, form);
    return {stream.Memory(), stream.Memory() + stream.Size()};
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    RegisterFuzzClasses();
    if (*argc == 3 && std::strcmp((*argv)[1], "--write-seeds") == 0) {
        WriteSeeds((*argv)[2]);
        std::exit(0);
    }
    return 0;
}

// Whatever was read writes out in a form that reads back to the same bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TFuzzForm form(nullptr);
    try {
        vcl::ReadComponent(std::span(data, size), form);
    } catch (const vcl::Exception&) {
        return 0;
    }
    const std::vector<std::uint8_t> written = Written(form);
    TFuzzForm again(nullptr);
    vcl::ReadComponent(written, again);
    if (Written(again) != written) std::abort();
    return 0;
}
