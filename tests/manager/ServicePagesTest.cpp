// The Service Settings pages against the simulated service and registry: what the window shows
// at start, what each click does to the service and to Enhanced Startup, and what an error
// leaves behind.
#include <gtest/gtest.h>

#include <string>

#include "platform/vcl/Exceptions.h"
#include "service/EnhancedOLZ.h"
#include "tests/manager/ManagerFixture.h"

using namespace std::string_literals;

namespace manager_test {
namespace {

using manager::ServiceChoice;
using Entries = std::vector<std::string>;

class ServicePagesTest : public ManagerTest {
protected:
    void Reinstall(os::DWORD state, os::DWORD startType) {
        sim.services.Install({.keyName = "OrlenzaService",
                              .displayName = "Orlenza Service",
                              .startType = startType,
                              .state = state,
                              .transitionMs = 500});
    }

    // A click selects the entry, then runs the group's handler.
    void Click(ServiceChoice choice, int index) {
        view.SelectServiceChoice(choice, index);
        switch (choice) {
        case ServiceChoice::StartStop: logic.Service().StartStopClick(); break;
        case ServiceChoice::StartupType: logic.Service().StartupTypeClick(); break;
        case ServiceChoice::EnhancedStartup: logic.Service().EnhancedStartupClick(); break;
        }
        EXPECT_EQ(sim.services.OpenHandleCount(), 0u) << "the service is closed again";
    }

