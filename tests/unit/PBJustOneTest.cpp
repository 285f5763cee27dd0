// The single-instance guard against a simulated desktop: which windows count as another copy,
// which copy is brought forward and how, and that the second copy ends right there.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "common/CommonClasses.h"
#include "common/PBJustOne.h"
#include "platform/os/sim/SimOs.h"
#include "platform/vcl/FormStream.h"
#include "tests/support/TestApplication.h"

namespace {

using Call = os::sim::WindowActivation::Call;
using Activations = std::vector<os::sim::WindowActivation>;

constexpr const char* kClass = "TApplication";
constexpr const char* kTitle = "Orlenza System Manager";

// A simulated desktop on which our program runs once its application window is added.
struct Desktop {
    os::WindowHandle Add(const std::string& className, const std::string& title, bool iconic = false,
                         os::WindowHandle popup = 0) {
        return sim.windows.Add({className, title, iconic, true, popup});
    }
    void StartAs(const std::string& title) { app.emplace(Add(kClass, title)); }

    // Creates a guard; true when it ended the program (always with exit code 0).
    bool GuardEndsTheProgram() {
        try {
            TPBJustOne guard(&owner);
        } catch (const os::sim::ProgramExit& exit) {
            EXPECT_EQ(exit.exitCode, 0u);
            EXPECT_EQ(sim.process.ExitCode(), 0u);
            return true;
        }
        EXPECT_FALSE(sim.process.ExitCode());
        return false;
    }
    const Activations& activations() const { return sim.windows.Activations(); }

    os::sim::SimOs sim;
    os::BackendScope scope{sim.backend()};
    std::optional<testing_support::TestApplication> app;
    vcl::TComponent owner{nullptr};
};

TEST(PBJustOne, CountsOnlyWindowsWithTheSameClassAndExactTitle) {
    const std::string longTitle(300, 'L');
    struct Case {
        const char* what;
        std::string ownTitle;
        std::string otherClass;
        std::string otherTitle;
        bool anotherCopy;
    };
    const Case cases[] = {
        {"same class and title", kTitle, kClass, kTitle, true},
        {"title differing in case", kTitle, kClass, "Orlenza system manager", false},
        {"class differing in case", kTitle, "tapplication", kTitle, false},
        {"title with more after it", kTitle, kClass, std::string(kTitle) + " ", false},
        {"another class", kTitle, "TForm", kTitle, false},
        {"empty titles", "", kClass, "", false},
        {"titles equal in their first 255 characters", longTitle, kClass, longTitle.substr(0, 255) + "-other", true},
    };
    for (const Case& c : cases) {
        Desktop desktop;
        desktop.StartAs(c.ownTitle);
        desktop.Add(c.otherClass, c.otherTitle);
        EXPECT_EQ(desktop.GuardEndsTheProgram(), c.anotherCopy) << c.what;
        EXPECT_EQ(desktop.activations().empty(), !c.anotherCopy) << c.what;
    }
}

TEST(PBJustOne, AloneItDoesNothing) {
    Desktop desktop;
    desktop.Add("TForm", kTitle);
    desktop.StartAs(kTitle);
    desktop.Add(kClass, "Orlenza Setup Sound System Wizard");
    EXPECT_FALSE(desktop.GuardEndsTheProgram());
    EXPECT_TRUE(desktop.activations().empty());
}

TEST(PBJustOne, WithoutAnApplicationWindowNothingMatches) {
    Desktop desktop;
    desktop.app.emplace(0);
    desktop.Add(kClass, "");
    desktop.Add(kClass, "");
    EXPECT_FALSE(desktop.GuardEndsTheProgram());
}

TEST(PBJustOne, BringsForwardTheCopyEnumeratedLast) {
    Desktop desktop;
    desktop.Add(kClass, kTitle);
    desktop.StartAs(kTitle);
    const os::WindowHandle later = desktop.Add(kClass, kTitle);
    EXPECT_TRUE(desktop.GuardEndsTheProgram());
    EXPECT_EQ(desktop.activations(), (Activations{{Call::BringToTop, later}, {Call::SetForeground, later}}));
}

TEST(PBJustOne, RestoresTheOtherCopyOnlyWhenItsLastPopupIsMinimised) {
    struct Case {
        const char* what;
        bool iconic;
        bool showsDialog;
        Call call;          // made after bringing the copy to the top
        bool callOnDialog;  // else on the copy itself
    };
    const Case cases[] = {
        {"minimised", true, false, Call::Show, false},
        {"on screen", false, false, Call::SetForeground, false},
        {"showing a dialog", false, true, Call::SetForeground, true},
        {"minimised, its dialog not", true, true, Call::SetForeground, true},
    };
    for (const Case& c : cases) {
        Desktop desktop;
        desktop.StartAs(kTitle);
        const os::WindowHandle dialog = desktop.Add("TFormSettings", "Settings");
        const os::WindowHandle copy = desktop.Add(kClass, kTitle, c.iconic, c.showsDialog ? dialog : 0);
        EXPECT_TRUE(desktop.GuardEndsTheProgram()) << c.what;

        const os::WindowHandle target = c.callOnDialog ? dialog : copy;
        const int showCommand = c.call == Call::Show ? os::sw::Restore : 0;
        EXPECT_EQ(desktop.activations(), (Activations{{Call::BringToTop, copy}, {c.call, target, showCommand}}))
            << c.what;
    }
}

TEST(PBJustOne, AFormDefinitionHoldingItEndsASecondCopy) {
    RegisterCommonClasses();
    Desktop desktop;
    desktop.StartAs(kTitle);
    vcl::TComponent form(nullptr);
    (new TPBJustOne(&form))->SetName("PBJustOne1");
    vcl::TMemoryStream definition;
    vcl::WriteComponent(definition, form);

    desktop.Add(kClass, kTitle);
    vcl::TComponent secondForm(nullptr);
    definition.SetPosition(0);
    EXPECT_THROW(vcl::ReadComponent(definition, secondForm), os::sim::ProgramExit);
    EXPECT_EQ(desktop.sim.process.ExitCode(), 0u);
}

}  // namespace
