#include "platform/vcl/FormText.h"

#include <gtest/gtest.h>

namespace {

using namespace vcl;

std::vector<std::uint8_t> NoFiles(const std::string& name) { throw Exception("no file " + name); }

TEST(FormText, EveryKindOfValueAndNesting) {
    const char* text = R"(# the main window
MainFrm: TMainFrm {
  Caption = "Say \"hi\"\x21\n"
  ClientWidth = 632
  Offset = -7
  Font.Name = "Tahoma"
  Ratio = 0.5
  Big = 1e3
  Active = false
  Visible = true
  Position = poDesktopCenter
  BorderIcons = [biSystemMenu, biMinimize]
  NoIcons = []
  Lines.Strings = ("one", "two", 3)
  Data = file "click.wav"
  Mask = hex "0aFF"
  Price = currency 12.5
  Day = date 46000.25
  Nothing = nil
  Settings = collection {
    item { Name = "Theme" DataType = stInteger }
    item { }
  }
  Settings: TSettings {
    Inner: TThing { Tag = 1 }
  }
  Close: TButton { }
})";
    const auto files = [](const std::string& name) {
        EXPECT_EQ(name, "click.wav");
        return std::vector<std::uint8_t>{'R', 'I', 'F', 'F'};
    };
    const ComponentRecord root = ParseFormText(text, files);
    EXPECT_EQ(root.name, "MainFrm");
    EXPECT_EQ(root.className, "TMainFrm");
    const PropertyList expected{
        {"Caption", std::string("Say \"hi\"!\n")},
        {"ClientWidth", std::int64_t{632}},
        {"Offset", std::int64_t{-7}},
        {"Font.Name", std::string("Tahoma")},
        {"Ratio", 0.5},
        {"Big", 1000.0},
        {"Active", false},
        {"Visible", true},
        {"Position", Ident{"poDesktopCenter"}},
        {"BorderIcons", SetValue{{"biSystemMenu", "biMinimize"}}},
        {"NoIcons", SetValue{}},
        {"Lines.Strings", ListValue{{std::string("one"), std::string("two"), std::int64_t{3}}}},
        {"Data", Binary{{'R', 'I', 'F', 'F'}}},
        {"Mask", Binary{{0x0a, 0xff}}},
        {"Price", Currency{125000}},
        {"Day", DateTime{46000.25}},
        {"Nothing", Nil{}},
        {"Settings", CollectionValue{{{{"Name", std::string("Theme")}, {"DataType", Ident{"stInteger"}}}, {}}}},
    };
    EXPECT_EQ(root.properties, expected);
    ASSERT_EQ(root.children.size(), 2u);
    EXPECT_EQ(root.children[0].name, "Settings");
    EXPECT_EQ(root.children[0].children.at(0).className, "TThing");
    EXPECT_EQ(root.children[1].name, "Close");

    // What the text says survives the binary definition unchanged.
    TMemoryStream stream;
    EncodeForm(stream, root);
    stream.SetPosition(0);
    const ComponentRecord decoded = DecodeForm(stream);
    EXPECT_EQ(decoded.properties, root.properties);
    EXPECT_EQ(decoded.children.size(), 2u);
}

TEST(FormText, MistakesNameTheirLineAndColumn) {
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"", "1:1: component name expected"},
        {"A TForm {}", "1:3: ':' expected"},
        {"A: TForm {\n  X 1\n}", "2:5: '=' expected"},
        {"A: TForm {\n  X = \"open\n}", "2:7: string without its closing quote"},
        {"A: TForm { X = \"\\q\" }", "1:16: unknown escape \\q"},
        {"A: TForm { X = \"\\x4\" }", "1:16: \\x needs two hexadecimal digits"},
        {"A: TForm { X = 99999999999999999999 }", "1:16: integer out of range"},
        {"A: TForm { X = hex \"abc\" }", "1:16: hexadecimal text needs two digits a byte"},
        {"A: TForm { X = hex \"zz\" }", "1:16: malformed hexadecimal text"},
        {"A: TForm { X = file \"a.wav\" }", "1:16: no file a.wav"},
        {"A: TForm { X = collection { thing { } } }", "1:29: 'item' expected"},
        {"A: TForm { X = (1 2) }", "1:19: ',' expected"},
        {"A: TForm { X = [1] }", "1:17: set member expected"},
        {"A: TForm { X = } }", "1:16: value expected"},
        {"A: TForm { X = @ }", "1:16: unexpected character '@'"},
        {"A: TForm { } B: TForm { }", "1:14: text after the root component"},
        {"A: TForm {", "1:11: property or component name expected"},
    };
    for (const Case& c : cases) {
        try {
            ParseFormText(c.text, NoFiles);
            ADD_FAILURE() << c.text << " parsed";
        } catch (const EFormTextError& e) {
            EXPECT_EQ(e.Message(), c.message) << c.text;
        }
    }
}

TEST(FormText, RefusesNestingBeyondWhatTheBinaryFormatReads) {
    std::string deep = "X = ";
    for (int i = 0; i < kMaxFormNesting + 1; ++i) deep += "(";
    EXPECT_THROW(ParseFormText("A: TForm { " + deep + " }", NoFiles), EFormTextError);
}

}  // namespace
