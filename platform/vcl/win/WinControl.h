#pragma once
// TWinControl: a control with a window of its own. The window is made once the parent has
// one (and the control is not still being loaded), lives as long as the component and is
// remade when a change needs other styles. Standard control classes are subclassed; the
// framework's own classes are registered as needed. Notifications a child sends its parent
// (WM_COMMAND, WM_NOTIFY, scrolling, colours, owner drawing) come back to the child as
// HandleReflected calls.
#include <windows.h>

#include <string>
#include <vector>

#include "platform/vcl/win/Control.h"
#include "platform/vcl/win/HintWindow.h"
#include "platform/vcl/win/WindowProc.h"

namespace vcl {

struct TCreateParams {
    std::string className;
    bool ownClass = true;  // false: a standard control class, subclassed after creation
    UINT classStyle = CS_DBLCLKS;
    DWORD style = 0;
    DWORD exStyle = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    HWND parent = nullptr;
    std::string caption;
};

class TWinControl : public TControl, public win::MessageTarget {
public:
    OLZ_CLASS_INFO
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    void SetParent(TWinControl* parent) override;

    // The window, made first when needed (with the parents' windows).
    HWND Handle();
    bool HandleAllocated() const { return handle_ != nullptr; }
    // The window when it exists, else null; never makes one.
    HWND ExistingHandle() const { return handle_; }
    void HandleNeeded();
    // The control behind a window of the framework; null for other windows.
    static TWinControl* FromHandle(HWND window);

    // Child controls, in tab order.
    int ControlCount() const { return static_cast<int>(children_.size()); }
    TWinControl* Controls(int index) const { return children_.at(static_cast<std::size_t>(index)); }

    int TabOrder() const;
    void SetTabOrder(int tabOrder);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool tabStop);
    bool Focused() const;
    void SetFocus();

    std::string Caption() const override;
    // Visible on the screen: visible itself and all its parents shown.
    bool Showing() const { return showing_; }

    // The rectangle, in client coordinates, that aligned children share.
    virtual RECT ClientArea() const;
    // Lays the aligned children out in the client area.
    void Realign();
    void Invalidate();
    // Enter (IDOK) or Esc (IDCANCEL) typed in the form: offered to the showing controls, in
    // tab order, until one (a default or cancel button) takes it.
    virtual bool HandleDialogCommand(WORD command);

protected:
    virtual void CreateParams(TCreateParams& params);
    // After the window is made: what CreateWindowEx could not set.
    virtual void InitializeHandle() {}
    // A change that needs other window styles: the window is made again.
    void RecreateWnd();

    virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam);
    // A notification about this control that its parent received; true when handled.
    virtual bool HandleReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // WM_CTLCOLOR*: colours the DC, gives the background brush.
    virtual HBRUSH CtlColor(HDC dc);
    // Showing() changed.
    virtual void ShowingChanged() {}
    // The window was moved or sized (by the system or the user): `bounds` is its rectangle in
    // the parent's client coordinates.
    virtual void WindowMoved(const RECT& bounds);
    // The root control sees a key first; true swallows it. `key` may be changed.
    virtual bool PreviewKey(UINT message, WORD& key);
    // Whether a control without parent is on the screen: only a form can be.
    virtual bool TopLevelShowing() const { return false; }
    void UpdateShowing();
    TWinControl* Root();

    void Loaded() override;
    void BoundsChanged() override;
    void TextChanged() override;
    void ColorChanged() override;
    void EnabledChanged() override;
    void VisibleChanged() override;
    void FontChanged() override;
    void HintChanged() override;

    int ControlId() const { return controlId_; }

private:
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) final;
    void WindowDestroyed() final;
    void CreateHandle();
    void DestroyHandle();
    void CreateChildHandles();
    void PlaceInZOrder();
    void SyncBoundsFromWindow();
    TWinControl* ChildWithId(UINT id) const;
    bool Reflect(HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) const;

    HWND handle_ = nullptr;
    bool ownClass_ = false;
    bool destroying_ = false;
    bool showing_ = false;
    bool tabStop_ = false;
    bool aligning_ = false;
    bool syncingBounds_ = false;
    int controlId_;
    int pendingTabOrder_ = -1;  // set before the control had a parent
    std::vector<TWinControl*> children_;
    win::HintWindow hints_;  // used by the root only
};

}  // namespace vcl
