#pragma once
// TsuiComboBox: a skinned drop-down list (COMBOBOX, owner-drawn items). csDropDown lets the
// user type; csDropDownList only picks. ItemIndex and Text set from code select silently;
// OnChange runs only after the user picked an item or edited the text. An ItemIndex outside
// the items selects nothing.
#include <array>
#include <string>

#include "platform/skin/SkinStyle.h"
#include "platform/vcl/Events.h"
#include "platform/vcl/Strings.h"
#include "platform/vcl/win/WinControl.h"

namespace vcl {

enum class TComboBoxStyle { csDropDown, csDropDownList };
template <>
struct EnumNames<TComboBoxStyle> {
    static constexpr std::array<std::string_view, 2> names{"csDropDown", "csDropDownList"};
};

class TsuiComboBox : public TWinControl, public TSkinned {
public:
    OLZ_CLASS_INFO
    explicit TsuiComboBox(TComponent* owner);
    ~TsuiComboBox() override;

    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle style);
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int count);
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int height);
    TStringList& Items() { return items_; }
    int ItemIndex() const;
    void SetItemIndex(int index);
    std::string Text() const;
    void SetText(const std::string& text);
    const TEvent<void(TObject*)>& OnChange() const { return onChange_; }
    void SetOnChange(TEvent<void(TObject*)> handler) { onChange_ = std::move(handler); }

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeHandle() override;
    void BoundsChanged() override;
    void WindowMoved(const RECT& bounds) override;
    bool HandleReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void UIStyleChanged() override { Invalidate(); }

private:
    void FillItems();
    void DrawItem(const DRAWITEMSTRUCT& item);
    void DrawFrame();
    // The height of the window: the closed box and the list below it.
    int WindowHeight() const { return Height() + dropDownCount_ * itemHeight_ + 2; }

    TComboBoxStyle style_ = TComboBoxStyle::csDropDown;
    int dropDownCount_ = 8;
    int itemHeight_ = 16;
    TStringList items_;
    int itemIndex_ = -1;
    std::string text_;
    TEvent<void(TObject*)> onChange_;
};

}  // namespace vcl
