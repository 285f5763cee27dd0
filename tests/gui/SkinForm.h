#pragma once
// A form built in code with a skinned frame, a menu and one control of each kind, and the
// events they raised, in order.
#include <string>
#include <vector>

#include "platform/skin/SuiButton.h"
#include "platform/skin/SuiCheckBox.h"
#include "platform/skin/SuiComboBox.h"
#include "platform/skin/SuiForm.h"
#include "platform/skin/SuiMainMenu.h"
#include "platform/skin/SuiPageControl.h"
#include "platform/skin/SuiRadioGroup.h"
#include "platform/skin/SuiTrackBar.h"
#include "platform/skin/SuiTreeView.h"
#include "platform/skin/SuiURLLabel.h"
#include "platform/vcl/win/Form.h"
#include "tests/gui/GuiTest.h"

namespace guitest {

class TSkinForm : public vcl::TForm {
public:
    OLZ_CLASS_INFO
    explicit TSkinForm(vcl::TComponent* owner);

    // What happened, as "<component>.<event>", in order.
    std::vector<std::string> events;
    // The tree's answer to OnChanging.
    bool allowTreeChange = true;

    vcl::TsuiForm* frame;
    vcl::TsuiMainMenu* menu;
    vcl::TMenuItem* fileMenu;
    vcl::TMenuItem* exitItem;
    vcl::TsuiPageControl* pages;
    vcl::TsuiTabSheet* firstPage;
    vcl::TsuiTabSheet* secondPage;
    vcl::TsuiButton* button;
    vcl::TsuiCheckBox* check;
    vcl::TsuiRadioGroup* radio;
    vcl::TsuiTrackBar* bar;
    vcl::TsuiComboBox* combo;
    vcl::TsuiTreeView* tree;
    vcl::TsuiURLLabel* link;

private:
    // A handler that notes "<name>.<event>" when called.
    vcl::TEvent<void(vcl::TObject*)> Note(const std::string& what);
};

// Sends a control's parent the notification the control sends when the user acts on it.
void NotifyCommand(HWND control, WORD code);
LRESULT NotifyParent(HWND control, UINT code);

}  // namespace guitest
