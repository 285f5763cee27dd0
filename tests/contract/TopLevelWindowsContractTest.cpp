// Top-level windows: finding windows by class and text, reading both into a bounded buffer, and
// the iconic state that showing a window changes. Under Wine the windows are real ones of this
// process, made hidden: showing a window waits on the X server, so only one test does.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/contract/Backends.h"

#ifdef _WIN32
#include "platform/os/win32/Win32ScratchWindows.h"
#endif

namespace {

constexpr const char* kClass = "OlzContractWindow";

class TopLevelWindowsContract : public contract::BackendTest {
protected:
#ifdef _WIN32
    void SetUp() override {
        if (os->sim()) return;
        real_ = std::make_unique<os::win32::ScratchWindows>(kClass);
        try {
            real_->Create("Olz probe");
        } catch (const std::runtime_error& error) {
            GTEST_SKIP() << "no real windows without a display: " << error.what();
        }
    }
#endif

    // A new hidden window of kClass.
    os::WindowHandle Make(const std::string& text) {
        if (os::sim::SimOs* sim = os->sim()) return sim->windows.Add({kClass, text, false, false});
#ifdef _WIN32
        return real_->Create(text);
#else
        throw std::logic_error("no real windows in this build");
#endif
    }

    std::vector<os::WindowHandle> FindAll(const std::string& className, const std::string& text) {
        std::vector<os::WindowHandle> found;
        os::windows().Enumerate([&](os::WindowHandle window) {
            std::string readClass;
            std::string readText;
            os::windows().ClassName(window, &readClass, 256);
            os::windows().Text(window, &readText, 256);
            if (readClass == className && readText == text) found.push_back(window);
            return true;
        });
        std::sort(found.begin(), found.end());
        return found;
    }

private:
#ifdef _WIN32
    std::unique_ptr<os::win32::ScratchWindows> real_;
#endif
};

TEST_P(TopLevelWindowsContract, EnumerationFindsEveryWindowOfAClassAndText) {
    std::vector<os::WindowHandle> same{Make("Olz Same Title"), Make("Olz Same Title")};
    Make("Olz Other Title");
    std::sort(same.begin(), same.end());

    EXPECT_EQ(FindAll(kClass, "Olz Same Title"), same);
    EXPECT_EQ(FindAll(kClass, "olz same title"), std::vector<os::WindowHandle>{}) << "text compares exactly";
}

TEST_P(TopLevelWindowsContract, EnumerationStopsWhenTheVisitorSaysSo) {
    Make("Olz Window");
    int visited = 0;
    EXPECT_FALSE(os::windows().Enumerate([&](os::WindowHandle) { return ++visited < 1; }));
    EXPECT_EQ(visited, 1);
}

TEST_P(TopLevelWindowsContract, ReadsAreCutToTheBuffer) {
    const std::string longTitle(300, 'T');
    const os::WindowHandle window = Make(longTitle);
    struct Case {
        int size;
        int classLength;
        int textLength;
    };
    const int classLength = static_cast<int>(std::string(kClass).size());
    const Case cases[] = {{256, classLength, 255}, {5, 4, 4}, {1, 0, 0}, {0, 0, 0}};
    for (const Case& c : cases) {
        std::string text = "stale";
        EXPECT_EQ(os::windows().ClassName(window, &text, c.size), c.classLength) << c.size;
        EXPECT_EQ(text, std::string(kClass).substr(0, static_cast<std::size_t>(c.classLength))) << c.size;
        text = "stale";
        EXPECT_EQ(os::windows().Text(window, &text, c.size), c.textLength) << c.size;
        EXPECT_EQ(text, longTitle.substr(0, static_cast<std::size_t>(c.textLength))) << c.size;
    }
    std::string text = "stale";
    EXPECT_EQ(os::windows().ClassName(0, &text, 256), 0) << "no window";
    EXPECT_EQ(text, "");
}

TEST_P(TopLevelWindowsContract, AMinimisedWindowIsIconicUntilRestored) {
    const os::WindowHandle normal = Make("Olz Same Title");
    const os::WindowHandle minimised = Make("Olz Same Title");
    EXPECT_FALSE(os::windows().Show(minimised, os::sw::Minimize)) << "it was hidden";

    EXPECT_FALSE(os::windows().Iconic(normal));
    EXPECT_TRUE(os::windows().Iconic(minimised));
    EXPECT_EQ(os::windows().LastActivePopup(minimised), minimised) << "it owns no popup";

    EXPECT_TRUE(os::windows().BringToTop(minimised));
    EXPECT_TRUE(os::windows().Show(minimised, os::sw::Restore)) << "it was shown minimised";
    EXPECT_FALSE(os::windows().Iconic(minimised));
}

OLZ_INSTANTIATE_FOR_BACKENDS(TopLevelWindowsContract);

// What only the simulation keeps: the activations asked of it, and the order they leave.
TEST(SimTopLevelWindows, RecordsActivationsAndMovesActivatedWindowsToTheTop) {
    os::sim::SimTopLevelWindows windows;
    const os::WindowHandle first = windows.Add({"A", "first"});
    const os::WindowHandle second = windows.Add({"A", "second", true});
    const os::WindowHandle popup = windows.Add({"Dialog", "popup"});
    const os::WindowHandle owner = windows.Add({"A", "owner", false, true, popup});

    EXPECT_EQ(windows.LastActivePopup(owner), popup);
    EXPECT_TRUE(windows.BringToTop(second));
    EXPECT_TRUE(windows.Show(second, os::sw::Restore));
    EXPECT_TRUE(windows.SetForeground(owner));

    using Call = os::sim::WindowActivation::Call;
    const std::vector<os::sim::WindowActivation> expected{
        {Call::BringToTop, second}, {Call::Show, second, os::sw::Restore}, {Call::SetForeground, owner}};
    EXPECT_EQ(windows.Activations(), expected);
    EXPECT_FALSE(windows.Window(second).iconic);

    std::vector<os::WindowHandle> order;
    windows.Enumerate([&](os::WindowHandle window) {
        order.push_back(window);
        return true;
    });
    EXPECT_EQ(order, (std::vector<os::WindowHandle>{owner, second, first, popup}));
}

}  // namespace
