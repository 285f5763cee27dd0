// The language components on a small test form: the template they write, the texts they put
// back, and where they stop. The form's classes stand in for the framework's controls by their
// class names, which is how the components tell them apart.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "langres/SMLFormLangRes.h"
#include "langres/SMLPublic.h"
#include "platform/os/Os.h"
#include "platform/os/sim/SimOs.h"
#include "platform/vcl/Collection.h"
#include "platform/vcl/DataModule.h"
#include "platform/vcl/FileNames.h"
#include "platform/vcl/FormRecord.h"
#include "platform/vcl/FormStream.h"
#include "platform/vcl/FormText.h"
#include "platform/vcl/IniFiles.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestFont.h"

using testing_support::ReadFileBytes;
using testing_support::WriteFileBytes;
using vcl::ClassBuilder;
using vcl::ClassInfo;
using vcl::TComponent;

namespace {

// ---- The test form's classes -------------------------------------------------------------------

// A grid column's title.
class TTestTitle : public vcl::TPersistent {
public:
    OLZ_CLASS_INFO
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption) { caption_ = caption; }

private:
    std::string caption_;
};

const ClassInfo& TTestTitle::StaticClassInfo() {
    static const ClassInfo info = ClassBuilder<TTestTitle>("TColumnTitle", &TPersistent::StaticClassInfo())
                                      .Property("Caption", &TTestTitle::Caption, &TTestTitle::SetCaption)
                                      .Build();
    return info;
}

// One item class for every collection of the form; each collection publishes what its kind has.
class TTestItem : public vcl::TCollectionItem {
public:
    TTestItem(vcl::TCollection* collection, const ClassInfo& info) : TCollectionItem(collection), info_(info) {}
    const ClassInfo& ClassType() const override { return info_; }

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption) { caption_ = caption; }
    vcl::TStringList& SubItems() { return subItems_; }
    TTestTitle& Title() { return title_; }

    static const ClassInfo& Column() {  // list-view column, list-view item
        static const ClassInfo info = ClassBuilder<TTestItem>("TListItemLike", &TCollectionItem::StaticClassInfo())
                                          .Property("Caption", &TTestItem::Caption, &TTestItem::SetCaption)
                                          .Object("SubItems", &TTestItem::SubItems)
                                          .Build();
        return info;
    }
    static const ClassInfo& Node() {  // tree node, header section
        static const ClassInfo info = ClassBuilder<TTestItem>("TTextItem", &TCollectionItem::StaticClassInfo())
                                          .Property("Text", &TTestItem::Caption, &TTestItem::SetCaption)
                                          .Build();
        return info;
    }
    static const ClassInfo& GridColumn() {
        static const ClassInfo info = ClassBuilder<TTestItem>("TColumn", &TCollectionItem::StaticClassInfo())
                                          .Object("Title", &TTestItem::Title)
                                          .Build();
        return info;
    }

private:
    const ClassInfo& info_;
    std::string caption_;
    vcl::TStringList subItems_;
    TTestTitle title_;
};

class TTestItems : public vcl::TCollection {
public:
    explicit TTestItems(const ClassInfo& itemInfo)
        : TCollection(itemInfo, [&itemInfo](vcl::TCollection& c) { return std::make_unique<TTestItem>(&c, itemInfo); }) {}
    TTestItem& Add(const std::string& caption, std::vector<std::string> subItems = {}) {
        auto& item = static_cast<TTestItem&>(*TCollection::Add());
        item.SetCaption(caption);
        item.Title().SetCaption(caption);
        for (const std::string& sub : subItems) item.SubItems().Add(sub);
        return item;
    }
};

