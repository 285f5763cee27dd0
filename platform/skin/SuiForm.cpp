#include "platform/skin/SuiForm.h"

#include <algorithm>

#include "platform/skin/SkinPaint.h"

namespace vcl {

namespace {

constexpr int kBorder = 1;
constexpr int kBoxSize = 18;
constexpr int kIconSize = 16;

}  // namespace

const ClassInfo& TsuiForm::StaticClassInfo() {
    static const ClassInfo info =
        ClassBuilder<TsuiForm>("TsuiForm", &TWinControl::StaticClassInfo())
            .Property("Align", &TControl::Align, &TControl::SetAlign, TAlign::alClient)
            .Property("BorderIcons", &TsuiForm::BorderIcons, &TsuiForm::SetBorderIcons,
                      TBorderIcons{TBorderIcon::biSystemMenu, TBorderIcon::biMinimize, TBorderIcon::biMaximize})
            .Object("CaptionFont", &TsuiForm::CaptionFont)
            .Property("ShowAppIcon", &TsuiForm::ShowAppIcon, &TsuiForm::SetShowAppIcon, true)
            .Property("UIStyle", &TsuiForm::UIStyle, &TsuiForm::SetUIStyle, TsuiUIStyle::MacOS)
            .Creatable()
            .Build();
    return info;
}

TsuiForm::TsuiForm(TComponent* owner) : TWinControl(owner) {
    SetAlign(TAlign::alClient);
    captionFont_.SetStyle(TFontStyles{TFontStyle::fsBold});
    captionFont_.SetColor(clDefault);
    captionFont_.OnChange = [this] { RepaintFrame(); };
}

TsuiForm::~TsuiForm() {
    // Still on the form that knows it as its frame: the form outlives the frame.
    if (registeredWith_ && Parent() == registeredWith_) registeredWith_->SetFrame(nullptr);
}

void TsuiForm::SetParent(TWinControl* parent) {
    if (registeredWith_) registeredWith_->SetFrame(nullptr);
    registeredWith_ = nullptr;
    TWinControl::SetParent(parent);
    if (auto* form = dynamic_cast<TForm*>(parent)) {
        registeredWith_ = form;
        form->SetFrame(this);
    }
}

TForm* TsuiForm::HostForm() const { return registeredWith_; }

const TMainMenu* TsuiForm::Menu() const { return registeredWith_ ? registeredWith_->Menu() : nullptr; }

void TsuiForm::SetBorderIcons(TBorderIcons icons) {
    borderIcons_ = icons;
    RepaintFrame();
}

void TsuiForm::SetShowAppIcon(bool show) {
    showAppIcon_ = show;
    RepaintFrame();
}

int TsuiForm::TopInset() const { return kBorder + Skin().titleHeight + (Menu() ? Skin().menuBarHeight : 0); }

RECT TsuiForm::ClientArea() const {
    return RECT{0, 0, Width() - 2 * kBorder, Height() - TopInset() - kBorder};
}

RECT TsuiForm::TitleRect() const { return RECT{kBorder, kBorder, Width() - kBorder, kBorder + Skin().titleHeight}; }

RECT TsuiForm::MenuBarRect() const {
    const RECT title = TitleRect();
    if (!Menu()) return RECT{title.left, title.bottom, title.right, title.bottom};
    return RECT{title.left, title.bottom, title.right, title.bottom + Skin().menuBarHeight};
}

RECT TsuiForm::IconRect() const {
    const RECT title = TitleRect();
    const int top = title.top + (title.bottom - title.top - kIconSize) / 2;
    if (!showAppIcon_ || !borderIcons_.Contains(TBorderIcon::biSystemMenu)) return RECT{title.left, top, title.left, top};
    return RECT{title.left + 5, top, title.left + 5 + kIconSize, top + kIconSize};
}

RECT TsuiForm::BoxRect(Part box) const {
    const RECT title = TitleRect();
    const int top = title.top + (title.bottom - title.top - kBoxSize) / 2;
    int right = title.right - 4;
    const bool systemMenu = borderIcons_.Contains(TBorderIcon::biSystemMenu);
    // From the right: close, maximise, minimise, each only when shown.
    const std::pair<Part, bool> boxes[] = {
        {Part::Close, systemMenu},
        {Part::Maximize, systemMenu && borderIcons_.Contains(TBorderIcon::biMaximize)},
        {Part::Minimize, systemMenu && borderIcons_.Contains(TBorderIcon::biMinimize)},
    };
    for (const auto& [part, shown] : boxes) {
        if (!shown) continue;
        const RECT rect{right - kBoxSize, top, right, top + kBoxSize};
        if (part == box) return rect;
        right -= kBoxSize + 2;
    }
    return RECT{right, top, right, top};  // not shown: empty, where the caption ends
}

TsuiForm::Part TsuiForm::PartAt(POINT point) const {
    const RECT window{0, 0, Width(), Height()};
    if (!PtInRect(&window, point)) return Part::None;
    const RECT menuBar = MenuBarRect();
    if (PtInRect(&menuBar, point)) return Part::MenuBar;
    const RECT title = TitleRect();
    if (PtInRect(&title, point)) {
        for (Part box : {Part::Close, Part::Maximize, Part::Minimize}) {
            const RECT rect = BoxRect(box);
            if (PtInRect(&rect, point)) return box;
        }
        const RECT icon = IconRect();
        return PtInRect(&icon, point) ? Part::SystemMenu : Part::Caption;
    }
    const RECT client{kBorder, TopInset(), Width() - kBorder, Height() - kBorder};
    return PtInRect(&client, point) ? Part::None : Part::Border;
}

POINT TsuiForm::ScreenToWindowPoint(LPARAM screen) const {
    RECT window;
    GetWindowRect(ExistingHandle(), &window);
    return POINT{win::LowSigned(screen) - window.left, win::HighSigned(screen) - window.top};
}

COLORREF TsuiForm::TitleColor() const {
    return captionFont_.Color() == clDefault ? Skin().titleText : ColorToRGB(captionFont_.Color());
}

const TSkinStyle& TsuiForm::MenuSkin() const {
    if (const auto* skinned = dynamic_cast<const TSkinned*>(Menu())) return skinned->Skin();
    return Skin();
}

std::string TsuiForm::TitleText() const {
    const std::string own = Caption();
    if (!own.empty() || !registeredWith_) return own;
    return registeredWith_->Caption();
}

void TsuiForm::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.style |= WS_CLIPCHILDREN;
    params.exStyle |= WS_EX_CONTROLPARENT;
}

