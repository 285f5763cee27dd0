#pragma once
// TsuiMessageDialog: a message box in the skin, kept with the form that owns it. ShowModal
// shows Text with the icon of IconType and one to three buttons on a skinned frame captioned
// Caption, centred on the screen, and returns the modal result of the button chosen (closing
// it otherwise gives mrCancel).
#include <array>
#include <string>

#include "platform/skin/SkinStyle.h"
#include "platform/vcl/Component.h"
#include "platform/vcl/win/Form.h"

namespace vcl {

enum class TsuiIconType { suiNone, suiWarning, suiStop, suiInformation, suiHelp };

// Names, with suiError for suiStop and suiQuestion for suiHelp.
template <>
struct PropertyCodec<TsuiIconType> {
    static PropValue Encode(TsuiIconType icon);
    static TsuiIconType Decode(const PropValue& value);
};

class TsuiMessageDialog : public TComponent, public TSkinned {
public:
    OLZ_CLASS_INFO
    explicit TsuiMessageDialog(TComponent* owner);

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption) { caption_ = caption; }
    const std::string& Text() const { return text_; }
    void SetText(const std::string& text) { text_ = text; }
    TsuiIconType IconType() const { return iconType_; }
    void SetIconType(TsuiIconType icon) { iconType_ = icon; }
    // 1 to 3; other numbers are taken as the nearer of these.
    int ButtonCount() const { return buttonCount_; }
    void SetButtonCount(int count);
    const std::string& ButtonCaption(int button) const { return buttons_.at(Slot(button)).caption; }
    void SetButtonCaption(int button, const std::string& caption) { buttons_.at(Slot(button)).caption = caption; }
    TModalResult ButtonModalResult(int button) const { return buttons_.at(Slot(button)).result; }
    void SetButtonModalResult(int button, TModalResult result) { buttons_.at(Slot(button)).result = result; }
    TFont& Font() { return font_; }
    TFont& CaptionFont() { return captionFont_; }

    TModalResult ShowModal();

protected:
    void UIStyleChanged() override {}

private:
    struct Button {
        std::string caption;
        TModalResult result;
    };
    static std::size_t Slot(int button);
    // Button<N>Caption and Button<N>ModalResult as published properties.
    template <int N>
    const std::string& CaptionOf() const { return ButtonCaption(N); }
    template <int N>
    void SetCaptionOf(const std::string& caption) { SetButtonCaption(N, caption); }
    template <int N>
    TModalResult ResultOf() const { return ButtonModalResult(N); }
    template <int N>
    void SetResultOf(TModalResult result) { SetButtonModalResult(N, result); }

    std::string caption_;
    std::string text_;
    TsuiIconType iconType_ = TsuiIconType::suiNone;
    int buttonCount_ = 1;
    std::array<Button, 3> buttons_{{{"OK", mrOk}, {"Cancel", mrCancel}, {"", mrNone}}};
    TFont font_;
    TFont captionFont_;
};

}  // namespace vcl
