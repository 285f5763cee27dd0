#pragma once
// TForm: a top-level window holding controls. A form class loads its controls from the
// definition the program carries for it (LoadFormDefinition), shows itself modelessly or
// modally, and closes through OnClose. A skinned frame may take over its caption and menu bar.
#include <windows.h>

#include <array>
#include <cstdint>

#include "platform/vcl/Events.h"
#include "platform/vcl/win/ComponentRef.h"
#include "platform/vcl/win/Menus.h"
#include "platform/vcl/win/WinControl.h"

namespace vcl {

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog };
template <>
struct EnumNames<TFormBorderStyle> {
    static constexpr std::array<std::string_view, 4> names{"bsNone", "bsSingle", "bsSizeable", "bsDialog"};
};

enum class TBorderIcon { biSystemMenu, biMinimize, biMaximize };
template <>
struct EnumNames<TBorderIcon> {
    static constexpr std::array<std::string_view, 3> names{"biSystemMenu", "biMinimize", "biMaximize"};
};
using TBorderIcons = TSet<TBorderIcon>;

enum class TPosition { poDesigned, poScreenCenter, poDesktopCenter };
template <>
struct EnumNames<TPosition> {
    static constexpr std::array<std::string_view, 3> names{"poDesigned", "poScreenCenter", "poDesktopCenter"};
};

enum class TFormStyle { fsNormal, fsStayOnTop };
template <>
struct EnumNames<TFormStyle> {
    static constexpr std::array<std::string_view, 2> names{"fsNormal", "fsStayOnTop"};
};

enum class TCloseAction { caNone, caHide, caFree, caMinimize };

enum class TShiftKey { ssShift, ssAlt, ssCtrl };
template <>
struct EnumNames<TShiftKey> {
    static constexpr std::array<std::string_view, 3> names{"ssShift", "ssAlt", "ssCtrl"};
};
using TShiftState = TSet<TShiftKey>;
TShiftState KeyboardShiftState();

// The result of a modal run; stored in definitions by name (mrOk) or number.
enum TModalResult : int {
    mrNone = 0,
    mrOk = IDOK,
    mrCancel = IDCANCEL,
    mrAbort = IDABORT,
    mrRetry = IDRETRY,
    mrIgnore = IDIGNORE,
    mrYes = IDYES,
    mrNo = IDNO,
    mrAll,
    mrNoToAll,
    mrYesToAll,
};

template <>
struct PropertyCodec<TModalResult> {
    static PropValue Encode(TModalResult result);
    static TModalResult Decode(const PropValue& value);
};

using TCloseEvent = void(TObject* sender, TCloseAction& action);
using TKeyEvent = void(TObject* sender, std::uint16_t& key, TShiftState shift);

// A control that draws the form's caption and menu bar itself (a skinned frame).
class TFormFrame {
public:
    virtual ~TFormFrame() = default;
    // The form's menu or its items changed.
    virtual void MenuChanged() = 0;
    // Alt with a letter: opens the menu bar entry with that accelerator; false when none.
    virtual bool OpenMenuByKey(char key) = 0;
    // The form's caption changed.
    virtual void FormCaptionChanged() = 0;
};

class TForm : public TWinControl {
public:
    OLZ_CLASS_INFO
    explicit TForm(TComponent* owner);
    ~TForm() override;

    int ClientWidth() const;
    void SetClientWidth(int width);
    int ClientHeight() const;
    void SetClientHeight(int height);
    RECT ClientArea() const override;

    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style);
    TBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons icons);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition position) { position_ = position; }
    TFormStyle FormStyle() const { return formStyle_; }
    void SetFormStyle(TFormStyle style);
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool keyPreview) { keyPreview_ = keyPreview; }
    TMainMenu* Menu() const { return menu_.Get(); }
    void SetMenu(TMainMenu* menu);

    const TEvent<void(TObject*)>& OnCreate() const { return onCreate_; }
    void SetOnCreate(TEvent<void(TObject*)> handler) { onCreate_ = std::move(handler); }
    const TEvent<TCloseEvent>& OnClose() const { return onClose_; }
    void SetOnClose(TEvent<TCloseEvent> handler) { onClose_ = std::move(handler); }
    const TEvent<TKeyEvent>& OnKeyDown() const { return onKeyDown_; }
    void SetOnKeyDown(TEvent<TKeyEvent> handler) { onKeyDown_ = std::move(handler); }
    const TEvent<TKeyEvent>& OnKeyUp() const { return onKeyUp_; }
    void SetOnKeyUp(TEvent<TKeyEvent> handler) { onKeyUp_ = std::move(handler); }
    const TEvent<void(TObject*)>& OnShow() const { return onShow_; }
    void SetOnShow(TEvent<void(TObject*)> handler) { onShow_ = std::move(handler); }

    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Asks OnClose (action caHide); then hides, minimises or releases the form as it says, or
    // ends the program for the main form. caNone keeps it open. A modal form ends its modal
    // run with mrCancel instead.
    void Close();
    // Shows the form with the program's other windows disabled until ModalResult is set (by
    // a button with a ModalResult, or by Close) and OnClose agrees; returns ModalResult.
    TModalResult ShowModal();
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }
    // Frees the form once the current message is done.
    void Release();
    // Runs OnCreate; an exception there goes to the error box.
    void DoCreate();

    void SetFrame(TFormFrame* frame);
    TFormFrame* Frame() const { return frame_; }

    // Whether `form` is a form that still exists.
    static bool Exists(const TForm* form);

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeHandle() override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool PreviewKey(UINT message, WORD& key) override;
    bool TopLevelShowing() const override { return Visible(); }
    void Loaded() override;
    void TextChanged() override;
    void VisibleChanged() override;

private:
    TComponentName MenuName() const { return menu_.Name(); }
    void SetMenuName(TComponentName name) { menu_.SetName(name, *this, *this); }
    // The window styles the border style, icons, frame and form style give.
    DWORD WindowStyle() const;
    DWORD WindowExStyle() const;
    SIZE FrameSize() const;
    // Applies changed styles, keeping the client size.
    void StyleChanged(int clientWidth, int clientHeight);
    void AttachMenu();
    void MoveToCentre();
    void KeyEvent(UINT message, WORD& key);
    bool IsMainForm() const;

    TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
    TBorderIcons borderIcons_{TBorderIcon::biSystemMenu, TBorderIcon::biMinimize, TBorderIcon::biMaximize};
    TPosition position_ = TPosition::poDesigned;
    TFormStyle formStyle_ = TFormStyle::fsNormal;
    bool keyPreview_ = false;
    TComponentRef<TMainMenu> menu_;
    TEvent<void(TObject*)> onCreate_;
    TEvent<TCloseEvent> onClose_;
    TEvent<TKeyEvent> onKeyDown_;
    TEvent<TKeyEvent> onKeyUp_;
    TEvent<void(TObject*)> onShow_;
    TModalResult modalResult_ = mrNone;
    bool modal_ = false;
    TFormFrame* frame_ = nullptr;
    HWND lastFocus_ = nullptr;
};

OLZ_DECLARE_EXCEPTION(EInvalidOperation, Exception);
OLZ_DECLARE_EXCEPTION(EResNotFound, Exception);

// Reads the form's definition, the RCDATA resource named after its class in upper case
// ("TMAINFRM"), into the form, then runs OnCreate. A form class calls it last in its
// constructor, once the handlers it publishes are in place. Raises EResNotFound when the
// program carries no such resource.
void LoadFormDefinition(TForm& form);

}  // namespace vcl
