// TExRegistry: REG_MULTI_SZ values as string lists, bounded by the data the registry returns,
// and the composed messages of its errors.
#include "service/unitEXRegistry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/os/sim/SimOs.h"

using namespace std::string_literals;

namespace {

using Strings = std::vector<std::string>;

Strings Split(const std::string& data) {
    return SplitMultiString(reinterpret_cast<const std::uint8_t*>(data.data()), data.size());
}

Strings Items(const vcl::TStringList& list) {
    Strings items;
    for (int i = 0; i < list.Count(); ++i) items.push_back(list[i]);
    return items;
}

TEST(MultiString, SplitsUpToTheFirstEmptyStringOrTheEndOfTheData) {
    struct Case {
        std::string data;
        Strings strings;
    };
    const Case cases[] = {
        {"A\0BC\0\0"s, {"A", "BC"}},
        {""s, {}},
        {"\0"s, {}},
        {"A\0\0B\0\0"s, {"A"}},
        {"A\0B"s, {"A", "B"}},  // no closing NULs: the data ends the last string
        {"AB"s, {"AB"}},
    };
    for (const Case& c : cases) EXPECT_EQ(Split(c.data), c.strings) << testing::PrintToString(c.data);
}

class ExRegistry : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(reg.OpenKey("Software\\Test", true)); }
    void TearDown() override {
        reg.CloseKey();
        EXPECT_EQ(sim.registry.OpenHandleCount(), 0u);
    }
    std::optional<os::sim::SimRegistry::Value> Stored(const std::string& name) const {
        return sim.registry.Stored(os::hkey::CurrentUser, "Software\\Test", name);
    }

    os::sim::SimOs sim;
    os::BackendScope scope{sim.backend()};
    TExRegistry reg;
};

TEST_F(ExRegistry, WritesEachStringWithItsNulAndOneMore) {
    const vcl::TStringList twoStrings{"A", "BC"};
    reg.WriteStringList("List", twoStrings);
    EXPECT_EQ(Stored("List"), (os::sim::SimRegistry::Value{os::regtype::MultiSz, "A\0BC\0\0"s}));

    vcl::TStringList read{"stale"};
    reg.ReadStringList("List", read);
    EXPECT_EQ(Items(read), (Strings{"A", "BC"}));

    reg.WriteStringList("Empty", vcl::TStringList{});
    EXPECT_EQ(Stored("Empty"), (os::sim::SimRegistry::Value{os::regtype::MultiSz, "\0"s}));
    reg.ReadStringList("Empty", read);
    EXPECT_EQ(read.Count(), 0);
}

TEST_F(ExRegistry, ErrorsNameTheRegistrysNumberAndText) {
    vcl::TStringList list{"stale"};
    try {
        reg.ReadStringList("Missing", list);
        FAIL() << "read a missing value";
    } catch (const EExRegistryException& e) {
        EXPECT_EQ(e.ErrorCode(), 2);
        EXPECT_EQ(e.Message(), "Error 2 : File not found.\r\n:Unable read MULTI_SZ value");
    }
    EXPECT_EQ(list.Count(), 0) << "left empty";

    reg.WriteString("Text", "A");
    try {
        reg.ReadStringList("Text", list);
        FAIL() << "read a REG_SZ value";
    } catch (const EExRegistryException&) {
        FAIL() << "a wrong type has no error number";
    } catch (const vcl::ERegistryException& e) {
        EXPECT_EQ(e.Message(), "String list expected");
    }

    ASSERT_TRUE(reg.OpenKeyReadOnly("\\Software\\Test"));
    try {
        reg.WriteStringList("List", list);
        FAIL() << "wrote through a read-only key";
    } catch (const EExRegistryException& e) {
        EXPECT_EQ(e.ErrorCode(), 5);
        EXPECT_EQ(e.Message(), "Error 5 : Access denied.\r\n:Unable to write MULTI_SZ value");
    }

    reg.CloseKey();
    EXPECT_THROW(reg.ReadStringList("List", list), EExRegistryException) << "no open key";
}

TEST_F(ExRegistry, ReadsNoFurtherThanTheStoredData) {
    sim.registry.Seed(os::hkey::CurrentUser, "Software\\Test", "Unterminated", os::regtype::MultiSz, "A\0BC"s);
    vcl::TStringList list;
    reg.ReadStringList("Unterminated", list);
    EXPECT_EQ(Items(list), (Strings{"A", "BC"}));

    sim.registry.Seed(os::hkey::CurrentUser, "Software\\Test", "Nothing", os::regtype::MultiSz, "");
    reg.ReadStringList("Nothing", list);
    EXPECT_EQ(list.Count(), 0);
}

}  // namespace
