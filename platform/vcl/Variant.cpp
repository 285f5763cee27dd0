#include "platform/vcl/Variant.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

#include "platform/vcl/Exceptions.h"

namespace vcl {

namespace {

const char* const kCastError = "Invalid variant type conversion";
const char* const kOverflowError = "Overflow while converting variant";

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// Rounds half to even, as the variant runtime does, and refuses what a 32-bit integer cannot hold.
std::int32_t RoundToInt32(double value) {
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<std::int32_t>::min() &&
          rounded <= std::numeric_limits<std::int32_t>::max()))
        throw EVariantError(kOverflowError);
    return static_cast<std::int32_t>(rounded);
}

double StringToDouble(const std::string& text) {
    double value = 0;
    if (!TryStrToFloat(text, value)) throw EVariantTypeCastError(kCastError);
    return value;
}

// Days from 1 January 1970 for a proleptic Gregorian date.
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, std::int64_t& y, unsigned& m, unsigned& d) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y = static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2);
}

const std::int64_t kEpochOffset = 25569;  // days from 30 December 1899 to 1 January 1970

bool DateIsValid(int y, int m, int d) {
    if (y < 1 || y > 9999 || m < 1 || m > 12 || d < 1) return false;
    static const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return d <= lengths[m - 1] + (m == 2 && leap ? 1 : 0);
}

bool ParseDate(std::string_view text, double& days) {
    int y = 0, m = 0, d = 0;
    char tail = 0;
    const std::string copy(text);
    if (std::sscanf(copy.c_str(), "%4d-%2d-%2d%c", &y, &m, &d, &tail) != 3) return false;
    if (!DateIsValid(y, m, d)) return false;
    days = static_cast<double>(DaysFromCivil(y, static_cast<unsigned>(m), static_cast<unsigned>(d)) +
                               kEpochOffset);
    return true;
}

bool ParseTime(std::string_view text, double& fraction) {
    int h = 0, n = 0, s = 0;
    char tail = 0;
    const std::string copy(text);
    const int fields = std::sscanf(copy.c_str(), "%2d:%2d:%2d%c", &h, &n, &s, &tail);
    if (fields != 3 && fields != 2) return false;
    if (fields == 2) s = 0;
    if (h < 0 || h > 23 || n < 0 || n > 59 || s < 0 || s > 59) return false;
    fraction = (h * 3600 + n * 60 + s) / 86400.0;
    return true;
}

}  // namespace

Currency Currency::FromDouble(double value) {
    const double scaled = std::nearbyint(value * 10000.0);
    if (!(scaled >= -9.2e18 && scaled <= 9.2e18)) throw EVariantError(kOverflowError);
    return Currency{static_cast<std::int64_t>(scaled)};
}

bool Variant::AsBoolean() const {
    switch (Type()) {
        case VarType::Empty: return false;
        case VarType::Boolean: return std::get<bool>(value_);
        case VarType::String: {
            const auto& text = std::get<std::string>(value_);
            if (EqualsIgnoreCase(Trimmed(text), "true")) return true;
            if (EqualsIgnoreCase(Trimmed(text), "false")) return false;
            return StringToDouble(text) != 0;
        }
        default: return AsDouble() != 0;
    }
}

std::int32_t Variant::AsInteger() const {
    switch (Type()) {
        case VarType::Empty: return 0;
        case VarType::Boolean: return std::get<bool>(value_) ? -1 : 0;
        case VarType::Integer: return std::get<std::int32_t>(value_);
        default: return RoundToInt32(AsDouble());
    }
}

double Variant::AsDouble() const {
    switch (Type()) {
        case VarType::Empty: return 0;
        case VarType::Boolean: return std::get<bool>(value_) ? -1 : 0;
        case VarType::Currency: return std::get<Currency>(value_).ToDouble();
        case VarType::DateTime: return std::get<DateTime>(value_).days;
        case VarType::Double: return std::get<double>(value_);
        case VarType::Integer: return std::get<std::int32_t>(value_);
        case VarType::String: return StringToDouble(std::get<std::string>(value_));
    }
    return 0;
}

Currency Variant::AsCurrency() const {
    if (Type() == VarType::Currency) return std::get<Currency>(value_);
    return Currency::FromDouble(AsDouble());
}