void TsuiForm::MenuChanged() {
    if (HandleAllocated())
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Realign();
    RepaintFrame();
}

bool TsuiForm::OpenMenuByKey(char key) {
    const TMainMenu* menu = Menu();
    const int entry = menu ? menuBar_.EntryForKey(*menu, key) : -1;
    if (entry < 0) return false;
    OpenMenu(entry);
    return true;
}

void TsuiForm::TextChanged() {
    TWinControl::TextChanged();
    RepaintFrame();
}

void TsuiForm::UIStyleChanged() {
    MenuChanged();  // the style's bar heights may differ
    Invalidate();
}

void TsuiForm::RepaintFrame() {
    if (HandleAllocated()) RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
}

void TsuiForm::PaintFrame(HDC dc) {
    const TSkinStyle& style = Skin();
    skin::Frame(dc, RECT{0, 0, Width(), Height()}, style.border);
    const RECT title = TitleRect();
    skin::DrawTitleBar(dc, title, style);
    if (!Menu()) skin::Fill(dc, RECT{title.left, title.bottom - 1, title.right, title.bottom}, style.titleLine);

    const RECT icon = IconRect();
    if (icon.right > icon.left) {
        HWND form = registeredWith_ ? registeredWith_->Handle() : nullptr;
        auto appIcon = form ? reinterpret_cast<HICON>(GetClassLongPtrA(form, GCLP_HICON)) : nullptr;
        if (!appIcon) appIcon = LoadIconA(nullptr, IDI_APPLICATION);
        DrawIconEx(dc, icon.left, icon.top, appIcon, kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
    }
    RECT text{icon.right + 6, title.top, BoxRect(Part::None).right - 4, title.bottom};
    UINT align = DT_LEFT;
    if (style.centredTitle) {
        // Centred on the whole bar, as far from the icon as from the boxes.
        const int margin = std::max(text.left - title.left, title.right - text.right);
        text.left = title.left + margin;
        text.right = title.right - margin;
        align = DT_CENTER;
    }
    const UINT format = align | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX;
    if (style.gloss) {
        // A shadow keeps the caption readable where it crosses the bright half.
        RECT shadow = text;
        OffsetRect(&shadow, 1, 1);
        skin::DrawLabel(dc, shadow, TitleText(), captionFont_.Handle(), skin::Mix(style.titleTop, RGB(0, 0, 0), 45),
                        format);
    }
    skin::DrawLabel(dc, text, TitleText(), captionFont_.Handle(), TitleColor(), format);
    for (Part box : {Part::Minimize, Part::Maximize, Part::Close}) PaintBox(dc, box);

    if (const TMainMenu* menu = Menu())
        menuBar_.Paint(dc, *menu, Font().Handle(), MenuBarRect(), MenuSkin(), hot_ == Part::MenuBar ? hotEntry_ : -1);
}

void TsuiForm::PaintBox(HDC dc, Part box) {
    const RECT rect = BoxRect(box);
    if (rect.right <= rect.left) return;
    const skin::FaceState state = pressed_ == box && pressedInside_ ? skin::FaceState::Pressed
                                  : hot_ == box                    ? skin::FaceState::Hot
                                                                   : skin::FaceState::Normal;
    const skin::Glyph glyph = box == Part::Close      ? skin::Glyph::Close
                              : box == Part::Maximize ? skin::Glyph::Maximize
                                                      : skin::Glyph::Minimize;
    skin::DrawTitleBox(dc, rect, Skin(), glyph, state);
}

void TsuiForm::SetHot(Part part, int entry) {
    if (part == hot_ && entry == hotEntry_) return;
    if (hot_ == Part::None && part != Part::None) {
        TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE | TME_NONCLIENT, Handle(), 0};
        TrackMouseEvent(&track);
    }
    hot_ = part;
    hotEntry_ = entry;
    RepaintFrame();
}