// Every control of the form, under the class information of the kind it plays.
class TTestControl : public TComponent {
public:
    TTestControl(TComponent* owner, const ClassInfo& info, const std::string& name) : TComponent(owner), info_(&info) {
        SetName(name);
    }
    const ClassInfo& ClassType() const override { return *info_; }

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption) { caption_ = caption; }
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint) { hint_ = hint; }
    vcl::TStringList& Items() { return items_; }
    TTestItems& Columns() { return columns_; }
    TTestItems& ListItems() { return listItems_; }
    TTestItems& Nodes() { return nodes_; }
    TTestItems& GridColumns() { return gridColumns_; }
    testing_support::TTestFont& Font() { return font_; }

    // Kinds of control, by the class names the language component knows.
    static const ClassInfo& Kind(const char* className) {
        static std::map<std::string, std::unique_ptr<ClassInfo>> kinds;
        auto& info = kinds[className];
        if (!info) info = std::make_unique<ClassInfo>(Describe(className));
        return *info;
    }

private:
    static ClassInfo Describe(const std::string& className) {
        ClassBuilder<TTestControl> builder(className, &TComponent::StaticClassInfo());
        builder.Property("Caption", &TTestControl::Caption, &TTestControl::SetCaption);
        builder.Property("Hint", &TTestControl::Hint, &TTestControl::SetHint);
        if (className == "TListView") {
            builder.Collection("Columns", &TTestControl::Columns).Collection("Items", &TTestControl::ListItems);
        } else if (className == "TTreeView") {
            builder.Collection("Items", &TTestControl::Nodes);
        } else if (className == "THeaderControl") {
            builder.Collection("Sections", &TTestControl::Nodes);
        } else if (className == "TDBGrid") {
            builder.Collection("Columns", &TTestControl::GridColumns);
        } else {
            builder.Object("Items", &TTestControl::Items);
        }
        return builder.Build();
    }

    const ClassInfo* info_;
    std::string caption_;
    std::string hint_;
    vcl::TStringList items_;
    TTestItems columns_{TTestItem::Column()};
    TTestItems listItems_{TTestItem::Column()};
    TTestItems nodes_{TTestItem::Node()};
    TTestItems gridColumns_{TTestItem::GridColumn()};
    testing_support::TTestFont font_;
};

// Form classes: TCustomForm <- TForm <- TLangTestFrm, and a form that is not a TForm.
class TTestForm : public TComponent {
public:
    TTestForm(TComponent* owner, const ClassInfo& info) : TComponent(owner), info_(&info) {}
    const ClassInfo& ClassType() const override { return *info_; }

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption) { caption_ = caption; }
    testing_support::TTestFont& Font() { return font_; }

    static const ClassInfo& CustomForm() {
        static const ClassInfo info = ClassBuilder<TTestForm>("TCustomForm", &TComponent::StaticClassInfo())
                                          .Property("Caption", &TTestForm::Caption, &TTestForm::SetCaption)
                                          .Object("Font", &TTestForm::Font)
                                          .Build();
        return info;
    }
    static const ClassInfo& Form() {
        static const ClassInfo info = ClassBuilder<TTestForm>("TForm", &CustomForm()).Build();
        return info;
    }
    static const ClassInfo& TestFrm() {
        static const ClassInfo info = ClassBuilder<TTestForm>("TLangTestFrm", &Form()).Build();
        return info;
    }

private:
    const ClassInfo* info_;
    std::string caption_;
    testing_support::TTestFont font_;
};

// A label class that form definitions can create.
class TTestLabel : public TTestControl {
public:
    OLZ_CLASS_INFO
    explicit TTestLabel(TComponent* owner) : TTestControl(owner, StaticClassInfo(), "") {}
};

const ClassInfo& TTestLabel::StaticClassInfo() {
    static const ClassInfo info =
        ClassBuilder<TTestLabel>("TLabel", &TComponent::StaticClassInfo())
            .Property("Caption", &TTestControl::Caption, &TTestControl::SetCaption)
            .Creatable()
            .Build();
    return info;
}

// ---- Fixture -----------------------------------------------------------------------------------

