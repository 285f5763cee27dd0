#include "platform/vcl/win/WinControl.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "platform/vcl/Exceptions.h"

namespace vcl {

namespace {

// Child ids start above the dialog ids (IDOK, IDCANCEL, ...) that keyboard handling sends.
int NextControlId() {
    static int next = 0;
    next = next % 60000 + 1;
    return next + 99;
}

void InitCommonControlsOnce() {
    static const bool done = [] {
        INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX),
                                  ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_TREEVIEW_CLASSES};
        return InitCommonControlsEx(&init) != FALSE;
    }();
    (void)done;
}

// Sets a flag for the length of a scope.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
};

}  // namespace

const ClassInfo& TWinControl::StaticClassInfo() {
    static const ClassInfo info = ClassBuilder<TWinControl>("TWinControl", &TControl::StaticClassInfo())
                                      .Property("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder, -1)
                                      .Property("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, false)
                                      .Build();
    return info;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner), controlId_(NextControlId()) {}

TWinControl::~TWinControl() {
    DestroyHandle();
    for (TWinControl* child : children_) child->parent_ = nullptr;
    if (parent_) std::erase(parent_->children_, this);
}

TWinControl* TWinControl::FromHandle(HWND window) { return dynamic_cast<TWinControl*>(win::TargetOf(window)); }

void TWinControl::SetParent(TWinControl* parent) {
    if (parent == parent_) return;
    for (TWinControl* p = parent; p; p = p->parent_)
        if (p == this) throw EComponentError("A control cannot be its own parent");
    if (parent_) {
        std::erase(parent_->children_, this);
        parent_->Realign();
    }
    parent_ = parent;
    if (parent_) {
        parent_->children_.push_back(this);
        FollowParentFont();
        if (pendingTabOrder_ >= 0) SetTabOrder(std::exchange(pendingTabOrder_, -1));
    }
    if (handle_) {
        if (parent_ && parent_->handle_) {
            ::SetParent(handle_, parent_->handle_);
            PlaceInZOrder();
        } else {
            DestroyHandle();
        }
    } else if (parent_ && parent_->handle_ && !Loading()) {
        CreateHandle();
    }
    UpdateShowing();
    if (parent_) parent_->Realign();
}

HWND TWinControl::Handle() {
    HandleNeeded();
    return handle_;
}

void TWinControl::HandleNeeded() {
    if (handle_) return;
    if (parent_) parent_->HandleNeeded();
    if (!handle_) CreateHandle();
}

void TWinControl::CreateParams(TCreateParams& params) {
    params.className = ClassName();
    params.style = WS_CHILD | WS_CLIPSIBLINGS | (Visible() ? WS_VISIBLE : 0u) | (tabStop_ ? WS_TABSTOP : 0u) |
                   (Enabled() ? 0u : WS_DISABLED);
    params.x = Left();
    params.y = Top();
    params.width = Width();
    params.height = Height();
    params.parent = parent_ ? parent_->handle_ : nullptr;
    params.caption = TControl::Caption();
}

void TWinControl::CreateHandle() {
    InitCommonControlsOnce();
    TCreateParams params;
    CreateParams(params);
    if (params.ownClass) win::RegisterFrameworkClass(params.className, params.classStyle);
    const bool child = (params.style & WS_CHILD) != 0;
    HMENU id = child ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId_)) : nullptr;
    HWND window = CreateWindowExA(params.exStyle, params.className.c_str(), params.caption.c_str(), params.style,
                                  params.x, params.y, params.width, params.height, params.parent, id,
                                  GetModuleHandleA(nullptr),
                                  params.ownClass ? static_cast<win::MessageTarget*>(this) : nullptr);
    if (!window) throw Exception("Error creating window of class " + params.className);
    handle_ = window;
    ownClass_ = params.ownClass;
    if (!ownClass_) win::Subclass(window, *this);
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), FALSE);
    if (child) PlaceInZOrder();
    if (!Hint().empty()) HintChanged();
    InitializeHandle();
    CreateChildHandles();
}

void TWinControl::CreateChildHandles() {
    const std::vector<TWinControl*> children = children_;
    for (TWinControl* child : children)
        if (!child->handle_ && !child->Loading()) child->CreateHandle();
}

void TWinControl::DestroyHandle() {
    if (!handle_) return;
    hints_.Close();
    HWND window = std::exchange(handle_, nullptr);
    win::Detach(window, *this);
    DestroyWindow(window);
}