void TsuiForm::ShowSystemMenu(POINT screenPoint) {
    if (!registeredWith_) return;
    HWND form = registeredWith_->Handle();
    HMENU systemMenu = GetSystemMenu(form, FALSE);
    if (!systemMenu) return;
    const auto command = static_cast<WPARAM>(TrackPopupMenu(systemMenu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN,
                                                            screenPoint.x, screenPoint.y, 0, form, nullptr));
    if (command) PostMessageA(form, WM_SYSCOMMAND, command, 0);
}

void TsuiForm::OpenMenu(int entry) {
    const TMainMenu* menu = Menu();
    if (!menu || !registeredWith_) return;
    const std::vector<RECT> entries = menuBar_.Layout(*menu, Font().Handle(), MenuBarRect());
    if (entry < 0 || entry >= static_cast<int>(entries.size())) return;
    RECT window;
    GetWindowRect(Handle(), &window);
    RECT onScreen = entries[static_cast<std::size_t>(entry)];
    OffsetRect(&onScreen, window.left, window.top);
    hot_ = Part::MenuBar;
    hotEntry_ = entry;
    RepaintFrame();
    const UINT command = menuBar_.Open(*menu, entry, Handle(), onScreen, MenuSkin());
    hot_ = Part::None;
    hotEntry_ = -1;
    RepaintFrame();
    if (command) PostMessageA(registeredWith_->Handle(), WM_COMMAND, command, 0);
}

bool TsuiForm::HandlePress(Part part, POINT point) {
    RECT window;
    GetWindowRect(Handle(), &window);
    switch (part) {
        case Part::Caption:
            // The form moves as if its own caption were dragged.
            ReleaseCapture();
            if (registeredWith_)
                SendMessageA(registeredWith_->Handle(), WM_NCLBUTTONDOWN, HTCAPTION,
                             win::PointParam(window.left + point.x, window.top + point.y));
            return true;
        case Part::SystemMenu: {
            const RECT icon = IconRect();
            ShowSystemMenu(POINT{window.left + icon.left, window.top + TitleRect().bottom});
            return true;
        }
        case Part::Minimize:
        case Part::Maximize:
        case Part::Close:
            pressed_ = part;
            pressedInside_ = true;
            SetCapture(Handle());
            RepaintFrame();
            return true;
        case Part::MenuBar:
            if (const TMainMenu* menu = Menu()) OpenMenu(menuBar_.EntryAt(*menu, Font().Handle(), MenuBarRect(), point));
            return true;
        default: return false;
    }
}

