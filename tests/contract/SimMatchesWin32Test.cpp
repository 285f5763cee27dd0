// In the Windows build: the simulation and the real functions, given the same odd input, give the
// same answers. This catches drift where the suites above spell out no expectation.
#ifdef _WIN32
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/os/sim/SimOs.h"
#include "platform/os/win32/Win32Os.h"
#include "tests/support/TempDir.h"

using namespace std::string_literals;
using testing_support::ReadFileBytes;
using testing_support::WriteFileBytes;

namespace {

class SimMatchesWin32 : public ::testing::Test {
protected:
    os::sim::SimOs sim;
    os::Backend real = os::win32::ProcessBackend();
    testing_support::TempDir folder;
};

const std::string kOddFiles[] = {
    "[S]\r\nq=\"abcdef\"\r\ns='x'\r\nlone=\"\r\ntwo=\"\"\r\n",
    "pre=1\r\n[]\r\ne=2\r\n[;c]\r\n[#h]\r\nk=v\r\n[ ]\r\nb=3\r\n[Unclosed\r\nu=1\r\n",
    "[S]\r\n=empty name\r\nnoequals\r\n; note\r\n\tk\t=\t\tv\t\r\n[S]\r\nk=second\r\n",
    "\x1a[S]\x1a\r\na=\x0b\x0cv \x1a\r\nb=\xa0w\xa0\r\n",
    "[[x]]\r\nk=x=v\r\n[a]b]\r\nk=1\r\n",
    "",
};

const char* const kSections[] = {nullptr, "", "S", "s ", ";c", "#h", "[x]", "a]b", "Unclosed", "missing"};
const char* const kKeys[] = {nullptr, "", "q", "s", "lone", "two", "pre", "e", "k", "b", "a", "noequals", "; note"};

TEST_F(SimMatchesWin32, ReadsAlike) {
    const std::string ini = folder.file("odd.ini");
    for (const std::string& file : kOddFiles) {
        WriteFileBytes(ini, file);
        for (const char* section : kSections) {
            for (const char* key : kKeys) {
                for (const os::DWORD size : {3u, 6u, 7u, 8u, 2048u}) {
                    EXPECT_EQ(sim.profile.GetString(section, key, "  dflt ", size, ini),
                              real.profile->GetString(section, key, "  dflt ", size, ini))
                        << file << " / " << (section ? section : "(null)") << " / " << (key ? key : "(null)")
                        << " / " << size;
                }
            }
        }
    }
}

TEST_F(SimMatchesWin32, WritesAlike) {
    struct Write {
        const char* section;
        const char* key;
        const char* value;
    };
    const Write writes[] = {
        {"S", "k", "new"},    {"S", "n", "  lead and trail  "}, {"", "top", "1"},      {" New ", " key ", " v "},
        {"s", "k", nullptr},  {"S", nullptr, nullptr},          {"[x]", "k", "2"},     {"S", "noequals", "now"},
        {"S", "; note", "c"}, {"a]b", "k", "1"},                {"S", "missing", nullptr},
    };
    const std::string simFile = folder.file("sim.ini");
    const std::string realFile = folder.file("real.ini");
    for (const std::string& file : kOddFiles) {
        for (const Write& write : writes) {
            WriteFileBytes(simFile, file);
            WriteFileBytes(realFile, file);
            EXPECT_EQ(sim.profile.WriteString(write.section, write.key, write.value, simFile),
                      real.profile->WriteString(write.section, write.key, write.value, realFile));
            EXPECT_EQ(ReadFileBytes(simFile), ReadFileBytes(realFile))
                << file << " / " << write.section << " / " << (write.key ? write.key : "(null)");
        }
    }
}

TEST_F(SimMatchesWin32, KnowsTheMessageTextsOfTheSystem) {
    for (const os::DWORD code : {2u, 3u, 5u, 6u, 87u, 122u, 1056u, 1058u, 1060u, 1062u, 1072u}) {
        EXPECT_NE(sim.system.MessageText(code), "") << code;
    }
    for (os::DWORD code = 0; code < 2000; ++code) {
        const std::string text = sim.system.MessageText(code);
        if (!text.empty()) {
            EXPECT_EQ(text, real.system->MessageText(code)) << code;
        }
    }
}

}  // namespace
#endif
