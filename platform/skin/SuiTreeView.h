#pragma once
// TsuiTreeView: a skinned tree view (SysTreeView32) whose nodes, stored with the form as the
// collection Items (Text, ImageIndex, SelectedIndex), show images of an image list. OnChanging
// runs before the selection moves (TVN_SELCHANGING); refusing keeps the selection as it is.
#include <string>

#include "platform/skin/SkinStyle.h"
#include "platform/vcl/Collection.h"
#include "platform/vcl/Events.h"
#include "platform/vcl/win/ComponentRef.h"
#include "platform/vcl/win/ImageList.h"
#include "platform/vcl/win/WinControl.h"

namespace vcl {

class TTreeNode : public TCollectionItem {
public:
    OLZ_CLASS_INFO
    explicit TTreeNode(TCollection* collection) : TCollectionItem(collection) {}

    const std::string& Text() const { return text_; }
    void SetText(const std::string& text);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    int SelectedIndex() const { return selectedIndex_; }
    void SetSelectedIndex(int index);
    std::string DisplayName() const override { return text_; }

    // The tree view's item while the node is shown.
    HTREEITEM ItemHandle() const { return item_; }
    void SetItemHandle(HTREEITEM item) { item_ = item; }

private:
    std::string text_;
    int imageIndex_ = -1;
    int selectedIndex_ = -1;
    HTREEITEM item_ = nullptr;
};

class TsuiTreeView;

class TTreeNodes : public TCollection {
public:
    explicit TTreeNodes(TsuiTreeView& tree);
    TTreeNode* Node(int index) const { return static_cast<TTreeNode*>(Item(index)); }
    TTreeNode& AddNode(const std::string& text, int imageIndex, int selectedIndex);
    TPersistent* GetOwner() const override;

protected:
    void Update(TCollectionItem* item) override;

private:
    TsuiTreeView& tree_;
};

using TTVChangingEvent = void(TObject* sender, TTreeNode* node, bool& allowChange);

class TsuiTreeView : public TWinControl, public TSkinned {
public:
    OLZ_CLASS_INFO
    explicit TsuiTreeView(TComponent* owner);

    TTreeNodes& Items() { return items_; }
    TImageList* Images() const { return images_.Get(); }
    void SetImages(TImageList* images);
    bool ShowLines() const { return showLines_; }
    void SetShowLines(bool show) { SetStyleFlag(showLines_, show); }
    bool ShowButtons() const { return showButtons_; }
    void SetShowButtons(bool show) { SetStyleFlag(showButtons_, show); }
    bool HotTrack() const { return hotTrack_; }
    void SetHotTrack(bool hot) { SetStyleFlag(hotTrack_, hot); }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly) { SetStyleFlag(readOnly_, readOnly); }
    const TEvent<TTVChangingEvent>& OnChanging() const { return onChanging_; }
    void SetOnChanging(TEvent<TTVChangingEvent> handler) { onChanging_ = std::move(handler); }

    // The selected node, or null.
    TTreeNode* Selected() const;
    // Moves the selection as a click would, OnChanging included; null clears it.
    void Select(TTreeNode* node);

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeHandle() override;
    void Loaded() override;
    bool HandleReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void UIStyleChanged() override;

private:
    friend class TTreeNodes;
    void NodesChanged();
    void FillItems();
    void ApplyColors();
    void SetStyleFlag(bool& flag, bool value);
    TComponentName ImagesName() const { return images_.Name(); }
    void SetImagesName(TComponentName name) { images_.SetName(name, *this, ReferenceScope(*this)); }

    TTreeNodes items_;
    TComponentRef<TImageList> images_;
    bool showLines_ = true;
    bool showButtons_ = true;
    bool hotTrack_ = false;
    bool readOnly_ = false;
    bool filling_ = false;
    TEvent<TTVChangingEvent> onChanging_;
};

}  // namespace vcl