void TWinControl::RecreateWnd() {
    if (!handle_) return;
    DestroyHandle();
    HandleNeeded();
}

void TWinControl::PlaceInZOrder() {
    HWND after = HWND_TOP;
    for (TWinControl* sibling : parent_->children_) {
        if (sibling == this) break;
        if (sibling->handle_) after = sibling->handle_;
    }
    SetWindowPos(handle_, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TWinControl::Loaded() {
    TControl::Loaded();
    // A control at the top level of a definition belongs on the form being read, which is
    // its owner and still loading.
    if (auto* form = dynamic_cast<TWinControl*>(Owner()); !parent_ && form && form->Loading()) SetParent(form);
    if (!handle_ && parent_ && parent_->handle_) CreateHandle();
    Realign();
    if (parent_) parent_->Realign();
}

int TWinControl::TabOrder() const {
    if (!parent_) return pendingTabOrder_;
    const auto& siblings = parent_->children_;
    return static_cast<int>(std::find(siblings.begin(), siblings.end(), this) - siblings.begin());
}

void TWinControl::SetTabOrder(int tabOrder) {
    if (tabOrder < 0) return;
    if (!parent_) {
        pendingTabOrder_ = tabOrder;
        return;
    }
    auto& siblings = parent_->children_;
    std::erase(siblings, this);
    const auto index = std::min(static_cast<std::size_t>(tabOrder), siblings.size());
    siblings.insert(siblings.begin() + static_cast<std::ptrdiff_t>(index), this);
    if (handle_) PlaceInZOrder();
}

void TWinControl::SetTabStop(bool tabStop) {
    if (tabStop == tabStop_) return;
    tabStop_ = tabStop;
    if (!handle_) return;
    const LONG_PTR style = GetWindowLongPtrA(handle_, GWL_STYLE);
    SetWindowLongPtrA(handle_, GWL_STYLE, tabStop ? (style | WS_TABSTOP) : (style & ~LONG_PTR{WS_TABSTOP}));
}

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_; }

void TWinControl::SetFocus() { ::SetFocus(Handle()); }

std::string TWinControl::Caption() const {
    if (!handle_) return TControl::Caption();
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(handle_)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(handle_, text.data(), static_cast<int>(text.size()))));
    return text;
}

RECT TWinControl::ClientArea() const { return RECT{0, 0, Width(), Height()}; }

void TWinControl::Realign() {
    if (aligning_ || Loading()) return;
    const FlagScope scope(aligning_);
    RECT area = ClientArea();
    for (TAlign group : {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient}) {
        const std::vector<TWinControl*> children = children_;
        for (TWinControl* child : children) {
            if (child->Align() != group || !child->Visible()) continue;
            int left = area.left;
            int top = area.top;
            int width = child->Width();
            int height = child->Height();
            switch (group) {
                case TAlign::alTop: width = area.right - area.left; area.top += height; break;
                case TAlign::alBottom:
                    width = area.right - area.left;
                    top = area.bottom - height;
                    area.bottom -= height;
                    break;
                case TAlign::alLeft: height = area.bottom - area.top; area.left += width; break;
                case TAlign::alRight:
                    height = area.bottom - area.top;
                    left = area.right - width;
                    area.right -= width;
                    break;
                default:
                    width = area.right - area.left;
                    height = area.bottom - area.top;
                    break;
            }
            child->SetAlignedBounds(left, top, std::max(width, 0), std::max(height, 0));
        }
    }
}

