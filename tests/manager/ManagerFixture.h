#pragma once
// The manager's window logic against a window of plain values, over a simulated Windows whose
// system directory is a scratch folder.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "common/WavePlay.h"
#include "manager/MainLogic.h"
#include "platform/os/Os.h"
#include "platform/os/sim/SimOs.h"
#include "platform/vcl/Application.h"
#include "service/SrvCtrl.h"
#include "settings/ConfigFile.h"
#include "settings/Settings.h"
#include "tests/support/TempDir.h"

namespace manager_test {

// Records what the logic asks of the application object.
class RecordingApplication : public vcl::TApplication {
public:
    void Minimize() override { calls.push_back("Minimize"); }
    void Restore() override { calls.push_back("Restore"); }
    void ProcessMessages() override { calls.push_back("ProcessMessages"); }
    std::vector<std::string> calls;
    std::vector<std::int32_t> helpContexts;

protected:
    void ShowErrorBox(const std::string&, const std::string& text) override { calls.push_back("Error: " + text); }
};

// The window's controls as plain values, behaving as the controls do: bars clamp and report an
// actual change; lists select nothing for an index outside them.
class FakeMainView : public manager::MainView {
public:
    explicit FakeMainView(vcl::TComponent& form);
    void Attach(manager::MainLogic& logic) { logic_ = &logic; }

    TSettings& Settings() override { return settings_; }
    TWavePlayer& SelectionSound() override { return sound_; }
    int ChoiceIndex(manager::Choice choice) const override { return choices_[static_cast<std::size_t>(choice)]; }
    void SelectChoice(manager::Choice choice, int index) override;
    int BarPosition(manager::Bar bar) const override { return positions_[static_cast<std::size_t>(bar)]; }
    void SetBarPosition(manager::Bar bar, int position) override;
    void SetValueLabel(manager::Bar bar, const std::string& text) override {
        labels[static_cast<std::size_t>(bar)] = text;
    }
    int ThemeIndex() const override { return theme_; }
    void SelectTheme(int index) override { theme_ = (index >= 0 && index < 5) ? index : -1; }
    int LanguageIndex() const override { return language_; }
    void SelectLanguage(int index) override { language_ = (index >= 0 && index < 6) ? index : -1; }
    void ShowPage(manager::Tab tab, int pageIndex) override { pages[tab] = pageIndex; }
    void ApplyThemeStyle(std::optional<config::ThemeStyle> style) override { styles.push_back(style); }
    void SetKeyPreview(bool on) override { keyPreview = on; }

    TSrvCtrl& ServiceControl() override { return srvCtrl_; }
    int ServiceChoiceIndex(manager::ServiceChoice choice) const override {
        return serviceChoices_[static_cast<std::size_t>(choice)];
    }
    void SelectServiceChoice(manager::ServiceChoice choice, int index) override;
    int StartStopCount() const override { return static_cast<int>(startStop.size()); }
    void DeleteStartStopEntry(int index) override;
    void AppendStartStopEntry(const std::string& text) override { startStop.push_back(text); }

    std::array<std::string, 6> labels{};
    std::vector<std::string> startStop{"Start Service", "Stop Service"};
    std::map<manager::Tab, int> pages;
    std::vector<std::optional<config::ThemeStyle>> styles;
    bool keyPreview = false;

private:
    TSettings& settings_;
    TWavePlayer& sound_;
    manager::MainLogic* logic_ = nullptr;
    TSrvCtrl& srvCtrl_;
    std::array<int, 4> choices_{-1, -1, -1, -1};
    std::array<int, 3> serviceChoices_{-1, 0, -1};  // "Automatic" at design
    std::array<int, 6> positions_{};
    int theme_ = 0;
    int language_ = 0;
};

class ManagerTest : public ::testing::Test {
protected:
    ManagerTest();

    std::string IniPath() const { return dir.file("Orlenza.ini"); }
    std::string IniBytes() const { return testing_support::ReadFileBytes(IniPath()); }
    void WriteIni(const std::string& keys) {
        testing_support::WriteFileBytes(IniPath(), "[\\Software\\Brenmoor Industries\\Orlenza]\r\n" + keys);
    }

    testing_support::TempDir dir;
    os::sim::SimOs sim;
    os::BackendScope scope{sim.backend()};
    RecordingApplication application;
    vcl::TComponent form{nullptr};
    FakeMainView view{form};
    manager::MainLogic logic{view};
};

}  // namespace manager_test
