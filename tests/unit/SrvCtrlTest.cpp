// TSrvCtrl against the simulated Service Control Manager: its three states and their events,
// the errors it raises, and verified state changes on the simulated clock.
#include "service/SrvCtrl.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "platform/os/sim/SimOs.h"
#include "tests/support/TestApplication.h"

namespace {

class SrvCtrl : public ::testing::Test {
protected:
    SrvCtrl() {
        sim.services.Install({.keyName = "OrlenzaService",
                              .displayName = "Orlenza Service",
                              .transitionMs = 1000,
                              .waitHint = 400,
                              .checkPointStepMs = 100});
        const std::pair<TSrvNotifyEvent TSrvCtrl::*, const char*> events[] = {
            {&TSrvCtrl::BeforeConnect, "BeforeConnect"},   {&TSrvCtrl::AfterConnect, "AfterConnect"},
            {&TSrvCtrl::BeforeDisconnect, "BeforeDisconnect"}, {&TSrvCtrl::AfterDisconnect, "AfterDisconnect"},
            {&TSrvCtrl::BeforeOpen, "BeforeOpen"},         {&TSrvCtrl::AfterOpen, "AfterOpen"},
            {&TSrvCtrl::BeforeClose, "BeforeClose"},       {&TSrvCtrl::AfterClose, "AfterClose"},
            {&TSrvCtrl::BeforeStateChange, "BeforeStateChange"}, {&TSrvCtrl::AfterStateChange, "AfterStateChange"},
        };
        for (const auto& [event, name] : events)
            ctrl.*event = TSrvNotifyEvent(std::function<void(vcl::TObject*)>(
                [this, name = std::string(name)](vcl::TObject* sender) {
                    EXPECT_EQ(sender, &ctrl);
                    log.push_back(name);
                }));
    }

    ~SrvCtrl() override {
        ctrl.SetActive(false);
        EXPECT_EQ(sim.services.OpenHandleCount(), 0u) << "a handle was left open";
    }

    void OpenOurService() {
        ctrl.SetActive(true);
        ctrl.OpenByDisplayName("Orlenza Service");
        log.clear();
    }

    void OnProgress(std::function<void(std::uint32_t, bool&)> handler) {
        ctrl.OnProgress = TOnProgressEvent(std::function<void(vcl::TObject*, std::uint32_t, bool&)>(
            [handler](vcl::TObject*, std::uint32_t progress, bool& waitFor) { handler(progress, waitFor); }));
    }

    template <class Operation>
    ESrvCtrlException Raised(Operation operation) {
        try {
            operation();
        } catch (const ESrvCtrlException& e) {
            return e;
        }
        ADD_FAILURE() << "nothing was raised";
        return ESrvCtrlException("");
    }

