// The Service Control Manager: key-name lookup, status and configuration, start and stop through
// the pending states, and the error numbers of what it refuses. Under Wine the real SCM runs the
// stand-in service.
#include <gtest/gtest.h>

#include <string>

#include "tests/contract/Backends.h"

namespace {

using os::DWORD;
using os::ScHandle;
namespace svc = os::svc;

constexpr DWORD kAllServiceRights = 0x01FF;

class ServiceControlContract : public contract::BackendTest {
protected:
    void SetUp() override {
        os->InstallStandInService();
        ASSERT_EQ(scm().OpenManager("", svc::ManagerAllAccess, &manager_), os::error::Success);
    }

    void TearDown() override {
        if (service_) {
            os::ServiceStatus ignored;
            scm().ChangeServiceConfiguration(service_, svc::NoChange, svc::DemandStart, svc::NoChange);
            if (scm().ControlService(service_, svc::ControlStop, &ignored) == os::error::Success)
                WaitFor(svc::Stopped);
            EXPECT_EQ(scm().CloseServiceHandle(service_), os::error::Success);
        }
        EXPECT_EQ(scm().CloseServiceHandle(manager_), os::error::Success);
    }

    os::ServiceControl& scm() { return os->services(); }

    ScHandle OpenStandIn(DWORD access = kAllServiceRights) {
        ScHandle service = 0;
        EXPECT_EQ(scm().OpenServiceKey(manager_, "OrlenzaService", access, &service), os::error::Success);
        return service;
    }

    os::ServiceStatus Status() {
        os::ServiceStatus status;
        EXPECT_EQ(scm().QueryServiceStatus(service_, &status), os::error::Success);
        return status;
    }

    // Polls until the state is reached, as long as a slow machine may need.
    bool WaitFor(DWORD state) {
        for (int i = 0; i < 200; ++i) {
            if (Status().currentState == state) return true;
            os->system().Sleep(50);
        }
        return false;
    }

    ScHandle manager_ = 0;
    ScHandle service_ = 0;
};

TEST_P(ServiceControlContract, KeyNameLookupNegotiatesItsBuffer) {
    std::string keyName;
    DWORD size = 2;
    ASSERT_EQ(scm().ServiceKeyName(manager_, "Orlenza Service", &keyName, &size), os::error::InsufficientBuffer);
    ASSERT_GE(size, std::string("OrlenzaService").size()) << "the size needed, terminator aside";

    size += 1;
    ASSERT_EQ(scm().ServiceKeyName(manager_, "orlenza SERVICE", &keyName, &size), os::error::Success)
        << "display names compare without case";
    EXPECT_EQ(keyName, "OrlenzaService");

    size = 64;
    EXPECT_EQ(scm().ServiceKeyName(manager_, "No Such Service", &keyName, &size), os::error::ServiceDoesNotExist);
}

TEST_P(ServiceControlContract, AMissingServiceIsReportedWithTheSystemsText) {
    ScHandle service = 0;
    EXPECT_EQ(scm().OpenServiceKey(manager_, "NoSuchOlzService", kAllServiceRights, &service),
              os::error::ServiceDoesNotExist);
    EXPECT_EQ(service, 0u);
    EXPECT_EQ(os->system().MessageText(os::error::ServiceDoesNotExist), "Service does not exist.\r\n");
}

TEST_P(ServiceControlContract, AFreshServiceIsStoppedWithItsStartTypeInTheConfiguration) {
    service_ = OpenStandIn();
    const os::ServiceStatus status = Status();
    EXPECT_EQ(status.currentState, svc::Stopped);
    EXPECT_EQ(status.controlsAccepted, 0u);

    os::ServiceConfig config;
    DWORD needed = 0;
    ASSERT_EQ(scm().QueryServiceConfiguration(service_, 0, &config, &needed), os::error::InsufficientBuffer);
    ASSERT_GT(needed, 36u);
    ASSERT_EQ(scm().QueryServiceConfiguration(service_, needed + 1, &config, &needed), os::error::Success);
    EXPECT_EQ(config.startType, svc::DemandStart);
    EXPECT_EQ(config.displayName, "Orlenza Service");

    ASSERT_EQ(scm().ChangeServiceConfiguration(service_, svc::NoChange, svc::AutoStart, svc::NoChange),
              os::error::Success);
    ASSERT_EQ(scm().QueryServiceConfiguration(service_, needed + 1, &config, &needed), os::error::Success);
    EXPECT_EQ(config.startType, svc::AutoStart);
    EXPECT_EQ(config.displayName, "Orlenza Service") << "only the start type changes";
}

TEST_P(ServiceControlContract, StartAndStopPassThroughThePendingStates) {
    service_ = OpenStandIn();
    os::ServiceStatus status;
    EXPECT_EQ(scm().ControlService(service_, svc::ControlStop, &status), os::error::ServiceNotActive);

    ASSERT_EQ(scm().StartServiceNoArgs(service_), os::error::Success);
    status = Status();
    EXPECT_EQ(status.currentState, svc::StartPending);
    EXPECT_GE(status.checkPoint, 1u);
    EXPECT_GT(status.waitHint, 0u);
    EXPECT_EQ(scm().StartServiceNoArgs(service_), os::error::ServiceAlreadyRunning);
    ASSERT_TRUE(WaitFor(svc::Running));
    EXPECT_NE(Status().controlsAccepted & svc::AcceptStop, 0u);

    ASSERT_EQ(scm().ControlService(service_, svc::ControlPause, &status), os::error::Success);
    ASSERT_TRUE(WaitFor(svc::Paused));
    EXPECT_EQ(scm().StartServiceNoArgs(service_), os::error::ServiceAlreadyRunning) << "paused is not stopped";

    ASSERT_EQ(scm().ControlService(service_, svc::ControlStop, &status), os::error::Success);
    EXPECT_EQ(Status().currentState, svc::StopPending);
    ASSERT_TRUE(WaitFor(svc::Stopped));
}

TEST_P(ServiceControlContract, RefusalsCarryTheirErrorNumbersAndTexts) {
    service_ = OpenStandIn();
    ASSERT_EQ(scm().ChangeServiceConfiguration(service_, svc::NoChange, svc::Disabled, svc::NoChange),
              os::error::Success);
    EXPECT_EQ(scm().StartServiceNoArgs(service_), os::error::ServiceDisabled);
    EXPECT_EQ(os->system().MessageText(os::error::ServiceDisabled), "Service is disabled.\r\n");

    const ScHandle statusOnly = OpenStandIn(svc::QueryStatus);
    EXPECT_EQ(scm().StartServiceNoArgs(statusOnly), os::error::AccessDenied) << "a right not asked for";
    EXPECT_EQ(scm().CloseServiceHandle(statusOnly), os::error::Success);
    EXPECT_EQ(scm().CloseServiceHandle(statusOnly), os::error::InvalidHandle);
    EXPECT_EQ(scm().StartServiceNoArgs(0), os::error::InvalidHandle);
}

OLZ_INSTANTIATE_FOR_BACKENDS(ServiceControlContract);

}  // namespace
