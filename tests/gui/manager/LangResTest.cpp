// The language component on the System Manager's real window, in process under Wine: the
// template it writes for a translator and the texts it puts back on the window.
#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "common/CommonClasses.h"
#include "langres/SMLFormLangRes.h"
#include "manager/FMain.h"
#include "platform/skin/SuiRadioGroup.h"
#include "platform/skin/SuiRadioButton.h"
#include "platform/skin/SuiTreeView.h"
#include "platform/vcl/IniFiles.h"
#include "platform/vcl/win/Label.h"
#include "platform/vcl/win/Menus.h"
#include "platform/vcl/win/RegisterControls.h"
#include "settings/Settings.h"
#include "tests/gui/GuiTest.h"

namespace {

std::string ProgramFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

std::string SystemIni() {
    char folder[MAX_PATH] = {};
    GetSystemDirectoryA(folder, MAX_PATH);
    return std::string(folder) + "\\Orlenza.ini";
}

// The text of a top-level node of a tree view window.
std::string TreeItemText(HWND tree, int index) {
    auto item = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    for (int i = 0; i < index && item; ++i)
        item = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)));
    char text[256] = {};
    TVITEMA query{};
    query.mask = TVIF_TEXT;
    query.hItem = item;
    query.pszText = text;
    query.cchTextMax = sizeof text;
    SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&query));
    return text;
}

