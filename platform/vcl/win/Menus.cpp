#include "platform/vcl/win/Menus.h"

#include <algorithm>

namespace vcl {

namespace {

UINT NextCommand() {
    static UINT next = 0;
    next = next % 0xE000 + 1;
    return next + 0x1000;
}

void AppendItems(HMENU menu, const TMenuItem& parent, bool ownerDrawn, const TMainMenu& mainMenu) {
    for (int i = 0; i < parent.Count(); ++i) {
        const TMenuItem& item = *parent.Items(i);
        if (!item.Visible()) continue;
        UINT flags = item.Enabled() ? MF_ENABLED : MF_GRAYED;
        if (item.IsSeparator()) {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        UINT_PTR id = item.Command();
        if (item.Count() > 0) {
            flags |= MF_POPUP;
            id = reinterpret_cast<UINT_PTR>(mainMenu.BuildPopup(item, ownerDrawn).Release());
        }
        if (ownerDrawn)
            AppendMenuA(menu, flags | MF_OWNERDRAW, id, reinterpret_cast<LPCSTR>(&item));
        else
            AppendMenuA(menu, flags | MF_STRING, id, item.Caption().c_str());
    }
}

}  // namespace

const ClassInfo& TMenuItem::StaticClassInfo() {
    static const ClassInfo info = ClassBuilder<TMenuItem>("TMenuItem", &TComponent::StaticClassInfo())
                                      .Property("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption)
                                      .Property("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled, true)
                                      .Property("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex, -1)
                                      .Property("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible, true)
                                      .Property("OnClick", &TMenuItem::OnClick, &TMenuItem::SetOnClick)
                                      .Creatable()
                                      .Build();
    return info;
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(NextCommand()) {}

TMenuItem::~TMenuItem() {
    for (TMenuItem* item : items_) item->parent_ = nullptr;
    Detach();
}

void TMenuItem::Detach() {
    if (!parent_) return;
    std::erase(parent_->items_, this);
    parent_->Changed();
    parent_ = nullptr;
}

void TMenuItem::SetCaption(const std::string& caption) {
    caption_ = caption;
    Changed();
}

void TMenuItem::SetImageIndex(int index) {
    imageIndex_ = index;
    Changed();
}

void TMenuItem::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Changed();
}

void TMenuItem::SetVisible(bool visible) {
    visible_ = visible;
    Changed();
}

void TMenuItem::Add(TMenuItem& item) {
    for (const TMenuItem* p = this; p; p = p->parent_)
        if (p == &item) throw EComponentError("A menu item cannot contain itself");
    item.Detach();
    item.parent_ = this;
    items_.push_back(&item);
    Changed();
}

TMainMenu* TMenuItem::Menu() const {
    const TMenuItem* root = this;
    while (root->parent_) root = root->parent_;
    return root->menu_;
}

TMenuItem* TMenuItem::FindCommand(UINT command) {
    if (command == command_) return this;
    for (TMenuItem* item : items_)
        if (TMenuItem* found = item->FindCommand(command)) return found;
    return nullptr;
}

TComponent* TMenuItem::GetParentComponent() const {
    if (parent_ && parent_->menu_) return parent_->menu_;
    return parent_;
}

void TMenuItem::SetParentComponent(TComponent* parent) {
    if (auto* menu = dynamic_cast<TMainMenu*>(parent))
        menu->Items().Add(*this);
    else if (auto* item = dynamic_cast<TMenuItem*>(parent))
        item->Add(*this);
}

void TMenuItem::Changed() {
    TMainMenu* menu = Menu();
    if (menu && menu->OnChange) menu->OnChange();
}

const ClassInfo& TMainMenu::StaticClassInfo() {
    static const ClassInfo info = ClassBuilder<TMainMenu>("TMainMenu", &TComponent::StaticClassInfo())
                                      .Property("Images", &TMainMenu::ImagesName, &TMainMenu::SetImagesName)
                                      .Creatable()
                                      .Build();
    return info;
}

TMainMenu::TMainMenu(TComponent* owner) : TComponent(owner), items_(std::make_unique<TMenuItem>(nullptr)) {
    items_->menu_ = this;
}

void TMainMenu::SetImages(TImageList* images) {
    images_.Set(images);
    if (OnChange) OnChange();
}

void TMainMenu::Loaded() {
    TComponent::Loaded();
    images_.Resolve(ReferenceScope(*this));
}

bool TMainMenu::DispatchCommand(UINT command) {
    TMenuItem* item = items_->FindCommand(command);
    if (!item || item == items_.get()) return false;
    item->Click();
    return true;
}

win::UniqueMenu TMainMenu::BuildMenuBar() const {
    win::UniqueMenu bar(CreateMenu());
    AppendItems(bar.Get(), *items_, false, *this);
    return bar;
}

win::UniqueMenu TMainMenu::BuildPopup(const TMenuItem& item, bool ownerDrawn) const {
    win::UniqueMenu popup(CreatePopupMenu());
    AppendItems(popup.Get(), item, ownerDrawn, *this);
    return popup;
}

}  // namespace vcl
