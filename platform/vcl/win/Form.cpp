#include "platform/vcl/win/Form.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <span>
#include <vector>

#include "platform/vcl/FormStream.h"
#include "platform/vcl/win/MessageLoop.h"
#include "platform/vcl/win/WinApplication.h"

namespace vcl {

namespace {

std::set<const TForm*>& LiveForms() {
    static std::set<const TForm*> forms;
    return forms;
}

// The other enabled, visible top-level windows of the thread, disabled while a form is
// modal, and enabled again afterwards.
class DisabledWindows {
public:
    explicit DisabledWindows(HWND modal) : modal_(modal) {
        EnumThreadWindows(GetCurrentThreadId(), &DisabledWindows::Visit, reinterpret_cast<LPARAM>(this));
    }
    ~DisabledWindows() {
        for (HWND window : windows_) EnableWindow(window, TRUE);
    }
    DisabledWindows(const DisabledWindows&) = delete;
    DisabledWindows& operator=(const DisabledWindows&) = delete;

private:
    static BOOL CALLBACK Visit(HWND window, LPARAM self) {
        auto& disabled = *reinterpret_cast<DisabledWindows*>(self);
        if (window != disabled.modal_ && IsWindowVisible(window) && IsWindowEnabled(window)) {
            win::Guarded([&] { disabled.windows_.push_back(window); });
            EnableWindow(window, FALSE);
        }
        return TRUE;
    }

