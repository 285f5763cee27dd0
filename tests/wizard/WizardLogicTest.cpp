// The wizard's page flow against a window of plain values, over a simulated Windows: the order
// of what each handler does, the sounds, the cancel question, help and the theme.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "common/ClickSound.h"
#include "common/WavePlay.h"
#include "platform/os/Os.h"
#include "platform/os/sim/SimOs.h"
#include "platform/vcl/Application.h"
#include "settings/ConfigFile.h"
#include "settings/Settings.h"
#include "tests/support/TempDir.h"
#include "wizard/WizardLogic.h"
#include "wizard/WizardShared.h"

namespace {

using wizard::MessageIcon;
using wizard::WizardButton;

// Passes every request on to the simulation and writes it in the window's log, so the order of
// sounds and window changes shows in one place.
class LoggingSoundPlayer : public os::SoundPlayer {
public:
    LoggingSoundPlayer(os::SoundPlayer& inner, std::vector<std::string>& log) : inner_(inner), log_(log) {}
    bool PlayImage(std::span<const std::uint8_t> image, os::DWORD flags) override {
        log_.push_back(image.empty() ? "stop" : "click");
        return inner_.PlayImage(image, flags);
    }
    bool PlayByName(const char* name, os::ModuleHandle module, os::DWORD flags) override {
        if (!name)
            log_.push_back(flags == os::snd::Purge ? "stop all" : "stop?");
        else
            log_.push_back(std::string(name) +
                           (flags == (os::snd::Resource | os::snd::Loop | os::snd::Async) ? " loop" : " other"));
        return inner_.PlayByName(name, module, flags);
    }

private:
    os::SoundPlayer& inner_;
    std::vector<std::string>& log_;
};

class RecordingApplication : public vcl::TApplication {
protected:
    void ShowErrorBox(const std::string&, const std::string& text) override { ADD_FAILURE() << text; }
};

const char* ButtonName(WizardButton button) {
    switch (button) {
        case WizardButton::Next1: return "Next1";
        case WizardButton::Next2: return "Next2";
        case WizardButton::Next3: return "Next3";
        case WizardButton::Next4: return "Next4";
        case WizardButton::Back4: return "Back4";
        case WizardButton::Finish6: return "Finish6";
    }
    return "?";
}

class FakeWizardView : public wizard::WizardView {
public:
    explicit FakeWizardView(vcl::TComponent& form) : settings_(new TSettings(&form)), click_(new TWavePlayer(&form)) {
        config::Configure(*settings_);
        click_->SetWaitToStop(true);
        const std::span<const std::uint8_t> bytes = ::ClickSound();
        click_->Sound().WriteBuffer(bytes.data(), bytes.size());
    }
    void Attach(wizard::WizardLogic& logic) { logic_ = &logic; }

    TSettings& Settings() override { return *settings_; }
    TWavePlayer& ClickSound() override { return *click_; }
    int ActivePageIndex() const override { return page; }
    void ShowPage(int index) override {
        page = index;
        log.push_back("page " + std::to_string(index + 1));
    }
    void Focus(WizardButton button) override { log.push_back(std::string("focus ") + ButtonName(button)); }
    void SetButtonEnabled(WizardButton button, bool enabled) override {
        log.push_back(std::string(enabled ? "enable " : "disable ") + ButtonName(button));
    }
    void SetTitle(const std::string& text) override {
        title = text;
        log.push_back("title " + text.substr(text.size() - 6, 1));
    }
    int VolumeBarPosition() const override { return bar; }
    void SetVolumeBarPosition(int position) override {
        if (position == bar) return;
        bar = position;
        log.push_back("bar " + std::to_string(position));
        logic_->VolumeBarChange();
    }
    int MasterVolume() override { return mixerVolume; }
    void SetMasterVolume(int volume) override {
        mixerVolume = volume;
        log.push_back("volume " + std::to_string(volume));
    }
    void SetMeterPosition(int position) override { log.push_back("meter " + std::to_string(position)); }
    bool CancelRequested() const override { return cancel; }
    void SetCancelRequested(bool requested) override {
        cancel = requested;
        log.push_back(requested ? "cancel on" : "cancel off");
    }
    void SetPhraseVisible(bool visible) override { log.push_back(visible ? "phrase shown" : "phrase hidden"); }
    void RunMicrophoneCheck() override {
        log.push_back("check");
        if (duringCheck) duringCheck();
    }
    bool InputSelectionShowing() const override { return selectionShowing; }
    int ShowMessageDialog(const wizard::MessageDialogRequest& request) override {
        dialogs.push_back(request);
        log.push_back("dialog " + request.caption);
        return answer;
    }
    void CloseWindow() override { log.push_back("close"); }
    void ApplyThemeStyle(std::optional<config::ThemeStyle> style) override { styles.push_back(style); }
    void SetKeyPreview(bool on) override { keyPreview = on; }

