#include "platform/vcl/FormStream.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <set>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/vcl/Collection.h"
#include "platform/vcl/FormRecord.h"
#include "platform/vcl/Strings.h"

// Small components of the test's own, one per thing a form definition must carry.

namespace {
enum class TFormColor { clRed, clGreen, clBlue };
enum class TFormFontStyle { fsBold, fsItalic, fsUnderline };
using TFormFontStyles = std::set<TFormFontStyle>;
}  // namespace

template <>
struct vcl::EnumNames<TFormColor> {
    static constexpr std::array<std::string_view, 3> names{"clRed", "clGreen", "clBlue"};
};
template <>
struct vcl::EnumNames<TFormFontStyle> {
    static constexpr std::array<std::string_view, 3> names{"fsBold", "fsItalic", "fsUnderline"};
};

// A set travels as the names of its members.
template <>
struct vcl::PropertyCodec<TFormFontStyles> {
    using Member = PropertyCodec<TFormFontStyle>;
    static PropValue Encode(const TFormFontStyles& styles) {
        SetValue set;
        for (TFormFontStyle style : styles) set.members.push_back(Member::Encode(style).As<Ident>().name);
        return set;
    }
    static TFormFontStyles Decode(const PropValue& value) {
        TFormFontStyles styles;
        for (const std::string& name : value.As<SetValue>().members) styles.insert(Member::Decode(Ident{name}));
        return styles;
    }
};

