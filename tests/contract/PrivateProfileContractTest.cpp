// GetPrivateProfileStringA / WritePrivateProfileStringA as the programs rely on them. The
// expectations were measured against the real functions (under Wine), which also run them here
// in the Windows build.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tests/contract/Backends.h"

using namespace std::string_literals;
using testing_support::ReadFileBytes;
using testing_support::WriteFileBytes;

namespace {

class PrivateProfileContract : public contract::BackendTest {
protected:
    std::string Get(const char* section, const char* key, const char* defaultText = "DEF",
                    os::DWORD size = 2048) const {
        return os->profile().GetString(section, key, defaultText, size, ini);
    }
    os::DWORD Put(const char* section, const char* key, const char* value) const {
        return os->profile().WriteString(section, key, value, ini);
    }

    std::string ini = os->file("test.ini");
};

// One file with the layouts the real functions accept, and how each reads.
const std::string kVariedFile =
    "top=before any section\r\n"
    "[Sec]\r\n"
    "  Key1  =  value one  \r\n"
    "quoted=\"in quotes\"\r\n"
    "single='in single quotes'\r\n"
    "empty=\"\"\r\n"
    "half=\"open\r\n"
    "novalue\r\n"
    ";comment=x\r\n"
    "key1=duplicate\r\n"
    "\r\n"
    "[ Spaced ]\r\n"
    "a=1\r\n"
    "[sec]\r\n"
    "hidden=second section of the same name\r\n"
    "[Tail] trailing text\r\n"
    "t=1\r\n";

TEST_P(PrivateProfileContract, ReadsValuesWithTheirQuirks) {
    WriteFileBytes(ini, kVariedFile);
    struct Case {
        const char* section;
        const char* key;
        std::string expected;
    };
    const Case cases[] = {
        {"sec", "KEY1", "value one"},  // names ignore case, blanks around '=' go
        {" Sec ", " key1 ", "value one"},
        {"Sec", "quoted", "in quotes"},
        {"Sec", "single", "in single quotes"},
        {"Sec", "empty", ""},
        {"Sec", "half", "\"open"},
        {"Sec", "novalue", "DEF"},
        {"Sec", ";comment", "x"},
        {"Sec", "hidden", "DEF"},  // the first section of a name is the one read
        {"Spaced", "a", "1"},
        {"Tail", "t", "1"},
        {"", "top", "before any section"},
        {"Sec", "missing", "DEF"},
        {"Missing", "Key1", "DEF"},
    };
    for (const Case& c : cases) EXPECT_EQ(Get(c.section, c.key), c.expected) << c.section << "/" << c.key;
}

TEST_P(PrivateProfileContract, ListsSectionsAndKeysAsNulTerminatedNames) {
    WriteFileBytes(ini, kVariedFile);
    EXPECT_EQ(Get(nullptr, nullptr), "Sec\0Spaced\0sec\0Tail\0"s);
    EXPECT_EQ(Get("SEC", nullptr), "Key1\0quoted\0single\0empty\0half\0key1\0"s) << "no comments, no lines without '='";
    EXPECT_EQ(Get("Missing", nullptr), "DEF\0"s) << "a missing section lists the default";
    EXPECT_EQ(Get("Missing", nullptr, "  padded  "), "  padded  \0"s) << "untrimmed, unlike a value's default";
    EXPECT_EQ(Get("Sec ", nullptr), "DEF\0"s) << "listing takes the section name as given";
    EXPECT_EQ(Get("Sec ", "Key1"), "value one") << "while reading a value trims it";
}

TEST_P(PrivateProfileContract, AKeyListStartingWithAnEmptyNameReadsAsNone) {
    WriteFileBytes(ini, "[First]\r\n=x\r\nk=v\r\n[Later]\r\nk=v\r\n=x\r\nj=1\r\n");
    EXPECT_EQ(Get("First", nullptr), "DEF\0"s);
    EXPECT_EQ(Get("Later", nullptr), "k\0\0j\0"s);
}

TEST_P(PrivateProfileContract, DefaultsLoseTrailingBlanksAndQuotes) {
    WriteFileBytes(ini, "[S]\r\n");
    EXPECT_EQ(Get("S", "k", "  padded  "), "  padded");
    EXPECT_EQ(Get("S", "k", "\"quoted\""), "quoted");
    EXPECT_EQ(Get("S", "k", nullptr), "");
}

TEST_P(PrivateProfileContract, AMissingFileReadsAsEmpty) {
    EXPECT_EQ(Get("S", "k"), "DEF");
    EXPECT_EQ(Get(nullptr, nullptr), "");
    EXPECT_EQ(Get("S", nullptr), "DEF\0"s);
    EXPECT_FALSE(std::filesystem::exists(ini));
}

TEST_P(PrivateProfileContract, CutsValuesToTheBuffer) {
    const std::string longText(3000, 'x');
    WriteFileBytes(ini, "[S]\r\nlong=" + longText + "\r\nshort=abcdef\r\nquoted=\"abcdef\"\r\n");
    EXPECT_EQ(Get("S", "long"), std::string(2047, 'x'));
    EXPECT_EQ(Get("S", "short", "DEF", 4), "abc");
    EXPECT_EQ(Get("S", "short", "DEF", 1), "");
    EXPECT_EQ(Get("S", "short", "DEF", 0), "");
    EXPECT_EQ(Get("S", "missing", "default", 5), "defa");
    // A quoted value one character too long for the buffer loses one more.
    EXPECT_EQ(Get("S", "quoted", "DEF", 6), "abcde");
    EXPECT_EQ(Get("S", "quoted", "DEF", 7), "abcde");
    EXPECT_EQ(Get("S", "quoted", "DEF", 8), "abcdef");
}

TEST_P(PrivateProfileContract, CutsListsAndTerminatesTheLastName) {
    WriteFileBytes(ini, "[Sec]\r\na=1\r\nb=2\r\nTail=3\r\n[Tail]\r\n");
    struct Case {
        os::DWORD size;
        std::string sections;
        std::string keys;
    };
    const Case cases[] = {
        {3, "S\0"s, "a\0"s},
        {5, "Sec\0"s, "a\0b\0"s},
        {6, "Sec\0"s, "a\0b\0"s},
        {7, "Sec\0T\0"s, "a\0b\0T\0"s},
        {10, "Sec\0Tail\0"s, "a\0b\0Tail\0"s},
        {11, "Sec\0Tail\0"s, "a\0b\0Tail\0"s},
        {64, "Sec\0Tail\0"s, "a\0b\0Tail\0"s},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Get(nullptr, nullptr, "", c.size), c.sections) << "size " << c.size;
        EXPECT_EQ(Get("Sec", nullptr, "", c.size), c.keys) << "size " << c.size;
    }
}