    std::vector<std::string> log;
    int page = -1;
    std::string title;
    int bar = 0;
    int mixerVolume = 40;
    bool cancel = false;
    bool selectionShowing = false;
    int answer = wizard::kResultNo;
    std::function<void()> duringCheck;
    std::vector<wizard::MessageDialogRequest> dialogs;
    std::vector<std::optional<config::ThemeStyle>> styles;
    bool keyPreview = false;

private:
    TSettings* settings_;
    TWavePlayer* click_;
    wizard::WizardLogic* logic_ = nullptr;
};

class WizardTest : public ::testing::Test {
protected:
    WizardTest() {
        sim.system.SetSystemDirectory(dir.path().string());
        sim.system.SetModuleFileName("C:\\Program Files\\Orlenza\\olzsoundwiz.exe");
        application.SetOnHelp([this](std::uint16_t command, std::intptr_t data, bool& callHelp) {
            callHelp = false;
            if (command == vcl::help::Context) helpContexts.push_back(static_cast<std::int32_t>(data));
            return true;
        });
        view.Attach(logic);
    }

    // The log of what one action did.
    std::vector<std::string> Run(void (wizard::WizardLogic::*handler)()) {
        view.log.clear();
        (logic.*handler)();
        return view.log;
    }
    void GoToStep(int step) {
        logic.FormShow();
        using L = wizard::WizardLogic;
        void (L::*const forward[])() = {&L::Next1Click, &L::Next2Click, &L::Next3Click, &L::Next4Click};
        for (int i = 0; i < step - 1; ++i) (logic.*forward[i])();
    }

