#include "tests/gui/SkinForm.h"

namespace guitest {

using namespace vcl;

const ClassInfo& TSkinForm::StaticClassInfo() {
    static const ClassInfo info = ClassBuilder<TSkinForm>("TSkinForm", &TForm::StaticClassInfo()).Build();
    return info;
}

TEvent<void(TObject*)> TSkinForm::Note(const std::string& what) {
    return TEvent<void(TObject*)>(what, [this, what](TObject*) { events.push_back(what); });
}

TSkinForm::TSkinForm(TComponent* owner) : TForm(owner) {
    SetCaption("Skin Test");
    SetBorderStyle(TFormBorderStyle::bsSingle);
    SetClientWidth(600);
    SetClientHeight(400);

    menu = new TsuiMainMenu(this);
    menu->SetName("Menu");
    fileMenu = new TMenuItem(this);
    fileMenu->SetCaption("&File");
    menu->Items().Add(*fileMenu);
    exitItem = new TMenuItem(this);
    exitItem->SetName("ExitItem");
    exitItem->SetCaption("E&xit");
    exitItem->SetOnClick(Note("ExitItem.OnClick"));
    fileMenu->Add(*exitItem);
    SetMenu(menu);

    frame = new TsuiForm(this);
    frame->SetName("Frame");
    frame->SetBorderIcons(TBorderIcons{TBorderIcon::biSystemMenu, TBorderIcon::biMinimize});
    frame->SetParent(this);

    pages = new TsuiPageControl(this);
    pages->SetName("Pages");
    pages->SetAlign(TAlign::alClient);
    pages->SetOnChange(Note("Pages.OnChange"));
    pages->SetParent(frame);
    firstPage = new TsuiTabSheet(this);
    firstPage->SetName("FirstPage");
    firstPage->SetCaption("First");
    firstPage->SetParent(pages);
    secondPage = new TsuiTabSheet(this);
    secondPage->SetName("SecondPage");
    secondPage->SetCaption("Second");
    secondPage->SetOnShow(Note("SecondPage.OnShow"));
    secondPage->SetParent(pages);

    button = new TsuiButton(this);
    button->SetName("Button");
    button->SetCaption("&Apply");
    button->SetBounds(400, 300, 80, 27);
    button->SetOnClick(Note("Button.OnClick"));
    button->SetParent(firstPage);

    check = new TsuiCheckBox(this);
    check->SetName("Check");
    check->SetCaption("Play the sound");
    check->SetBounds(250, 10, 150, 20);
    check->SetOnClick(Note("Check.OnClick"));
    check->SetParent(firstPage);

    radio = new TsuiRadioGroup(this);
    radio->SetName("Radio");
    radio->SetCaption("Startup Type");
    radio->SetBounds(250, 40, 200, 100);
    radio->Items().SetCommaText("Automatic,Manual,Disable");
    radio->SetOnClick(Note("Radio.OnClick"));
    radio->SetParent(firstPage);

    bar = new TsuiTrackBar(this);
    bar->SetName("Bar");
    bar->SetMin(5);
    bar->SetMax(60);
    bar->SetPosition(10);
    bar->SetBounds(250, 150, 300, 36);
    bar->SetOnChange(Note("Bar.OnChange"));
    bar->SetParent(firstPage);

    combo = new TsuiComboBox(this);
    combo->SetName("Combo");
    combo->SetStyle(TComboBoxStyle::csDropDownList);
    combo->Items().SetCommaText("MacOS,WinXP,DeepBlue,Protein,BlueGlass");
    combo->SetBounds(250, 200, 250, 24);
    combo->SetOnChange(Note("Combo.OnChange"));
    combo->SetParent(firstPage);

    tree = new TsuiTreeView(this);
    tree->SetName("Tree");
    tree->SetBounds(0, 0, 193, 250);
    tree->Items().AddNode("Voice Assistance", 0, 0);
    tree->Items().AddNode("Lockout Duration", 5, 5);
    tree->SetOnChanging(TEvent<TTVChangingEvent>(
        "TreeChanging", [this](TObject*, TTreeNode* node, bool& allowChange) {
            events.push_back("Tree.OnChanging " + (node ? node->Text() : std::string("(none)")));
            allowChange = allowTreeChange;
        }));
    tree->SetParent(firstPage);

    link = new TsuiURLLabel(this);
    link->SetName("Link");
    link->SetCaption("Powered by Qentrix");
    link->SetURL("https://example.com/");
    link->SetBounds(250, 260, 100, 13);
    link->SetParent(firstPage);
}

void NotifyCommand(HWND control, WORD code) {
    SendMessageA(GetParent(control), WM_COMMAND,
                 vcl::win::CommandParam(static_cast<WORD>(GetDlgCtrlID(control)), code),
                 reinterpret_cast<LPARAM>(control));
}

LRESULT NotifyParent(HWND control, UINT code) {
    NMHDR header{control, static_cast<UINT_PTR>(GetDlgCtrlID(control)), code};
    return SendMessageA(GetParent(control), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

}  // namespace guitest