TEST_P(PrivateProfileContract, WritesCreateReplaceAppendAndDeleteWithCrLf) {
    struct Step {
        const char* section;
        const char* key;
        const char* value;
        std::string file;
    };
    const Step steps[] = {
        {"A", "k", "v", "[A]\r\nk=v\r\n"},
        {"B", "k", "v", "[A]\r\nk=v\r\n[B]\r\nk=v\r\n"},
        {"a", "K2", "v2", "[A]\r\nk=v\r\nK2=v2\r\n[B]\r\nk=v\r\n"},       // appended to its section
        {"A", "K", "new", "[A]\r\nk=new\r\nK2=v2\r\n[B]\r\nk=v\r\n"},      // replaced in place
        {"B", "k", nullptr, "[A]\r\nk=new\r\nK2=v2\r\n[B]\r\n"},           // key deleted
        {"A", nullptr, nullptr, "[B]\r\n"},                                 // section deleted
        {"C", "empty", "", "[B]\r\n[C]\r\nempty=\r\n"},
    };
    for (const Step& step : steps) {
        ASSERT_EQ(Put(step.section, step.key, step.value), os::error::Success);
        EXPECT_EQ(ReadFileBytes(ini), step.file) << step.section << "/" << (step.key ? step.key : "(section)");
    }
}

TEST_P(PrivateProfileContract, ValuesAreStoredWithoutLeadingBlanksAndReadWithoutTrailingOnes) {
    ASSERT_EQ(Put("S", "k", "  padded  "), os::error::Success);
    EXPECT_EQ(ReadFileBytes(ini), "[S]\r\nk=padded  \r\n");
    EXPECT_EQ(Get("S", "k"), "padded");
}

TEST_P(PrivateProfileContract, CommentsAndUnknownLinesSurviveAWrite) {
    WriteFileBytes(ini, "[S]\r\n; a comment\r\nunknown line\r\na=1\r\n[T]\r\nb=2\r\n");
    ASSERT_EQ(Put("S", "c", "3"), os::error::Success);
    EXPECT_EQ(ReadFileBytes(ini), "[S]\r\n; a comment\r\nunknown line\r\na=1\r\nc=3\r\n[T]\r\nb=2\r\n");
}