using Entries = std::vector<std::pair<std::string, std::string>>;

// The file's text for one section of entries, as the profile functions write it.
std::string SectionText(const std::string& section, const Entries& entries) {
    std::string text = "[" + section + "]\r\n";
    for (const auto& [key, value] : entries) text += key + "=" + value + "\r\n";
    return text;
}

class LangRes : public ::testing::Test {
protected:
    LangRes() {
        sim.system.SetModuleFileName(dir.file("olzconsole.exe"));
        form.SetName("LangTestFrm");
        form.SetCaption("Test Window");
        Control("TLabel", "Label1").SetCaption("Name:");
        auto& group = Control("TRadioGroup", "RG1");
        group.SetCaption("Mode");
        for (const char* item : {"Off", "On", "Auto"}) group.Items().Add(item);
        Control("TMenuItem", "MOExit").SetCaption("&Exit");
        Control("TTimer", "Timer1").SetCaption("tick");
        Control("TSplitter", "Splitter1").SetCaption("split");
        auto& list = Control("TListView", "LV1");
        list.SetCaption("never");
        list.Columns().Add("File");
        list.Columns().Add("Size");
        list.ListItems().Add("a.wav", {"12", "wave"});
        auto& tree = Control("TTreeView", "TV1");
        tree.SetCaption("Tree");
        tree.Nodes().Add("Root");
        tree.Nodes().Add("Leaf");
        Control("THeaderControl", "HC1").Nodes().Add("Left");
        Control("TDBGrid", "Grid1").GridColumns().Add("Title");
        Control("TButton", "Button1").SetCaption("");
    }

    TTestControl& Control(const char* className, const char* name) {
        return *new TTestControl(&form, TTestControl::Kind(className), name);
    }
    TTestControl& Named(const char* name) { return *dynamic_cast<TTestControl*>(form.FindComponent(name)); }

    // The component as the manager stores it, in auto-create mode unless told otherwise.
    TsmlFormLangRes& LangResComponent(bool autoCreate = true) {
        auto* res = new TsmlFormLangRes(&form);
        res->SetName("smlFormLangRes");
        res->SetLangFileName("DefLang.ini");
        res->SetIgnoreEmptyString(false);
        res->SetAutoCreateMode(autoCreate);
        return *res;
    }

    std::string FileText() const { return ReadFileBytes(langFile); }

    testing_support::TempDir dir;
    os::sim::SimOs sim;
    os::BackendScope scope{sim.backend()};
    std::string langFile = dir.file("DefLang.ini");
    TTestForm form{nullptr, TTestForm::TestFrm()};
};

// ---- Tests -------------------------------------------------------------------------------------

TEST_F(LangRes, AutoCreateWritesATemplateOfEveryTextInComponentOrder) {
    TsmlFormLangRes& res = LangResComponent();
    res.SetIncludeListViewItems(true);
    res.SetIncludeTreeViewItems(true);
    res.SetActive(true);

    const Entries expected{
        {"TLangTestFrm_FontName", "Tahoma"},
        {"TLangTestFrm_FontSize", "8"},
        {"TLangTestFrm_FontCharset", "1"},
        {"TLangTestFrm_Caption", "Test Window"},
        {"Label1_Caption", "Name:"},
        {"RG1_Caption", "Mode"},
        {"RG1_Items[0]", "Off"},
        {"RG1_Items[1]", "On"},
        {"RG1_Items[2]", "Auto"},
        {"LV1_ColumnCaption[0]", "File"},
        {"LV1_ColumnCaption[1]", "Size"},
        {"LV1_ItemCaption[0]", "a.wav"},
        {"LV1_SubItem[0]Caption[0]", "12"},
        {"LV1_SubItem[0]Caption[1]", "wave"},
        {"TV1_ItemText[0]", "Root"},
        {"TV1_ItemText[1]", "Leaf"},
        {"HC1_SectionsText[0]", "Left"},
        {"Grid1_ColumnsCaption[0]", "Title"},
        {"Button1_Caption", ""},
    };
    EXPECT_EQ(FileText(), SectionText("TLangTestFrm", expected));
    EXPECT_EQ(res.LangFilePath(), langFile);
}

