#include "platform/vcl/Streams.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/TempDir.h"

namespace {

using vcl::TMemoryStream;
using vcl::TSeekOrigin;

std::string Content(const TMemoryStream& stream) {
    return {reinterpret_cast<const char*>(stream.Memory()), stream.Size()};
}

TMemoryStream StreamOf(const std::string& bytes) {
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), bytes.size());
    stream.SetPosition(0);
    return stream;
}

TEST(MemoryStream, ReadsWhatWasWrittenAndStopsAtTheEnd) {
    TMemoryStream stream = StreamOf("abcdef");
    char buffer[8] = {};
    EXPECT_EQ(stream.Read(buffer, 4), 4u);
    EXPECT_EQ(std::string(buffer, 4), "abcd");
    EXPECT_EQ(stream.Read(buffer, 8), 2u);
    EXPECT_EQ(std::string(buffer, 2), "ef");
    EXPECT_EQ(stream.Read(buffer, 8), 0u);
    EXPECT_EQ(stream.Position(), 6u);
}

TEST(MemoryStream, WriteOverwritesInPlaceAndGrowsAtTheEnd) {
    TMemoryStream stream = StreamOf("abcdef");
    stream.SetPosition(4);
    stream.WriteBuffer("XYZ", 3);
    EXPECT_EQ(Content(stream), "abcdXYZ");
    EXPECT_EQ(stream.Position(), 7u);
}

TEST(MemoryStream, WritePastTheEndLeavesZeros) {
    TMemoryStream stream = StreamOf("ab");
    stream.Seek(2, TSeekOrigin::End);
    stream.WriteBuffer("c", 1);
    EXPECT_EQ(Content(stream), std::string("ab\0\0c", 5));
}

TEST(MemoryStream, SeekFromEachOrigin) {
    struct Case {
        std::int64_t offset;
        TSeekOrigin origin;
        std::size_t expected;
    };
    const Case cases[] = {
        {3, TSeekOrigin::Beginning, 3}, {-2, TSeekOrigin::Current, 2}, {2, TSeekOrigin::Current, 6},
        {-1, TSeekOrigin::End, 9},      {5, TSeekOrigin::End, 15},      {-4, TSeekOrigin::Current, 0},
    };
    TMemoryStream stream = StreamOf("0123456789");
    for (const Case& c : cases) {
        stream.SetPosition(4);
        EXPECT_EQ(stream.Seek(c.offset, c.origin), c.expected) << c.offset;
        EXPECT_EQ(stream.Position(), c.expected);
    }
}

TEST(MemoryStream, SeekBeforeTheBeginningIsRefused) {
    TMemoryStream stream = StreamOf("0123");
    stream.SetPosition(2);
    for (const auto& [offset, origin] :
         {std::pair{std::int64_t{-1}, TSeekOrigin::Beginning}, std::pair{std::int64_t{-3}, TSeekOrigin::Current},
          std::pair{std::int64_t{-5}, TSeekOrigin::End}}) {
        try {
            stream.Seek(offset, origin);
            ADD_FAILURE() << "no error for " << offset;
        } catch (const vcl::EStreamError& error) {
            EXPECT_EQ(error.Message(), "Invalid stream position");
        }
        EXPECT_EQ(stream.Position(), 2u);
    }
}

TEST(MemoryStream, ReadBufferRefusesAShortReadAndConsumesNothing) {
    TMemoryStream stream = StreamOf("abc");
    stream.SetPosition(1);
    char buffer[3];
    try {
        stream.ReadBuffer(buffer, 3);
        FAIL() << "no error";
    } catch (const vcl::EReadError& error) {
        EXPECT_EQ(error.Message(), "Stream read error");
    }
    EXPECT_EQ(stream.Position(), 1u);
    stream.ReadBuffer(buffer, 2);
    EXPECT_EQ(std::string(buffer, 2), "bc");
}

TEST(MemoryStream, SetSizeCutsOrPadsAndKeepsThePositionInside) {
    TMemoryStream stream = StreamOf("abcdef");
    stream.SetPosition(5);
    stream.SetSize(3);
    EXPECT_EQ(Content(stream), "abc");
    EXPECT_EQ(stream.Position(), 3u);
    stream.SetSize(5);
    EXPECT_EQ(Content(stream), std::string("abc\0\0", 5));
    EXPECT_EQ(stream.Position(), 3u);

    stream.Clear();
    EXPECT_EQ(stream.Size(), 0u);
    EXPECT_EQ(stream.Position(), 0u);
}

TEST(MemoryStream, FileRoundTripKeepsEveryByte) {
    testing_support::TempDir dir;
    const std::string bytes("\0\r\n\n\r\x1a\xff text", 12);
    TMemoryStream written = StreamOf(bytes);
    written.SetPosition(5);  // the whole content is saved, whatever the position
    written.SaveToFile(dir.file("data.bin"));
    EXPECT_EQ(testing_support::ReadFileBytes(dir.file("data.bin")), bytes);

    TMemoryStream read = StreamOf("old content that is longer");
    read.SetPosition(3);
    read.LoadFromFile(dir.file("data.bin"));
    EXPECT_EQ(Content(read), bytes);
    EXPECT_EQ(read.Position(), 0u);
}

TEST(MemoryStream, FileErrorsNameTheFile) {
    testing_support::TempDir dir;
    const std::string missing = dir.file("missing.bin");
    const std::string unwritable = dir.file("no-such-folder/out.bin");
    TMemoryStream stream = StreamOf("abc");
    try {
        stream.LoadFromFile(missing);
        ADD_FAILURE() << "no error on load";
    } catch (const vcl::EFOpenError& error) {
        EXPECT_EQ(error.Message(), "Cannot open file \"" + missing + "\"");
    }
    EXPECT_EQ(Content(stream), "abc");
    try {
        stream.SaveToFile(unwritable);
        ADD_FAILURE() << "no error on save";
    } catch (const vcl::EFCreateError& error) {
        EXPECT_EQ(error.Message(), "Cannot create file \"" + unwritable + "\"");
    }
}

}  // namespace
