#include "platform/vcl/Variant.h"

#include <gtest/gtest.h>

#include "platform/vcl/Exceptions.h"

using vcl::Currency;
using vcl::DateTime;
using vcl::Variant;

TEST(Variant, EmptyConvertsToTheZeroOfEveryKind) {
    const Variant empty;
    EXPECT_FALSE(empty.AsBoolean());
    EXPECT_EQ(empty.AsInteger(), 0);
    EXPECT_EQ(empty.AsDouble(), 0.0);
    EXPECT_EQ(empty.AsString(), "");
}

TEST(Variant, BooleansConvertToMinusOneAndZero) {
    EXPECT_EQ(Variant(true).AsInteger(), -1);
    EXPECT_EQ(Variant(false).AsInteger(), 0);
    EXPECT_EQ(std::abs(Variant(true).AsInteger()), 1);
    EXPECT_EQ(Variant(true).AsDouble(), -1.0);
}

TEST(Variant, NumbersConvertToBoolean) {
    struct Case {
        Variant value;
        bool expected;
    };
    const Case cases[] = {
        {Variant(0), false},      {Variant(1), true},    {Variant(-5), true},
        {Variant(0.0), false},    {Variant(0.25), true}, {Variant(Currency{0}), false},
        {Variant("0"), false},    {Variant("2"), true},  {Variant("true"), true},
        {Variant("FALSE"), false},
    };
    for (const Case& c : cases) EXPECT_EQ(c.value.AsBoolean(), c.expected) << c.value.AsString();
}

TEST(Variant, NonNumericStringsRefuseNumericConversion) {
    for (const char* text : {"abc", "", "12abc", "0x", " "}) {
        const Variant value(text);
        EXPECT_THROW(value.AsInteger(), vcl::EVariantTypeCastError) << text;
        EXPECT_THROW(value.AsDouble(), vcl::EVariantTypeCastError) << text;
        EXPECT_THROW(value.AsBoolean(), vcl::EVariantTypeCastError) << text;
    }
    try {
        Variant("abc").AsInteger();
    } catch (const vcl::Exception& e) {
        EXPECT_EQ(e.Message(), "Invalid variant type conversion");
    }
}

TEST(Variant, ConversionToIntegerRoundsHalfToEvenAndRefusesOverflow) {
    EXPECT_EQ(Variant(2.5).AsInteger(), 2);
    EXPECT_EQ(Variant(3.5).AsInteger(), 4);
    EXPECT_EQ(Variant(-2.5).AsInteger(), -2);
    EXPECT_EQ(Variant(" 42 ").AsInteger(), 42);
    EXPECT_THROW(Variant(3e9).AsInteger(), vcl::EVariantError);
}

TEST(Variant, StringsOfEveryKind) {
    EXPECT_EQ(Variant(true).AsString(), "True");
    EXPECT_EQ(Variant(-12).AsString(), "-12");
    EXPECT_EQ(Variant(0.5).AsString(), "0.5");
    EXPECT_EQ(Variant(Currency{15000}).AsString(), "1.5");
    EXPECT_EQ(Variant(DateTime{2.5}).AsString(), "1900-01-01 12:00:00");
}

TEST(Variant, EqualsComparesAcrossNumericKindsAndNumericText) {
    EXPECT_TRUE(Variant(true).Equals(Variant(-1)));
    EXPECT_TRUE(Variant(90).Equals(Variant(90.0)));
    EXPECT_TRUE(Variant("90").Equals(Variant(90)));
    EXPECT_TRUE(Variant(Currency{10000}).Equals(Variant(1)));
    EXPECT_FALSE(Variant("abc").Equals(Variant(0)));
    EXPECT_FALSE(Variant("a").Equals(Variant("A")));
    EXPECT_FALSE(Variant().Equals(Variant(0)));
    EXPECT_TRUE(Variant().Equals(Variant()));
}

TEST(DateTimeText, RoundTripsAndRejectsImpossibleDates) {
    DateTime value;
    ASSERT_TRUE(vcl::TryStrToDate("2026-12-11", value));
    EXPECT_EQ(vcl::DateToStr(value), "2026-12-11");
    ASSERT_TRUE(vcl::TryStrToDateTime("1899-12-30 06:00:00", value));
    EXPECT_DOUBLE_EQ(value.days, 0.25);
    EXPECT_EQ(vcl::TimeToStr(DateTime{0.75}), "18:00:00");
    for (const char* bad : {"2026-02-30", "2026-13-01", "12:61:00", "yesterday", ""})
        EXPECT_FALSE(vcl::TryStrToDateTime(bad, value)) << bad;
}
