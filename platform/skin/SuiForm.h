#pragma once
// TsuiForm: the skinned frame of a form. A child window filling the form whose non-client
// area holds a one-pixel border, the title bar (application icon as the system-menu box,
// caption, minimise, maximise and close boxes; dragging it moves the form) and, when the form
// has a main menu, the menu bar. The form itself loses its own caption and border but keeps
// its system menu, taskbar button and Alt+F4. The frame's window text is its caption; empty,
// the form's caption shows. CaptionFont draws it, in the style's title colour unless the font
// has a colour of its own. A menu with a UIStyle of its own is drawn in that style.
#include "platform/skin/SkinStyle.h"
#include "platform/skin/SuiMenuBar.h"
#include "platform/vcl/win/Form.h"

namespace vcl {

class TsuiForm : public TWinControl, public TSkinned, public TFormFrame {
public:
    OLZ_CLASS_INFO
    explicit TsuiForm(TComponent* owner);
    ~TsuiForm() override;

    TBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons icons);
    bool ShowAppIcon() const { return showAppIcon_; }
    void SetShowAppIcon(bool show);
    TFont& CaptionFont() { return captionFont_; }

    void SetParent(TWinControl* parent) override;
    RECT ClientArea() const override;
    // How much wider and taller the frame is than the area it leaves its controls.
    SIZE NonClientSize() const { return SIZE{2, TopInset() + 1}; }
    COLORREF BackgroundRGB() const override { return Skin().background; }

    void MenuChanged() override;
    bool OpenMenuByKey(char key) override;
    void FormCaptionChanged() override { RepaintFrame(); }

protected:
    void CreateParams(TCreateParams& params) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void TextChanged() override;
    void UIStyleChanged() override;

private:
    enum class Part { None, Border, SystemMenu, Caption, Minimize, Maximize, Close, MenuBar };

    TForm* HostForm() const;
    const TMainMenu* Menu() const;
    int TopInset() const;
    // In window coordinates.
    RECT TitleRect() const;
    RECT MenuBarRect() const;
    RECT BoxRect(Part box) const;
    RECT IconRect() const;
    Part PartAt(POINT windowPoint) const;
    POINT ScreenToWindowPoint(LPARAM screen) const;
    std::string TitleText() const;
    COLORREF TitleColor() const;
    const TSkinStyle& MenuSkin() const;

    void RepaintFrame();
    void PaintFrame(HDC dc);
    void PaintBox(HDC dc, Part box);
    bool HandlePress(Part part, POINT windowPoint);
    void FinishPress(POINT windowPoint);
    void ShowSystemMenu(POINT screenPoint);
    void OpenMenu(int entry);
    void SetHot(Part part, int entry);

    TBorderIcons borderIcons_{TBorderIcon::biSystemMenu, TBorderIcon::biMinimize, TBorderIcon::biMaximize};
    bool showAppIcon_ = true;
    TForm* registeredWith_ = nullptr;
    Part hot_ = Part::None;
    int hotEntry_ = -1;
    Part pressed_ = Part::None;
    bool pressedInside_ = false;
    skin::MenuBar menuBar_;
    TFont captionFont_;
};

}  // namespace vcl
