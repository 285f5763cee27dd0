#include "platform/skin/RegisterSkin.h"

#include "platform/vcl/Classes.h"

#include "platform/skin/SuiButton.h"
#include "platform/skin/SuiCheckBox.h"
#include "platform/skin/SuiComboBox.h"
#include "platform/skin/SuiForm.h"
#include "platform/skin/SuiMainMenu.h"
#include "platform/skin/SuiMessageDialog.h"
#include "platform/skin/SuiPageControl.h"
#include "platform/skin/SuiRadioButton.h"
#include "platform/skin/SuiRadioGroup.h"
#include "platform/skin/SuiThemeManager.h"
#include "platform/skin/SuiTrackBar.h"
#include "platform/skin/SuiTreeView.h"
#include "platform/skin/SuiURLLabel.h"
#include "platform/vcl/win/RegisterControls.h"

namespace vcl {

void RegisterSkinClasses() {
    RegisterControlClasses();
    for (const ClassInfo* info :
         {&TsuiButton::StaticClassInfo(), &TsuiCheckBox::StaticClassInfo(), &TsuiRadioButton::StaticClassInfo(),
          &TsuiRadioGroup::StaticClassInfo(), &TsuiTrackBar::StaticClassInfo(), &TsuiTreeView::StaticClassInfo(),
          &TsuiPageControl::StaticClassInfo(), &TsuiTabSheet::StaticClassInfo(),
          &TsuiComboBox::StaticClassInfo(), &TsuiURLLabel::StaticClassInfo(), &TsuiForm::StaticClassInfo(),
          &TsuiMainMenu::StaticClassInfo(), &TsuiMessageDialog::StaticClassInfo(), &TsuiThemeManager::StaticClassInfo()})
        RegisterComponentClass(*info);
}

}  // namespace vcl
