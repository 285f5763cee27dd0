#include "platform/vcl/Strings.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/support/TempDir.h"

namespace {

using vcl::TStringList;
using Lines = std::vector<std::string>;

Lines LinesOf(const TStringList& list) {
    Lines lines;
    for (int i = 0; i < list.Count(); ++i) lines.push_back(list[i]);
    return lines;
}

TEST(StringList, AddInsertDeleteKeepOrder) {
    TStringList list;
    EXPECT_EQ(list.Add("b"), 0);
    EXPECT_EQ(list.Add("d"), 1);
    list.Insert(0, "a");
    list.Insert(2, "c");
    list.Insert(4, "e");  // at Count: appends
    EXPECT_EQ(LinesOf(list), (Lines{"a", "b", "c", "d", "e"}));
    list.Delete(1);
    list.SetStrings(0, "A");
    EXPECT_EQ(LinesOf(list), (Lines{"A", "c", "d", "e"}));
    list.AddStrings(list);
    EXPECT_EQ(LinesOf(list), (Lines{"A", "c", "d", "e", "A", "c", "d", "e"}));
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

TEST(StringList, IndexesOutsideTheListRaise) {
    TStringList list{"a", "b"};
    const std::vector<std::pair<std::function<void()>, int>> cases = {
        {[&] { (void)list.Strings(2); }, 2}, {[&] { (void)list[-1]; }, -1},
        {[&] { list.SetStrings(2, "x"); }, 2}, {[&] { list.Delete(2); }, 2},
        {[&] { list.Insert(3, "x"); }, 3},     {[&] { (void)list.Names(5); }, 5},
    };
    for (const auto& [operation, index] : cases) {
        try {
            operation();
            ADD_FAILURE() << "no error for index " << index;
        } catch (const vcl::EListError& error) {
            EXPECT_EQ(error.Message(), "List index out of bounds (" + std::to_string(index) + ")");
        }
    }
    EXPECT_EQ(LinesOf(list), (Lines{"a", "b"}));
}

TEST(StringList, IndexOfIgnoresCase) {
    TStringList list{"Alpha", "beta", "BETA"};
    EXPECT_EQ(list.IndexOf("ALPHA"), 0);
    EXPECT_EQ(list.IndexOf("Beta"), 1);
    EXPECT_EQ(list.IndexOf("gamma"), -1);
    EXPECT_EQ(list.IndexOf("alph"), -1);
}

TEST(StringList, TextEndsEveryLineWithCrLf) {
    EXPECT_EQ(TStringList({"a", "", "b"}).Text(), "a\r\n\r\nb\r\n");
    EXPECT_EQ(TStringList().Text(), "");
}

TEST(StringList, SettingTextSplitsAtEveryKindOfLineBreak) {
    const std::pair<std::string, Lines> cases[] = {
        {"a\r\nb", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}},  // LF then CR are two breaks
        {"\r\n", {""}},
        {"", {}},
        {"no break", {"no break"}},
    };
    for (const auto& [text, lines] : cases) {
        TStringList list{"old"};
        list.SetText(text);
        EXPECT_EQ(LinesOf(list), lines) << testing::PrintToString(text);
    }
}

TEST(StringList, CommaTextQuotesOnlyWhatNeedsIt) {
    const std::pair<Lines, std::string> cases[] = {
        {{"a", "b", "c"}, "a,b,c"},
        {{"two words", "x"}, "\"two words\",x"},
        {{"a,b"}, "\"a,b\""},
        {{"say \"hi\""}, "\"say \"\"hi\"\"\""},
        {{"a", "", "b"}, "a,\"\",b"},
        {{"tab\there"}, "\"tab\there\""},
        {{}, ""},
    };
    for (const auto& [lines, text] : cases) {
        TStringList list;
        for (const std::string& line : lines) list.Add(line);
        EXPECT_EQ(list.CommaText(), text);
        TStringList back;
        back.SetCommaText(text);
        EXPECT_EQ(LinesOf(back), lines) << text;
    }
}

TEST(StringList, SettingCommaTextSplitsAtCommasAndBlanks) {
    const std::pair<std::string, Lines> cases[] = {
        {"a b,c", {"a", "b", "c"}},
        {"  a ,  b  ", {"a", "b"}},
        {"\"x, y\",z", {"x, y", "z"}},
        {"a,", {"a", ""}},
        {",a", {"", "a"}},
        {"a,,b", {"a", "", "b"}},
        {"\"unclosed, to the end", {"unclosed, to the end"}},
        {"", {}},
    };
    for (const auto& [text, lines] : cases) {
        TStringList list{"old"};
        list.SetCommaText(text);
        EXPECT_EQ(LinesOf(list), lines) << text;
    }
}

TEST(StringList, NameValuePairs) {
    TStringList list{"Key=1", "plain", "path=a=b", "other=2"};
    EXPECT_EQ(list.Names(0), "Key");
    EXPECT_EQ(list.Names(1), "");
    EXPECT_EQ(list.Values("KEY"), "1");
    EXPECT_EQ(list.Values("path"), "a=b");
    EXPECT_EQ(list.Values("plain"), "");
    EXPECT_EQ(list.IndexOfName("Other"), 3);

    list.SetValue("key", "9");  // replaced in place, under the name given now
    list.SetValue("new", "x");
    list.SetValue("path", "");
    EXPECT_EQ(LinesOf(list), (Lines{"key=9", "plain", "other=2", "new=x"}));
}

TEST(StringList, ChangesAreReportedOncePerOperationOrUpdate) {
    TStringList list{"a"};
    int changes = 0;
    list.OnChange = [&](vcl::TObject* sender) {
        EXPECT_EQ(sender, &list);
        ++changes;
    };
    const std::pair<const char*, std::function<void()>> operations[] = {
        {"Add", [&] { list.Add("b"); }},
        {"Insert", [&] { list.Insert(0, "c"); }},
        {"SetStrings", [&] { list.SetStrings(0, "d"); }},
        {"Delete", [&] { list.Delete(0); }},
        {"SetText", [&] { list.SetText("x\ny\nz"); }},
        {"SetCommaText", [&] { list.SetCommaText("p,q"); }},
        {"Assign", [&] { list.Assign(TStringList{"1", "2", "3"}); }},
        {"SetValue", [&] { list.SetValue("n", "v"); }},
        {"Clear", [&] { list.Clear(); }},
        {"nested update", [&] {
             list.BeginUpdate();
             list.Add("1");
             list.BeginUpdate();
             list.Add("2");
             list.EndUpdate();
             list.Add("3");
             list.EndUpdate();
         }},
    };
    for (const auto& [name, operation] : operations) {
        changes = 0;
        operation();
        EXPECT_EQ(changes, 1) << name;
    }
    changes = 0;
    list.Clear();
    list.Clear();  // nothing left to clear: no change
    EXPECT_EQ(changes, 1);
}

TEST(StringList, SortedListKeepsCaseInsensitiveOrder) {
    TStringList list{"pear", "Apple", "fig"};
    list.SetSorted(true);
    EXPECT_EQ(LinesOf(list), (Lines{"Apple", "fig", "pear"}));
    EXPECT_EQ(list.Add("Banana"), 1);
    EXPECT_EQ(list.Add("zucchini"), 4);
    EXPECT_EQ(list.IndexOf("PEAR"), 3);
    EXPECT_EQ(list.IndexOf("grape"), -1);
    int index = -1;
    EXPECT_FALSE(list.Find("grape", index));
    EXPECT_EQ(index, 3);

    for (const auto& operation : std::vector<std::function<void()>>{[&] { list.Insert(0, "x"); },
                                                                     [&] { list.SetStrings(0, "x"); }}) {
        try {
            operation();
            ADD_FAILURE() << "no error";
        } catch (const vcl::EListError& error) {
            EXPECT_EQ(error.Message(), "Operation not allowed on sorted list");
        }
    }
}

TEST(StringList, SortedListDuplicates) {
    TStringList list;
    list.SetSorted(true);
    list.Add("b");
    list.Add("a");

    EXPECT_EQ(list.Add("B"), 1);  // ignored: the index of the one already there
    EXPECT_EQ(LinesOf(list), (Lines{"a", "b"}));

    list.SetDuplicates(vcl::TDuplicates::Accept);
    list.Add("B");
    EXPECT_EQ(list.Count(), 3);

    list.SetDuplicates(vcl::TDuplicates::Error);
    try {
        list.Add("A");
        FAIL() << "no error";
    } catch (const vcl::EListError& error) {
        EXPECT_EQ(error.Message(), "String list does not allow duplicates");
    }
    EXPECT_EQ(list.Count(), 3);
}

TEST(StringList, StreamsCarryTheTextFromThePosition) {
    vcl::TMemoryStream stream;
    stream.WriteBuffer("head", 4);
    TStringList{"one", "two"}.SaveToStream(stream);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(stream.Memory()), stream.Size()), "headone\r\ntwo\r\n");

    stream.SetPosition(4);
    TStringList list{"old"};
    list.LoadFromStream(stream);
    EXPECT_EQ(LinesOf(list), (Lines{"one", "two"}));
}

TEST(StringList, FilesHoldTheText) {
    testing_support::TempDir dir;
    TStringList{"x", "y"}.SaveToFile(dir.file("out.txt"));
    EXPECT_EQ(testing_support::ReadFileBytes(dir.file("out.txt")), "x\r\ny\r\n");

    testing_support::WriteFileBytes(dir.file("in.txt"), "unix\nlines\n");
    TStringList list;
    list.LoadFromFile(dir.file("in.txt"));
    EXPECT_EQ(LinesOf(list), (Lines{"unix", "lines"}));
    EXPECT_THROW(list.LoadFromFile(dir.file("missing.txt")), vcl::EFOpenError);
    EXPECT_EQ(LinesOf(list), (Lines{"unix", "lines"}));
}

}  // namespace