TEST_P(PrivateProfileContract, AChangeRewritesTheWholeFileInNormalForm) {
    WriteFileBytes(ini, "  loose line  \n\n[S]  \n  a  =  1  \n\n\n[ T ]\nb = 2");
    ASSERT_EQ(Put("T", "c", "3"), os::error::Success);
    EXPECT_EQ(ReadFileBytes(ini), "loose line\r\n[S]\r\na=1\r\n[T]\r\nb=2\r\nc=3\r\n");
}

TEST_P(PrivateProfileContract, WritesThatChangeNothingLeaveTheFileAlone) {
    const std::string original = "[S]\n  a = 1\n\n";
    WriteFileBytes(ini, original);
    EXPECT_EQ(Put("S", "a", "1"), os::error::Success);
    EXPECT_EQ(Put("S", "missing", nullptr), os::error::Success);
    EXPECT_EQ(Put("Missing", nullptr, nullptr), os::error::Success);
    EXPECT_EQ(ReadFileBytes(ini), original);

    const std::string absent = os->file("absent.ini");
    EXPECT_EQ(os->profile().WriteString("S", nullptr, nullptr, absent), os::error::Success);
    EXPECT_FALSE(std::filesystem::exists(absent));
}

TEST_P(PrivateProfileContract, ReportsWhyAWriteFailed) {
    std::filesystem::create_directory(os->folder() / "folder.ini");
    EXPECT_EQ(os->profile().WriteString("S", "k", "v", os->file("no such folder") + "\\a.ini"),
              os::error::PathNotFound);
    EXPECT_EQ(os->profile().WriteString("S", "k", nullptr, os->file("no such folder") + "\\a.ini"),
              os::error::PathNotFound);
    EXPECT_EQ(os->profile().WriteString("S", "k", "v", os->file("folder.ini")), os::error::AccessDenied);
    EXPECT_FALSE(std::filesystem::exists(os->folder() / "no such folder"));
}

TEST_P(PrivateProfileContract, ReportsAFolderWithoutWritePermission) {
    const auto locked = os->folder() / "locked";
    std::filesystem::create_directory(locked);
    std::filesystem::permissions(locked, std::filesystem::perms::owner_write | std::filesystem::perms::group_write |
                                             std::filesystem::perms::others_write,
                                 std::filesystem::perm_options::remove);
    if (std::ofstream((locked / "probe").string())) GTEST_SKIP() << "this user may write anywhere";
    EXPECT_EQ(os->profile().WriteString("S", "k", "v", (locked / "a.ini").string()), os::error::AccessDenied);
}

TEST_P(PrivateProfileContract, BackslashesSeparateFolders) {
    std::filesystem::create_directory(os->folder() / "sub");
    const std::string windowsName = os->folder().string() + "\\sub\\a.ini";
    ASSERT_EQ(os->profile().WriteString("S", "k", "v", windowsName), os::error::Success);
    EXPECT_EQ(ReadFileBytes((os->folder() / "sub" / "a.ini").string()), "[S]\r\nk=v\r\n");
}

TEST_P(PrivateProfileContract, SurvivesFilesOfArbitraryBytes) {
    WriteFileBytes(ini, "[S]\ra=1\rb=2\nc=3\r\r\n\x1a[T]\x1a\nd=4");
    EXPECT_EQ(Get("S", nullptr), "a\0b\0c\0"s) << "a lone CR ends a line too";
    EXPECT_EQ(Get("T", "d"), "4");

    WriteFileBytes(ini, "[S]\na=1\0ignored\nb\0=2\n[T\0U]\nc=3\n"s);
    EXPECT_EQ(Get("S", "a"), "1") << "a NUL ends the text";
    EXPECT_EQ(Get("S", "b"), "2");
    EXPECT_EQ(Get("T", "c"), "3");

    WriteFileBytes(ini, "\xEF\xBB\xBF[S]\na=1\n");
    ASSERT_EQ(Put("S", "b", "2"), os::error::Success);
    EXPECT_EQ(ReadFileBytes(ini), "\xEF\xBB\xBF[S]\r\na=1\r\nb=2\r\n") << "the byte-order mark stays";

    WriteFileBytes(ini, "[S]\nlong=" + std::string(100000, 'y') + "\nafter=1");
    ASSERT_EQ(Put("S", "new", "v"), os::error::Success);
    EXPECT_EQ(Get("S", "long"), std::string(2047, 'y'));
    EXPECT_EQ(Get("S", "after"), "1");
    EXPECT_EQ(Get("S", "new"), "v");
}

OLZ_INSTANTIATE_FOR_BACKENDS(PrivateProfileContract);

}  // namespace
