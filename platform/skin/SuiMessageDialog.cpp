#include "platform/skin/SuiMessageDialog.h"

#include <algorithm>

#include "platform/skin/SkinPaint.h"
#include "platform/skin/SuiButton.h"
#include "platform/skin/SuiForm.h"
#include "platform/vcl/win/Label.h"

namespace vcl {

namespace {

constexpr std::array<std::string_view, 5> kIconNames{"suiNone", "suiWarning", "suiStop", "suiInformation", "suiHelp"};
constexpr int kMargin = 16;
constexpr int kIconSize = 32;
constexpr int kButtonHeight = 25;
constexpr int kButtonGap = 8;

// The system's picture for an icon type, on a STATIC.
class TDialogIcon : public TWinControl {
public:
    TDialogIcon(TComponent* owner, TsuiIconType icon) : TWinControl(owner), icon_(icon) {
        SetBounds(0, 0, kIconSize, kIconSize);
    }

protected:
    void CreateParams(TCreateParams& params) override {
        TWinControl::CreateParams(params);
        params.className = "STATIC";
        params.ownClass = false;
        params.style |= SS_ICON;
    }
    void InitializeHandle() override {
        const WORD ids[] = {0, 32515 /* IDI_WARNING */, 32513 /* IDI_ERROR */, 32516 /* IDI_INFORMATION */,
                            32514 /* IDI_QUESTION */};
        HICON icon = LoadIconA(nullptr, win::ResourceId(ids[static_cast<std::size_t>(icon_)]));
        SendMessageA(Handle(), STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    }

private:
    TsuiIconType icon_;
};

}  // namespace

PropValue PropertyCodec<TsuiIconType>::Encode(TsuiIconType icon) {
    return Ident{std::string(kIconNames.at(static_cast<std::size_t>(icon)))};
}

TsuiIconType PropertyCodec<TsuiIconType>::Decode(const PropValue& value) {
    const std::string& name = value.As<Ident>().name;
    if (SameText(name, "suiError")) return TsuiIconType::suiStop;
    if (SameText(name, "suiQuestion")) return TsuiIconType::suiHelp;
    for (std::size_t i = 0; i < kIconNames.size(); ++i)
        if (SameText(kIconNames[i], name)) return static_cast<TsuiIconType>(i);
    ThrowInvalidPropertyValue();
}

const ClassInfo& TsuiMessageDialog::StaticClassInfo() {
    using D = TsuiMessageDialog;
    static const ClassInfo info = ClassBuilder<D>("TsuiMessageDialog", &TComponent::StaticClassInfo())
                                      .Property("Caption", &D::Caption, &D::SetCaption)
                                      .Property("Text", &D::Text, &D::SetText)
                                      .Property("IconType", &D::IconType, &D::SetIconType, TsuiIconType::suiNone)
                                      .Property("ButtonCount", &D::ButtonCount, &D::SetButtonCount, 1)
                                      .Property("Button1Caption", &D::CaptionOf<1>, &D::SetCaptionOf<1>, "OK")
                                      .Property("Button2Caption", &D::CaptionOf<2>, &D::SetCaptionOf<2>, "Cancel")
                                      .Property("Button3Caption", &D::CaptionOf<3>, &D::SetCaptionOf<3>, "")
                                      .Property("Button1ModalResult", &D::ResultOf<1>, &D::SetResultOf<1>, mrOk)
                                      .Property("Button2ModalResult", &D::ResultOf<2>, &D::SetResultOf<2>, mrCancel)
                                      .Property("Button3ModalResult", &D::ResultOf<3>, &D::SetResultOf<3>, mrNone)
                                      .Object("Font", &D::Font)
                                      .Object("CaptionFont", &D::CaptionFont)
                                      .Property("UIStyle", &D::UIStyle, &D::SetUIStyle, TsuiUIStyle::MacOS)
                                      .Creatable()
                                      .Build();
    return info;
}

TsuiMessageDialog::TsuiMessageDialog(TComponent* owner) : TComponent(owner) {
    captionFont_.SetStyle(TFontStyles{TFontStyle::fsBold});
    captionFont_.SetColor(clDefault);
}

std::size_t TsuiMessageDialog::Slot(int button) {
    if (button < 1 || button > 3) throw EListError("List index out of bounds (" + std::to_string(button) + ")");
    return static_cast<std::size_t>(button - 1);
}

void TsuiMessageDialog::SetButtonCount(int count) { buttonCount_ = std::clamp(count, 1, 3); }

TModalResult TsuiMessageDialog::ShowModal() {
    TForm form(nullptr);
    form.SetBorderStyle(TFormBorderStyle::bsDialog);
    form.SetPosition(TPosition::poScreenCenter);
    form.SetCaption(caption_);
    form.Font().Assign(font_);

    auto& frame = *new TsuiForm(&form);
    frame.SetUIStyle(UIStyle());
    frame.SetBorderIcons(TBorderIcons{TBorderIcon::biSystemMenu});
    frame.SetShowAppIcon(false);
    frame.CaptionFont().Assign(captionFont_);
    frame.SetParent(&form);

    const bool hasIcon = iconType_ != TsuiIconType::suiNone;
    const int textLeft = kMargin + (hasIcon ? kIconSize + 14 : 0);
    const int textWidth = std::clamp(static_cast<int>(skin::TextSize(font_.Handle(), text_).cx), 180, 400);
    auto& label = *new TLabel(&form);
    label.SetWordWrap(true);
    label.SetTransparent(true);
    label.SetBounds(textLeft, kMargin, textWidth, 13);
    label.SetCaption(text_);
    label.SetParent(&frame);
    const int bodyHeight = std::max(hasIcon ? kIconSize : 0, label.Height());
    if (hasIcon) {
        auto& icon = *new TDialogIcon(&form, iconType_);
        icon.SetLeft(kMargin);
        icon.SetTop(kMargin);
        icon.SetParent(&frame);
        if (label.Height() < kIconSize) label.SetTop(kMargin + (kIconSize - label.Height()) / 2);
    }

    int buttonWidth = 75;
    for (int i = 1; i <= buttonCount_; ++i)
        buttonWidth = std::max(buttonWidth, static_cast<int>(skin::TextSize(font_.Handle(), ButtonCaption(i)).cx) + 24);
    const int buttonsWidth = buttonCount_ * buttonWidth + (buttonCount_ - 1) * kButtonGap;
    const int contentWidth = std::max(textLeft + textWidth + kMargin, buttonsWidth + 2 * kMargin);
    const int buttonsTop = kMargin + bodyHeight + 16;
    bool hasCancel = false;
    for (int i = 1; i <= buttonCount_; ++i) hasCancel = hasCancel || ButtonModalResult(i) == mrCancel;
    for (int i = 1; i <= buttonCount_; ++i) {
        auto& button = *new TsuiButton(&form);
        button.SetUIStyle(UIStyle());
        button.SetCaption(ButtonCaption(i));
        button.SetModalResult(ButtonModalResult(i));
        button.SetDefault(i == 1);
        // Esc picks the button that cancels, or the last one.
        button.SetCancel(hasCancel ? ButtonModalResult(i) == mrCancel : i == buttonCount_);
        button.SetBounds((contentWidth - buttonsWidth) / 2 + (i - 1) * (buttonWidth + kButtonGap), buttonsTop,
                         buttonWidth, kButtonHeight);
        button.SetParent(&frame);
    }

    const SIZE frameSize = frame.NonClientSize();
    form.SetClientWidth(contentWidth + frameSize.cx);
    form.SetClientHeight(buttonsTop + kButtonHeight + 12 + frameSize.cy);
    return form.ShowModal();
}

}  // namespace vcl
