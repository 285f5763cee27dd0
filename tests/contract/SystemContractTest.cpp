// System facts: the system directory's buffer negotiation, message texts and file attributes.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/contract/Backends.h"

namespace {

class SystemContract : public contract::BackendTest {};

TEST_P(SystemContract, SystemDirectoryNegotiatesItsBuffer) {
    std::string text = "stale";
    const os::DWORD needed = os->system().SystemDirectory(&text, 0);
    ASSERT_GT(needed, 1u);
    EXPECT_EQ(text, "");

    EXPECT_EQ(os->system().SystemDirectory(&text, needed - 1), needed) << "one short: the size needed again";
    EXPECT_EQ(text, "");

    EXPECT_EQ(os->system().SystemDirectory(&text, needed), needed - 1);
    EXPECT_EQ(text.size(), needed - 1);
    EXPECT_EQ(os->system().FileAttributes(text), os::FileAttributeDirectory);
}

TEST_P(SystemContract, MessageTextsEndInALineBreak) {
    struct Case {
        os::DWORD code;
        const char* text;
    };
    const Case cases[] = {
        {2, "File not found.\r\n"},
        {5, "Access denied.\r\n"},
        {1056, "Service already running.\r\n"},
        {1060, "Service does not exist.\r\n"},
        {1062, "Service not active.\r\n"},
        {0x2FFFFFFF, ""},  // no such message
    };
    for (const Case& c : cases) {
        EXPECT_EQ(os->system().MessageText(c.code), c.text) << c.code;
        EXPECT_EQ(os->system().NetMessageText(c.code), c.text) << "the network texts fall back on the system's";
    }
}

TEST_P(SystemContract, FileAttributesTellFilesFromFolders) {
    testing_support::WriteFileBytes(os->file("plain.txt"), "x");
    const std::string folder = os->folder().string();
    EXPECT_EQ(os->system().FileAttributes(folder), os::FileAttributeDirectory);
    EXPECT_EQ(os->system().FileAttributes(folder + "\\plain.txt"), os::FileAttributeArchive);
    EXPECT_EQ(os->system().FileAttributes(folder + "\\missing.txt"), os::InvalidFileAttributes);
    EXPECT_EQ(os->system().FileAttributes(folder + "\\missing\\plain.txt"), os::InvalidFileAttributes);
}

OLZ_INSTANTIATE_FOR_BACKENDS(SystemContract);

}  // namespace