void TsuiForm::FinishPress(POINT point) {
    const Part part = pressed_;
    const RECT box = BoxRect(part);
    const bool inside = PtInRect(&box, point) != FALSE;
    pressed_ = Part::None;
    ReleaseCapture();
    RepaintFrame();
    if (!inside || !registeredWith_) return;
    HWND form = registeredWith_->Handle();
    const WPARAM command = part == Part::Close      ? SC_CLOSE
                           : part == Part::Minimize ? SC_MINIMIZE
                           : IsZoomed(form)         ? SC_RESTORE
                                                    : SC_MAXIMIZE;
    PostMessageA(form, WM_SYSCOMMAND, command, 0);
}

LRESULT TsuiForm::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCCALCSIZE: {
            RECT& rect = *reinterpret_cast<RECT*>(lParam);  // also the first of NCCALCSIZE_PARAMS
            rect.left += kBorder;
            rect.right -= kBorder;
            rect.top += TopInset();
            rect.bottom -= kBorder;
            if (rect.bottom < rect.top) rect.bottom = rect.top;
            if (rect.right < rect.left) rect.right = rect.left;
            return 0;
        }
        case WM_NCPAINT: {
            const win::WindowDc dc(Handle(), win::WindowDc::Area::Window);
            PaintFrame(dc.Get());
            return 0;
        }
        case WM_NCHITTEST:
            switch (PartAt(ScreenToWindowPoint(lParam))) {
                case Part::Border: return HTBORDER;
                case Part::SystemMenu: return HTSYSMENU;
                case Part::Caption: return HTCAPTION;
                case Part::Minimize: return HTMINBUTTON;
                case Part::Maximize: return HTMAXBUTTON;
                case Part::Close: return HTCLOSE;
                case Part::MenuBar: return HTMENU;
                default: return HTCLIENT;
            }
        case WM_NCLBUTTONDOWN:
            if (HandlePress(PartAt(ScreenToWindowPoint(lParam)), ScreenToWindowPoint(lParam))) return 0;
            break;
        case WM_NCLBUTTONDBLCLK:
            if (PartAt(ScreenToWindowPoint(lParam)) == Part::SystemMenu && registeredWith_) {
                PostMessageA(registeredWith_->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
                return 0;
            }
            return 0;
        case WM_NCRBUTTONUP:
            if (PartAt(ScreenToWindowPoint(lParam)) == Part::Caption) {
                ShowSystemMenu(POINT{win::LowSigned(lParam), win::HighSigned(lParam)});
                return 0;
            }
            break;
        case WM_NCMOUSEMOVE: {
            const POINT point = ScreenToWindowPoint(lParam);
            const Part part = PartAt(point);
            const TMainMenu* menu = Menu();
            SetHot(part, part == Part::MenuBar && menu ? menuBar_.EntryAt(*menu, Font().Handle(), MenuBarRect(), point)
                                                       : -1);
            return 0;
        }
        case WM_NCMOUSELEAVE: SetHot(Part::None, -1); return 0;
        case WM_MOUSEMOVE:
            if (pressed_ != Part::None) {
                const POINT point{win::LowSigned(lParam) + kBorder, win::HighSigned(lParam) + TopInset()};
                const RECT box = BoxRect(pressed_);
                const bool inside = PtInRect(&box, point) != FALSE;
                if (inside != pressedInside_) {
                    pressedInside_ = inside;
                    RepaintFrame();
                }
                return 0;
            }
            break;
        case WM_LBUTTONUP:
            if (pressed_ != Part::None) {
                FinishPress(POINT{win::LowSigned(lParam) + kBorder, win::HighSigned(lParam) + TopInset()});
                return 0;
            }
            break;
        case WM_CAPTURECHANGED:
            if (pressed_ != Part::None && reinterpret_cast<HWND>(lParam) != Handle()) {
                pressed_ = Part::None;
                RepaintFrame();
            }
            break;
        case WM_MEASUREITEM: {
            auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            if (item.CtlType != ODT_MENU) break;
            menuBar_.MeasureItem(item, Font().Handle());
            return TRUE;
        }
        case WM_MENUCHAR:
            return menuBar_.MenuChar(reinterpret_cast<HMENU>(lParam), static_cast<char>(win::LowWord(wParam)));
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item.CtlType != ODT_MENU) break;
            menuBar_.DrawItem(item, Font().Handle(), MenuSkin());
            return TRUE;
        }
        default: break;
    }
    return TWinControl::WndProc(message, wParam, lParam);
}

}  // namespace vcl
