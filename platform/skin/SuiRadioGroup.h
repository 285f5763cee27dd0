#pragma once
// TsuiRadioGroup: a captioned group box holding one skinned radio button per item, laid out in
// Columns below a top margin. ItemIndex set from code selects without OnClick; a click on an
// item (also on the selected one) runs OnClick. Items that no longer hold the selected index
// leave no selection.
#include <memory>
#include <vector>

#include "platform/skin/SkinStyle.h"
#include "platform/skin/SuiRadioButton.h"
#include "platform/vcl/Strings.h"

namespace vcl {

class TsuiRadioGroup : public TWinControl, public TSkinned {
public:
    OLZ_CLASS_INFO
    explicit TsuiRadioGroup(TComponent* owner);
    ~TsuiRadioGroup() override;

    TStringList& Items() { return items_; }
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    int Columns() const { return columns_; }
    void SetColumns(int columns);
    int TopMargin() const { return topMargin_; }
    void SetTopMargin(int margin);
    const TEvent<void(TObject*)>& OnClick() const { return onClick_; }
    void SetOnClick(TEvent<void(TObject*)> handler) { onClick_ = std::move(handler); }

    // The button of an item, for keyboard focus and tests.
    TsuiRadioButton& Button(int index) const { return *buttons_.at(static_cast<std::size_t>(index)); }

protected:
    void CreateParams(TCreateParams& params) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void BoundsChanged() override;
    void FontChanged() override;
    void EnabledChanged() override;
    void UIStyleChanged() override;

private:
    void ItemsChanged();
    void ArrangeButtons();
    void Paint(HDC dc);

    TStringList items_;
    int itemIndex_ = -1;
    int columns_ = 1;
    int topMargin_ = 0;
    TEvent<void(TObject*)> onClick_;
    std::vector<std::unique_ptr<TsuiRadioButton>> buttons_;
};

}  // namespace vcl
