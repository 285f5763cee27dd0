#include "tests/gui/GuiTest.h"

#include "platform/skin/RegisterSkin.h"

namespace guitest {

namespace {

struct ChildQuery {
    std::string className;
    std::string text;
    HWND found = nullptr;
};

BOOL CALLBACK MatchChild(HWND window, LPARAM param) {
    auto& query = *reinterpret_cast<ChildQuery*>(param);
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpiA(className, query.className.c_str()) == 0 && WindowText(window) == query.text) {
        query.found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

GuiTest::GuiTest() {
    vcl::RegisterSkinClasses();
    app.SetTitle("GUI Tests");
}

void GuiTest::PressKey(HWND window, WORD key) {
    PostMessageA(window, WM_KEYDOWN, key, 1);
    PostMessageA(window, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
    Pump();
}

HWND FindChild(HWND parent, const std::string& className, const std::string& text) {
    ChildQuery query{className, text};
    EnumChildWindows(parent, &MatchChild, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

std::string WindowText(HWND window) {
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

}  // namespace guitest
