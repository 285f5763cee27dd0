#pragma once
// TPageControl and TTabSheet: pages of which one shows at a time. The plain page control
// shows no tabs (the program switches pages); a skinned one adds them. A sheet's OnShow runs
// whenever it comes into view: its page becomes active while the control shows, or the form
// holding the active page is shown.
#include <vector>

#include "platform/vcl/Events.h"
#include "platform/vcl/win/WinControl.h"

namespace vcl {

class TPageControl;

class TTabSheet : public TWinControl {
public:
    OLZ_CLASS_INFO
    explicit TTabSheet(TComponent* owner);
    ~TTabSheet() override;

    TPageControl* PageControl() const { return pageControl_; }
    int PageIndex() const;
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool visible);
    const TEvent<void(TObject*)>& OnShow() const { return onShow_; }
    void SetOnShow(TEvent<void(TObject*)> handler) { onShow_ = std::move(handler); }

    void SetParent(TWinControl* parent) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void ShowingChanged() override;
    void TextChanged() override;

private:
    friend class TPageControl;
    TPageControl* pageControl_ = nullptr;
    bool tabVisible_ = true;
    TEvent<void(TObject*)> onShow_;
};

class TPageControl : public TWinControl {
public:
    OLZ_CLASS_INFO
    explicit TPageControl(TComponent* owner);
    ~TPageControl() override;

    int PageCount() const { return static_cast<int>(pages_.size()); }
    TTabSheet* Pages(int index) const { return pages_.at(static_cast<std::size_t>(index)); }
    // -1 when there is no page. Out of range: no page shows.
    int ActivePageIndex() const;
    void SetActivePageIndex(int index);
    TTabSheet* ActivePage() const { return active_; }
    void SetActivePage(TTabSheet* page);

protected:
    void CreateParams(TCreateParams& params) override;
    void Loaded() override;
    // Pages were added, removed or retitled.
    virtual void PagesChanged() {}
    // Another page became the active one.
    virtual void ActivePageChanged() {}

private:
    friend class TTabSheet;
    void InsertPage(TTabSheet& page);
    void RemovePage(TTabSheet& page);

    std::vector<TTabSheet*> pages_;
    TTabSheet* active_ = nullptr;
    int storedActiveIndex_ = -1;
};

}  // namespace vcl
