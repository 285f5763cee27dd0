#pragma once
// TMainFrm: the System Manager's main window. Its controls come from its stored definition
// (FMain.olzform); it forwards their events to MainLogic and gives the logic its controls.
#include <windows.h>

#include <array>

#include "manager/MainLogic.h"
#include "manager/MainView.h"
#include "platform/vcl/win/Form.h"

namespace vcl {
class TLabel;
class TsuiRadioGroup;
class TsuiTrackBar;
}  // namespace vcl

class TMainFrm : public vcl::TForm, public manager::MainView {
public:
    OLZ_CLASS_INFO
    explicit TMainFrm(vcl::TComponent* owner);

    // manager::MainView
    TSettings& Settings() override;
    TWavePlayer& SelectionSound() override;
    int ChoiceIndex(manager::Choice choice) const override;
    void SelectChoice(manager::Choice choice, int index) override;
    int BarPosition(manager::Bar bar) const override;
    void SetBarPosition(manager::Bar bar, int position) override;
    void SetValueLabel(manager::Bar bar, const std::string& text) override;
    int ThemeIndex() const override;
    void SelectTheme(int index) override;
    int LanguageIndex() const override;
    void SelectLanguage(int index) override;
    void ShowPage(manager::Tab tab, int pageIndex) override;
    void ApplyThemeStyle(std::optional<config::ThemeStyle> style) override;
    void SetKeyPreview(bool on) override { TForm::SetKeyPreview(on); }

    // manager::ServiceView
    TSrvCtrl& ServiceControl() override;
    int ServiceChoiceIndex(manager::ServiceChoice choice) const override;
    void SelectServiceChoice(manager::ServiceChoice choice, int index) override;
    int StartStopCount() const override;
    void DeleteStartStopEntry(int index) override;
    void AppendStartStopEntry(const std::string& text) override;

private:
    void PublishHandlers();
    // A control of the stored definition, by name and class; raises when the definition lacks it.
    template <class T>
    T& Control(const char* name) const;

    vcl::TsuiRadioGroup& ChoiceGroup(manager::Choice choice) const;
    vcl::TsuiRadioGroup& ServiceGroup(manager::ServiceChoice choice) const;
    vcl::TsuiTrackBar& BarControl(manager::Bar bar) const;
    vcl::TLabel& BarLabel(manager::Bar bar) const;

    manager::MainLogic logic_{*this};
};

// Makes the manager's own classes known to form definitions.
void RegisterManagerClasses();
