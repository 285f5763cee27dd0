// TIniFile over the simulated private-profile functions, on a scratch folder.
#include "platform/vcl/IniFiles.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "platform/os/Os.h"
#include "platform/os/sim/SimOs.h"
#include "platform/vcl/Exceptions.h"
#include "tests/support/TempDir.h"

using testing_support::ReadFileBytes;
using testing_support::WriteFileBytes;

namespace {

class IniFiles : public ::testing::Test {
protected:
    testing_support::TempDir dir;
    os::sim::SimOs sim;
    os::BackendScope scope{sim.backend()};
    std::string fileName = dir.file("test.ini");
    vcl::TIniFile ini{fileName};
};

TEST(IniInteger, ParsesDecimalAndPrefixedHexadecimal) {
    struct Case {
        const char* text;
        bool valid;
        std::int32_t value;
    };
    const Case cases[] = {
        {"2", true, 2},
        {" 12", true, 12},
        {"-5", true, -5},
        {"+7", true, 7},
        {"$1F", true, 31},
        {"0x1f", true, 31},
        {"0X1F", true, 31},
        {"-$10", true, -16},
        {"$FFFFFFFF", true, -1},  // hexadecimal spells the bit pattern
        {"2147483647", true, std::numeric_limits<std::int32_t>::max()},
        {"-2147483648", true, std::numeric_limits<std::int32_t>::min()},
        {"2147483648", false, 0},
        {"-2147483649", false, 0},
        {"$100000000", false, 0},
        {"abc", false, 0},
        {"", false, 0},
        {" ", false, 0},
        {"12abc", false, 0},
        {"12 ", false, 0},
        {"1 2", false, 0},
        {"- 5", false, 0},
        {"0x", false, 0},
        {"$", false, 0},
        {"0x1g", false, 0},
        {"1.5", false, 0},
    };
    for (const Case& c : cases) {
        std::int32_t value = 99;
        EXPECT_EQ(vcl::TryParseIniInteger(c.text, value), c.valid) << '"' << c.text << '"';
        if (c.valid) {
            EXPECT_EQ(value, c.value) << '"' << c.text << '"';
        }
    }
}

TEST_F(IniFiles, ReadsNumbersAndFlagsOrTheirDefault) {
    WriteFileBytes(fileName, "[S]\r\nhex=0x10\r\nbad=12abc\r\ntwo=2\r\nzero=0\r\nempty=\r\n");
    EXPECT_EQ(ini.ReadInteger("S", "hex", -1), 16);
    EXPECT_EQ(ini.ReadInteger("S", "bad", -1), -1);
    EXPECT_EQ(ini.ReadInteger("S", "missing", -1), -1);
    EXPECT_TRUE(ini.ReadBool("S", "two", false));
    EXPECT_FALSE(ini.ReadBool("S", "zero", true));
    EXPECT_TRUE(ini.ReadBool("S", "bad", true)) << "unreadable text gives the default";
    EXPECT_FALSE(ini.ReadBool("S", "empty", false));
}

TEST_F(IniFiles, WritesIntegersAndFlagsAsDecimalText) {
    ini.WriteInteger("S", "n", -5);
    ini.WriteBool("S", "yes", true);
    ini.WriteBool("S", "no", false);
    ini.WriteString("S", "text", "as given");
    EXPECT_EQ(ReadFileBytes(fileName), "[S]\r\nn=-5\r\nyes=1\r\nno=0\r\ntext=as given\r\n");
}

TEST_F(IniFiles, ReadsTextUpTo2047Characters) {
    ini.WriteString("S", "long", std::string(5000, 'x'));
    EXPECT_EQ(ini.ReadString("S", "long", ""), std::string(2047, 'x'));
    EXPECT_EQ(ini.ReadString("S", "missing", "fallback"), "fallback");
}

TEST_F(IniFiles, AFailedWriteNamesTheFileAndKeepsEarlierWrites) {
    ini.WriteInteger("S", "first", 1);
    ini.WriteInteger("S", "second", 2);
    sim.profile.DenyWrites(dir.path().string());
    try {
        ini.WriteInteger("S", "third", 3);
        FAIL() << "the write went through";
    } catch (const vcl::EIniFileException& e) {
        EXPECT_EQ(e.Message(), "Unable to write to " + fileName);
    }
    EXPECT_THROW(ini.EraseSection("S"), vcl::EIniFileException);
    EXPECT_NO_THROW(ini.DeleteKey("S", "first")) << "deleting a key reports nothing";
    EXPECT_EQ(ReadFileBytes(fileName), "[S]\r\nfirst=1\r\nsecond=2\r\n");

    vcl::TIniFile nowhere(dir.file("missing folder") + "\\x.ini");
    EXPECT_THROW(nowhere.WriteString("S", "k", "v"), vcl::EIniFileException);
}

TEST_F(IniFiles, FloatsRoundTripThroughTheShortestText) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {{0.1, "0.1"}, {-2.5, "-2.5"}, {100, "100"}, {1.0 / 3, "0.3333333333333333"}, {1e300, "1e+300"}};
    for (const Case& c : cases) {
        ini.WriteFloat("S", "f", c.value);
        EXPECT_EQ(ini.ReadString("S", "f", ""), c.text);
        EXPECT_EQ(ini.ReadFloat("S", "f", 0), c.value);
    }
    for (const char* text : {"", "abc", "1.5x", "1,5", " "}) {
        ini.WriteString("S", "f", text);
        EXPECT_EQ(ini.ReadFloat("S", "f", 7.5), 7.5) << '"' << text << '"';
    }
}