void TWinControl::Invalidate() {
    if (handle_) RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void TWinControl::UpdateShowing() {
    const bool showing = Visible() && (parent_ ? parent_->showing_ : TopLevelShowing());
    if (showing != showing_) {
        showing_ = showing;
        ShowingChanged();
    }
    const std::vector<TWinControl*> children = children_;
    for (TWinControl* child : children) child->UpdateShowing();
}

TWinControl* TWinControl::Root() {
    TWinControl* root = this;
    while (root->parent_) root = root->parent_;
    return root;
}

bool TWinControl::PreviewKey(UINT, WORD&) { return false; }

void TWinControl::BoundsChanged() {
    if (handle_ && !syncingBounds_)
        SetWindowPos(handle_, nullptr, Left(), Top(), Width(), Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    Realign();
}

void TWinControl::SyncBoundsFromWindow() {
    if (IsIconic(handle_)) return;
    RECT bounds;
    GetWindowRect(handle_, &bounds);
    const bool child = (GetWindowLongPtrA(handle_, GWL_STYLE) & WS_CHILD) != 0;
    MapWindowPoints(HWND_DESKTOP, child ? GetParent(handle_) : HWND_DESKTOP, reinterpret_cast<POINT*>(&bounds), 2);
    const FlagScope scope(syncingBounds_);
    WindowMoved(bounds);
}

void TWinControl::WindowMoved(const RECT& bounds) {
    SetAlignedBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
}

void TWinControl::TextChanged() {
    if (handle_) SetWindowTextA(handle_, TControl::Caption().c_str());
}

void TWinControl::ColorChanged() { Invalidate(); }

void TWinControl::EnabledChanged() {
    if (handle_) EnableWindow(handle_, Enabled());
}

void TWinControl::VisibleChanged() {
    if (handle_) ShowWindow(handle_, Visible() ? SW_SHOWNA : SW_HIDE);
    UpdateShowing();
}

void TWinControl::FontChanged() {
    if (handle_) SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
    const std::vector<TWinControl*> children = children_;
    for (TWinControl* child : children) child->FollowParentFont();
}

void TWinControl::HintChanged() {
    if (!handle_) return;
    TWinControl* root = Root();
    if (root->handle_) root->hints_.Set(root->handle_, handle_, Hint());
}

HBRUSH TWinControl::CtlColor(HDC dc) {
    SetTextColor(dc, ColorToRGB(Font().Color()));
    SetBkColor(dc, BackgroundRGB());
    return win::SolidBrush(BackgroundRGB());
}

bool TWinControl::HandleDialogCommand(WORD command) {
    const std::vector<TWinControl*> children = children_;
    for (TWinControl* child : children)
        if (child->Showing() && child->Enabled() && child->HandleDialogCommand(command)) return true;
    return false;
}

bool TWinControl::HandleReflected(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

TWinControl* TWinControl::ChildWithId(UINT id) const {
    for (TWinControl* child : children_)
        if (static_cast<UINT>(child->controlId_) == id) return child;
    return nullptr;
}

bool TWinControl::Reflect(HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) const {
    if (destroying_) return false;
    TWinControl* control = FromHandle(child);
    return control && control->HandleReflected(message, wParam, lParam, result);
}

LRESULT TWinControl::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!handle_) handle_ = window;  // a window of our own class, still inside CreateWindowEx
    return WndProc(message, wParam, lParam);
}

void TWinControl::WindowDestroyed() {
    handle_ = nullptr;
    destroying_ = false;
}

LRESULT TWinControl::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    switch (message) {
        case WM_COMMAND:
        case WM_HSCROLL:
        case WM_VSCROLL:
            if (lParam && Reflect(reinterpret_cast<HWND>(lParam), message, wParam, lParam, result)) return result;
            break;
        case WM_NOTIFY:
            if (Reflect(reinterpret_cast<const NMHDR*>(lParam)->hwndFrom, message, wParam, lParam, result))
                return result;
            break;
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item->CtlType != ODT_MENU && Reflect(item->hwndItem, message, wParam, lParam, result)) return result;
            break;
        }
        case WM_MEASUREITEM: {
            // Sent while the child is still being made, before its window is known: found by id.
            const auto* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
            TWinControl* child = item->CtlType == ODT_MENU ? nullptr : ChildWithId(item->CtlID);
            if (child && child->HandleReflected(message, wParam, lParam, result)) return result;
            break;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
            if (TWinControl* child = FromHandle(reinterpret_cast<HWND>(lParam)); child && !destroying_)
                return reinterpret_cast<LRESULT>(child->CtlColor(reinterpret_cast<HDC>(wParam)));
            break;
        case WM_ERASEBKGND:
            if (ownClass_) {
                RECT client;
                GetClientRect(handle_, &client);
                FillRect(reinterpret_cast<HDC>(wParam), &client, win::SolidBrush(BackgroundRGB()));
                return 1;
            }
            break;
        case WM_WINDOWPOSCHANGED: SyncBoundsFromWindow(); break;
        case WM_KEYDOWN:
        case WM_KEYUP:
            if (TWinControl* root = Root(); root != this) {
                WORD key = win::LowWord(wParam);
                if (root->PreviewKey(message, key)) return 0;
                wParam = key;
            }
            break;
        case WM_DESTROY: destroying_ = true; break;
        default: break;
    }
    return DefaultHandler(message, wParam, lParam);
}

LRESULT TWinControl::DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallOriginal(handle_, message, wParam, lParam);
}

}  // namespace vcl
