#include "platform/skin/SuiPageControl.h"

#include "platform/skin/SkinPaint.h"

namespace vcl {

const ClassInfo& TsuiPageControl::StaticClassInfo() {
    static const ClassInfo info =
        ClassBuilder<TsuiPageControl>("TsuiPageControl", &TPageControl::StaticClassInfo())
            .Property("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, true)
            .Property("UIStyle", &TsuiPageControl::UIStyle, &TsuiPageControl::SetUIStyle, TsuiUIStyle::MacOS)
            .Property("OnChange", &TsuiPageControl::OnChange, &TsuiPageControl::SetOnChange)
            .Property("OnChanging", &TsuiPageControl::OnChanging, &TsuiPageControl::SetOnChanging)
            .Creatable()
            .Build();
    return info;
}

TsuiPageControl::TsuiPageControl(TComponent* owner) : TPageControl(owner) { SetTabStop(true); }

int TsuiPageControl::TabHeight() const { return skin::TextSize(Font().Handle(), "Wg").cy + 8; }

bool TsuiPageControl::HasTabs() const {
    for (int i = 0; i < PageCount(); ++i)
        if (Pages(i)->TabVisible()) return true;
    return false;
}

RECT TsuiPageControl::ClientArea() const {
    if (!HasTabs()) return TPageControl::ClientArea();
    return RECT{1, TabHeight() + 1, Width() - 1, Height() - 1};
}

TTabSheet* TsuiPageControl::PageOfTab(int tab) const {
    for (int i = 0; i < PageCount(); ++i) {
        if (!Pages(i)->TabVisible()) continue;
        if (tab-- == 0) return Pages(i);
    }
    return nullptr;
}

int TsuiPageControl::TabOfPage(const TTabSheet* page) const {
    int tab = 0;
    for (int i = 0; i < PageCount(); ++i) {
        if (!Pages(i)->TabVisible()) continue;
        if (Pages(i) == page) return tab;
        ++tab;
    }
    return -1;
}

void TsuiPageControl::CreateParams(TCreateParams& params) {
    TPageControl::CreateParams(params);
    params.className = WC_TABCONTROLA;
    params.ownClass = false;
    params.style |= WS_CLIPCHILDREN;
}

void TsuiPageControl::InitializeHandle() { FillTabs(); }

void TsuiPageControl::FillTabs() {
    if (!HandleAllocated()) return;
    HWND window = Handle();
    SendMessageA(window, TCM_DELETEALLITEMS, 0, 0);
    SendMessageA(window, TCM_SETITEMSIZE, 0, win::PointParam(0, TabHeight()));
    int tab = 0;
    for (int i = 0; i < PageCount(); ++i) {
        if (!Pages(i)->TabVisible()) continue;
        const std::string caption = Pages(i)->Caption();
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(caption.c_str());
        SendMessageA(window, TCM_INSERTITEMA, static_cast<WPARAM>(tab++), reinterpret_cast<LPARAM>(&item));
    }
    SendMessageA(window, TCM_SETCURSEL, static_cast<WPARAM>(TabOfPage(ActivePage())), 0);
    Invalidate();
}

void TsuiPageControl::PagesChanged() {
    FillTabs();
    Realign();
}

void TsuiPageControl::ActivePageChanged() {
    if (HandleAllocated()) SendMessageA(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(TabOfPage(ActivePage())), 0);
}

void TsuiPageControl::FontChanged() {
    TPageControl::FontChanged();
    PagesChanged();
}

bool TsuiPageControl::HandleReflected(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (message != WM_NOTIFY) return false;
    switch (reinterpret_cast<const NMHDR*>(lParam)->code) {
        case TCN_SELCHANGING: {
            bool allowChange = true;
            onChanging_(this, allowChange);
            result = allowChange ? FALSE : TRUE;
            return true;
        }
        case TCN_SELCHANGE: {
            const auto tab = static_cast<int>(SendMessageA(Handle(), TCM_GETCURSEL, 0, 0));
            SetActivePage(PageOfTab(tab));
            onChange_(this);
            result = 0;
            return true;
        }
        default: return false;
    }
}

LRESULT TsuiPageControl::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND: return 1;
        case WM_PAINT: {
            const win::PaintDc paint(Handle());
            Paint(paint.Get());
            return 0;
        }
        default: return TPageControl::WndProc(message, wParam, lParam);
    }
}

void TsuiPageControl::Paint(HDC dc) {
    const TSkinStyle& style = Skin();
    HWND window = Handle();
    RECT client;
    GetClientRect(window, &client);
    skin::Fill(dc, client, BackgroundRGB());
    if (!HasTabs()) return;

    RECT area = ClientArea();
    InflateRect(&area, 1, 1);
    skin::Fill(dc, area, style.background);
    skin::Frame(dc, area, style.border);

    const auto selected = static_cast<int>(SendMessageA(window, TCM_GETCURSEL, 0, 0));
    const auto count = static_cast<int>(SendMessageA(window, TCM_GETITEMCOUNT, 0, 0));
    const bool focused = GetFocus() == window;
    for (int tab = 0; tab < count; ++tab) {
        RECT rect;
        SendMessageA(window, TCM_GETITEMRECT, static_cast<WPARAM>(tab), reinterpret_cast<LPARAM>(&rect));
        rect.top = 0;
        rect.bottom = area.top + 1;
        const bool current = tab == selected;
        if (!current) rect.top += 2;
        skin::DrawTab(dc, rect, style, current);
        if (current) {
            const RECT join{rect.left + 1, area.top, rect.right - 1, area.top + 1};
            skin::Fill(dc, join, style.background);
        }
        const TTabSheet* page = PageOfTab(tab);
        const std::string caption = page ? page->Caption() : std::string();
        RECT label = rect;
        if (current) label.top += style.tabMarkHeight;
        skin::DrawLabel(dc, label, caption, Font().Handle(),
                        !Enabled() ? style.disabledText : current ? style.text : style.faceText,
                        DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        if (current && focused) {
            RECT ring = rect;
            InflateRect(&ring, -3, -3);
            SetTextColor(dc, style.text);
            DrawFocusRect(dc, &ring);
        }
    }
}

const ClassInfo& TsuiTabSheet::StaticClassInfo() {
    static const ClassInfo info =
        ClassBuilder<TsuiTabSheet>("TsuiTabSheet", &TTabSheet::StaticClassInfo()).Creatable().Build();
    return info;
}

COLORREF TsuiTabSheet::BackgroundRGB() const {
    if (const auto* pages = dynamic_cast<const TsuiPageControl*>(PageControl())) return pages->Skin().background;
    return TTabSheet::BackgroundRGB();
}

}  // namespace vcl