namespace {

using vcl::ComponentRecord;
using vcl::PropValue;
using vcl::TComponent;
using Bytes = std::vector<std::uint8_t>;

// What the components of one test did, in order.
std::vector<std::string>& EventLog() {
    static std::vector<std::string> log;
    return log;
}

class TFormFont : public vcl::TPersistent {
public:
    OLZ_CLASS_INFO
    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    int Size() const { return size_; }
    void SetSize(int size) { size_ = size; }
    const TFormFontStyles& Style() const { return style_; }
    void SetStyle(const TFormFontStyles& style) { style_ = style; }

private:
    std::string name_;
    int size_ = 8;
    TFormFontStyles style_;
};

const vcl::ClassInfo& TFormFont::StaticClassInfo() {
    static const vcl::ClassInfo info = vcl::ClassBuilder<TFormFont>("TFormFont", &TPersistent::StaticClassInfo())
                                           .Property("Name", &TFormFont::Name, &TFormFont::SetName)
                                           .Property("Size", &TFormFont::Size, &TFormFont::SetSize, 8)
                                           .Property("Style", &TFormFont::Style, &TFormFont::SetStyle,
                                                     TFormFontStyles{})
                                           .Build();
    return info;
}

// One property of every kind of value.
class TSampleComponent : public TComponent {
public:
    OLZ_CLASS_INFO
    using TComponent::TComponent;
    int Count() const { return count_; }
    void SetCount(int count) { count_ = count; }
    std::int64_t Big() const { return big_; }
    void SetBig(std::int64_t big) { big_ = big; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    TFormColor Color() const { return color_; }
    void SetColor(TFormColor color) { color_ = color; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption) { caption_ = caption; }
    double Ratio() const { return ratio_; }
    void SetRatio(double ratio) { ratio_ = ratio; }
    const vcl::Variant& Value() const { return value_; }
    void SetValue(const vcl::Variant& value) { value_ = value; }
    vcl::TStringList& Lines() { return lines_; }
    TFormFont& Font() { return font_; }

private:
    int count_ = 0;
    std::int64_t big_ = 0;
    bool enabled_ = true;
    TFormColor color_ = TFormColor::clRed;
    std::string caption_;
    double ratio_ = 0;
    vcl::Variant value_;
    vcl::TStringList lines_;
    TFormFont font_;
};

const vcl::ClassInfo& TSampleComponent::StaticClassInfo() {
    using C = TSampleComponent;
    static const vcl::ClassInfo info = vcl::ClassBuilder<C>("TSampleComponent", &TComponent::StaticClassInfo())
                                           .Property("Count", &C::Count, &C::SetCount, 0)
                                           .Property("Big", &C::Big, &C::SetBig, 0)
                                           .Property("Enabled", &C::Enabled, &C::SetEnabled, true)
                                           .Property("Color", &C::Color, &C::SetColor, TFormColor::clRed)
                                           .Property("Caption", &C::Caption, &C::SetCaption)
                                           .Property("Ratio", &C::Ratio, &C::SetRatio, 0.0)
                                           .Property("Value", &C::Value, &C::SetValue)
                                           .Object("Lines", &C::Lines)
                                           .Object("Font", &C::Font)
                                           .Creatable()
                                           .Build();
    return info;
}

class TFormItem : public vcl::TCollectionItem {
public:
    OLZ_CLASS_INFO
    using TCollectionItem::TCollectionItem;
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption) { caption_ = caption; }
    int Value() const { return value_; }
    void SetValue(int value) { value_ = value; }

private:
    std::string caption_;
    int value_ = 0;
};

const vcl::ClassInfo& TFormItem::StaticClassInfo() {
    static const vcl::ClassInfo info =
        vcl::ClassBuilder<TFormItem>("TFormItem", &TCollectionItem::StaticClassInfo())
            .Property("Caption", &TFormItem::Caption, &TFormItem::SetCaption)
            .Property("Value", &TFormItem::Value, &TFormItem::SetValue, 0)
            .Build();
    return info;
}

class TFormItems : public vcl::TCollection {
public:
    TFormItems()
        : TCollection(TFormItem::StaticClassInfo(),
                      [](TCollection& owner) { return std::make_unique<TFormItem>(&owner); }) {}
    TFormItem& At(int index) const { return static_cast<TFormItem&>(*Item(index)); }
    int updates = 0;

protected:
    void Update(vcl::TCollectionItem*) override { ++updates; }
};

// Starts with one item of its own, which a stored collection replaces.
class TItemHolder : public TComponent {
public:
    OLZ_CLASS_INFO
    explicit TItemHolder(TComponent* owner) : TComponent(owner) {
        static_cast<TFormItem*>(items_.Add())->SetCaption("default");
        items_.updates = 0;
    }
    TFormItems& Items() { return items_; }

private:
    TFormItems items_;
};

const vcl::ClassInfo& TItemHolder::StaticClassInfo() {
    static const vcl::ClassInfo info = vcl::ClassBuilder<TItemHolder>("TItemHolder", &TComponent::StaticClassInfo())
                                           .Collection("Items", &TItemHolder::Items)
                                           .Creatable()
                                           .Build();
    return info;
}

// Stores its bytes as the binary property "Data", only when there are any.
class TBlob : public TComponent {
public:
    OLZ_CLASS_INFO
    using TComponent::TComponent;
    Bytes data;
    void DefineProperties(vcl::TFiler& filer) override {
        filer.DefineBinaryProperty(
            "Data", [this](const Bytes& bytes) { data = bytes; }, [this] { return data; }, !data.empty());
    }
};

const vcl::ClassInfo& TBlob::StaticClassInfo() {
    static const vcl::ClassInfo info =
        vcl::ClassBuilder<TBlob>("TBlob", &TComponent::StaticClassInfo()).Creatable().Build();
    return info;
}

// A control: its parent holds it in the form definition.
class TFormControl : public TComponent {
public:
    OLZ_CLASS_INFO
    using TComponent::TComponent;
    TComponent* GetParentComponent() const override { return parent_; }
    void SetParentComponent(TComponent* parent) override { parent_ = parent; }

private:
    TComponent* parent_ = nullptr;
};

const vcl::ClassInfo& TFormControl::StaticClassInfo() {
    static const vcl::ClassInfo info =
        vcl::ClassBuilder<TFormControl>("TFormControl", &TComponent::StaticClassInfo()).Creatable().Build();
    return info;
}

// Logs each assignment and its loading state, and when it has loaded.
class TOrderRecorder : public TComponent {
public:
    OLZ_CLASS_INFO
    using TComponent::TComponent;
    int First() const { return 0; }
    void SetFirst(int) { Record("First"); }
    int Second() const { return 0; }
    void SetSecond(int) { Record("Second"); }
    int Third() const { return 0; }
    void SetThird(int) { Record("Third"); }
    void DefineProperties(vcl::TFiler& filer) override {
        filer.DefineProperty(
            "Extra", [this](const PropValue&) { Record("Extra"); }, [] { return PropValue(); }, false);
    }

protected:
    void Loaded() override { EventLog().push_back("Loaded " + Name()); }

private:
    void Record(const std::string& what) { EventLog().push_back(what + (Loading() ? "" : " (not loading)")); }
};

const vcl::ClassInfo& TOrderRecorder::StaticClassInfo() {
    using C = TOrderRecorder;
    static const vcl::ClassInfo info = vcl::ClassBuilder<C>("TOrderRecorder", &TComponent::StaticClassInfo())
                                           .Property("First", &C::First, &C::SetFirst)
                                           .Property("Second", &C::Second, &C::SetSecond)
                                           .Property("Third", &C::Third, &C::SetThird)
                                           .Creatable()
                                           .Build();
    return info;
}

class TTestForm : public TComponent {
public:
    OLZ_CLASS_INFO
    using TComponent::TComponent;

protected:
    void Loaded() override { EventLog().push_back("Loaded " + Name()); }
};

const vcl::ClassInfo& TTestForm::StaticClassInfo() {
    static const vcl::ClassInfo info =
        vcl::ClassBuilder<TTestForm>("TTestForm", &TComponent::StaticClassInfo()).Creatable().Build();
    return info;
}

class TDerivedTestForm : public TTestForm {
public:
    OLZ_CLASS_INFO
    using TTestForm::TTestForm;
};

const vcl::ClassInfo& TDerivedTestForm::StaticClassInfo() {
    static const vcl::ClassInfo info =
        vcl::ClassBuilder<TDerivedTestForm>("TDerivedTestForm", &TTestForm::StaticClassInfo()).Build();
    return info;
}

class FormStream : public testing::Test {
protected:
    static void SetUpTestSuite() {
        for (const vcl::ClassInfo* info :
             {&TSampleComponent::StaticClassInfo(), &TItemHolder::StaticClassInfo(), &TBlob::StaticClassInfo(),
              &TFormControl::StaticClassInfo(), &TOrderRecorder::StaticClassInfo(), &TTestForm::StaticClassInfo(),
              &TDerivedTestForm::StaticClassInfo()})
            vcl::RegisterComponentClass(*info);
    }
    void SetUp() override { EventLog().clear(); }
};

// Byte builders for expected and malformed definitions.
std::string Raw(std::initializer_list<int> bytes) {
    std::string text;
    for (int byte : bytes) text += static_cast<char>(byte);
    return text;
}
std::string Short(std::string_view text) { return static_cast<char>(text.size()) + std::string(text); }
std::string U32(std::uint32_t n) { return Raw({int(n & 0xff), int(n >> 8 & 0xff), int(n >> 16 & 0xff), int(n >> 24)}); }
const std::string kEnd(1, '\0');

std::string Written(TComponent& root) {
    vcl::TMemoryStream stream;
    vcl::WriteComponent(stream, root);
    return {reinterpret_cast<const char*>(stream.Memory()), stream.Size()};
}

std::string Encoded(const ComponentRecord& record) {
    vcl::TMemoryStream stream;
    vcl::EncodeForm(stream, record);
    return {reinterpret_cast<const char*>(stream.Memory()), stream.Size()};
}

ComponentRecord Decoded(const std::string& bytes) {
    vcl::TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), bytes.size());
    stream.SetPosition(0);
    return vcl::DecodeForm(stream);
}