    testing_support::TempDir dir;
    os::sim::SimOs sim;
    vcl::TComponent form{nullptr};
    FakeWizardView view{form};
    LoggingSoundPlayer sound{sim.sound, view.log};
    os::Backend backend = [this] {
        os::Backend b = sim.backend();
        b.sound = &sound;
        return b;
    }();
    os::BackendScope scope{backend};
    RecordingApplication application;
    wizard::WizardLogic logic{view};
    std::vector<std::int32_t> helpContexts;
};

using Log = std::vector<std::string>;

TEST_F(WizardTest, EachHandlerDoesItsStepsInOrder) {
    wizard::SelectedInput = 3;
    EXPECT_EQ(Run(&wizard::WizardLogic::FormShow), (Log{"page 1", "focus Next1", "title 1"}));
    EXPECT_EQ(wizard::SelectedInput, -1);
    EXPECT_EQ(Run(&wizard::WizardLogic::Next1Click), (Log{"stop", "click", "page 2", "focus Next2", "title 2"}));
    EXPECT_EQ(Run(&wizard::WizardLogic::Back2Click), (Log{"stop", "click", "page 1", "focus Next1", "title 1"}));
    logic.Next1Click();
    // The bar shows the mixer's volume upside down; its change writes the volume back.
    EXPECT_EQ(Run(&wizard::WizardLogic::Next2Click),
              (Log{"stop", "click", "bar 60", "volume 40", "page 3", "focus Next3", "title 3", "stop all",
                   "MICSOUND loop"}));
    EXPECT_EQ(Run(&wizard::WizardLogic::Back3Click),
              (Log{"stop all", "stop", "click", "page 2", "focus Next2", "title 2"}));
    logic.Next2Click();
    EXPECT_EQ(Run(&wizard::WizardLogic::Next3Click),
              (Log{"stop all", "stop", "click", "page 4", "title 4", "meter 0", "cancel off", "disable Next4",
                   "phrase hidden", "check"}));
    view.mixerVolume = 75;  // changed elsewhere meanwhile
    EXPECT_EQ(Run(&wizard::WizardLogic::Back4Click),
              (Log{"stop", "click", "cancel on", "bar 25", "volume 75", "page 3", "title 3", "stop all",
                   "MICSOUND loop", "focus Next3"}));
    logic.Next3Click();
    EXPECT_EQ(Run(&wizard::WizardLogic::Next4Click),
              (Log{"stop", "click", "meter 0", "cancel off", "page 5", "focus Finish6", "title 5"}));
    EXPECT_EQ(Run(&wizard::WizardLogic::Back6Click),
              (Log{"stop", "click", "page 4", "title 4", "meter 0", "cancel off", "disable Next4", "phrase hidden",
                   "check"}));
    logic.Next4Click();
    EXPECT_EQ(Run(&wizard::WizardLogic::Finish6Click), (Log{"stop", "click", "close"}));
    EXPECT_EQ(view.title, "Setup Sound System Wizard - Step 5 of 5");
}

TEST_F(WizardTest, TheTestSoundLoopsFromTheProgramsOwnResources) {
    GoToStep(3);
    const os::sim::SoundCall& loop = sim.sound.Calls().back();
    EXPECT_EQ(loop.name, "MICSOUND");
    EXPECT_EQ(loop.module, 0u);
    EXPECT_EQ(loop.flags, 0x00040004u | 0x0008u | 0x0001u);
    // The click is played to its end: it waits, and only cuts off what the stop before it ended.
    EXPECT_EQ(sim.sound.Calls()[sim.sound.Calls().size() - 3].flags, 0x0010u | 0x0004u);
}

struct CancelCase {
    int step;
    int answer;
    Log afterQuestion;
};

TEST_F(WizardTest, CancelAsksAndEitherEndsOrGoesOn) {
    const CancelCase cases[] = {
        {3, wizard::kResultNo, {"cancel off", "MICSOUND loop"}},
        {3, wizard::kResultYes, {"close"}},
        {2, wizard::kResultNo, {"cancel off"}},
        {4, wizard::kResultNo, {"cancel off"}},
        {3, wizard::kResultCancel, {"cancel off", "MICSOUND loop"}},  // closed with its close box
    };
    for (const CancelCase& c : cases) {
        GoToStep(c.step);
        view.answer = c.answer;
        view.dialogs.clear();
        Log expected{"stop all", "stop", "click", "cancel on", "dialog Warning", "stop", "click"};
        expected.insert(expected.end(), c.afterQuestion.begin(), c.afterQuestion.end());
        EXPECT_EQ(Run(&wizard::WizardLogic::CancelClick), expected) << "step " << c.step << " answer " << c.answer;
        EXPECT_EQ(view.cancel, c.answer == wizard::kResultYes);
        ASSERT_EQ(view.dialogs.size(), 1u);
        const wizard::MessageDialogRequest& question = view.dialogs[0];
        EXPECT_EQ(question.text,
                  "You are about to cancel the Setup Sound System Wizard! By doing so, you may experience problems "
                  "recording voice commands. Are you sure you want to cancel?");
        EXPECT_EQ(question.icon, MessageIcon::Warning);
        EXPECT_EQ(question.buttonCount, 2);
        EXPECT_EQ(question.button1Caption, "&Yes");
        EXPECT_EQ(question.button2Caption, "&No");
        EXPECT_EQ((std::vector<int>{question.button1Result, question.button2Result, question.button3Result}),
                  (std::vector<int>{6, 7, 0}));
    }
}

TEST_F(WizardTest, CancelDuringTheCheckRunsNestedAndTheCheckSeesTheAnswer) {
    GoToStep(3);
    std::vector<bool> seen;
    view.duringCheck = [&] {
        view.answer = wizard::kResultNo;
        logic.KeyUp(wizard::kKeyEscape);
        seen.push_back(view.cancel);
        view.answer = wizard::kResultYes;
        logic.CancelClick();
        seen.push_back(view.cancel);
    };
    logic.Next3Click();
    EXPECT_EQ(seen, (std::vector<bool>{false, true}));
    EXPECT_EQ(view.log.back(), "close");
}

TEST_F(WizardTest, KeysAndHelpPictures) {
    GoToStep(4);
    view.selectionShowing = true;
    view.log.clear();
    logic.KeyUp(wizard::kKeyEscape);
    EXPECT_TRUE(view.log.empty()) << "Esc belongs to the selection dialog while it shows";
    logic.KeyUp(wizard::kKeyF1);
    EXPECT_EQ(helpContexts, (std::vector<std::int32_t>{6000}));
    EXPECT_TRUE(view.log.empty()) << "F1 plays nothing";

    view.selectionShowing = false;
    view.answer = wizard::kResultNo;
    logic.KeyUp(wizard::kKeyEscape);
    EXPECT_EQ(view.dialogs.size(), 1u);

    // The help picture clicks, except on step 3 where the test sound must go on.
    const std::pair<int, Log> pictures[] = {{1, {"stop", "click"}}, {3, {}}, {5, {"stop", "click"}}};
    for (const auto& [step, sounds] : pictures) {
        GoToStep(step);
        helpContexts.clear();
        EXPECT_EQ(Run(&wizard::WizardLogic::HelpPictureClick), sounds) << step;
        EXPECT_EQ(helpContexts, (std::vector<std::int32_t>{step * 1000 + 2000})) << step;
    }
}

TEST_F(WizardTest, ShowWizardMessagePrefixesTheButtonsAndClicksAfterwards) {
    view.answer = wizard::kResultOk;
    view.log.clear();
    EXPECT_EQ(logic.ShowWizardMessage("Warning", "Too noisy environment!", "Ok", "", MessageIcon::Warning, 1, 1, 0, 0),
              1);
    EXPECT_EQ(view.log, (Log{"dialog Warning", "stop", "click"}));
    EXPECT_EQ(view.dialogs[0].button1Caption, "&Ok");
    EXPECT_EQ(view.dialogs[0].button2Caption, "&");
}

struct ThemeCase {
    const char* file;  // null: no file
    std::optional<config::ThemeStyle> style;
};

TEST_F(WizardTest, TheStoredThemeIsReadAndTheFileLeftAlone) {
    const ThemeCase cases[] = {
        {nullptr, config::ThemeStyle::MacOS},
        {"Theme=3\r\n", config::ThemeStyle::Protein},
        {"Theme=4\r\n", config::ThemeStyle::BlueGlass},
        {"Theme=7\r\n", std::nullopt},  // keeps the designed style
    };
    const std::string ini = dir.file("Orlenza.ini");
    for (const ThemeCase& c : cases) {
        std::remove(ini.c_str());
        std::string bytes;
        if (c.file) {
            bytes = std::string("[\\Software\\Brenmoor Industries\\Orlenza]\r\n") + c.file;
            testing_support::WriteFileBytes(ini, bytes);
        }
        view.styles.clear();
        logic.FormCreate();
        EXPECT_EQ(view.styles, (std::vector<std::optional<config::ThemeStyle>>{c.style})) << (c.file ? c.file : "none");
        EXPECT_EQ(testing_support::ReadFileBytes(ini), bytes) << "never written";
    }
    EXPECT_TRUE(view.keyPreview);
    EXPECT_EQ(wizard::ProgramFolder, "C:\\Program Files\\Orlenza\\");
}

}  // namespace
