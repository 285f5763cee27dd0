#pragma once
// A tagged value: empty, or a boolean, currency, date-time, double, 32-bit integer or string.
// Conversions follow the rules the settings store and its callers rely on: empty converts to
// false, 0, 0.0 or ""; true converts to the integer -1; a string that is not a number raises
// EVariantTypeCastError("Invalid variant type conversion").
#include <cstdint>
#include <string>
#include <variant>

namespace vcl {

// A 64-bit integer scaled by 10,000.
struct Currency {
    std::int64_t scaled = 0;
    static Currency FromDouble(double value);
    double ToDouble() const { return static_cast<double>(scaled) / 10000.0; }
    friend bool operator==(Currency, Currency) = default;
};

// Days since 30 December 1899; the fraction is the time of day.
struct DateTime {
    double days = 0;
    friend bool operator==(DateTime, DateTime) = default;
};

enum class VarType { Empty, Boolean, Currency, DateTime, Double, Integer, String };

class Variant {
public:
    Variant() = default;
    Variant(bool value) : value_(value) {}
    Variant(Currency value) : value_(value) {}
    Variant(DateTime value) : value_(value) {}
    Variant(double value) : value_(value) {}
    Variant(std::int32_t value) : value_(value) {}
    Variant(std::string value) : value_(std::move(value)) {}
    Variant(const char* value) : value_(std::string(value)) {}

    VarType Type() const { return static_cast<VarType>(value_.index()); }
    bool IsEmpty() const { return Type() == VarType::Empty; }

    bool AsBoolean() const;
    std::int32_t AsInteger() const;
    double AsDouble() const;
    Currency AsCurrency() const;
    DateTime AsDateTime() const;
    std::string AsString() const;

    // Comparison with conversion, as the variant runtime does: numbers by value, strings by text,
    // a string against a number by the string's numeric value. Values that cannot be brought to
    // a common kind are unequal.
    bool Equals(const Variant& other) const;

    // Same kind and same stored value, no conversion.
    friend bool operator==(const Variant&, const Variant&) = default;

private:
    std::variant<std::monostate, bool, Currency, DateTime, double, std::int32_t, std::string> value_;
};

// Shortest decimal text that reads back as the same double ("0.5", "12", "1E20").
std::string FloatToStr(double value);
// Parses a complete decimal floating-point text (blanks around allowed); false when it is not one.
bool TryStrToFloat(const std::string& text, double& value);

std::string DateToStr(DateTime value);      // yyyy-mm-dd
std::string TimeToStr(DateTime value);      // hh:nn:ss
std::string DateTimeToStr(DateTime value);  // yyyy-mm-dd hh:nn:ss (date only at midnight)
bool TryStrToDate(const std::string& text, DateTime& value);
bool TryStrToTime(const std::string& text, DateTime& value);
bool TryStrToDateTime(const std::string& text, DateTime& value);

}  // namespace vcl