void ReadInto(const std::string& bytes, TComponent& root) {
    vcl::ReadComponent(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), root);
}

// A TTestForm definition holding the given component records.
std::string FormWith(std::vector<ComponentRecord> children) {
    return Encoded({"TTestForm", "Form1", {}, std::move(children)});
}

template <class T>
T& Child(const TComponent& root, const char* name) {
    auto* component = dynamic_cast<T*>(root.FindComponent(name));
    if (!component) throw std::runtime_error(std::string("no ") + name);
    return *component;
}

TEST_F(FormStream, EachValueKindHasItsLayout) {
    struct Case {
        const char* what;
        PropValue value;
        std::string bytes;
    };
    const Case cases[] = {
        {"int8 low", std::int64_t{-128}, Raw({2, 0x80})},
        {"int8 high", std::int64_t{127}, Raw({2, 0x7f})},
        {"int16 above int8", std::int64_t{128}, Raw({3, 0x80, 0})},
        {"int16 below int8", std::int64_t{-129}, Raw({3, 0x7f, 0xff})},
        {"int32 above int16", std::int64_t{32768}, Raw({4, 0, 0x80, 0, 0})},
        {"int32 low", std::int64_t{-2147483647 - 1}, Raw({4, 0, 0, 0, 0x80})},
        {"int64 above int32", std::int64_t{2147483648}, Raw({17, 0, 0, 0, 0x80, 0, 0, 0, 0})},
        {"double", 1.5, Raw({5, 0, 0, 0, 0, 0, 0, 0xf8, 0x3f})},
        {"string", std::string("hi"), Raw({6, 2, 'h', 'i'})},
        {"string of 255", std::string(255, 'x'), Raw({6, 255}) + std::string(255, 'x')},
        {"long string", std::string(256, 'x'), Raw({12}) + U32(256) + std::string(256, 'x')},
        {"identifier", vcl::Ident{"clBlue"}, Raw({7}) + Short("clBlue")},
        {"false", false, Raw({8})},
        {"true", true, Raw({9})},
        {"binary", vcl::Binary{{1, 0, 255}}, Raw({10, 3, 0, 0, 0, 1, 0, 255})},
        {"empty binary", vcl::Binary{}, Raw({10, 0, 0, 0, 0})},
        {"set", vcl::SetValue{{"fsBold", "fsItalic"}}, Raw({11}) + Short("fsBold") + Short("fsItalic") + kEnd},
        {"empty set", vcl::SetValue{}, Raw({11, 0})},
        {"nil", vcl::Nil{}, Raw({13})},
        {"list", vcl::ListValue{{std::int64_t{1}, std::string("a")}}, Raw({1, 2, 1, 6, 1, 'a', 0})},
        {"collection", vcl::CollectionValue{{{{"A", std::int64_t{1}}}, {}}},
         Raw({14, 1}) + Short("A") + Raw({2, 1, 0, 1, 0, 0})},
        {"currency", vcl::Currency{12345}, Raw({15, 0x39, 0x30, 0, 0, 0, 0, 0, 0})},
        {"date", vcl::DateTime{2.0}, Raw({16, 0, 0, 0, 0, 0, 0, 0, 0x40})},
    };
    for (const Case& c : cases) {
        const ComponentRecord record{"TX", "", {{"P", c.value}}, {}};
        const std::string bytes = "OLZF" + Short("TX") + Short("") + Short("P") + c.bytes + kEnd + kEnd;
        EXPECT_EQ(Encoded(record), bytes) << c.what;
        EXPECT_EQ(Decoded(bytes).properties, record.properties) << c.what;
    }
}