TEST_F(IniFiles, DatesAndTimesUseIsoText) {
    struct Case {
        double days;
        const char* date;
        const char* time;
    };
    const Case cases[] = {
        {45000.75, "2023-03-15", "18:00:00"},
        {45351.5 + 1.0 / 86400, "2024-02-29", "12:00:01"},
        {0, "1899-12-30", "00:00:00"},
        {-1.25, "1899-12-29", "06:00:00"},  // before day zero the time still counts from midnight
    };
    for (const Case& c : cases) {
        ini.WriteDateTime("S", "at", vcl::DateTime{c.days});
        EXPECT_EQ(ini.ReadString("S", "at", ""), std::string(c.date) + " " + c.time);
        EXPECT_NEAR(ini.ReadDateTime("S", "at", {}).days, c.days, 1e-9);
        ini.WriteDate("S", "day", vcl::DateTime{c.days});
        EXPECT_EQ(ini.ReadString("S", "day", ""), c.date);
        ini.WriteTime("S", "time", vcl::DateTime{c.days});
        EXPECT_EQ(ini.ReadString("S", "time", ""), c.time);
    }
    ini.WriteString("S", "short", "2024-3-5");
    EXPECT_EQ(ini.ReadDate("S", "short", {}).days, 45356);
    EXPECT_EQ(ini.ReadDateTime("S", "short", {}).days, 45356) << "a date alone is a date-time at midnight";
}

TEST_F(IniFiles, UnreadableDatesAndTimesGiveTheDefault) {
    const vcl::DateTime fallback{123.5};
    for (const char* text : {"", "2023-02-30", "2023-13-01", "0-01-01", "2023/01/01", "2023-01-01x", "today"}) {
        ini.WriteString("S", "d", text);
        EXPECT_EQ(ini.ReadDate("S", "d", fallback), fallback) << text;
    }
    for (const char* text : {"", "24:00:00", "12:60:00", "12:00", "12:00:00:00", "noon"}) {
        ini.WriteString("S", "t", text);
        EXPECT_EQ(ini.ReadTime("S", "t", fallback), fallback) << text;
    }
    ini.WriteString("S", "dt", "2023-01-01 25:00:00");
    EXPECT_EQ(ini.ReadDateTime("S", "dt", fallback), fallback);
}

TEST_F(IniFiles, ListsSectionsAndKeys) {
    WriteFileBytes(fileName, "[One]\r\na=1\r\n;note=x\r\nB=2\r\n[Two]\r\n[Three]\r\nc=3\r\n");
    std::vector<std::string> names;
    ini.ReadSections(names);
    EXPECT_EQ(names, (std::vector<std::string>{"One", "Two", "Three"}));
    ini.ReadSection("ONE", names);
    EXPECT_EQ(names, (std::vector<std::string>{"a", "B"}));
    EXPECT_TRUE(ini.SectionExists("one"));
    EXPECT_FALSE(ini.SectionExists("Two")) << "a section without keys does not count";
    EXPECT_TRUE(ini.ValueExists("One", "b"));
    EXPECT_FALSE(ini.ValueExists("One", "note"));

    ini.DeleteKey("One", "a");
    ini.EraseSection("Three");
    ini.UpdateFile();
    EXPECT_EQ(ReadFileBytes(fileName), "[One]\r\n;note=x\r\nB=2\r\n[Two]\r\n");
}

TEST_F(IniFiles, ListsLongerThanOneBufferArriveWhole) {
    std::string file = "[Big]\r\n";
    for (int i = 0; i < 3000; ++i) file += "key" + std::to_string(10000 + i) + "=1\r\n";
    WriteFileBytes(fileName, file);
    std::vector<std::string> names;
    ini.ReadSection("Big", names);
    ASSERT_EQ(names.size(), 3000u);
    EXPECT_EQ(names.front(), "key10000");
    EXPECT_EQ(names.back(), "key12999");
}

}  // namespace
