#pragma once
// TIniFile: named values in an INI file, read and written through the private-profile functions
// of the OS seam. Every call goes to the file at once; nothing is cached.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/vcl/Variant.h"

namespace vcl {

// The integer-read rule of INI text: a signed 32-bit number after optional leading blanks,
// decimal, or hexadecimal after "$", "0x" or "0X" (hexadecimal gives the 32-bit pattern, so
// "$FFFFFFFF" is -1). Anything else, an overflow included, is not an integer.
bool TryParseIniInteger(std::string_view text, std::int32_t& value);

class TIniFile {
public:
    explicit TIniFile(std::string fileName);

    const std::string& FileName() const { return fileName_; }

    // Texts are read with a buffer of 2048 characters: longer ones are cut to 2047.
    std::string ReadString(const std::string& section, const std::string& ident,
                           const std::string& defaultValue) const;
    // Raises EIniFileException("Unable to write to <file>") when the file cannot be written.
    void WriteString(const std::string& section, const std::string& ident, const std::string& value);

    // Missing or unreadable text gives the default.
    std::int32_t ReadInteger(const std::string& section, const std::string& ident, std::int32_t defaultValue) const;
    void WriteInteger(const std::string& section, const std::string& ident, std::int32_t value);
    bool ReadBool(const std::string& section, const std::string& ident, bool defaultValue) const;
    void WriteBool(const std::string& section, const std::string& ident, bool value);  // "1" or "0"
    // '.' as decimal point; written as the shortest text that reads back the same number.
    double ReadFloat(const std::string& section, const std::string& ident, double defaultValue) const;
    void WriteFloat(const std::string& section, const std::string& ident, double value);
    // Text forms "yyyy-mm-dd", "hh:nn:ss" and "yyyy-mm-dd hh:nn:ss".
    DateTime ReadDate(const std::string& section, const std::string& ident, DateTime defaultValue) const;
    DateTime ReadTime(const std::string& section, const std::string& ident, DateTime defaultValue) const;
    DateTime ReadDateTime(const std::string& section, const std::string& ident, DateTime defaultValue) const;
    void WriteDate(const std::string& section, const std::string& ident, DateTime value);
    void WriteTime(const std::string& section, const std::string& ident, DateTime value);
    void WriteDateTime(const std::string& section, const std::string& ident, DateTime value);

    // The keys of a section (those with a value, comments left out) and the section names.
    void ReadSection(const std::string& section, std::vector<std::string>& idents) const;
    void ReadSections(std::vector<std::string>& sections) const;
    // A section exists when it has a key; names compare without regard to case.
    bool SectionExists(const std::string& section) const;
    bool ValueExists(const std::string& section, const std::string& ident) const;

    // A key that cannot be deleted is left as it is; a section that cannot be erased raises.
    void DeleteKey(const std::string& section, const std::string& ident);
    void EraseSection(const std::string& section);
    // Asks the system to write out what it may hold for the file.
    void UpdateFile();

private:
    std::vector<std::string> ReadNames(const char* section) const;
    void Write(const char* section, const char* ident, const char* value);

    std::string fileName_;
};

}  // namespace vcl
