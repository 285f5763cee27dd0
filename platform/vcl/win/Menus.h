#pragma once
// TMainMenu and TMenuItem: a menu tree whose items are components of the form, each with a
// caption ("&File", "-" for a separator), an image of the menu's image list and OnClick. The
// menu becomes Windows menus on demand; a chosen item arrives as WM_COMMAND with its Command.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/vcl/Events.h"
#include "platform/vcl/win/ComponentRef.h"
#include "platform/vcl/win/ImageList.h"
#include "platform/vcl/win/WinHandles.h"

namespace vcl {

class TMainMenu;

class TMenuItem : public TComponent {
public:
    OLZ_CLASS_INFO
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    bool IsSeparator() const { return caption_ == "-"; }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    const TEvent<void(TObject*)>& OnClick() const { return onClick_; }
    void SetOnClick(TEvent<void(TObject*)> handler) { onClick_ = std::move(handler); }

    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int index) const { return items_.at(static_cast<std::size_t>(index)); }
    void Add(TMenuItem& item);
    TMenuItem* Parent() const { return parent_; }
    TMainMenu* Menu() const;

    // The id its WM_COMMAND carries; unique in the program, clear of the dialog ids.
    UINT Command() const { return command_; }
    TMenuItem* FindCommand(UINT command);
    void Click() { onClick_(this); }

    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* parent) override;

private:
    friend class TMainMenu;
    void Changed();
    void Detach();

    std::string caption_;
    int imageIndex_ = -1;
    bool enabled_ = true;
    bool visible_ = true;
    TEvent<void(TObject*)> onClick_;
    UINT command_;
    TMenuItem* parent_ = nullptr;
    TMainMenu* menu_ = nullptr;  // set on the root item only
    std::vector<TMenuItem*> items_;
};

class TMainMenu : public TComponent {
public:
    OLZ_CLASS_INFO
    explicit TMainMenu(TComponent* owner);

    // The invisible root whose items are the menu bar's.
    TMenuItem& Items() { return *items_; }
    const TMenuItem& Items() const { return *items_; }
    TImageList* Images() const { return images_.Get(); }
    void SetImages(TImageList* images);

    // Clicks the item with this command; false when the menu has none.
    bool DispatchCommand(UINT command);
    // A menu bar of the items, and a popup menu of one item's items. Owner-drawn items leave
    // their look to the owner window's WM_MEASUREITEM and WM_DRAWITEM; their item data is the
    // TMenuItem.
    win::UniqueMenu BuildMenuBar() const;
    win::UniqueMenu BuildPopup(const TMenuItem& item, bool ownerDrawn) const;

    // Called after an item changed.
    std::function<void()> OnChange;

protected:
    void Loaded() override;

private:
    friend class TMenuItem;
    TComponentName ImagesName() const { return images_.Name(); }
    void SetImagesName(TComponentName name) { images_.SetName(name, *this, ReferenceScope(*this)); }

    std::unique_ptr<TMenuItem> items_;
    TComponentRef<TImageList> images_;
};

}  // namespace vcl
