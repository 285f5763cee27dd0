// HTML Help routing: each classic help command becomes the viewer call it stands for, on the
// application's help file as it is at the time of the request.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "common/UseHTMLHelp.h"
#include "platform/os/sim/SimOs.h"
#include "tests/support/TestApplication.h"

namespace {

constexpr const char* kHelpFile = "C:\\Program Files\\Orlenza\\olzsysman.chm";

class UseHTMLHelpTest : public ::testing::Test {
protected:
    UseHTMLHelpTest() { app.SetHelpFile(kHelpFile); }

    os::sim::SimOs sim;
    os::BackendScope scope{sim.backend()};
    testing_support::TestApplication app{0x1234};
};

TEST_F(UseHTMLHelpTest, EachCommandBecomesItsViewerCall) {
    static const char keyword[] = "Engine Settings";
    const auto keywordData = reinterpret_cast<std::intptr_t>(keyword);
    const auto keywordPointer = static_cast<std::uintptr_t>(keywordData);
    struct Case {
        const char* what;
        std::uint16_t command;
        std::intptr_t data;
        std::optional<std::string> file;
        os::DWORD viewerCommand;
        std::uintptr_t viewerData;
    };
    const Case cases[] = {
        {"context", vcl::help::Context, 1000, kHelpFile, os::hh::HelpContext, 1000},
        {"popup context", vcl::help::ContextPopup, 1020, kHelpFile, os::hh::HelpContext, 1020},
        {"keyword", vcl::help::Key, keywordData, kHelpFile, os::hh::DisplayIndex, keywordPointer},
        {"quit", vcl::help::Quit, 55, std::nullopt, os::hh::CloseAll, 0},
        {"contents", vcl::help::Index, 55, kHelpFile, os::hh::DisplayTopic, 0},
        {"a command it does not know", 0x0105, 55, kHelpFile, os::hh::DisplayTopic, 0},
    };
    TUseHTMLHelp helper;
    for (const Case& c : cases) {
        bool callHelp = true;
        EXPECT_TRUE(helper.HandleHelp(c.command, c.data, callHelp)) << c.what;
        EXPECT_FALSE(callHelp) << c.what;
        const os::sim::HelpCall& call = sim.htmlHelp.Calls().back();
        EXPECT_EQ(call.caller, 0u) << c.what << ": no owner window";
        EXPECT_EQ(call.file, c.file) << c.what;
        EXPECT_EQ(call.command, c.viewerCommand) << c.what;
        EXPECT_EQ(call.data, c.viewerData) << c.what;
    }
    EXPECT_EQ(sim.htmlHelp.Calls().size(), std::size(cases));
}

TEST_F(UseHTMLHelpTest, TheInstallerRoutesTheApplicationsRequestsWhileItLives) {
    EXPECT_FALSE(app.HelpContext(1000)) << "nobody handles help yet";
    {
        UseHTMLHelpInstaller installer;
        app.SetHelpFile("olzsysman.chm>main");
        EXPECT_TRUE(app.HelpContext(1000));
        ASSERT_EQ(sim.htmlHelp.Calls().size(), 1u);
        EXPECT_EQ(sim.htmlHelp.Calls()[0].file, "olzsysman.chm>main") << "the file as it is now, whole";
        EXPECT_EQ(sim.htmlHelp.Calls()[0].data, 1000u);
    }
    EXPECT_FALSE(app.HelpContext(1000));
    EXPECT_EQ(sim.htmlHelp.Calls().size(), 1u);
}

}  // namespace
