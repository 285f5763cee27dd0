#include "platform/os/sim/IniDocument.h"

#include <algorithm>
#include <cctype>

namespace os::sim {

namespace {

// What the profile functions trim: white space and the end-of-file mark Ctrl-Z.
constexpr std::string_view kBlanks = " \t\n\v\f\r\x1a";
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

std::string_view TrimLeft(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

std::string_view TrimRight(std::string_view text) {
    const auto last = text.find_last_not_of(kBlanks);
    return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

std::string_view Trim(std::string_view text) { return TrimRight(TrimLeft(text)); }

// Names and values are C strings to the callers: whatever follows a NUL byte is out of reach.
std::string_view CutAtNul(std::string_view text) { return text.substr(0, text.find('\0')); }

bool SameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

template <typename Named>
std::size_t IndexOfName(const std::vector<Named>& items, std::string_view wanted) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (SameName(items[i].name, wanted)) return i;
    }
    return static_cast<std::size_t>(-1);
}

}  // namespace

IniDocument::IniDocument(std::string_view fileBytes) {
    if (fileBytes.starts_with(kUtf8ByteOrderMark)) {
        byteOrderMark_ = kUtf8ByteOrderMark;
        fileBytes.remove_prefix(kUtf8ByteOrderMark.size());
    }
    sections_.emplace_back();
    for (;;) {
        const auto end = fileBytes.find_first_of("\r\n");
        ParseLine(fileBytes.substr(0, end));
        if (end == std::string_view::npos) break;
        fileBytes.remove_prefix(end + 1);
    }
}

void IniDocument::ParseLine(std::string_view line) {
    line = Trim(line);
    if (line.empty()) return;
    if (line.front() == '[') {
        const auto close = line.rfind(']');
        if (close != std::string_view::npos) {
            sections_.push_back({std::string(Trim(CutAtNul(line.substr(1, close - 1)))), {}});
            return;
        }
    }
    const auto equals = line.find('=');
    Entry entry{std::string(TrimRight(CutAtNul(line.substr(0, equals)))), std::nullopt};
    if (equals != std::string_view::npos) {
        entry.value = std::string(TrimRight(CutAtNul(TrimLeft(line.substr(equals + 1)))));
    }
    sections_.back().entries.push_back(std::move(entry));
}

std::size_t IniDocument::SectionIndex(std::string_view name) const { return IndexOfName(sections_, Trim(name)); }

std::size_t IniDocument::EntryIndex(const Section& section, std::string_view name) {
    return IndexOfName(section.entries, Trim(name));
}

std::vector<std::string> IniDocument::SectionNames() const {
    std::vector<std::string> names;
    for (const Section& section : sections_) {
        if (!section.name.empty()) names.push_back(section.name);
    }
    return names;
}

std::vector<std::string> IniDocument::KeyNames(std::string_view sectionName) const {
    std::vector<std::string> names;
    const std::size_t index = IndexOfName(sections_, sectionName);
    if (index == kNotFound) return names;
    for (const Entry& entry : sections_[index].entries) {
        if (entry.value && !entry.name.starts_with(';')) names.push_back(entry.name);
    }
    return names;
}

const std::string* IniDocument::Value(std::string_view sectionName, std::string_view key) const {
    const std::size_t index = SectionIndex(sectionName);
    if (index == kNotFound) return nullptr;
    const Section& section = sections_[index];
    const std::size_t entry = EntryIndex(section, key);
    if (entry == kNotFound || !section.entries[entry].value) return nullptr;
    return &*section.entries[entry].value;
}

bool IniDocument::SetValue(std::string_view sectionName, std::string_view key, std::string_view value) {
    std::size_t index = SectionIndex(sectionName);
    if (index == kNotFound) {
        index = sections_.size();
        sections_.push_back({std::string(TrimLeft(sectionName)), {}});
    }
    Section& section = sections_[index];
    const std::string text(TrimLeft(value));
    const std::size_t entry = EntryIndex(section, key);
    if (entry == kNotFound) {
        section.entries.push_back({std::string(TrimLeft(key)), text});
        return true;
    }
    if (section.entries[entry].value == text) return false;
    section.entries[entry].value = text;
    return true;
}

bool IniDocument::DeleteKey(std::string_view sectionName, std::string_view key) {
    const std::size_t index = SectionIndex(sectionName);
    if (index == kNotFound) return false;
    Section& section = sections_[index];
    const std::size_t entry = EntryIndex(section, key);
    if (entry == kNotFound) return false;
    section.entries.erase(section.entries.begin() + static_cast<std::ptrdiff_t>(entry));
    return true;
}

bool IniDocument::DeleteSection(std::string_view sectionName) {
    const std::size_t index = SectionIndex(sectionName);
    if (index == kNotFound) return false;
    sections_.erase(sections_.begin() + static_cast<std::ptrdiff_t>(index));
    return true;
}

std::string IniDocument::Text() const {
    std::string text = byteOrderMark_;
    for (const Section& section : sections_) {
        if (!section.name.empty()) text += "[" + section.name + "]\r\n";
        for (const Entry& entry : section.entries) {
            text += entry.name;
            if (entry.value) text += "=" + *entry.value;
            text += "\r\n";
        }
    }
    return text;
}

}  // namespace os::sim
