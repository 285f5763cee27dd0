#pragma once
// The backends a contract suite runs against: the simulation in every build and, in the Windows
// build, the real functions too, so the same assertions hold for both. Each run gets a fresh
// backend, installed while it lives, with a scratch folder and a scratch registry key of its own.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/os/Os.h"
#include "platform/os/sim/SimOs.h"
#include "tests/support/TempDir.h"

namespace contract {

class BackendUnderTest {
public:
    // Takes the simulation to run against; null means the real functions.
    explicit BackendUnderTest(std::unique_ptr<os::sim::SimOs> sim);
    ~BackendUnderTest();
    BackendUnderTest(const BackendUnderTest&) = delete;
    BackendUnderTest& operator=(const BackendUnderTest&) = delete;

    os::PrivateProfile& profile() const { return *backend_.profile; }
    os::Registry& registry() const { return *backend_.registry; }
    os::System& system() const { return *backend_.system; }
    os::Mixer& mixer() const { return *backend_.mixer; }
    os::WaveIn& waveIn() const { return *backend_.waveIn; }
    os::sim::SimOs* sim() const { return sim_.get(); }  // null for the real functions

    std::string file(const std::string& name) const { return folder_.file(name); }
    const std::filesystem::path& folder() const { return folder_.path(); }
    // HKEY_CURRENT_USER\<ScratchKey()>: removed with everything below it when the run ends.
    const std::string& ScratchKey() const { return scratchKey_; }

private:
    std::unique_ptr<os::sim::SimOs> sim_;
    os::Backend backend_;
    os::BackendScope scope_;
    testing_support::TempDir folder_;
    std::string scratchKey_;
};

struct BackendKind {
    std::string name;
    std::function<std::unique_ptr<BackendUnderTest>()> make;
};

std::vector<BackendKind> AvailableBackends();

inline std::string BackendName(const ::testing::TestParamInfo<BackendKind>& info) { return info.param.name; }

// Fixture base of a contract suite: `os` is a fresh backend of the kind under test.
class BackendTest : public ::testing::TestWithParam<BackendKind> {
protected:
    std::unique_ptr<BackendUnderTest> os = GetParam().make();
};

}  // namespace contract

// Runs the suite once per available backend.
#define OLZ_INSTANTIATE_FOR_BACKENDS(Suite) \
    INSTANTIATE_TEST_SUITE_P(Backends, Suite, ::testing::ValuesIn(contract::AvailableBackends()), contract::BackendName)
