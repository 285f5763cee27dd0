#pragma once
// TsuiPageControl and TsuiTabSheet: pages under skinned tabs (SysTabControl32, painted in
// the style). Each sheet with TabVisible has a tab; with no tab visible the pages fill the
// control. OnChanging may refuse a tab the user picks; OnChange follows a change by the user.
#include "platform/skin/SkinStyle.h"
#include "platform/vcl/win/PageControl.h"

namespace vcl {

class TsuiPageControl : public TPageControl, public TSkinned {
public:
    OLZ_CLASS_INFO
    explicit TsuiPageControl(TComponent* owner);

    const TEvent<void(TObject*)>& OnChange() const { return onChange_; }
    void SetOnChange(TEvent<void(TObject*)> handler) { onChange_ = std::move(handler); }
    const TEvent<void(TObject*, bool&)>& OnChanging() const { return onChanging_; }
    void SetOnChanging(TEvent<void(TObject*, bool&)> handler) { onChanging_ = std::move(handler); }

    RECT ClientArea() const override;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeHandle() override;
    bool HandleReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PagesChanged() override;
    void ActivePageChanged() override;
    void FontChanged() override;
    void UIStyleChanged() override { Invalidate(); }

private:
    int TabHeight() const;
    bool HasTabs() const;
    // The page of a tab, and the tab of a page (-1 without one).
    TTabSheet* PageOfTab(int tab) const;
    int TabOfPage(const TTabSheet* page) const;
    void FillTabs();
    void Paint(HDC dc);

    TEvent<void(TObject*)> onChange_;
    TEvent<void(TObject*, bool&)> onChanging_;
};

class TsuiTabSheet : public TTabSheet {
public:
    OLZ_CLASS_INFO
    explicit TsuiTabSheet(TComponent* owner) : TTabSheet(owner) {}
    COLORREF BackgroundRGB() const override;
};

}  // namespace vcl
