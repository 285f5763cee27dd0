#include "platform/skin/SuiTreeView.h"

#include "platform/skin/SkinPaint.h"

namespace vcl {

const ClassInfo& TTreeNode::StaticClassInfo() {
    static const ClassInfo info = ClassBuilder<TTreeNode>("TTreeNode", &TCollectionItem::StaticClassInfo())
                                      .Property("Text", &TTreeNode::Text, &TTreeNode::SetText)
                                      .Property("ImageIndex", &TTreeNode::ImageIndex, &TTreeNode::SetImageIndex, -1)
                                      .Property("SelectedIndex", &TTreeNode::SelectedIndex,
                                                &TTreeNode::SetSelectedIndex, -1)
                                      .Build();
    return info;
}

void TTreeNode::SetText(const std::string& text) {
    text_ = text;
    Changed();
}

void TTreeNode::SetImageIndex(int index) {
    imageIndex_ = index;
    Changed();
}

void TTreeNode::SetSelectedIndex(int index) {
    selectedIndex_ = index;
    Changed();
}

TTreeNodes::TTreeNodes(TsuiTreeView& tree)
    : TCollection(TTreeNode::StaticClassInfo(), [](TCollection& c) { return std::make_unique<TTreeNode>(&c); }),
      tree_(tree) {}

TTreeNode& TTreeNodes::AddNode(const std::string& text, int imageIndex, int selectedIndex) {
    BeginUpdate();
    auto& node = *static_cast<TTreeNode*>(Add());
    node.SetText(text);
    node.SetImageIndex(imageIndex);
    node.SetSelectedIndex(selectedIndex);
    EndUpdate();
    return node;
}

TPersistent* TTreeNodes::GetOwner() const { return &tree_; }

void TTreeNodes::Update(TCollectionItem*) { tree_.NodesChanged(); }

namespace {

// The class of tree views in general; the language component finds any tree view's nodes by it.
const ClassInfo& TreeViewClassInfo() {
    static const ClassInfo info = ClassBuilder<TsuiTreeView>("TTreeView", &TWinControl::StaticClassInfo()).Build();
    return info;
}

}  // namespace

const ClassInfo& TsuiTreeView::StaticClassInfo() {
    static const ClassInfo info =
        ClassBuilder<TsuiTreeView>("TsuiTreeView", &TreeViewClassInfo())
            .Property("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, true)
            .Property("HotTrack", &TsuiTreeView::HotTrack, &TsuiTreeView::SetHotTrack, false)
            .Property("Images", &TsuiTreeView::ImagesName, &TsuiTreeView::SetImagesName)
            .Collection("Items", &TsuiTreeView::Items)
            .Property("ReadOnly", &TsuiTreeView::ReadOnly, &TsuiTreeView::SetReadOnly, false)
            .Property("ShowButtons", &TsuiTreeView::ShowButtons, &TsuiTreeView::SetShowButtons, true)
            .Property("ShowLines", &TsuiTreeView::ShowLines, &TsuiTreeView::SetShowLines, true)
            .Property("UIStyle", &TsuiTreeView::UIStyle, &TsuiTreeView::SetUIStyle, TsuiUIStyle::MacOS)
            .Property("OnChanging", &TsuiTreeView::OnChanging, &TsuiTreeView::SetOnChanging)
            .Creatable()
            .Build();
    return info;
}

TsuiTreeView::TsuiTreeView(TComponent* owner) : TWinControl(owner), items_(*this) {
    SetBounds(0, 0, 121, 97);
    SetTabStop(true);
}

void TsuiTreeView::SetImages(TImageList* images) {
    images_.Set(images);
    if (HandleAllocated())
        SendMessageA(Handle(), TVM_SETIMAGELIST, TVSIL_NORMAL,
                     reinterpret_cast<LPARAM>(images ? images->Handle() : nullptr));
}

void TsuiTreeView::SetStyleFlag(bool& flag, bool value) {
    if (flag == value) return;
    flag = value;
    RecreateWnd();
}

void TsuiTreeView::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.className = WC_TREEVIEWA;
    params.ownClass = false;
    params.style |= WS_BORDER | TVS_SHOWSELALWAYS | (showLines_ ? TVS_HASLINES | TVS_LINESATROOT : 0u) |
                    (showButtons_ ? TVS_HASBUTTONS : 0u) | (hotTrack_ ? TVS_TRACKSELECT : 0u) |
                    (readOnly_ ? 0u : TVS_EDITLABELS);
}

void TsuiTreeView::InitializeHandle() {
    SetImages(images_.Get());
    ApplyColors();
    FillItems();
}

void TsuiTreeView::Loaded() {
    TWinControl::Loaded();
    images_.Resolve(ReferenceScope(*this));
    SetImages(images_.Get());
}

void TsuiTreeView::NodesChanged() {
    if (HandleAllocated()) FillItems();
}

void TsuiTreeView::FillItems() {
    HWND window = Handle();
    filling_ = true;
    SendMessageA(window, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    for (int i = 0; i < items_.Count(); ++i) {
        TTreeNode& node = *items_.Node(i);
        TVINSERTSTRUCTA insert{};
        insert.hParent = TVI_ROOT;
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
        insert.item.pszText = const_cast<char*>(node.Text().c_str());
        insert.item.iImage = node.ImageIndex();
        insert.item.iSelectedImage = node.SelectedIndex();
        insert.item.lParam = reinterpret_cast<LPARAM>(&node);
        node.SetItemHandle(
            reinterpret_cast<HTREEITEM>(SendMessageA(window, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert))));
    }
    filling_ = false;
}

void TsuiTreeView::ApplyColors() {
    HWND window = Handle();
    SendMessageA(window, TVM_SETBKCOLOR, 0, static_cast<LPARAM>(Skin().field));
    SendMessageA(window, TVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Font().Color())));
}