    os::sim::SimOs sim;
    os::BackendScope scope{sim.backend()};
    testing_support::TestApplication app;
    TSrvCtrl ctrl{nullptr};
    std::vector<std::string> log;
};

using Log = std::vector<std::string>;

TEST_F(SrvCtrl, MachineReadsLocalhostWhenNoneIsStored) {
    EXPECT_EQ(ctrl.Machine(), "localhost");
    ctrl.SetMachine("localhost");
    EXPECT_EQ(ctrl.Machine(), "localhost");
    EXPECT_EQ(vcl::GetPropValue(ctrl, "Machine"), vcl::PropValue(std::string("localhost")));

    ctrl.SetActive(true);
    ctrl.SetMachine("LOCALHOST");
    EXPECT_EQ(ctrl.Machine(), "LOCALHOST") << "only the exact name means the local computer";
    EXPECT_FALSE(ctrl.Active()) << "another machine: disconnected";
}

TEST_F(SrvCtrl, ConnectingOpensTheStoredServiceAndDisconnectingClosesBoth) {
    ctrl.SetKeyName("OrlenzaService");
    EXPECT_TRUE(log.empty()) << "disconnected, the name is only stored";
    EXPECT_EQ(sim.services.OpenHandleCount(), 0u);

    ctrl.SetActive(true);
    EXPECT_EQ(log, (Log{"BeforeConnect", "AfterConnect", "BeforeOpen", "AfterOpen"}));
    EXPECT_EQ(ctrl.GetState(), srvStopped);

    log.clear();
    ctrl.SetActive(true);
    EXPECT_EQ(log, (Log{"BeforeClose", "AfterClose", "BeforeDisconnect", "AfterDisconnect", "BeforeConnect",
                        "AfterConnect", "BeforeOpen", "AfterOpen"}))
        << "writing true reconnects";

    log.clear();
    ctrl.SetActive(false);
    EXPECT_EQ(log, (Log{"BeforeClose", "AfterClose", "BeforeDisconnect", "AfterDisconnect"}));
    EXPECT_EQ(ctrl.KeyName(), "OrlenzaService") << "kept for the next connect";
}

TEST_F(SrvCtrl, OperationsWithoutTheirHandleRaise) {
    struct Case {
        const char* what;
        std::function<void()> operation;
        std::int32_t code;
        const char* message;
    };
    const Case cases[] = {
        {"lookup, disconnected", [&] { ctrl.OpenByDisplayName("Orlenza Service"); }, 0,
         "Not connected to Service Manager!"},
        {"state, no service", [&] { ctrl.GetState(); }, 0, "No service opened!"},
        {"start type, no service", [&] { ctrl.GetStartType(); }, 0, "No service opened!"},
        {"close, no service", [&] { ctrl.CloseService(); }, 0, "No service opened!"},
        {"start, no service: the system refuses", [&] { ctrl.Start(); }, 6, "Invalid handle"},
        {"stop, no service: the system refuses", [&] { ctrl.Stop(); }, 6, "Invalid handle"},
    };
    for (const Case& c : cases) {
        const ESrvCtrlException e = Raised(c.operation);
        EXPECT_EQ(e.ErrorCode(), c.code) << c.what;
        EXPECT_EQ(e.Message(), c.message) << c.what;
    }
}

TEST_F(SrvCtrl, AFailedOpenKeepsThePreviousNameAndTheConnection) {
    OpenOurService();
    ESrvCtrlException e = Raised([&] { ctrl.OpenByDisplayName("No Such Service"); });
    EXPECT_EQ(e.ErrorCode(), 1060);
    EXPECT_EQ(e.Message(), "Service does not exist") << "the system's text, its full stop and line end trimmed";

    e = Raised([&] { ctrl.SetKeyName("NoSuchService"); });
    EXPECT_EQ(e.ErrorCode(), 1060);
    EXPECT_EQ(ctrl.KeyName(), "OrlenzaService");
    EXPECT_TRUE(ctrl.Active());
    EXPECT_EQ(Raised([&] { ctrl.GetState(); }).Message(), "No service opened!");
}

TEST_F(SrvCtrl, StartTypeIsReadAndChangedThroughTheConfiguration) {
    OpenOurService();
    EXPECT_EQ(ctrl.GetStartType(), sstDemand);
    EXPECT_EQ(ctrl.QueryConfig().displayName, "Orlenza Service");
    ctrl.SetStartType(sstDisabled);
    EXPECT_EQ(ctrl.GetStartType(), sstDisabled);

    const ESrvCtrlException e = Raised([&] { ctrl.Start(); });
    EXPECT_EQ(e.ErrorCode(), 1058);
    EXPECT_EQ(e.Message(), "Service is disabled");
    EXPECT_EQ(log, (Log{"BeforeStateChange"})) << "no After event after an error";
}

TEST_F(SrvCtrl, UnverifiedChangesReturnOnceTheSystemAccepts) {
    OpenOurService();
    ctrl.Start();
    EXPECT_EQ(ctrl.GetState(), srvStartPending);
    EXPECT_EQ(sim.system.TickCount(), 0u) << "no time waited";
    EXPECT_EQ(log, (Log{"BeforeStateChange", "AfterStateChange"}));
    EXPECT_EQ(Raised([&] { ctrl.Start(); }).ErrorCode(), 1056);

    log.clear();
    ctrl.SendControl(5);
    ctrl.SendControl(0);
    EXPECT_TRUE(log.empty()) << "codes other than 1 to 4 do nothing";
}

TEST_F(SrvCtrl, VerifiedChangesWaitForTheTargetStateReportingProgress) {
    OpenOurService();
    ctrl.VerifyAction = true;
    std::vector<std::uint32_t> progress;
    OnProgress([&](std::uint32_t p, bool&) { progress.push_back(p); });

    ctrl.Start();
    EXPECT_EQ(ctrl.GetState(), srvRunning);
    EXPECT_GE(sim.system.TickCount(), 1000u);
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.front(), 1u);
    EXPECT_TRUE(std::ranges::is_sorted(progress)) << "the check point only advances";
    EXPECT_EQ(log.back(), "AfterStateChange");

    ctrl.Stop();
    EXPECT_EQ(ctrl.GetState(), srvStopped);
}

TEST_F(SrvCtrl, AProgressHandlerCanAbandonTheWait) {
    OpenOurService();
    ctrl.VerifyAction = true;
    OnProgress([](std::uint32_t, bool& waitFor) { waitFor = false; });
    ctrl.Start();
    EXPECT_EQ(ctrl.GetState(), srvStartPending);
    EXPECT_EQ(log, (Log{"BeforeStateChange", "AfterStateChange"}));
}

TEST_F(SrvCtrl, AServiceWhoseCheckPointStandsStillFailsTheChange) {
    sim.services.Install({.keyName = "OrlenzaService",
                          .displayName = "Orlenza Service",
                          .transitionMs = 60000,
                          .waitHint = 300,
                          .checkPointStepMs = 0});
    OpenOurService();
    ctrl.VerifyAction = true;
    const ESrvCtrlException e = Raised([&] { ctrl.Start(); });
    EXPECT_EQ(e.Message(), "Error while changing service state!");
    EXPECT_EQ(e.ErrorCode(), 0);
    EXPECT_LT(sim.system.TickCount(), 1000u) << "given up after one wait hint";
}

TEST_F(SrvCtrl, AccessRightsFollowTheAccessSet) {
    EXPECT_EQ(ctrl.Access().Mask(), 0x01FFu);
    OpenOurService();
    TSrvAccessTypes statusOnly;
    statusOnly.Include(TSrvAccessType::satGetStatus);
    ctrl.SetAccess(statusOnly);
    EXPECT_TRUE(ctrl.Active()) << "reconnected, the service reopened with the new rights";
    EXPECT_EQ(ctrl.GetState(), srvStopped);
    EXPECT_EQ(Raised([&] { ctrl.Start(); }).Message(), "Access denied");

    vcl::SetPropValue(ctrl, "Access", vcl::SetValue{{"satGetConfig", "satStart"}});
    EXPECT_EQ(ctrl.Access().Mask(), 0x0011u);
    EXPECT_EQ(vcl::GetPropValue(ctrl, "Access"), vcl::PropValue(vcl::SetValue{{"satGetConfig", "satStart"}}));
}

}  // namespace