// A value as the profile functions give it back: without outer blanks.
std::string AsRead(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

class ManagerLangRes : public guitest::GuiTest {
protected:
    ManagerLangRes() {
        app.SetTitle("Manager Language Tests");
        vcl::RegisterControlClasses();
        RegisterSettingsClasses();
        RegisterCommonClasses();
        RegisterLangResClasses();
        RegisterManagerClasses();
        DeleteFileA(langFile.c_str());
        form = std::make_unique<TMainFrm>(nullptr);
        form->Show();
        Pump();
    }
    ~ManagerLangRes() override {
        form.reset();
        DeleteFileA(langFile.c_str());
        if (!hadConfig) DeleteFileA(SystemIni().c_str());  // the window's start-up made it
    }

    TsmlFormLangRes& LangRes() { return Get<TsmlFormLangRes>("smlFormLangRes"); }
    template <class T>
    T& Get(const char* name) {
        auto* found = dynamic_cast<T*>(form->FindComponent(name));
        if (!found) throw vcl::EComponentError(std::string("no ") + name);
        return *found;
    }

    std::string langFile = ProgramFolder() + "DefLang.ini";
    bool hadConfig = FileExists(SystemIni());
    std::unique_ptr<TMainFrm> form;
};

TEST_F(ManagerLangRes, AutoCreateWithoutAFileWritesATemplateOfTheWholeWindow) {
    TsmlFormLangRes& res = LangRes();
    ASSERT_FALSE(res.Active()) << "stored inactive";
    ASSERT_FALSE(FileExists(langFile));
    res.SetAutoCreateMode(true);
    res.SetActive(true);
    ASSERT_TRUE(FileExists(langFile));
    EXPECT_EQ(res.LangFilePath(), langFile);

    vcl::TIniFile file(langFile);
    std::vector<std::string> keys;
    file.ReadSection("TMainFrm", keys);
    ASSERT_GE(keys.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(keys.begin(), keys.begin() + 4),
              (std::vector<std::string>{"TMainFrm_FontName", "TMainFrm_FontSize", "TMainFrm_FontCharset",
                                        "TMainFrm_Caption"}));
    EXPECT_EQ(file.ReadString("TMainFrm", "TMainFrm_FontName", ""), "Tahoma");
    EXPECT_EQ(file.ReadString("TMainFrm", "TMainFrm_FontSize", ""), "8");
    EXPECT_EQ(file.ReadString("TMainFrm", "TMainFrm_FontCharset", ""), "1");
    EXPECT_EQ(file.ReadString("TMainFrm", "TMainFrm_Caption", ""), "Orlenza System Manager");

    // Texts a translator must see, as the window shows them.
    const std::pair<const char*, const char*> samples[] = {
        {"suiTSLogon_Caption", "Logon Settings"},
        {"suiTSMaster_Caption", "Master Settings"},
        {"suiBLogonClose_Caption", "Close"},
        {"suiRGVoiceAssist_Items[0]", "Disable Voice Assistance"},
        {"suiCBTheme_Items[3]", "Protein"},
        {"suiCBLanguage_Items[5]", "Portuguese"},
        {"suiAbout_Caption", "About Orlenza"},
    };
    for (const auto& [key, text] : samples) EXPECT_EQ(file.ReadString("TMainFrm", key, "<absent>"), text) << key;

    // One key per caption and per list item of every component but the menu's, each with the
    // current text; nothing else.
    std::size_t expected = 4;
    for (int i = 0; i < form->ComponentCount(); ++i) {
        vcl::TComponent& component = *form->Components(i);
        if (dynamic_cast<vcl::TMenuItem*>(&component) || &component == &res) continue;
        if (const vcl::PropInfo* caption = component.ClassType().FindProperty("Caption")) {
            ++expected;
            EXPECT_EQ(file.ReadString("TMainFrm", component.Name() + "_Caption", "<absent>"),
                      AsRead(caption->get(component).As<std::string>()))
                << component.Name();
        }
        if (component.ClassType().FindProperty("Items") && component.ClassType().FindProperty("Items")->kind ==
                                                               vcl::PropKind::Object) {
            auto* items = dynamic_cast<vcl::TStringList*>(&vcl::GetObjectProp(component, "Items"));
            ASSERT_NE(items, nullptr) << component.Name();
            for (int j = 0; j < items->Count(); ++j, ++expected)
                EXPECT_EQ(file.ReadString("TMainFrm", component.Name() + "_Items[" + std::to_string(j) + "]", "<absent>"),
                          AsRead((*items)[j]));
        }
    }
    EXPECT_EQ(keys.size(), expected);
    for (const std::string& key : keys) EXPECT_NE(key.rfind("MO", 0), 0u) << "a menu item's key: " << key;
}

TEST_F(ManagerLangRes, AFileOfTranslatedTextsChangesTheWindowButNotTheMenu) {
    const std::string section =
        "[TMainFrm]\r\n"
        "TMainFrm_Caption=Orlenza Systemverwaltung\r\n"
        "LLockout_Caption=<OK>\r\n"
        "suiRGVoiceAssist_Items[1]=Sprachhilfe einschalten\r\n"
        "suiTSEngine_Caption=<Motor\r\n"
        "suiBLogonClose_Caption=Schliessen\r\n"
        "MOExit_Caption=Beenden\r\n"
        "MOFile_Caption=Datei\r\n"
        "suiTVLogon_ItemText[1]=Wiedergabe des Stimmabdrucks\r\n";
    HANDLE out = CreateFileA(langFile.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(out, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(out, section.data(), static_cast<DWORD>(section.size()), &written, nullptr);
    CloseHandle(out);

    const std::size_t startErrors = app.errors.size();  // the window's start-up may report its own
    LangRes().SetIncludeTreeViewItems(true);
    LangRes().SetActive(true);  // stored with AutoCreateMode false: nothing is written
    Pump();

    EXPECT_EQ(guitest::WindowText(form->Handle()), "Orlenza Systemverwaltung");
    EXPECT_EQ(guitest::WindowText(Get<vcl::TLabel>("LLockout").Handle()), "OK");
    auto& group = Get<vcl::TsuiRadioGroup>("suiRGVoiceAssist");
    EXPECT_EQ(guitest::WindowText(group.Button(1).Handle()), "Sprachhilfe einschalten");
    EXPECT_EQ(group.Items()[0], "Disable Voice Assistance");
    EXPECT_EQ(guitest::WindowText(Get<vcl::TWinControl>("suiTSEngine").Handle()), "<Motor");
    EXPECT_EQ(guitest::WindowText(Get<vcl::TWinControl>("suiBLogonClose").Handle()), "Schliessen");
    auto& tree = Get<vcl::TsuiTreeView>("suiTVLogon");
    EXPECT_EQ(TreeItemText(tree.Handle(), 1), "Wiedergabe des Stimmabdrucks");
    EXPECT_EQ(TreeItemText(tree.Handle(), 0), "Voice Assistance");
    EXPECT_EQ(Get<vcl::TMenuItem>("MOExit").Caption(), "&Exit");
    EXPECT_EQ(Get<vcl::TMenuItem>("MOFile").Caption(), "&File");

    std::string bytes(section.size() + 16, '\0');
    HANDLE in = CreateFileA(langFile.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(in, INVALID_HANDLE_VALUE);
    DWORD read = 0;
    ReadFile(in, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(in);
    EXPECT_EQ(bytes.substr(0, read), section);
    EXPECT_EQ(app.errors.size(), startErrors);
}

}  // namespace
