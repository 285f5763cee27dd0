#pragma once
// The menu bar of a skinned frame: the form's main menu laid out in a row, painted in the
// style, each entry opening its items as an owner-drawn popup menu with the menu's images.
#include <windows.h>

#include <vector>

#include "platform/skin/SkinStyle.h"
#include "platform/vcl/win/Menus.h"

namespace vcl::skin {

class MenuBar {
public:
    // The entries' rectangles in `bar` (window coordinates), above its bottom line.
    std::vector<RECT> Layout(const TMainMenu& menu, HFONT font, RECT bar) const;
    // The entry at `point`, or -1.
    int EntryAt(const TMainMenu& menu, HFONT font, RECT bar, POINT point) const;
    void Paint(HDC dc, const TMainMenu& menu, HFONT font, RECT bar, const TSkinStyle& style, int hotEntry) const;
    // The entry whose caption has `key` after its '&', or -1.
    int EntryForKey(const TMainMenu& menu, char key) const;
    // Shows the entry's items below `entryOnScreen` and waits for a choice; the chosen item's
    // command, or 0. `owner` gets the owner-draw messages.
    UINT Open(const TMainMenu& menu, int entry, HWND owner, RECT entryOnScreen, const TSkinStyle& style) const;

    // WM_MEASUREITEM and WM_DRAWITEM of an owner-drawn popup item.
    void MeasureItem(MEASUREITEMSTRUCT& item, HFONT font) const;
    void DrawItem(const DRAWITEMSTRUCT& item, HFONT font, const TSkinStyle& style) const;
    // WM_MENUCHAR of an open popup: owner-drawn items carry no text for the system to match a
    // letter against, so the letter after the caption's '&' is looked up here.
    LRESULT MenuChar(HMENU popup, char key) const;

private:
    std::vector<const TMenuItem*> Entries(const TMainMenu& menu) const;
};

}  // namespace vcl::skin