TEST_F(FormStream, WriterRefusesWhatTheLayoutCannotHold) {
    const std::pair<ComponentRecord, std::string> cases[] = {
        {{"TX", std::string(256, 'n'), {}, {}}, "Name too long for a form definition: " + std::string(32, 'n') + "..."},
        {{"TX", "", {{"P", vcl::Ident{std::string(256, 'i')}}}, {}},
         "Name too long for a form definition: " + std::string(32, 'i') + "..."},
        {{"TX", "", {{"P", vcl::SetValue{{"a", ""}}}}, {}}, "A set member needs a name"},
        {{"TX", "", {{"", true}}, {}}, "A stored property needs a name"},
        {{"TX", "", {}, {{"", "child", {}, {}}}}, "A stored component needs a class name"},
    };
    for (const auto& [record, message] : cases) {
        try {
            Encoded(record);
            ADD_FAILURE() << "no error for " << message;
        } catch (const vcl::EWriteError& error) {
            EXPECT_EQ(error.Message(), message);
        }
    }
}

// A form with a component of every kind, filled with values that are not the defaults.
void FillForm(TTestForm& form) {
    form.SetName("Form1");
    form.SetTag(7);
    auto* sample = new TSampleComponent(&form);
    sample->SetName("Sample1");
    sample->SetCount(300);
    sample->SetBig(5'000'000'000);
    sample->SetEnabled(false);
    sample->SetColor(TFormColor::clBlue);
    sample->SetCaption(std::string(300, 'c'));
    sample->SetRatio(0.25);
    sample->SetValue(vcl::Currency{12345});
    sample->Lines().SetText("one\ntwo");
    sample->Font().SetName("Courier");
    sample->Font().SetStyle({TFormFontStyle::fsBold, TFormFontStyle::fsUnderline});

    auto* panel = new TFormControl(&form);
    panel->SetName("Panel1");
    auto* timer = new TSampleComponent(&form);  // declared between the panel and its content
    timer->SetName("Timer1");
    timer->SetValue(vcl::DateTime{45000.5});
    auto* label = new TFormControl(&form);
    label->SetName("Label1");
    label->SetParentComponent(panel);

    auto* holder = new TItemHolder(&form);
    holder->SetName("Holder1");
    holder->Items().At(0).SetCaption("first");
    static_cast<TFormItem*>(holder->Items().Add())->SetValue(70000);

    auto* blob = new TBlob(&form);
    blob->SetName("Blob1");
    blob->data = {0, 255, 13, 10};
}

TEST_F(FormStream, ReadingWhatWasWrittenRestoresTheFormAndItsBytes) {
    TTestForm original(nullptr);
    FillForm(original);
    const std::string bytes = Written(original);

    TTestForm form(nullptr);
    ReadInto(bytes, form);
    EXPECT_EQ(form.Name(), "Form1");
    EXPECT_EQ(form.Tag(), 7);
    std::vector<std::string> names;
    for (int i = 0; i < form.ComponentCount(); ++i) names.push_back(form.Components(i)->Name());
    EXPECT_EQ(names, (std::vector<std::string>{"Sample1", "Panel1", "Label1", "Timer1", "Holder1", "Blob1"}));

    auto& sample = Child<TSampleComponent>(form, "Sample1");
    EXPECT_EQ(sample.Count(), 300);
    EXPECT_EQ(sample.Big(), 5'000'000'000);
    EXPECT_FALSE(sample.Enabled());
    EXPECT_EQ(sample.Color(), TFormColor::clBlue);
    EXPECT_EQ(sample.Caption(), std::string(300, 'c'));
    EXPECT_EQ(sample.Ratio(), 0.25);
    EXPECT_EQ(sample.Value(), vcl::Variant(vcl::Currency{12345}));
    EXPECT_EQ(sample.Lines().Text(), "one\r\ntwo\r\n");
    EXPECT_EQ(sample.Font().Name(), "Courier");
    EXPECT_EQ(sample.Font().Style(),
              (TFormFontStyles{TFormFontStyle::fsBold, TFormFontStyle::fsUnderline}));
    EXPECT_EQ(Child<TSampleComponent>(form, "Timer1").Value(), vcl::Variant(vcl::DateTime{45000.5}));
    EXPECT_EQ(Child<TFormControl>(form, "Label1").GetParentComponent(), &Child<TFormControl>(form, "Panel1"));
    EXPECT_EQ(Child<TFormControl>(form, "Panel1").GetParentComponent(), nullptr);
    const TFormItems& items = Child<TItemHolder>(form, "Holder1").Items();
    ASSERT_EQ(items.Count(), 2);
    EXPECT_EQ(items.At(0).Caption(), "first");
    EXPECT_EQ(items.At(1).Value(), 70000);
    EXPECT_EQ(Child<TBlob>(form, "Blob1").data, (Bytes{0, 255, 13, 10}));

    EXPECT_EQ(Written(form), bytes);
}

TEST_F(FormStream, ControlsAreWrittenInsideTheirParent) {
    TTestForm form(nullptr);
    form.SetName("Form1");
    const auto control = [&](const char* name, TComponent* parent) {
        auto* created = new TFormControl(&form);
        created->SetName(name);
        created->SetParentComponent(parent);
        return created;
    };
    TFormControl* outer = control("Outer", nullptr);
    control("Direct", &form);  // a parent that is the root means the root level
    TFormControl* inner = control("Inner", outer);
    control("Deep", inner);
    control("Second", outer);
    TComponent stranger(nullptr);
    control("Adopted", &stranger);  // a parent outside the form: written at the root level

    const ComponentRecord root = Decoded(Written(form));
    const auto shape = [](const ComponentRecord& record, auto& self) -> std::string {
        std::string text = record.name;
        if (record.children.empty()) return text;
        text += "(";
        for (const ComponentRecord& child : record.children)
            text += self(child, self) + (&child == &record.children.back() ? "" : " ");
        return text + ")";
    };
    EXPECT_EQ(shape(root, shape), "Form1(Outer(Inner(Deep) Second) Direct Adopted)");
}

TEST_F(FormStream, DefaultsAreNotWritten) {
    TSampleComponent sample(nullptr);
    sample.SetCount(0);
    sample.SetEnabled(true);
    sample.Font().SetSize(8);
    sample.Lines().Clear();
    EXPECT_EQ(Decoded(Written(sample)).properties, vcl::PropertyList{});

    sample.SetName("Sample");  // the name goes with the record, not as a property
    sample.SetCount(1);
    sample.Font().SetSize(9);
    sample.Lines().Add("x");
    std::vector<std::string> names;
    for (const vcl::NamedValue& property : Decoded(Written(sample)).properties) names.push_back(property.name);
    EXPECT_EQ(names, (std::vector<std::string>{"Count", "Lines.Strings", "Font.Size"}));
}

TEST_F(FormStream, BinaryPropertyIsTagTenWithALittleEndianCount) {
    TBlob blob(nullptr);
    blob.SetName("Blob1");
    const std::string header = "OLZF" + Short("TBlob") + Short("Blob1");
    EXPECT_EQ(Written(blob), header + kEnd + kEnd);  // no bytes: no property

    blob.data.assign(300, 0xab);
    const std::string bytes = Written(blob);
    EXPECT_EQ(bytes, header + Short("Data") + Raw({10, 0x2c, 0x01, 0, 0}) + std::string(300, '\xab') + kEnd + kEnd);

    TBlob read(nullptr);
    read.data = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};  // replaced, not merged
    ReadInto(bytes, read);
    EXPECT_EQ(read.data, Bytes(300, 0xab));
}

TEST_F(FormStream, PropertiesAreAssignedInPublishedOrderThenDefinedOnes) {
    const std::string bytes = FormWith({{"TOrderRecorder",
                                         "Rec1",
                                         {{"Extra", true},
                                          {"Third", std::int64_t{3}},
                                          {"First", std::int64_t{1}},
                                          {"Second", std::int64_t{2}}},
                                         {}},
                                        {"TOrderRecorder", "Rec2", {{"second", std::int64_t{2}}}, {}}});
    TTestForm form(nullptr);
    ReadInto(bytes, form);
    EXPECT_EQ(EventLog(), (std::vector<std::string>{"First", "Second", "Third", "Extra", "Second", "Loaded Rec1",
                                                    "Loaded Rec2", "Loaded Form1"}));
    EXPECT_FALSE(form.Loading());
    EXPECT_FALSE(form.Components(0)->Loading());
}

TEST_F(FormStream, StoredCollectionReplacesTheItemsInOneUpdate) {
    const auto items = [](std::vector<vcl::PropertyList> stored) {
        return Encoded({"TItemHolder", "Holder1", {{"Items", vcl::CollectionValue{std::move(stored)}}}, {}});
    };
    TItemHolder holder(nullptr);
    ReadInto(items({{{"Value", std::int64_t{1}}, {"Caption", std::string("a")}},
                    {},
                    {{"Caption", std::string("c")}}}),
             holder);
    ASSERT_EQ(holder.Items().Count(), 3);
    EXPECT_EQ(holder.Items().At(0).Caption(), "a");
    EXPECT_EQ(holder.Items().At(0).Value(), 1);
    EXPECT_EQ(holder.Items().At(1).Caption(), "");
    EXPECT_EQ(holder.Items().At(2).Caption(), "c");
    EXPECT_EQ(holder.Items().updates, 1);

    TItemHolder emptied(nullptr);
    ReadInto(items({}), emptied);
    EXPECT_EQ(emptied.Items().Count(), 0);
}

TEST_F(FormStream, RootMayDeriveFromTheStoredClass) {
    TDerivedTestForm form(nullptr);
    ReadInto(FormWith({{"TBlob", "Blob1", {}, {}}}), form);
    EXPECT_EQ(form.Name(), "Form1");
    EXPECT_EQ(form.ComponentCount(), 1);
}

TEST_F(FormStream, StreamCarriesFormsOneAfterAnother) {
    TBlob first(nullptr), second(nullptr);
    first.data = {1};
    second.data = {2, 2};
    vcl::TMemoryStream stream;
    vcl::WriteComponent(stream, first);
    vcl::WriteComponent(stream, second);
    stream.SetPosition(0);
    TBlob readFirst(nullptr), readSecond(nullptr);
    vcl::ReadComponent(stream, readFirst);
    vcl::ReadComponent(stream, readSecond);
    EXPECT_EQ(readFirst.data, first.data);
    EXPECT_EQ(readSecond.data, second.data);
    EXPECT_EQ(stream.Remaining(), 0u);
}

// What went wrong, as the caller sees it.
std::string ErrorOf(const std::string& bytes) {
    TTestForm form(nullptr);
    try {
        ReadInto(bytes, form);
    } catch (const vcl::EReadError& error) {
        return "EReadError: " + error.Message();
    } catch (const vcl::EClassNotFound& error) {
        return "EClassNotFound: " + error.Message();
    } catch (const vcl::EComponentError& error) {
        return "EComponentError: " + error.Message();
    }
    return "no error";
}

std::string Nested(int depth, const std::string& open, const std::string& inner, const std::string& close) {
    std::string text = inner;
    for (int i = 0; i < depth; ++i) text = open + text + close;
    return text;
}

TEST_F(FormStream, MalformedDefinitionsRaiseClearErrors) {
    const std::string head = "OLZF" + Short("TTestForm") + Short("Form1");
    const auto property = [&](const std::string& name, const std::string& value) {
        return head + Short(name) + value + kEnd + kEnd;
    };
    const auto cut = [&](const std::string& value) { return head + Short("Tag") + value; };
    const auto sample = [](vcl::PropertyList properties) {
        return FormWith({{"TSampleComponent", "Sample1", std::move(properties), {}}});
    };
    const std::string control = Short("TFormControl") + Short("");
    const std::pair<std::string, std::string> cases[] = {
        {"", "EReadError: Invalid stream format"},
        {"OLZ", "EReadError: Invalid stream format"},
        {"OLZX" + Short("TTestForm"), "EReadError: Invalid stream format"},
        {"OLZF", "EReadError: Stream read error"},
        {"OLZF" + Raw({50}) + "TTest", "EReadError: Stream read error"},
        {head, "EReadError: Stream read error"},
        {head + kEnd, "EReadError: Stream read error"},
        {cut(Raw({4, 1, 2})), "EReadError: Stream read error"},
        {cut(Raw({5, 0, 0, 0, 0, 0, 0, 0xf8})), "EReadError: Stream read error"},
        {cut(Raw({6, 3, 'a', 'b'})), "EReadError: Stream read error"},
        {property("Tag", Raw({99})), "EReadError: Unknown value tag 99"},
        {property("Tag", Raw({0})), "EReadError: Unexpected end of list"},
        {property("Tag", Raw({10}) + U32(0xffffffff) + "abc"), "EReadError: Stream read error"},
        {property("Tag", Raw({12}) + U32(0x7fffffff)), "EReadError: Stream read error"},
        {cut(Raw({11}) + Short("fsBold")), "EReadError: Stream read error"},
        {cut(Raw({1, 9, 9})), "EReadError: Stream read error"},
        {property("Tag", Raw({14, 5})), "EReadError: Invalid collection item tag 5"},
        {property("Tag", Nested(100, Raw({1}), Raw({9}), kEnd)), "EReadError: Form definition nested too deeply"},
        {head + kEnd + Nested(100, control + kEnd, "", kEnd) + kEnd,
         "EReadError: Form definition nested too deeply"},
        {Encoded({"TBlob", "Blob1", {}, {}}), "EReadError: Cannot read a TBlob definition into a TTestForm"},
        {FormWith({{"TNoSuchClass", "X1", {}, {}}}), "EClassNotFound: Class TNoSuchClass not found"},
        {FormWith({{"TDerivedTestForm", "X1", {}, {}}}), "EReadError: Class TDerivedTestForm cannot be created"},
        {sample({{"Bogus", true}}), "EReadError: Error reading Sample1.Bogus: Property Bogus does not exist"},
        {sample({{"Font.Bogus", true}}),
         "EReadError: Error reading Sample1.Font.Bogus: Property Bogus does not exist"},
        {sample({{"Count.Bogus", true}}),
         "EReadError: Error reading Sample1.Count.Bogus: Property Count.Bogus does not exist"},
        {sample({{"Count", std::string("7")}}),
         "EReadError: Error reading Sample1.Count: Invalid property value: integer expected"},
        {sample({{"Count", std::int64_t{1} << 40}}), "EReadError: Error reading Sample1.Count: Invalid property value"},
        {sample({{"Color", vcl::Ident{"clPink"}}}), "EReadError: Error reading Sample1.Color: Invalid property value"},
        {sample({{"Font", std::int64_t{1}}}), "EReadError: Error reading Sample1.Font: Invalid property value"},
        {sample({{"Lines.Strings", vcl::ListValue{{std::int64_t{1}}}}}),
         "EReadError: Error reading Sample1.Lines.Strings: Invalid property value: string expected"},
        {sample({{"Count", std::int64_t{1}}, {"count", std::int64_t{2}}}),
         "EReadError: Error reading Sample1.count: Property count is stored twice"},
        {FormWith({{"TSampleComponent", "", {{"Bogus", true}}, {}}}),
         "EReadError: Error reading TSampleComponent.Bogus: Property Bogus does not exist"},
        {FormWith({{"TBlob", "Blob1", {{"Data", std::string("text")}}, {}}}),
         "EReadError: Error reading Blob1.Data: Invalid property value: binary expected"},
        {FormWith({{"TItemHolder", "Holder1", {{"Items", true}}, {}}}),
         "EReadError: Error reading Holder1.Items: Invalid property value: collection expected"},
        {FormWith({{"TItemHolder", "Holder1", {{"Items", vcl::CollectionValue{{{}, {{"Bogus", true}}}}}}, {}}}),
         "EReadError: Error reading Holder1.Items[1].Bogus: Property Bogus does not exist"},
        {FormWith({{"TBlob", "Same", {}, {}}, {"TBlob", "same", {}, {}}}),
         "EComponentError: A component named same already exists"},
        {FormWith({{"TBlob", "not valid", {}, {}}}), "EComponentError: 'not valid' is not a valid component name"},
    };
    for (const auto& [bytes, expected] : cases) EXPECT_EQ(ErrorOf(bytes), expected) << testing::PrintToString(bytes);
}

TEST_F(FormStream, ComponentsCreatedBeforeAnErrorStayWithTheRoot) {
    TTestForm form(nullptr);
    const std::string bytes =
        FormWith({{"TFormControl", "Panel1", {}, {{"TOrderRecorder", "Rec1", {{"First", std::int64_t{1}}}, {}}}},
                  {"TBlob", "Blob1", {{"Bogus", true}}, {}},
                  {"TBlob", "Blob2", {}, {}}});
    EXPECT_THROW(ReadInto(bytes, form), vcl::EReadError);
    ASSERT_EQ(form.ComponentCount(), 3);
    EXPECT_EQ(form.Components(2)->Name(), "Blob1");
    EXPECT_EQ(EventLog(), (std::vector<std::string>{"First"}));  // nothing was told it had loaded
    EXPECT_TRUE(form.Components(1)->Loading());
}

}  // namespace
