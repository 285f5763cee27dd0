#pragma once
// An INI file as the private-profile functions see it: parsed, looked up, edited and written back.
// The rules are the ones measured against the real functions under Wine:
// - a line ends at CR or LF; lines are trimmed and blank lines dropped;
// - "[name]" (up to the last ']') starts a section; lines before the first header form a section
//   without a name; a line without '=' is kept but has no value;
// - names compare case-insensitively after trimming, and the first match wins;
// - after a change the whole file is written back in normal form ("name=value", CR LF), so
//   comments and unknown lines survive but spacing and blank lines do not.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace os::sim {

class IniDocument {
public:
    explicit IniDocument(std::string_view fileBytes);

    // Names of the sections that have one, in file order (duplicates included).
    std::vector<std::string> SectionNames() const;
    // Keys of the first section of that name that carry a value and are not comments (';').
    // Unlike the other lookups, this one takes the section name as given, blanks and all.
    std::vector<std::string> KeyNames(std::string_view section) const;
    // Null when the section, the key or its value is missing.
    const std::string* Value(std::string_view section, std::string_view key) const;

    // Each returns whether the document changed; an unchanged document need not be written.
    bool SetValue(std::string_view section, std::string_view key, std::string_view value);
    bool DeleteKey(std::string_view section, std::string_view key);
    bool DeleteSection(std::string_view section);

    std::string Text() const;

private:
    struct Entry {
        std::string name;
        std::optional<std::string> value;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
    };

    static constexpr std::size_t kNotFound = static_cast<std::size_t>(-1);

    void ParseLine(std::string_view line);
    // Index of the first section or entry with that name, or kNotFound.
    std::size_t SectionIndex(std::string_view name) const;
    static std::size_t EntryIndex(const Section& section, std::string_view name);

    std::string byteOrderMark_;
    std::vector<Section> sections_;
};

}  // namespace os::sim