    os::DWORD State() { return sim.services.Find("OrlenzaService")->state; }
    std::string Dependencies() const {
        return sim.registry.Stored(os::hkey::LocalMachine, enhanced::kWorkstationKey, "DependOnService")->data;
    }
    int Selected(ServiceChoice choice) const { return view.ServiceChoiceIndex(choice); }
};

TEST_F(ServicePagesTest, StartUpShowsTheServiceAsItIsAndChangesNothing) {
    struct Case {
        const char* what;
        os::DWORD state;
        os::DWORD startType;
        bool enhanced;
        int startStop, startupType, enhancedChoice;
    };
    const Case cases[] = {
        {"stopped, automatic", os::svc::Stopped, os::svc::AutoStart, false, 1, 0, 1},
        {"running, manual, enhanced", os::svc::Running, os::svc::DemandStart, true, 0, 1, 0},
        {"pending: no Start/Stop choice", os::svc::StartPending, os::svc::Disabled, false, -1, 2, 1},
        {"paused, a boot start type: the design choice", os::svc::Paused, os::svc::BootStart, false, -1, 0, 1},
    };
    for (const Case& c : cases) {
        Reinstall(c.state, c.startType);
        if (c.enhanced) {
            ASSERT_TRUE(EnableEnhancedStartup());
        }
        logic.FormCreate();
        EXPECT_EQ(Selected(ServiceChoice::StartStop), c.startStop) << c.what;
        EXPECT_EQ(Selected(ServiceChoice::StartupType), c.startupType) << c.what;
        EXPECT_EQ(Selected(ServiceChoice::EnhancedStartup), c.enhancedChoice) << c.what;
        EXPECT_EQ(view.startStop, (Entries{"Start Service", "Stop Service"})) << c.what << ": both entries at start";
        EXPECT_EQ(State(), c.state) << c.what;
        EXPECT_EQ(sim.services.OpenHandleCount(), 0u) << c.what;
        DisableEnhancedStartup();
        view.SelectServiceChoice(ServiceChoice::StartStop, -1);
        view.SelectServiceChoice(ServiceChoice::StartupType, 0);
        view.SelectServiceChoice(ServiceChoice::EnhancedStartup, -1);
    }
}

TEST_F(ServicePagesTest, AServiceThatCannotBeReadEndsTheStartUpThere) {
    sim.services.DenyManagerAccess(true);
    try {
        logic.FormCreate();
        FAIL() << "the start-up went on";
    } catch (const ESrvCtrlException& e) {
        EXPECT_EQ(e.Message(), "Access denied");
    }
    EXPECT_EQ(Selected(ServiceChoice::StartStop), -1);
    EXPECT_EQ(Selected(ServiceChoice::StartupType), 0);
    EXPECT_EQ(Selected(ServiceChoice::EnhancedStartup), -1);
    EXPECT_FALSE(view.keyPreview);
}

TEST_F(ServicePagesTest, StartAndStopActOnlyWhenTheServiceIsNotAlreadyThere) {
    Reinstall(os::svc::Stopped, os::svc::AutoStart);
    Click(ServiceChoice::StartStop, 1);
    EXPECT_EQ(State(), os::svc::Stopped) << "stopping a stopped service does nothing";

    Click(ServiceChoice::StartStop, 0);
    EXPECT_EQ(State(), os::svc::StartPending) << "started, not waited for";
    sim.system.Advance(500);
    Click(ServiceChoice::StartStop, 0);
    EXPECT_EQ(State(), os::svc::Running);

    Click(ServiceChoice::StartStop, 1);
    EXPECT_EQ(State(), os::svc::StopPending);
}

TEST_F(ServicePagesTest, RefusalsCarryTheSystemsTextAndKeepTheUsersChoice) {
    struct Case {
        const char* what;
        os::DWORD state;
        os::DWORD startType;
        int entry;
        std::int32_t code;
        const char* message;
    };
    const Case cases[] = {
        {"start while paused", os::svc::Paused, os::svc::AutoStart, 0, 1056, "Service already running"},
        {"start when disabled", os::svc::Stopped, os::svc::Disabled, 0, 1058, "Service is disabled"},
    };
    for (const Case& c : cases) {
        Reinstall(c.state, c.startType);
        try {
            Click(ServiceChoice::StartStop, c.entry);
            ADD_FAILURE() << c.what << ": nothing raised";
        } catch (const ESrvCtrlException& e) {
            EXPECT_EQ(e.ErrorCode(), c.code) << c.what;
            EXPECT_EQ(vcl::ErrorBoxText(e.Message()), std::string(c.message) + ".") << c.what;
        }
        EXPECT_EQ(Selected(ServiceChoice::StartStop), c.entry) << c.what;
        view.ServiceControl().SetActive(false);
    }

    sim.services.Install({.keyName = "Other", .displayName = "Other"});
    sim.services.Install({.keyName = "OrlenzaService", .displayName = "Renamed"});
    try {
        Click(ServiceChoice::StartupType, 1);
        ADD_FAILURE() << "a service that is not installed was changed";
    } catch (const ESrvCtrlException& e) {
        EXPECT_EQ(e.ErrorCode(), 1060);
    }
}

TEST_F(ServicePagesTest, StartupTypeEntriesSetTheirStartType) {
    const os::DWORD types[] = {os::svc::AutoStart, os::svc::DemandStart, os::svc::Disabled};
    for (int entry : {1, 2, 0, 0}) {
        Click(ServiceChoice::StartupType, entry);
        EXPECT_EQ(sim.services.Find("OrlenzaService")->startType, types[entry]) << entry;
    }
}

TEST_F(ServicePagesTest, EnhancedStartupTakesStopServiceAwayAndGivesItBack) {
    view.SelectServiceChoice(ServiceChoice::StartStop, 1);
    Click(ServiceChoice::EnhancedStartup, 0);
    EXPECT_EQ(Dependencies(), "Bowser\0MRxSmb20\0OrlenzaService\0\0"s);
    EXPECT_EQ(view.startStop, Entries{"Start Service"});
    EXPECT_EQ(Selected(ServiceChoice::StartStop), -1) << "the selected entry went";

    Click(ServiceChoice::EnhancedStartup, 0);
    EXPECT_EQ(view.startStop, Entries{"Start Service"}) << "removed once only";
    EXPECT_EQ(Dependencies(), "Bowser\0MRxSmb20\0OrlenzaService\0\0"s) << "listed once only";

    Click(ServiceChoice::EnhancedStartup, 1);
    EXPECT_EQ(Dependencies(), "Bowser\0MRxSmb20\0\0"s);
    EXPECT_EQ(view.startStop, (Entries{"Start Service", "Stop Service"}));
    EXPECT_EQ(Selected(ServiceChoice::StartStop), 1) << "the entry that matches the stopped service";
}

TEST_F(ServicePagesTest, AnEnhancedStartupChangeThatDidNotTakeIsReportedAndUndoneOnScreen) {
    sim.registry.DenyWrites(os::hkey::LocalMachine, enhanced::kWorkstationKey);
    try {
        Click(ServiceChoice::EnhancedStartup, 0);
        ADD_FAILURE() << "a refused change looked done";
    } catch (const vcl::Exception& e) {
        EXPECT_NE(e.Message().find("Enhanced Startup could not be enabled"), std::string::npos) << e.Message();
    }
    EXPECT_EQ(Selected(ServiceChoice::EnhancedStartup), 1);
    EXPECT_EQ(view.startStop, (Entries{"Start Service", "Stop Service"}));

    sim.registry.Seed(os::hkey::LocalMachine, enhanced::kWorkstationKey, "DependOnService", os::regtype::MultiSz,
                      "OrlenzaService\0\0"s);
    view.DeleteStartStopEntry(1);
    EXPECT_THROW(Click(ServiceChoice::EnhancedStartup, 1), vcl::Exception);
    EXPECT_EQ(Selected(ServiceChoice::EnhancedStartup), 0);
    EXPECT_EQ(view.startStop, Entries{"Start Service"}) << "still on: the service may not be stopped";
    EXPECT_EQ(Dependencies(), "OrlenzaService\0\0"s);
}

}  // namespace
}  // namespace manager_test
