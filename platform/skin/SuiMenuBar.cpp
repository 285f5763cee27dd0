#include "platform/skin/SuiMenuBar.h"

#include <cctype>

#include "platform/skin/SkinPaint.h"
#include "platform/vcl/win/Graphics.h"

namespace vcl::skin {

namespace {

constexpr int kEntryPadding = 8;
constexpr int kItemHeight = 22;
constexpr int kSeparatorHeight = 7;
constexpr int kIconColumn = 26;

}  // namespace

std::vector<const TMenuItem*> MenuBar::Entries(const TMainMenu& menu) const {
    std::vector<const TMenuItem*> entries;
    for (int i = 0; i < menu.Items().Count(); ++i)
        if (menu.Items().Items(i)->Visible()) entries.push_back(menu.Items().Items(i));
    return entries;
}

std::vector<RECT> MenuBar::Layout(const TMainMenu& menu, HFONT font, RECT bar) const {
    std::vector<RECT> rects;
    int x = bar.left + 2;
    for (const TMenuItem* entry : Entries(menu)) {
        const int width = TextSize(font, entry->Caption()).cx + 2 * kEntryPadding;
        rects.push_back(RECT{x, bar.top, x + width, bar.bottom - 1});
        x += width;
    }
    return rects;
}

int MenuBar::EntryAt(const TMainMenu& menu, HFONT font, RECT bar, POINT point) const {
    const std::vector<RECT> rects = Layout(menu, font, bar);
    for (std::size_t i = 0; i < rects.size(); ++i)
        if (PtInRect(&rects[i], point)) return static_cast<int>(i);
    return -1;
}

void MenuBar::Paint(HDC dc, const TMainMenu& menu, HFONT font, RECT bar, const TSkinStyle& style,
                    int hotEntry) const {
    FillGradient(dc, bar, style.menuBarTop, style.menuBarBottom);
    const RECT line{bar.left, bar.bottom - 1, bar.right, bar.bottom};
    Fill(dc, line, style.border);
    const std::vector<const TMenuItem*> entries = Entries(menu);
    const std::vector<RECT> rects = Layout(menu, font, bar);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const bool hot = static_cast<int>(i) == hotEntry;
        if (hot) Fill(dc, rects[i], style.selection);
        const COLORREF color = !entries[i]->Enabled() ? style.disabledText : hot ? style.selectionText : style.menuBarText;
        DrawLabel(dc, rects[i], entries[i]->Caption(), font, color, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}

namespace {

bool HasMnemonic(const std::string& caption, char key) {
    const auto lower = [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); };
    const auto amp = caption.find('&');
    return amp != std::string::npos && amp + 1 < caption.size() && lower(caption[amp + 1]) == lower(key);
}

}  // namespace

int MenuBar::EntryForKey(const TMainMenu& menu, char key) const {
    const std::vector<const TMenuItem*> entries = Entries(menu);
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (HasMnemonic(entries[i]->Caption(), key)) return static_cast<int>(i);
    return -1;
}

LRESULT MenuBar::MenuChar(HMENU popup, char key) const {
    const int count = GetMenuItemCount(popup);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_DATA | MIIM_STATE;
        if (!GetMenuItemInfoA(popup, static_cast<UINT>(i), TRUE, &info) || (info.fState & MFS_DISABLED) != 0) continue;
        const auto* item = reinterpret_cast<const TMenuItem*>(info.dwItemData);
        if (item && !item->IsSeparator() && HasMnemonic(item->Caption(), key))
            return MAKELRESULT(static_cast<WORD>(i), MNC_EXECUTE);
    }
    return MAKELRESULT(0, MNC_IGNORE);
}

UINT MenuBar::Open(const TMainMenu& menu, int entry, HWND owner, RECT entryOnScreen, const TSkinStyle& style) const {
    const std::vector<const TMenuItem*> entries = Entries(menu);
    if (entry < 0 || entry >= static_cast<int>(entries.size())) return 0;
    const win::UniqueMenu popup = menu.BuildPopup(*entries[static_cast<std::size_t>(entry)], true);
    MENUINFO info{};
    info.cbSize = sizeof info;
    info.fMask = MIM_BACKGROUND | MIM_APPLYTOSUBMENUS;
    info.hbrBack = win::SolidBrush(style.field);
    SetMenuInfo(popup.Get(), &info);
    return static_cast<UINT>(TrackPopupMenu(popup.Get(), TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON,
                                            entryOnScreen.left, entryOnScreen.bottom, 0, owner, nullptr));
}

void MenuBar::MeasureItem(MEASUREITEMSTRUCT& item, HFONT font) const {
    const auto* menuItem = reinterpret_cast<const TMenuItem*>(item.itemData);
    if (menuItem->IsSeparator()) {
        item.itemWidth = 16;
        item.itemHeight = kSeparatorHeight;
        return;
    }
    item.itemWidth = static_cast<UINT>(kIconColumn + TextSize(font, menuItem->Caption()).cx + 32);
    item.itemHeight = kItemHeight;
}

void MenuBar::DrawItem(const DRAWITEMSTRUCT& item, HFONT font, const TSkinStyle& style) const {
    const auto* menuItem = reinterpret_cast<const TMenuItem*>(item.itemData);
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const bool disabled = (item.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
    RECT rect = item.rcItem;
    Fill(item.hDC, rect, selected && !disabled ? style.selection : style.field);
    if (menuItem->IsSeparator()) {
        const int middle = (rect.top + rect.bottom) / 2;
        const RECT line{rect.left + kIconColumn, middle, rect.right - 4, middle + 1};
        Fill(item.hDC, line, style.border);
        return;
    }
    const TMainMenu* menu = menuItem->Menu();
    if (menu && menu->Images())
        menu->Images()->Draw(item.hDC, rect.left + (kIconColumn - menu->Images()->Width()) / 2,
                             rect.top + (rect.bottom - rect.top - menu->Images()->Height()) / 2,
                             menuItem->ImageIndex(), !disabled);
    rect.left += kIconColumn + 4;
    DrawLabel(item.hDC, rect, menuItem->Caption(), font,
              disabled ? style.disabledText : selected ? style.selectionText : style.text,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE);
}

}  // namespace vcl::skin
