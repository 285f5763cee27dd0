#include "platform/vcl/win/PageControl.h"

#include <algorithm>

namespace vcl {

const ClassInfo& TTabSheet::StaticClassInfo() {
    static const ClassInfo info = ClassBuilder<TTabSheet>("TTabSheet", &TWinControl::StaticClassInfo())
                                      // The page control places and shows its pages.
                                      .Property("Left", &TControl::Left, &TControl::SetLeft)
                                      .Transient()
                                      .Property("Top", &TControl::Top, &TControl::SetTop)
                                      .Transient()
                                      .Property("Width", &TControl::Width, &TControl::SetWidth)
                                      .Transient()
                                      .Property("Height", &TControl::Height, &TControl::SetHeight)
                                      .Transient()
                                      .Property("Align", &TControl::Align, &TControl::SetAlign)
                                      .Transient()
                                      .Property("Visible", &TControl::Visible, &TControl::SetVisible)
                                      .Transient()
                                      .Property("TabVisible", &TTabSheet::TabVisible, &TTabSheet::SetTabVisible, true)
                                      .Property("OnShow", &TTabSheet::OnShow, &TTabSheet::SetOnShow)
                                      .Creatable()
                                      .Build();
    return info;
}

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
    SetVisible(false);
    SetAlign(TAlign::alClient);
}

TTabSheet::~TTabSheet() {
    if (pageControl_) pageControl_->RemovePage(*this);
}

int TTabSheet::PageIndex() const {
    if (!pageControl_) return -1;
    const auto& pages = pageControl_->pages_;
    return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetTabVisible(bool visible) {
    tabVisible_ = visible;
    if (pageControl_) pageControl_->PagesChanged();
}

void TTabSheet::SetParent(TWinControl* parent) {
    if (pageControl_) pageControl_->RemovePage(*this);
    pageControl_ = nullptr;
    TWinControl::SetParent(parent);
    if (auto* pageControl = dynamic_cast<TPageControl*>(parent)) {
        pageControl_ = pageControl;
        pageControl->InsertPage(*this);
    }
}

void TTabSheet::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.style |= WS_CLIPCHILDREN;
    params.exStyle |= WS_EX_CONTROLPARENT;
}

void TTabSheet::ShowingChanged() {
    if (Showing()) onShow_(this);
}

void TTabSheet::TextChanged() {
    TWinControl::TextChanged();
    if (pageControl_) pageControl_->PagesChanged();
}

const ClassInfo& TPageControl::StaticClassInfo() {
    static const ClassInfo info = ClassBuilder<TPageControl>("TPageControl", &TWinControl::StaticClassInfo())
                                      .Property("ActivePageIndex", &TPageControl::ActivePageIndex,
                                                &TPageControl::SetActivePageIndex, -1)
                                      .Creatable()
                                      .Build();
    return info;
}

TPageControl::TPageControl(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 289, 193); }

TPageControl::~TPageControl() {
    for (TTabSheet* page : pages_) page->pageControl_ = nullptr;
}

int TPageControl::ActivePageIndex() const { return active_ ? active_->PageIndex() : -1; }

void TPageControl::SetActivePageIndex(int index) {
    if (Loading()) {
        storedActiveIndex_ = index;  // the pages are read after the control's own properties
        return;
    }
    SetActivePage(index >= 0 && index < PageCount() ? pages_[static_cast<std::size_t>(index)] : nullptr);
}

void TPageControl::SetActivePage(TTabSheet* page) {
    if (page == active_ || (page && page->pageControl_ != this)) return;
    TTabSheet* previous = active_;
    active_ = page;
    // The new page shows before the old one hides, so the control never flashes empty.
    if (active_) active_->SetVisible(true);
    if (previous) previous->SetVisible(false);
    ActivePageChanged();
}

void TPageControl::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.style |= WS_CLIPCHILDREN;
    params.exStyle |= WS_EX_CONTROLPARENT;
}

void TPageControl::Loaded() {
    TWinControl::Loaded();
    if (storedActiveIndex_ >= 0) SetActivePageIndex(storedActiveIndex_);
}

void TPageControl::InsertPage(TTabSheet& page) {
    pages_.push_back(&page);
    PagesChanged();
    if (!active_ && !Loading()) SetActivePage(&page);
    if (!active_ && Loading() && storedActiveIndex_ < 0) storedActiveIndex_ = 0;
}

void TPageControl::RemovePage(TTabSheet& page) {
    const int index = page.PageIndex();
    std::erase(pages_, &page);
    if (active_ == &page) {
        active_ = nullptr;
        if (!pages_.empty()) SetActivePage(pages_[static_cast<std::size_t>(std::min(index, PageCount() - 1))]);
    }
    PagesChanged();
}

}  // namespace vcl
