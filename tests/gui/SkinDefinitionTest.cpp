// The skinned form written as a definition with WriteComponent and read into a fresh form:
// the controls, their stored values, references and handlers all come back, and work.
#include <utility>

#include "platform/vcl/FormRecord.h"
#include "platform/vcl/FormStream.h"
#include "tests/gui/SkinForm.h"

namespace {

using guitest::TSkinForm;
using Events = std::vector<std::string>;

// An empty form offering the handlers the written definition names.
class TReadBack : public vcl::TForm {
public:
    OLZ_CLASS_INFO
    explicit TReadBack(vcl::TComponent* owner) : TForm(owner) {
        for (const char* name : {"ExitItem.OnClick", "Pages.OnChange", "SecondPage.OnShow", "Button.OnClick",
                                 "Check.OnClick", "Radio.OnClick", "Bar.OnChange", "Combo.OnChange"})
            PublishMethod<void(vcl::TObject*)>(name, [this, name](vcl::TObject*) { events.push_back(name); });
        PublishMethod<vcl::TTVChangingEvent>("TreeChanging", [this](vcl::TObject*, vcl::TTreeNode* node, bool&) {
            events.push_back("TreeChanging " + node->Text());
        });
    }
    template <class T>
    T& Get(const char* name) {
        T* found = dynamic_cast<T*>(FindComponent(name));
        if (!found) throw vcl::EComponentError(std::string("no ") + name);
        return *found;
    }
    Events events;
};

const vcl::ClassInfo& TReadBack::StaticClassInfo() {
    static const vcl::ClassInfo info = vcl::ClassBuilder<TReadBack>("TReadBack", &TForm::StaticClassInfo()).Build();
    return info;
}

class SkinDefinition : public guitest::GuiTest {
protected:
    SkinDefinition() {
        TSkinForm original(nullptr);
        original.radio->SetItemIndex(1);
        original.bar->SetPosition(42);
        original.bar->SetUIStyle(vcl::TsuiUIStyle::DeepBlue);
        original.combo->SetItemIndex(2);
        original.button->SetModalResult(vcl::mrOk);
        original.pages->SetActivePageIndex(0);
        vcl::TMemoryStream stream;
        vcl::WriteComponent(stream, original);
        stream.SetPosition(0);
        vcl::ComponentRecord record = vcl::DecodeForm(stream);
        record.className = "TReadBack";  // the same definition, for a form class of this test
        vcl::TMemoryStream renamed;
        vcl::EncodeForm(renamed, record);
        renamed.SetPosition(0);
        vcl::ReadComponent(renamed, form);
        form.Show();
    }
    TReadBack form{nullptr};
};

TEST_F(SkinDefinition, StoredValuesAndReferencesComeBack) {
    EXPECT_EQ(form.ClientWidth(), 600);
    EXPECT_EQ(form.Menu(), &form.Get<vcl::TsuiMainMenu>("Menu")) << "the form's menu, by name";
    EXPECT_EQ(form.Frame(), &form.Get<vcl::TsuiForm>("Frame"));
    EXPECT_EQ(GetWindowLongPtrA(form.Handle(), GWL_STYLE) & WS_CAPTION, 0);

    auto& radio = form.Get<vcl::TsuiRadioGroup>("Radio");
    EXPECT_EQ(radio.Items().CommaText(), "Automatic,Manual,Disable");
    EXPECT_EQ(radio.ItemIndex(), 1);
    EXPECT_EQ(SendMessageA(radio.Button(1).Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);

    auto& bar = form.Get<vcl::TsuiTrackBar>("Bar");
    EXPECT_EQ(SendMessageA(bar.Handle(), TBM_GETRANGEMIN, 0, 0), 5);
    EXPECT_EQ(SendMessageA(bar.Handle(), TBM_GETRANGEMAX, 0, 0), 60);
    EXPECT_EQ(SendMessageA(bar.Handle(), TBM_GETPOS, 0, 0), 42);
    EXPECT_EQ(bar.UIStyle(), vcl::TsuiUIStyle::DeepBlue);

    EXPECT_EQ(SendMessageA(form.Get<vcl::TsuiComboBox>("Combo").Handle(), CB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(form.Get<vcl::TsuiButton>("Button").ModalResult(), vcl::mrOk);
    auto& tree = form.Get<vcl::TsuiTreeView>("Tree");
    ASSERT_EQ(tree.Items().Count(), 2);
    EXPECT_EQ(tree.Items().Node(1)->Text(), "Lockout Duration");
    EXPECT_EQ(tree.Items().Node(1)->SelectedIndex(), 5);
    EXPECT_EQ(SendMessageA(tree.Handle(), TVM_GETCOUNT, 0, 0), 2);

    auto& pages = form.Get<vcl::TsuiPageControl>("Pages");
    EXPECT_EQ(pages.PageCount(), 2);
    EXPECT_EQ(pages.Pages(1)->Caption(), "Second");
    EXPECT_EQ(GetParent(form.Get<vcl::TsuiButton>("Button").Handle()), pages.Pages(0)->Handle());
    EXPECT_TRUE(form.events.empty()) << "reading a definition runs no handler";
}

TEST_F(SkinDefinition, HandlersAreBoundByNameAndRunFromMessages) {
    SendMessageA(form.Get<vcl::TsuiButton>("Button").Handle(), BM_CLICK, 0, 0);
    SendMessageA(form.Get<vcl::TsuiRadioGroup>("Radio").Button(2).Handle(), BM_CLICK, 0, 0);
    auto& tree = form.Get<vcl::TsuiTreeView>("Tree");
    SendMessageA(tree.Handle(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(tree.Items().Node(0)->ItemHandle()));
    PostMessageA(form.Handle(), WM_COMMAND, form.Get<vcl::TMenuItem>("ExitItem").Command(), 0);
    Pump();
    EXPECT_EQ(form.events, (Events{"Button.OnClick", "Radio.OnClick", "TreeChanging Voice Assistance",
                                   "ExitItem.OnClick"}));
    EXPECT_EQ(form.ModalResult(), vcl::mrOk) << "the button's stored modal result reached the form";
}

}  // namespace