void TsuiTreeView::UIStyleChanged() {
    if (HandleAllocated()) ApplyColors();
    Invalidate();
}

TTreeNode* TsuiTreeView::Selected() const {
    if (!HandleAllocated()) return nullptr;
    const auto item = reinterpret_cast<HTREEITEM>(SendMessageA(ExistingHandle(), TVM_GETNEXTITEM, TVGN_CARET, 0));
    for (int i = 0; i < items_.Count(); ++i)
        if (item && items_.Node(i)->ItemHandle() == item) return items_.Node(i);
    return nullptr;
}

void TsuiTreeView::Select(TTreeNode* node) {
    SendMessageA(Handle(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(node ? node->ItemHandle() : nullptr));
}

bool TsuiTreeView::HandleReflected(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (message != WM_NOTIFY) return false;
    const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
    switch (header.code) {
        case TVN_SELCHANGINGA:
        case TVN_SELCHANGINGW: {
            if (filling_) return false;
            // The A and W records agree up to the item's lParam.
            const auto& change = *reinterpret_cast<const NMTREEVIEWA*>(lParam);
            bool allowChange = true;
            onChanging_(this, reinterpret_cast<TTreeNode*>(change.itemNew.lParam), allowChange);
            result = allowChange ? FALSE : TRUE;
            return true;
        }
        case NM_CUSTOMDRAW: {
            const auto& draw = *reinterpret_cast<const NMTVCUSTOMDRAW*>(lParam);
            if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) {
                result = CDRF_NOTIFYITEMDRAW;
                return true;
            }
            if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT && (draw.nmcd.uItemState & CDIS_HOT) != 0) {
                const_cast<NMTVCUSTOMDRAW&>(draw).clrText = Skin().accent;
                result = CDRF_NEWFONT;
                return true;
            }
            return false;
        }
        default: return false;
    }
}

LRESULT TsuiTreeView::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCPAINT) {
        // The one-pixel border in the style's colour instead of the system's.
        const win::WindowDc dc(Handle(), win::WindowDc::Area::Window);
        RECT frame;
        GetWindowRect(Handle(), &frame);
        OffsetRect(&frame, -frame.left, -frame.top);
        skin::Frame(dc.Get(), frame, Skin().border);
        return 0;
    }
    return TWinControl::WndProc(message, wParam, lParam);
}

}  // namespace vcl
