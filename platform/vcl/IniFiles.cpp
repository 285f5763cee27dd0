#include "platform/vcl/IniFiles.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <optional>

#include "platform/os/Os.h"
#include "platform/vcl/Exceptions.h"

namespace vcl {

namespace {

constexpr os::DWORD kValueBufferSize = 2048;
constexpr os::DWORD kFirstListBufferSize = 16384;
constexpr double kMillisecondsPerDay = 86400000.0;

int DigitValue(char c, unsigned base) {
    if (c >= '0' && c <= '9') return c - '0';
    if (base == 16 && c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (base == 16 && c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// ---- Date and time text ----------------------------------------------------------------------
// A date-time is a day number since 30 December 1899 whose fraction is the time of day; before
// that day the number is negative and the fraction still counts forward from midnight.

constexpr std::chrono::sys_days kDayZero{std::chrono::year{1899} / std::chrono::December / 30};

// A number of 1 to `maxDigits` digits within [low, high].
std::optional<int> ParseField(std::string_view text, std::size_t maxDigits, int low, int high) {
    if (text.empty() || text.size() > maxDigits) return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < low || value > high) return std::nullopt;
    return value;
}

// Splits "a<separator>b<separator>c" into exactly three fields.
std::optional<std::array<std::string_view, 3>> SplitThree(std::string_view text, char separator) {
    std::array<std::string_view, 3> fields;
    for (std::size_t i = 0; i < 2; ++i) {
        const auto at = text.find(separator);
        if (at == std::string_view::npos) return std::nullopt;
        fields[i] = text.substr(0, at);
        text.remove_prefix(at + 1);
    }
    fields[2] = text;
    return fields;
}

std::optional<double> ParseDate(std::string_view text) {
    const auto fields = SplitThree(text, '-');
    if (!fields) return std::nullopt;
    const auto year = ParseField((*fields)[0], 4, 1, 9999);
    const auto month = ParseField((*fields)[1], 2, 1, 12);
    const auto day = ParseField((*fields)[2], 2, 1, 31);
    if (!year || !month || !day) return std::nullopt;
    const std::chrono::year_month_day date{std::chrono::year{*year}, std::chrono::month{static_cast<unsigned>(*month)},
                                           std::chrono::day{static_cast<unsigned>(*day)}};
    if (!date.ok()) return std::nullopt;
    return static_cast<double>((std::chrono::sys_days{date} - kDayZero).count());
}

std::optional<double> ParseTime(std::string_view text) {
    const auto fields = SplitThree(text, ':');
    if (!fields) return std::nullopt;
    const auto hours = ParseField((*fields)[0], 2, 0, 23);
    const auto minutes = ParseField((*fields)[1], 2, 0, 59);
    const auto seconds = ParseField((*fields)[2], 2, 0, 59);
    if (!hours || !minutes || !seconds) return std::nullopt;
    return ((*hours * 60 + *minutes) * 60 + *seconds) * 1000 / kMillisecondsPerDay;
}

double Compose(double date, double time) { return date < 0 ? date - time : date + time; }

std::optional<double> ParseDateTime(std::string_view text) {
    const auto space = text.find(' ');
    if (space == std::string_view::npos) {
        if (const auto date = ParseDate(text)) return date;
        return ParseTime(text);
    }
    const auto date = ParseDate(text.substr(0, space));
    const auto time = ParseTime(text.substr(space + 1));
    if (!date || !time) return std::nullopt;
    return Compose(*date, *time);
}

std::string DateText(double dateTime) {
    const std::chrono::days day{static_cast<std::int64_t>(std::trunc(dateTime))};
    const std::chrono::year_month_day date{kDayZero + day};
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

std::string TimeText(double dateTime) {
    const double fraction = std::fabs(dateTime - std::trunc(dateTime));
    const auto milliseconds = std::min(std::llround(fraction * kMillisecondsPerDay), 86399999LL);
    const auto seconds = milliseconds / 1000;
    char text[64];
    std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60, seconds % 60);
    return text;
}

std::vector<std::string> SplitNames(const std::string& list) {
    std::vector<std::string> names;
    for (std::size_t start = 0; start < list.size();) {
        const auto end = list.find('\0', start);
        names.push_back(list.substr(start, end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return names;
}

bool SameText(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

bool TryParseIniInteger(std::string_view text, std::int32_t& value) {
    std::size_t at = text.find_first_not_of(' ');
    if (at == std::string_view::npos) return false;
    const bool negative = text[at] == '-';
    if (text[at] == '-' || text[at] == '+') ++at;
    std::string_view digits = text.substr(at);
    unsigned base = 10;
    if (digits.starts_with('$')) {
        base = 16;
        digits.remove_prefix(1);
    } else if (digits.starts_with("0x") || digits.starts_with("0X")) {
        base = 16;
        digits.remove_prefix(2);
    }
    if (digits.empty()) return false;
    // Hexadecimal spells a 32-bit pattern; decimal must fit the signed range.
    const std::uint64_t limit = base == 16 ? 0xFFFFFFFFu : negative ? 2147483648u : 2147483647u;
    std::uint64_t magnitude = 0;
    for (const char c : digits) {
        const int digit = DigitValue(c, base);
        if (digit < 0) return false;
        magnitude = magnitude * base + static_cast<unsigned>(digit);
        if (magnitude > limit) return false;
    }
    const auto bits = static_cast<std::uint32_t>(magnitude);
    value = static_cast<std::int32_t>(negative ? 0u - bits : bits);
    return true;
}

TIniFile::TIniFile(std::string fileName) : fileName_(std::move(fileName)) {}

std::string TIniFile::ReadString(const std::string& section, const std::string& ident,
                                 const std::string& defaultValue) const {
    return os::profile().GetString(section.c_str(), ident.c_str(), defaultValue.c_str(), kValueBufferSize,
                                   fileName_);
}

void TIniFile::Write(const char* section, const char* ident, const char* value) {
    if (os::profile().WriteString(section, ident, value, fileName_) != os::error::Success) {
        throw EIniFileException(Format("Unable to write to %s", fileName_));
    }
}

void TIniFile::WriteString(const std::string& section, const std::string& ident, const std::string& value) {
    Write(section.c_str(), ident.c_str(), value.c_str());
}

std::int32_t TIniFile::ReadInteger(const std::string& section, const std::string& ident,
                                   std::int32_t defaultValue) const {
    std::int32_t value = 0;
    return TryParseIniInteger(ReadString(section, ident, ""), value) ? value : defaultValue;
}

void TIniFile::WriteInteger(const std::string& section, const std::string& ident, std::int32_t value) {
    WriteString(section, ident, std::to_string(value));
}

bool TIniFile::ReadBool(const std::string& section, const std::string& ident, bool defaultValue) const {
    return ReadInteger(section, ident, defaultValue ? 1 : 0) != 0;
}

void TIniFile::WriteBool(const std::string& section, const std::string& ident, bool value) {
    WriteString(section, ident, value ? "1" : "0");
}

double TIniFile::ReadFloat(const std::string& section, const std::string& ident, double defaultValue) const {
    const std::string text = ReadString(section, ident, "");
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, status] = std::from_chars(text.data(), end, value);
    return text.empty() || status != std::errc() || stop != end ? defaultValue : value;
}

void TIniFile::WriteFloat(const std::string& section, const std::string& ident, double value) {
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value);
    WriteString(section, ident, std::string(text, result.ptr));
}

DateTime TIniFile::ReadDate(const std::string& section, const std::string& ident, DateTime defaultValue) const {
    const auto days = ParseDate(ReadString(section, ident, ""));
    return days ? DateTime{*days} : defaultValue;
}

DateTime TIniFile::ReadTime(const std::string& section, const std::string& ident, DateTime defaultValue) const {
    const auto days = ParseTime(ReadString(section, ident, ""));
    return days ? DateTime{*days} : defaultValue;
}

DateTime TIniFile::ReadDateTime(const std::string& section, const std::string& ident,
                                DateTime defaultValue) const {
    const auto days = ParseDateTime(ReadString(section, ident, ""));
    return days ? DateTime{*days} : defaultValue;
}

void TIniFile::WriteDate(const std::string& section, const std::string& ident, DateTime value) {
    WriteString(section, ident, DateText(value.days));
}

void TIniFile::WriteTime(const std::string& section, const std::string& ident, DateTime value) {
    WriteString(section, ident, TimeText(value.days));
}

void TIniFile::WriteDateTime(const std::string& section, const std::string& ident, DateTime value) {
    WriteString(section, ident, DateText(value.days) + " " + TimeText(value.days));
}

std::vector<std::string> TIniFile::ReadNames(const char* section) const {
    // A list that fills the buffer may have been cut: ask again with a bigger one.
    for (os::DWORD size = kFirstListBufferSize;; size *= 2) {
        const std::string list = os::profile().GetString(section, nullptr, "", size, fileName_);
        if (list.size() < size - 2) return SplitNames(list);
    }
}

void TIniFile::ReadSection(const std::string& section, std::vector<std::string>& idents) const {
    idents = ReadNames(section.c_str());
}

void TIniFile::ReadSections(std::vector<std::string>& sections) const { sections = ReadNames(nullptr); }

bool TIniFile::SectionExists(const std::string& section) const { return !ReadNames(section.c_str()).empty(); }

bool TIniFile::ValueExists(const std::string& section, const std::string& ident) const {
    const std::vector<std::string> idents = ReadNames(section.c_str());
    return std::any_of(idents.begin(), idents.end(), [&](const std::string& name) { return SameText(name, ident); });
}

void TIniFile::DeleteKey(const std::string& section, const std::string& ident) {
    os::profile().WriteString(section.c_str(), ident.c_str(), nullptr, fileName_);
}

void TIniFile::EraseSection(const std::string& section) { Write(section.c_str(), nullptr, nullptr); }

void TIniFile::UpdateFile() { os::profile().WriteString(nullptr, nullptr, nullptr, fileName_); }

}  // namespace vcl