TEST_F(LangRes, TreeViewsWithoutTheirItemsAndListViewsWithoutTheirItemsKeepTheRestOfTheRules) {
    TsmlFormLangRes& res = LangResComponent();
    res.SetActive(true);
    const std::string text = FileText();
    EXPECT_NE(text.find("TV1_Caption=Tree\r\n"), std::string::npos);  // a tree view as any control
    EXPECT_EQ(text.find("TV1_ItemText"), std::string::npos);
    EXPECT_NE(text.find("LV1_ColumnCaption[1]=Size\r\n"), std::string::npos);
    for (const char* absent : {"LV1_Caption", "LV1_ItemCaption", "LV1_SubItem", "MOExit", "Timer1", "Splitter1",
                               "smlFormLangRes"})
        EXPECT_EQ(text.find(absent), std::string::npos) << absent;
}

TEST_F(LangRes, AppliesStoredTextsUnbracketingOnlyWhatIsWrappedWhole) {
    struct Case {
        const char* key;
        const char* stored;
        const char* component;  // null: the form
        const char* expected;
    };
    const Case cases[] = {
        {"TLangTestFrm_Caption", "Testfenster", nullptr, "Testfenster"},
        {"Label1_Caption", "<OK>", "Label1", "OK"},
        {"RG1_Caption", "<OK", "RG1", "<OK"},
        {"Button1_Caption", "<>", "Button1", ""},
        {"TV1_Caption", "a<b>", "TV1", "a<b>"},
    };
    Entries stored;
    for (const Case& c : cases) stored.emplace_back(c.key, c.stored);
    stored.emplace_back("RG1_Items[1]", "<Ein>");
    WriteFileBytes(langFile, SectionText("TLangTestFrm", stored));

    LangResComponent(false).SetActive(true);

    for (const Case& c : cases) {
        const std::string actual = c.component ? Named(c.component).Caption() : form.Caption();
        EXPECT_EQ(actual, c.expected) << c.key;
    }
    EXPECT_EQ(Named("RG1").Items()[0], "Off");
    EXPECT_EQ(Named("RG1").Items()[1], "Ein");
    EXPECT_EQ(FileText(), SectionText("TLangTestFrm", stored));  // nothing written without auto-create
}

TEST_F(LangRes, AutoCreateFillsEmptyKeysButNeverRewritesATextAndBracketsWhatItWrites) {
    WriteFileBytes(langFile, SectionText("TLangTestFrm", {{"TLangTestFrm_Caption", ""}, {"Label1_Caption", "Nom :"}}));
    TsmlFormLangRes& res = LangResComponent();
    res.SetAddBracket(true);
    res.SetActive(true);

    vcl::TIniFile file(langFile);
    EXPECT_EQ(file.ReadString("TLangTestFrm", "TLangTestFrm_Caption", "?"), "<Test Window>");
    EXPECT_EQ(file.ReadString("TLangTestFrm", "Label1_Caption", "?"), "Nom :");
    EXPECT_EQ(file.ReadString("TLangTestFrm", "TLangTestFrm_FontName", "?"), "<Tahoma>");
    EXPECT_EQ(file.ReadString("TLangTestFrm", "TLangTestFrm_FontSize", "?"), "8");  // numbers never bracketed
    EXPECT_EQ(Named("Label1").Caption(), "Nom :");

    // The bracketed template reads back as the plain texts.
    form.SetCaption("changed");
    res.SetActive(true);
    EXPECT_EQ(form.Caption(), "Test Window");
}