DateTime Variant::AsDateTime() const {
    if (Type() == VarType::String) {
        DateTime value;
        if (TryStrToDateTime(std::get<std::string>(value_), value)) return value;
    }
    return DateTime{AsDouble()};
}

std::string Variant::AsString() const {
    switch (Type()) {
        case VarType::Empty: return {};
        case VarType::Boolean: return std::get<bool>(value_) ? "True" : "False";
        case VarType::Currency: return FloatToStr(std::get<Currency>(value_).ToDouble());
        case VarType::DateTime: return DateTimeToStr(std::get<DateTime>(value_));
        case VarType::Double: return FloatToStr(std::get<double>(value_));
        case VarType::Integer: return std::to_string(std::get<std::int32_t>(value_));
        case VarType::String: return std::get<std::string>(value_);
    }
    return {};
}

bool Variant::Equals(const Variant& other) const {
    if (IsEmpty() || other.IsEmpty()) return IsEmpty() && other.IsEmpty();
    const bool thisText = Type() == VarType::String;
    const bool otherText = other.Type() == VarType::String;
    if (thisText && otherText) return AsString() == other.AsString();
    if (Type() == VarType::Integer && other.Type() == VarType::Integer)
        return AsInteger() == other.AsInteger();
    if (Type() == VarType::Currency && other.Type() == VarType::Currency)
        return AsCurrency() == other.AsCurrency();
    double a = 0, b = 0;
    if (thisText ? !TryStrToFloat(AsString(), a) : (a = AsDouble(), false)) return false;
    if (otherText ? !TryStrToFloat(other.AsString(), b) : (b = other.AsDouble(), false)) return false;
    return a == b;
}

std::string FloatToStr(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

bool TryStrToFloat(const std::string& text, double& value) {
    const std::string_view trimmed = Trimmed(text);
    if (trimmed.empty()) return false;
    const char* begin = trimmed.data();
    const char* end = begin + trimmed.size();
    if (*begin == '+') ++begin;
    double parsed = 0;
    const auto result = std::from_chars(begin, end, parsed);
    if (result.ec != std::errc() || result.ptr != end || !std::isfinite(parsed)) return false;
    value = parsed;
    return true;
}

std::string DateToStr(DateTime value) {
    std::int64_t y = 0;
    unsigned m = 0, d = 0;
    CivilFromDays(static_cast<std::int64_t>(std::floor(value.days)) - kEpochOffset, y, m, d);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04lld-%02u-%02u", static_cast<long long>(y), m, d);
    return buffer;
}

std::string TimeToStr(DateTime value) {
    const double fraction = value.days - std::floor(value.days);
    auto seconds = static_cast<long>(std::llround(fraction * 86400.0));
    if (seconds >= 86400) seconds = 86399;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02ld:%02ld:%02ld", seconds / 3600, seconds / 60 % 60,
                  seconds % 60);
    return buffer;
}

std::string DateTimeToStr(DateTime value) {
    if (value.days == std::floor(value.days)) return DateToStr(value);
    return DateToStr(value) + " " + TimeToStr(value);
}

bool TryStrToDate(const std::string& text, DateTime& value) {
    double days = 0;
    if (!ParseDate(Trimmed(text), days)) return false;
    value.days = days;
    return true;
}

bool TryStrToTime(const std::string& text, DateTime& value) {
    double fraction = 0;
    if (!ParseTime(Trimmed(text), fraction)) return false;
    value.days = fraction;
    return true;
}

bool TryStrToDateTime(const std::string& text, DateTime& value) {
    const std::string_view trimmed = Trimmed(text);
    const auto space = trimmed.find(' ');
    double days = 0, fraction = 0;
    if (space == std::string_view::npos) {
        if (ParseDate(trimmed, days)) return value.days = days, true;
        if (ParseTime(trimmed, fraction)) return value.days = fraction, true;
        return false;
    }
    if (!ParseDate(trimmed.substr(0, space), days) || !ParseTime(Trimmed(trimmed.substr(space + 1)), fraction))
        return false;
    value.days = days + (days < 0 ? -fraction : fraction);
    return true;
}

}  // namespace vcl