    HWND modal_;
    std::vector<HWND> windows_;
};

}  // namespace

namespace {
constexpr std::array<std::string_view, 11> kModalResultNames{
    "mrNone", "mrOk", "mrCancel", "mrAbort", "mrRetry", "mrIgnore", "mrYes", "mrNo", "mrAll", "mrNoToAll", "mrYesToAll"};
}  // namespace

PropValue PropertyCodec<TModalResult>::Encode(TModalResult result) {
    const auto index = static_cast<std::size_t>(result);
    if (index < kModalResultNames.size()) return Ident{std::string(kModalResultNames[index])};
    return static_cast<std::int64_t>(result);
}

TModalResult PropertyCodec<TModalResult>::Decode(const PropValue& value) {
    if (!value.Is<Ident>()) return static_cast<TModalResult>(PropertyCodec<int>::Decode(value));
    for (std::size_t i = 0; i < kModalResultNames.size(); ++i)
        if (SameText(kModalResultNames[i], value.As<Ident>().name)) return static_cast<TModalResult>(i);
    ThrowInvalidPropertyValue();
}

TShiftState KeyboardShiftState() {
    TShiftState shift;
    if (GetKeyState(VK_SHIFT) < 0) shift.Include(TShiftKey::ssShift);
    if (GetKeyState(VK_MENU) < 0) shift.Include(TShiftKey::ssAlt);
    if (GetKeyState(VK_CONTROL) < 0) shift.Include(TShiftKey::ssCtrl);
    return shift;
}

namespace {

// The class every form descends from; portable code (the language component) tells a form from
// other owners by it.
const ClassInfo& CustomFormClassInfo() {
    static const ClassInfo info = ClassBuilder<TForm>("TCustomForm", &TWinControl::StaticClassInfo()).Build();
    return info;
}

}  // namespace

const ClassInfo& TForm::StaticClassInfo() {
    static const ClassInfo info =
        ClassBuilder<TForm>("TForm", &CustomFormClassInfo())
            .Property("Width", &TControl::Width, &TControl::SetWidth)
            .Transient()
            .Property("Height", &TControl::Height, &TControl::SetHeight)
            .Transient()
            .Property("Visible", &TControl::Visible, &TControl::SetVisible, false)
            .Property("BorderIcons", &TForm::BorderIcons, &TForm::SetBorderIcons,
                      TBorderIcons{TBorderIcon::biSystemMenu, TBorderIcon::biMinimize, TBorderIcon::biMaximize})
            .Property("BorderStyle", &TForm::BorderStyle, &TForm::SetBorderStyle, TFormBorderStyle::bsSizeable)
            .Property("ClientHeight", &TForm::ClientHeight, &TForm::SetClientHeight)
            .Property("ClientWidth", &TForm::ClientWidth, &TForm::SetClientWidth)
            .Property("FormStyle", &TForm::FormStyle, &TForm::SetFormStyle, TFormStyle::fsNormal)
            .Property("KeyPreview", &TForm::KeyPreview, &TForm::SetKeyPreview, false)
            .Property("Menu", &TForm::MenuName, &TForm::SetMenuName)
            .Property("Position", &TForm::Position, &TForm::SetPosition, TPosition::poDesigned)
            .Property("OnClose", &TForm::OnClose, &TForm::SetOnClose)
            .Property("OnCreate", &TForm::OnCreate, &TForm::SetOnCreate)
            .Property("OnKeyDown", &TForm::OnKeyDown, &TForm::SetOnKeyDown)
            .Property("OnKeyUp", &TForm::OnKeyUp, &TForm::SetOnKeyUp)
            .Property("OnShow", &TForm::OnShow, &TForm::SetOnShow)
            .Build();
    return info;
}

TForm::TForm(TComponent* owner) : TWinControl(owner) {
    LiveForms().insert(this);
    SetVisible(false);
    SetParentColor(false);
    const SIZE frame = FrameSize();
    SetBounds(0, 0, 320 + frame.cx, 240 + frame.cy);
}

TForm::~TForm() {
    LiveForms().erase(this);
    if (menu_.Get()) menu_.Get()->OnChange = nullptr;
    if (auto* app = WinApplication()) app->FormDestroyed(*this);
}

bool TForm::Exists(const TForm* form) { return LiveForms().contains(form); }

int TForm::ClientWidth() const { return Width() - FrameSize().cx; }

void TForm::SetClientWidth(int width) { SetBounds(Left(), Top(), width + FrameSize().cx, Height()); }

int TForm::ClientHeight() const { return Height() - FrameSize().cy; }

void TForm::SetClientHeight(int height) { SetBounds(Left(), Top(), Width(), height + FrameSize().cy); }

RECT TForm::ClientArea() const { return RECT{0, 0, ClientWidth(), ClientHeight()}; }

void TForm::SetBorderStyle(TFormBorderStyle style) {
    const int width = ClientWidth();
    const int height = ClientHeight();
    borderStyle_ = style;
    StyleChanged(width, height);
}

void TForm::SetBorderIcons(TBorderIcons icons) {
    const int width = ClientWidth();
    const int height = ClientHeight();
    borderIcons_ = icons;
    StyleChanged(width, height);
}

void TForm::SetFormStyle(TFormStyle style) {
    formStyle_ = style;
    if (HandleAllocated())
        SetWindowPos(Handle(), style == TFormStyle::fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TForm::SetMenu(TMainMenu* menu) {
    const int width = ClientWidth();
    const int height = ClientHeight();
    if (menu_.Get()) menu_.Get()->OnChange = nullptr;
    menu_.Set(menu);
    if (menu) {
        menu->OnChange = [this] {
            if (frame_)
                frame_->MenuChanged();
            else
                AttachMenu();
        };
    }
    StyleChanged(width, height);
    if (frame_) frame_->MenuChanged();
}

void TForm::SetFrame(TFormFrame* frame) {
    if (frame == frame_) return;
    const int width = ClientWidth();
    const int height = ClientHeight();
    frame_ = frame;
    StyleChanged(width, height);
}

DWORD TForm::WindowStyle() const {
    DWORD style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    // A skinned frame draws caption and border inside the client area; the system menu and
    // the minimise box stay for the taskbar and Alt+F4.
    if (frame_) return style | WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX;
    const bool systemMenu = borderIcons_.Contains(TBorderIcon::biSystemMenu);
    switch (borderStyle_) {
        case TFormBorderStyle::bsNone: return style | WS_POPUP;
        case TFormBorderStyle::bsDialog: return style | WS_POPUP | WS_CAPTION | (systemMenu ? WS_SYSMENU : 0u);
        case TFormBorderStyle::bsSingle: style |= WS_CAPTION; break;
        case TFormBorderStyle::bsSizeable: style |= WS_CAPTION | WS_THICKFRAME; break;
    }
    if (systemMenu) {
        style |= WS_SYSMENU;
        if (borderIcons_.Contains(TBorderIcon::biMinimize)) style |= WS_MINIMIZEBOX;
        if (borderIcons_.Contains(TBorderIcon::biMaximize)) style |= WS_MAXIMIZEBOX;
    }
    return style;
}

DWORD TForm::WindowExStyle() const {
    DWORD exStyle = WS_EX_CONTROLPARENT;
    if (borderStyle_ == TFormBorderStyle::bsDialog && !frame_) exStyle |= WS_EX_DLGMODALFRAME;
    if (formStyle_ == TFormStyle::fsStayOnTop) exStyle |= WS_EX_TOPMOST;
    // The first form of the program stands for it in the taskbar; later ones are its dialogs.
    const TWinApplication* app = WinApplication();
    if (!app || !app->MainForm() || app->MainForm() == this) exStyle |= WS_EX_APPWINDOW;
    return exStyle;
}

SIZE TForm::FrameSize() const {
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, WindowStyle(), menu_.Get() && !frame_, WindowExStyle());
    return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

void TForm::StyleChanged(int clientWidth, int clientHeight) {
    if (HandleAllocated()) {
        HWND window = Handle();
        SetWindowLongPtrA(window, GWL_STYLE, static_cast<LONG_PTR>(WindowStyle() | (IsWindowVisible(window) ? WS_VISIBLE : 0u)));
        SetWindowLongPtrA(window, GWL_EXSTYLE, static_cast<LONG_PTR>(WindowExStyle()));
        AttachMenu();
        SetWindowPos(window, nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    const SIZE frame = FrameSize();
    SetBounds(Left(), Top(), clientWidth + frame.cx, clientHeight + frame.cy);
}

void TForm::AttachMenu() {
    if (!HandleAllocated()) return;
    HWND window = Handle();
    const win::UniqueMenu previous(GetMenu(window));
    ::SetMenu(window, menu_.Get() && !frame_ ? menu_.Get()->BuildMenuBar().Release() : nullptr);
}

void TForm::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.style = WindowStyle();
    params.exStyle = WindowExStyle();
    const TWinApplication* app = WinApplication();
    params.parent = app ? app->Window() : nullptr;
}

void TForm::InitializeHandle() { AttachMenu(); }

void TForm::Loaded() {
    // SetMenu keeps the client size measured while the stored menu was still only a name.
    TComponentRef<TMainMenu> stored = menu_;
    stored.Resolve(*this);
    SetMenu(stored.Get());
    TWinControl::Loaded();
    HandleNeeded();
}

void TForm::TextChanged() {
    TWinControl::TextChanged();
    if (frame_) frame_->FormCaptionChanged();
}

void TForm::DoCreate() {
    win::Guarded([this] { onCreate_(this); });
    if (Visible()) VisibleChanged();
}

void TForm::MoveToCentre() {
    const bool desktop = position_ == TPosition::poDesktopCenter;
    const int left = desktop ? GetSystemMetrics(SM_XVIRTUALSCREEN) : 0;
    const int top = desktop ? GetSystemMetrics(SM_YVIRTUALSCREEN) : 0;
    const int width = GetSystemMetrics(desktop ? SM_CXVIRTUALSCREEN : SM_CXSCREEN);
    const int height = GetSystemMetrics(desktop ? SM_CYVIRTUALSCREEN : SM_CYSCREEN);
    SetBounds(left + (width - Width()) / 2, top + (height - Height()) / 2, Width(), Height());
}

void TForm::VisibleChanged() {
    if (Loading()) return;  // a stored Visible takes effect once OnCreate has run
    if (Visible()) {
        HandleNeeded();
        if (position_ != TPosition::poDesigned) MoveToCentre();
        onShow_(this);
        ShowWindow(Handle(), SW_SHOW);
    } else if (HandleAllocated()) {
        ShowWindow(Handle(), SW_HIDE);
    }
    UpdateShowing();
}

bool TForm::IsMainForm() const {
    const TWinApplication* app = WinApplication();
    return app && app->MainForm() == this;
}

void TForm::Close() {
    if (modal_) {
        modalResult_ = mrCancel;
        return;
    }
    TCloseAction action = TCloseAction::caHide;
    onClose_(this, action);
    if (action == TCloseAction::caNone) return;
    if (IsMainForm()) {
        WinApplication()->Terminate();
        return;
    }
    switch (action) {
        case TCloseAction::caHide: Hide(); break;
        case TCloseAction::caMinimize: ShowWindow(Handle(), SW_MINIMIZE); break;
        default: Release(); break;
    }
}

TModalResult TForm::ShowModal() {
    if (Visible() || modal_) throw EInvalidOperation("Cannot make a visible window modal");
    HWND previous = GetActiveWindow();
    HWND window = Handle();
    {
        const DisabledWindows disabled(window);
        modal_ = true;
        modalResult_ = mrNone;
        try {
            Show();
            while (modalResult_ == mrNone) {
                if (!win::HandleOneMessage()) {
                    modalResult_ = mrCancel;
                    break;
                }
                if (modalResult_ == mrNone) continue;
                win::Guarded([this] {
                    TCloseAction action = TCloseAction::caHide;
                    try {
                        onClose_(this, action);
                    } catch (...) {
                        modalResult_ = mrNone;
                        throw;
                    }
                    if (action == TCloseAction::caNone) modalResult_ = mrNone;
                });
            }
        } catch (...) {
            modal_ = false;
            Hide();
            throw;
        }
        modal_ = false;
    }
    // The owner gets the activation back before this window hides, so nothing flickers behind.
    if (previous && IsWindow(previous)) SetActiveWindow(previous);
    Hide();
    return modalResult_;
}

void TForm::Release() {
    TWinApplication* app = WinApplication();
    if (!app) throw EInvalidOperation("A form can be released only while the application runs");
    app->ReleaseForm(*this);
}

void TForm::KeyEvent(UINT message, WORD& key) {
    std::uint16_t value = key;
    const TShiftState shift = KeyboardShiftState();
    if (message == WM_KEYDOWN)
        onKeyDown_(this, value, shift);
    else
        onKeyUp_(this, value, shift);
    key = value;
}

bool TForm::PreviewKey(UINT message, WORD& key) {
    if (!keyPreview_) return false;
    KeyEvent(message, key);
    return key == 0;
}

LRESULT TForm::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE: Close(); return 0;
        case WM_COMMAND:
            if (lParam == 0) {  // not from a control: a menu, or Enter / Esc in the dialog keys
                const WORD id = win::LowWord(wParam);
                if (id == IDOK || id == IDCANCEL) {
                    HandleDialogCommand(id);
                    return 0;
                }
                if (menu_.Get() && menu_.Get()->DispatchCommand(id)) return 0;
            }
            break;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_KEYMENU && frame_ && lParam > ' ' &&
                frame_->OpenMenuByKey(static_cast<char>(lParam)))
                return 0;
            break;
        case WM_KEYDOWN:
        case WM_KEYUP: {
            WORD key = win::LowWord(wParam);
            KeyEvent(message, key);
            if (key == 0) return 0;
            wParam = key;
            break;
        }
        case WM_ACTIVATE: {
            HWND window = Handle();
            if (win::LowWord(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus && IsChild(window, focus)) lastFocus_ = focus;
                break;
            }
            if (win::HighWord(wParam) != 0) break;  // minimised
            HWND focus = lastFocus_ && IsWindow(lastFocus_) && IsChild(window, lastFocus_)
                             ? lastFocus_
                             : GetNextDlgTabItem(window, nullptr, FALSE);
            if (!focus) break;
            ::SetFocus(focus);
            return 0;
        }
        default: break;
    }
    return TWinControl::WndProc(message, wParam, lParam);
}

void LoadFormDefinition(TForm& form) {
    std::string name = form.ClassName();
    std::transform(name.begin(), name.end(), name.begin(),
                   [](char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); });
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC resource = FindResourceA(module, name.c_str(), RT_RCDATA);
    if (!resource) throw EResNotFound("Resource " + name + " not found");
    const auto* bytes = static_cast<const std::uint8_t*>(LockResource(LoadResource(module, resource)));
    ReadComponent(std::span(bytes, SizeofResource(module, resource)), form);
    form.DoCreate();
}

}  // namespace vcl