TEST_F(LangRes, IgnoreEmptyStringLeavesEmptyTextsOutOfTheTemplate) {
    TsmlFormLangRes& res = LangResComponent();
    res.SetIgnoreEmptyString(true);
    res.SetActive(true);
    EXPECT_EQ(FileText().find("Button1_Caption"), std::string::npos);
    EXPECT_NE(FileText().find("Label1_Caption=Name:\r\n"), std::string::npos);
}

TEST_F(LangRes, FontKeys) {
    struct Case {
        const char* name;
        Entries stored;
        std::string fontName;
        int size;
        int charset;
        Entries rewritten;  // what auto-create leaves in the file
    };
    const Case cases[] = {
        {"all set", {{"TLangTestFrm_FontName", "<Arial>"}, {"TLangTestFrm_FontSize", "10"}, {"TLangTestFrm_FontCharset", "0"}},
         "Arial", 10, 0,
         {{"TLangTestFrm_FontName", "<Arial>"}, {"TLangTestFrm_FontSize", "10"}, {"TLangTestFrm_FontCharset", "0"}}},
        {"zero size and -1 charset count as unset",
         {{"TLangTestFrm_FontSize", "0"}, {"TLangTestFrm_FontCharset", "-1"}}, "Tahoma", 8, 1,
         {{"TLangTestFrm_FontSize", "8"}, {"TLangTestFrm_FontCharset", "1"}, {"TLangTestFrm_FontName", "Tahoma"}}},
        {"unreadable numbers count as unset", {{"TLangTestFrm_FontSize", "big"}, {"TLangTestFrm_FontCharset", "x"}},
         "Tahoma", 8, 1,
         {{"TLangTestFrm_FontSize", "8"}, {"TLangTestFrm_FontCharset", "1"}, {"TLangTestFrm_FontName", "Tahoma"}}},
        {"a charset beyond a byte is left alone", {{"TLangTestFrm_FontCharset", "300"}}, "Tahoma", 8, 1,
         {{"TLangTestFrm_FontCharset", "300"}, {"TLangTestFrm_FontName", "Tahoma"}, {"TLangTestFrm_FontSize", "8"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form.Font().SetName("Tahoma");
        form.Font().SetSize(8);
        form.Font().SetCharset(1);
        WriteFileBytes(langFile, SectionText("TLangTestFrm", c.stored));
        auto& res = LangResComponent();
        res.SetIgnoreFormCaption(true);
        res.StringProperties().Clear();
        res.StringsProperties().Clear();
        res.SetActive(true);
        EXPECT_EQ(form.Font().Name(), c.fontName);
        EXPECT_EQ(form.Font().Size(), c.size);
        EXPECT_EQ(form.Font().Charset(), c.charset);
        const std::string expected = SectionText("TLangTestFrm", c.rewritten);
        EXPECT_EQ(FileText().substr(0, expected.size()), expected);
        delete &res;
    }
}

TEST_F(LangRes, IgnoreControlsComparesNamesExactlyAndIgnoreFormCaptionOnlyTheFormsCaption) {
    TsmlFormLangRes& res = LangResComponent();
    res.IgnoreControls().Add("label1");
    res.IgnoreControls().Add("RG1");
    res.SetIgnoreFormCaption(true);
    res.SetActive(true);
    const std::string text = FileText();
    EXPECT_NE(text.find("Label1_Caption=Name:\r\n"), std::string::npos);  // other letter case: not ignored
    EXPECT_EQ(text.find("RG1_"), std::string::npos);
    EXPECT_EQ(text.find("TLangTestFrm_Caption"), std::string::npos);
    EXPECT_NE(text.find("TLangTestFrm_FontName"), std::string::npos);
}

TEST_F(LangRes, PropertiesNamedInTheListsAreTranslatedWhereTheyExist) {
    TsmlFormLangRes& res = LangResComponent();
    Named("Label1").SetHint("Your name");
    res.StringProperties().Clear();
    res.StringProperties().Add("Hint");
    res.StringProperties().Add("NoSuchProperty");
    res.StringProperties().Add("Items");  // a list is no string: passed over
    res.StringsProperties().Clear();
    res.StringsProperties().Add("Caption");  // a string is no list: passed over
    res.SetActive(true);
    EXPECT_EQ(FileText(), SectionText("TLangTestFrm", {{"TLangTestFrm_FontName", "Tahoma"},
                                                       {"TLangTestFrm_FontSize", "8"},
                                                       {"TLangTestFrm_FontCharset", "1"},
                                                       {"Label1_Hint", "Your name"},
                                                       {"RG1_Hint", ""},
                                                       {"LV1_ColumnCaption[0]", "File"},
                                                       {"LV1_ColumnCaption[1]", "Size"},
                                                       {"TV1_Hint", ""},
                                                       {"HC1_SectionsText[0]", "Left"},
                                                       {"Grid1_ColumnsCaption[0]", "Title"},
                                                       {"Button1_Hint", ""}}));
}

TEST_F(LangRes, TranslatesAgainWheneverAnOptionOrListChangesWhileActive) {
    TsmlFormLangRes& res = LangResComponent(false);
    res.SetActive(true);
    WriteFileBytes(langFile, SectionText("TLangTestFrm", {{"Label1_Caption", "A"}}));

    using Step = std::pair<const char*, std::function<void()>>;
    const std::vector<Step> triggers{
        {"LangFileName", [&] { res.SetLangFileName("DefLang.ini"); }},
        {"IgnoreEmptyString", [&] { res.SetIgnoreEmptyString(false); }},
        {"AutoCreateMode", [&] { res.SetAutoCreateMode(false); }},
        {"IgnoreFormCaption", [&] { res.SetIgnoreFormCaption(false); }},
        {"IncludeListViewItems", [&] { res.SetIncludeListViewItems(false); }},
        {"IncludeTreeViewItems", [&] { res.SetIncludeTreeViewItems(false); }},
        {"Active", [&] { res.SetActive(true); }},
        {"StringProperties", [&] { res.StringProperties().SetText("Caption"); }},
        {"StringsProperties", [&] {
             vcl::TStringList names{"Items"};
             res.SetStringsProperties(names);
         }},
        {"IgnoreControls", [&] { res.IgnoreControls().Add("Nothing"); }},
    };
    for (const auto& [name, trigger] : triggers) {
        Named("Label1").SetCaption("x");
        trigger();
        EXPECT_EQ(Named("Label1").Caption(), "A") << name;
    }

    Named("Label1").SetCaption("x");
    res.SetAddBracket(true);  // not an option that translates
    EXPECT_EQ(Named("Label1").Caption(), "x");
    res.SetActive(false);
    res.SetLangFileName("DefLang.ini");
    EXPECT_EQ(Named("Label1").Caption(), "x");
}

TEST_F(LangRes, LangFileNameIsAFileInTheProgramsFolder) {
    TsmlFormLangRes& res = LangResComponent();
    EXPECT_EQ(res.LangFileName(), "DefLang.ini");
    sim.system.SetModuleFileName("C:\\Program Files\\Orlenza\\olzconsole.exe");
    res.SetLangFileName("German.ini");
    EXPECT_EQ(res.LangFilePath(), "C:\\Program Files\\Orlenza\\German.ini");
    EXPECT_EQ(res.LangFileName(), "German.ini");

    // Made in code, the component starts on the same folder.
    TsmlFormLangRes fresh(&form);
    EXPECT_EQ(fresh.LangFilePath(), "C:\\Program Files\\Orlenza\\DefLang.ini");
    EXPECT_EQ(fresh.LangFileName(), "DefLang.ini");
}

TEST_F(LangRes, OwnerMustBeAFormOrADataModule) {
    TTestForm customForm(nullptr, TTestForm::CustomForm());
    vcl::TDataModule dataModule(nullptr);
    TComponent plain(nullptr);

    EXPECT_NO_THROW(TsmlFormLangRes{&customForm});
    EXPECT_NO_THROW(TsmlFormLangRes{&dataModule});
    for (TComponent* owner : {&plain, static_cast<TComponent*>(nullptr)}) {
        try {
            TsmlFormLangRes res(owner);
            ADD_FAILURE() << "no exception";
        } catch (const vcl::Exception& error) {
            EXPECT_EQ(error.Message(), "Owner must be a Form or a DataModule!");
        }
    }
    EXPECT_EQ(plain.ComponentCount(), 0);  // a refused component leaves its owner's list

    // A data module has nothing to translate: no file is made.
    TsmlFormLangRes onModule(&dataModule);
    onModule.SetActive(true);
    EXPECT_FALSE(std::filesystem::exists(langFile));
}

TEST_F(LangRes, AFormThatIsNoOrdinaryFormIsKeyedByItsName) {
    TTestForm customForm(nullptr, TTestForm::CustomForm());
    customForm.SetName("Dialog1");
    customForm.SetCaption("Hello");
    TsmlFormLangRes res(&customForm);
    res.SetActive(true);
    EXPECT_EQ(FileText(), SectionText("TCustomForm", {{"Dialog1_FontName", "Tahoma"},
                                                      {"Dialog1_FontSize", "8"},
                                                      {"Dialog1_FontCharset", "1"},
                                                      {"Dialog1_Caption", "Hello"}}));
}

TEST_F(LangRes, AFailingWriteStopsTranslationKeepingWhatWasApplied) {
    WriteFileBytes(langFile, SectionText("TLangTestFrm", {{"TLangTestFrm_FontName", "Courier"},
                                                          {"TLangTestFrm_Caption", "Fenster"}}));
    sim.profile.DenyWrites(langFile);
    TsmlFormLangRes& res = LangResComponent();
    try {
        res.SetActive(true);
        ADD_FAILURE() << "no exception";
    } catch (const vcl::Exception& error) {
        EXPECT_EQ(error.Message(), "Unable to write to " + langFile);
    }
    EXPECT_EQ(form.Font().Name(), "Courier");    // applied before the font size's write failed
    EXPECT_EQ(form.Caption(), "Test Window");    // not reached
    EXPECT_TRUE(res.Active());
}

// Stored with a form, the component translates when Active is read, reaching only what the
// form's definition created before it.
TEST_F(LangRes, ActiveInADefinitionTranslatesTheComponentsReadBeforeIt) {
    vcl::RegisterComponentClass(TTestLabel::StaticClassInfo());
    RegisterLangResClasses();
    WriteFileBytes(langFile, SectionText("TLangTestFrm", {{"Before_Caption", "Vorher"}, {"After_Caption", "Nachher"}}));

    vcl::ComponentRecord root{"TLangTestFrm", "LangTestFrm", {{"Caption", std::string("Window")}}, {}};
    root.children.push_back({"TLabel", "Before", {{"Caption", std::string("before")}}, {}});
    root.children.push_back({"TsmlFormLangRes",
                             "smlFormLangRes",
                             {{"LangFileName", std::string("DefLang.ini")},
                              {"AutoCreateMode", false},
                              {"Active", true}},
                             {}});
    root.children.push_back({"TLabel", "After", {{"Caption", std::string("after")}}, {}});
    vcl::TMemoryStream stream;
    vcl::EncodeForm(stream, root);
    stream.SetPosition(0);

    TTestForm loaded(nullptr, TTestForm::TestFrm());
    vcl::ReadComponent(stream, loaded);
    EXPECT_EQ(dynamic_cast<TTestControl&>(*loaded.FindComponent("Before")).Caption(), "Vorher");
    EXPECT_EQ(dynamic_cast<TTestControl&>(*loaded.FindComponent("After")).Caption(), "after");
}

// The manager's window carries the component inactive, as it stores it; and every property is
// stored, defaults or not.
TEST_F(LangRes, TheManagersStoredComponentReadsBackInactiveAndEveryPropertyIsStored) {
    RegisterLangResClasses();
#ifdef _WIN32
    const std::string path = "Z:" OLZ_SOURCE_DIR "/manager/FMain.olzform";  // Wine's drive for the host's files
#else
    const std::string path = OLZ_SOURCE_DIR "/manager/FMain.olzform";
#endif
    const vcl::ComponentRecord manager =
        vcl::ParseFormText(ReadFileBytes(path), [](const std::string&) { return std::vector<std::uint8_t>{}; });
    const vcl::ComponentRecord* stored = nullptr;
    for (const vcl::ComponentRecord& child : manager.children)
        if (child.name == "smlFormLangRes") stored = &child;
    ASSERT_NE(stored, nullptr);

    vcl::TMemoryStream in;
    vcl::EncodeForm(in, vcl::ComponentRecord{"TLangTestFrm", "LangTestFrm", {}, {*stored}});
    in.SetPosition(0);
    TTestForm loaded(nullptr, TTestForm::TestFrm());
    vcl::ReadComponent(in, loaded);
    auto& res = dynamic_cast<TsmlFormLangRes&>(*loaded.FindComponent("smlFormLangRes"));
    EXPECT_FALSE(res.Active());
    EXPECT_FALSE(res.AutoCreateMode());
    EXPECT_FALSE(res.IgnoreEmptyString());
    EXPECT_FALSE(res.AddBracket());
    EXPECT_EQ(res.LangFileName(), "DefLang.ini");
    EXPECT_EQ(res.StringProperties().CommaText(), "Caption");
    EXPECT_EQ(res.StringsProperties().CommaText(), "Tabs,Items");
    EXPECT_EQ(res.IgnoreControls().Count(), 0);
    EXPECT_FALSE(std::filesystem::exists(langFile));

    // Written out again, every published property is there, in published order.
    vcl::TMemoryStream out;
    vcl::WriteComponent(out, loaded);
    out.SetPosition(0);
    std::vector<std::string> names;
    const vcl::ComponentRecord written = vcl::DecodeForm(out);
    for (const vcl::NamedValue& value : written.children.at(0).properties) names.push_back(value.name);
    EXPECT_EQ(names, (std::vector<std::string>{"LangFileName", "IgnoreEmptyString", "AutoCreateMode", "AddBracket",
                                               "StringProperties.Strings", "StringsProperties.Strings",
                                               "IgnoreFormCaption", "IncludeListViewItems", "IncludeTreeViewItems",
                                               "Active"}));
}

TEST(LangResPublic, KeyNamesAndFileNameParts) {
    struct Case {
        std::string actual;
        const char* expected;
    };
    const Case cases[] = {
        {sml::PropertyKey("TMainFrm", "Caption"), "TMainFrm_Caption"},
        {sml::IndexedKey("RG1", "Items", 2), "RG1_Items[2]"},
        {sml::IndexedKey("LV1", "ColumnCaption", 10), "LV1_ColumnCaption[10]"},
        {sml::SubItemKey("LV1", 3, 0), "LV1_SubItem[3]Caption[0]"},
        {vcl::ExtractFilePath("C:\\Orlenza\\olzconsole.exe"), "C:\\Orlenza\\"},
        {vcl::ExtractFilePath("C:olz.exe"), "C:"},
        {vcl::ExtractFilePath("olz.exe"), ""},
        {vcl::ExtractFileName("C:\\Orlenza\\DefLang.ini"), "DefLang.ini"},
        {vcl::ExtractFileName("sub\\German.ini"), "German.ini"},
        {sml::Unbracket("<"), "<"},
        {sml::Unbracket(">x<"), ">x<"},
        {sml::Unbracket("<<x>>"), "<x>"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.actual, c.expected);
}

}  // namespace
