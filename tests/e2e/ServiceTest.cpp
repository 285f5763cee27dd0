// The manager's Service Settings tab against Wine's real Service Control Manager and registry,
// with the stand-in logon service registered.
#include "tests/e2e/ProgramDriver.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <thread>

#include "tests/e2e/ServiceMachine.h"

namespace {

using namespace std::chrono_literals;
using Entries = std::vector<std::string>;

const char* const kTitle = "Orlenza System Manager";

class ServicePages : public ::testing::Test {
protected:
    void SetUp() override {
        e2e::PrepareServiceMachine();
        e2e::SetWorkstationDependencies({"A", "B"});
    }
    void TearDown() override {
        if (program_) {
            PostMessageA(window_, WM_CLOSE, 0, 0);
            EXPECT_EQ(program_->WaitForExit(10s), 0u);
        }
        e2e::SetServiceStartType(SERVICE_DEMAND_START);
        e2e::StopStandInService();
        e2e::SetWorkstationDependencies({});
    }

    // Starts the manager and shows a page of the Service Settings tab.
    void Open(int page) {
        program_ = std::make_unique<e2e::Program>("olzconsole.exe");
        window_ = program_->WaitForWindow(kTitle);
        ASSERT_NE(window_, nullptr);
        e2e::Settle();
        const HWND tabs = e2e::FindVisible(window_, WC_TABCONTROLA);
        ASSERT_NE(tabs, nullptr);
        e2e::PressKey(tabs, VK_RIGHT);  // from "Engine Settings"
        ASSERT_EQ(SendMessageA(tabs, TCM_GETCURSEL, 0, 0), 2);
        ShowPage(page);
    }

    void ShowPage(int page) {
        const HWND tree = e2e::FindVisible(window_, WC_TREEVIEWA);
        ASSERT_NE(tree, nullptr);
        std::this_thread::sleep_for(600ms);  // tree clicks closer than 500 ms leave the page as it is
        e2e::ClickTreeItem(tree, page);
    }

    HWND Entry(const std::string& text) const { return e2e::FindVisible(window_, "Button", text); }
    // Posted: a handler that shows an error box does not return until the box is closed.
    void Click(const std::string& text) {
        const HWND entry = Entry(text);
        ASSERT_NE(entry, nullptr) << text;
        PostMessageA(entry, BM_CLICK, 0, 0);
        e2e::Settle();
    }
    bool Checked(const std::string& text) const {
        return SendMessageA(Entry(text), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }

    template <class Condition>
    static bool Eventually(Condition condition) {
        for (int i = 0; i < 100; ++i) {
            if (condition()) return true;
            std::this_thread::sleep_for(50ms);
        }
        return false;
    }
    static bool WaitForStartType(DWORD startType) {
        return Eventually([startType] { return e2e::ServiceStartType() == startType; });
    }

    // The error box's text after OK closes it; empty when none came.
    std::string TakeErrorBox() {
        const HWND box = e2e::WaitForDialog(program_->Id(), 10s);
        if (!box) return {};
        std::string text;
        for (const e2e::Child& child : e2e::VisibleChildren(box))
            if (child.className == "Static" && !child.text.empty()) text = child.text;
        SendMessageA(box, WM_COMMAND, IDOK, 0);
        e2e::Settle();
        return text;
    }

    std::unique_ptr<e2e::Program> program_;
    HWND window_ = nullptr;
};

TEST_F(ServicePages, StartAndStopWorkTheRealService) {
    Open(0);
    EXPECT_TRUE(Checked("Stop Service")) << "the stopped service";
    Click("Start Service");
    EXPECT_TRUE(e2e::WaitForServiceState(SERVICE_RUNNING));
    Click("Stop Service");
    EXPECT_TRUE(e2e::WaitForServiceState(SERVICE_STOPPED));
}

TEST_F(ServicePages, StartupTypeChangesTheServiceAndShowsAtTheNextStart) {
    Open(1);
    EXPECT_TRUE(Checked("Manual"));
    Click("Disable");
    EXPECT_TRUE(WaitForStartType(SERVICE_DISABLED));
    Click("Automatic");
    EXPECT_TRUE(WaitForStartType(SERVICE_AUTO_START));
    Click("Manual");
    EXPECT_TRUE(WaitForStartType(SERVICE_DEMAND_START));
    Click("Disable");
    EXPECT_TRUE(WaitForStartType(SERVICE_DISABLED));

    PostMessageA(window_, WM_CLOSE, 0, 0);
    ASSERT_EQ(program_->WaitForExit(10s), 0u);
    e2e::SetServiceStartType(SERVICE_DEMAND_START);
    e2e::StartStandInService();
    e2e::SetServiceStartType(SERVICE_DISABLED);
    Open(1);
    EXPECT_TRUE(Checked("Disable"));
    ShowPage(0);
    EXPECT_TRUE(Checked("Start Service")) << "the running service";
}

TEST_F(ServicePages, EnhancedStartupEditsTheWorkstationDependencies) {
    Open(2);
    EXPECT_TRUE(Checked("Disabled Enhanced Startup"));
    Click("Enabled Enhanced Startup");
    EXPECT_TRUE(Eventually([] { return e2e::WorkstationDependencies() == Entries{"A", "B", "OrlenzaService"}; }));
    ShowPage(0);
    EXPECT_NE(Entry("Start Service"), nullptr);
    EXPECT_EQ(Entry("Stop Service"), nullptr) << "no stopping with Enhanced Startup on";

    ShowPage(2);
    Click("Disabled Enhanced Startup");
    EXPECT_TRUE(Eventually([] { return e2e::WorkstationDependencies() == Entries{"A", "B"}; }));
    ShowPage(0);
    EXPECT_TRUE(Checked("Stop Service")) << "back, and matching the stopped service";
}

TEST_F(ServicePages, RefusalsShowTheSystemsTextAndTheWindowKeepsWorking) {
    e2e::SetServiceStartType(SERVICE_DISABLED);
    Open(0);
    Click("Start Service");
    EXPECT_EQ(TakeErrorBox(), "Service is disabled.");
    EXPECT_EQ(e2e::ServiceState(), static_cast<DWORD>(SERVICE_STOPPED));

    ShowPage(1);
    Click("Manual");
    ASSERT_TRUE(WaitForStartType(SERVICE_DEMAND_START));
    ShowPage(0);
    Click("Start Service");
    EXPECT_TRUE(e2e::WaitForServiceState(SERVICE_RUNNING)) << "the window still works";
}

TEST_F(ServicePages, AMissingServiceIsReportedAtStartAndTheWindowOpensAnyway) {
    e2e::Program uninstaller("olz_standin_service.exe", "uninstall");
    ASSERT_EQ(uninstaller.WaitForExit(20s), 0u);
    program_ = std::make_unique<e2e::Program>("olzconsole.exe");
    EXPECT_EQ(TakeErrorBox(), "Service does not exist.");
    window_ = program_->WaitForWindow(kTitle);
    ASSERT_NE(window_, nullptr);
    PostMessageA(window_, WM_CLOSE, 0, 0);
    EXPECT_EQ(program_->WaitForExit(10s), 0u);
    program_.reset();
    e2e::PrepareServiceMachine();
}

}  // namespace
