// Enhanced Startup over the simulated registry: the workstation service's dependency list gains
// and loses our entry, keeps its other entries in order, and every failure ends in false.
#include "service/EnhancedOLZ.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/os/sim/SimOs.h"

using namespace std::string_literals;

namespace {

using Value = os::sim::SimRegistry::Value;

enum class Operation { Enable, Disable, Query };

bool Perform(Operation operation) {
    switch (operation) {
    case Operation::Enable: return EnableEnhancedStartup();
    case Operation::Disable: return DisableEnhancedStartup();
    case Operation::Query: return IsEnhancedStartupEnabled();
    }
    return false;
}

Value MultiSz(const std::string& data) { return {os::regtype::MultiSz, data}; }

// A simulated machine whose workstation service key exists, with or without a dependency list.
struct Machine {
    void Seed(std::optional<Value> value) {
        sim.registry.Seed(os::hkey::LocalMachine, enhanced::kWorkstationKey, "Start", os::regtype::Dword, "\2\0\0\0"s);
        if (value) sim.registry.Seed(os::hkey::LocalMachine, enhanced::kWorkstationKey, "DependOnService", value->type, value->data);
    }
    std::optional<Value> Stored() const {
        return sim.registry.Stored(os::hkey::LocalMachine, enhanced::kWorkstationKey, "DependOnService");
    }

    os::sim::SimOs sim;
    os::BackendScope scope{sim.backend()};
};

TEST(EnhancedStartup, EditsOnlyOurEntryOfTheDependencyList) {
    const std::string ours = "OrlenzaService\0"s;
    struct Case {
        const char* what;
        std::optional<Value> before;
        Operation operation;
        bool result;
        std::optional<Value> after;
    };
    const Case cases[] = {
        {"no list: enabling creates it", std::nullopt, Operation::Enable, true, MultiSz(ours + "\0"s)},
        {"no list: disabling", std::nullopt, Operation::Disable, false, std::nullopt},
        {"no list: query", std::nullopt, Operation::Query, false, std::nullopt},
        {"appended last", MultiSz("A\0B\0\0"s), Operation::Enable, true, MultiSz("A\0B\0"s + ours + "\0"s)},
        {"already listed: nothing written", MultiSz("A\0"s + ours + "B\0\0"s), Operation::Enable, true,
         MultiSz("A\0"s + ours + "B\0\0"s)},
        {"removed, the rest in order", MultiSz("A\0"s + ours + "B\0\0"s), Operation::Disable, true, MultiSz("A\0B\0\0"s)},
        {"the only entry: an empty list", MultiSz(ours + "\0"s), Operation::Disable, true, MultiSz("\0"s)},
        {"twice: the first goes", MultiSz(ours + "A\0"s + ours + "\0"s), Operation::Disable, true,
         MultiSz("A\0"s + ours + "\0"s)},
        {"listed", MultiSz("A\0"s + ours + "\0"s), Operation::Query, true, MultiSz("A\0"s + ours + "\0"s)},
        {"other letter case is another name", MultiSz("orlenzaservice\0\0"s), Operation::Query, false,
         MultiSz("orlenzaservice\0\0"s)},
        {"other letter case: ours appended", MultiSz("orlenzaservice\0\0"s), Operation::Enable, true,
         MultiSz("orlenzaservice\0"s + ours + "\0"s)},
        {"not listed: nothing written", MultiSz("A\0\0"s), Operation::Disable, false, MultiSz("A\0\0"s)},
        {"not a list: enabling fails", Value{os::regtype::Sz, ours}, Operation::Enable, false, Value{os::regtype::Sz, ours}},
        {"not a list: query", Value{os::regtype::Sz, ours}, Operation::Query, false, Value{os::regtype::Sz, ours}},
    };
    for (const Case& c : cases) {
        Machine machine;
        machine.Seed(c.before);
        EXPECT_EQ(Perform(c.operation), c.result) << c.what;
        EXPECT_EQ(machine.Stored(), c.after) << c.what;
        EXPECT_EQ(machine.sim.registry.OpenHandleCount(), 0u) << c.what;
    }
}

TEST(EnhancedStartup, WithoutTheRightsToChangeTheKeyOnlyTheQueryAnswers) {
    Machine machine;
    os::sim::SimOs& sim = machine.sim;
    for (Operation operation : {Operation::Enable, Operation::Disable, Operation::Query})
        EXPECT_FALSE(Perform(operation)) << "no workstation key";
    EXPECT_FALSE(sim.registry.Stored(os::hkey::LocalMachine, enhanced::kWorkstationKey, "Start"))
        << "the key is never created";

    machine.Seed(MultiSz("A\0OrlenzaService\0\0"s));
    sim.registry.DenyWrites(os::hkey::LocalMachine, enhanced::kWorkstationKey);
    EXPECT_FALSE(Perform(Operation::Disable));
    EXPECT_TRUE(Perform(Operation::Query)) << "reading needs no right to change the key";
    EXPECT_EQ(machine.Stored(), MultiSz("A\0OrlenzaService\0\0"s));

    machine.Seed(MultiSz("A\0\0"s));
    EXPECT_FALSE(Perform(Operation::Enable));
    EXPECT_EQ(machine.Stored(), MultiSz("A\0\0"s));
}

}  // namespace
