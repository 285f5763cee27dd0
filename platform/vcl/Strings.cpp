#include "platform/vcl/Strings.h"

#include <algorithm>

namespace vcl {

namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Blanks and control characters: they separate comma-text items unless quoted.
bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

bool NeedsQuotes(std::string_view item) {
    return item.empty() ||
           std::any_of(item.begin(), item.end(), [](char c) { return IsBlank(c) || c == ',' || c == '"'; });
}

std::string Quoted(std::string_view item) {
    std::string quoted = "\"";
    for (char c : item) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

// Reads a quoted item starting at the opening quote; an unclosed quote runs to the end.
std::string Unquote(std::string_view text, std::size_t& pos) {
    std::string item;
    for (++pos; pos < text.size(); ++pos) {
        if (text[pos] != '"') {
            item += text[pos];
        } else if (pos + 1 < text.size() && text[pos + 1] == '"') {
            item += '"';
            ++pos;
        } else {
            ++pos;
            break;
        }
    }
    return item;
}

void SkipBlanks(std::string_view text, std::size_t& pos) {
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
}

std::vector<std::string> SplitCommaText(std::string_view text) {
    std::vector<std::string> items;
    std::size_t pos = 0;
    SkipBlanks(text, pos);
    while (pos < text.size()) {
        if (text[pos] == '"') {
            items.push_back(Unquote(text, pos));
        } else {
            const std::size_t start = pos;
            while (pos < text.size() && text[pos] != ',' && !IsBlank(text[pos])) ++pos;
            items.emplace_back(text.substr(start, pos - start));
        }
        SkipBlanks(text, pos);
        if (pos < text.size() && text[pos] == ',') {
            ++pos;
            SkipBlanks(text, pos);
            if (pos == text.size()) items.emplace_back();  // "a," ends with an empty item
        }
    }
    return items;
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

}  // namespace

int CompareText(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(Lower(a[i]));
        const auto y = static_cast<unsigned char>(Lower(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

const ClassInfo& TStringList::StaticClassInfo() {
    static const ClassInfo info = ClassBuilder<TStringList>("TStringList", &TPersistent::StaticClassInfo()).Build();
    return info;
}

TStringList::TStringList(std::initializer_list<std::string> strings) : strings_(strings) {}

void TStringList::CheckIndex(int index) const {
    if (index < 0 || index >= Count())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

void TStringList::CheckUnsorted() const {
    if (sorted_) throw EListError("Operation not allowed on sorted list");
}

void TStringList::Changed() {
    if (updateCount_ == 0 && OnChange) OnChange(this);
}

void TStringList::EndUpdate() {
    if (updateCount_ > 0 && --updateCount_ == 0) Changed();
}

template <class Change>
void TStringList::Updating(Change&& change) {
    BeginUpdate();
    try {
        change();
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

const std::string& TStringList::Strings(int index) const {
    CheckIndex(index);
    return strings_[static_cast<std::size_t>(index)];
}

void TStringList::SetStrings(int index, const std::string& value) {
    CheckUnsorted();
    CheckIndex(index);
    strings_[static_cast<std::size_t>(index)] = value;
    Changed();
}

int TStringList::Add(const std::string& value) {
    if (!sorted_) {
        strings_.push_back(value);
        Changed();
        return Count() - 1;
    }
    int index = 0;
    if (Find(value, index)) {
        if (duplicates_ == TDuplicates::Ignore) return index;
        if (duplicates_ == TDuplicates::Error) throw EListError("String list does not allow duplicates");
    }
    strings_.insert(strings_.begin() + index, value);
    Changed();
    return index;
}

void TStringList::Insert(int index, const std::string& value) {
    CheckUnsorted();
    if (index != Count()) CheckIndex(index);
    strings_.insert(strings_.begin() + index, value);
    Changed();
}

void TStringList::Delete(int index) {
    CheckIndex(index);
    strings_.erase(strings_.begin() + index);
    Changed();
}

void TStringList::Clear() {
    if (strings_.empty()) return;
    strings_.clear();
    Changed();
}

void TStringList::AddStrings(const TStringList& other) {
    const std::vector<std::string> lines = other.strings_;  // other may be this list
    Updating([&] {
        for (const std::string& line : lines) Add(line);
    });
}

void TStringList::ReplaceLines(std::vector<std::string> lines) {
    Updating([&] {
        strings_.clear();
        for (const std::string& line : lines) Add(line);
    });
}

void TStringList::Assign(const TStringList& other) { ReplaceLines(other.strings_); }

int TStringList::IndexOf(std::string_view value) const {
    if (sorted_) {
        int index = 0;
        return Find(value, index) ? index : -1;
    }
    for (int i = 0; i < Count(); ++i)
        if (SameText(strings_[static_cast<std::size_t>(i)], value)) return i;
    return -1;
}

bool TStringList::Find(std::string_view value, int& index) const {
    const auto at = std::lower_bound(strings_.begin(), strings_.end(), value,
                                     [](const std::string& s, std::string_view v) { return CompareText(s, v) < 0; });
    index = static_cast<int>(at - strings_.begin());
    return at != strings_.end() && CompareText(*at, value) == 0;
}

void TStringList::Sort() {
    std::stable_sort(strings_.begin(), strings_.end(),
                     [](const std::string& a, const std::string& b) { return CompareText(a, b) < 0; });
    Changed();
}

void TStringList::SetSorted(bool sorted) {
    if (sorted && !sorted_) Sort();
    sorted_ = sorted;
}

std::string TStringList::Text() const {
    std::string text;
    for (const std::string& line : strings_) text += line + "\r\n";
    return text;
}

void TStringList::SetText(std::string_view text) { ReplaceLines(SplitLines(text)); }

std::string TStringList::CommaText() const {
    std::string text;
    for (std::size_t i = 0; i < strings_.size(); ++i) {
        if (i > 0) text += ',';
        text += NeedsQuotes(strings_[i]) ? Quoted(strings_[i]) : strings_[i];
    }
    return text;
}

void TStringList::SetCommaText(std::string_view text) { ReplaceLines(SplitCommaText(text)); }

std::string TStringList::Names(int index) const {
    const std::string& line = Strings(index);
    const std::size_t equals = line.find('=');
    return equals == std::string::npos ? std::string() : line.substr(0, equals);
}

int TStringList::IndexOfName(std::string_view name) const {
    for (int i = 0; i < Count(); ++i) {
        const std::string& line = strings_[static_cast<std::size_t>(i)];
        const std::size_t equals = line.find('=');
        if (equals != std::string::npos && SameText(std::string_view(line).substr(0, equals), name)) return i;
    }
    return -1;
}

std::string TStringList::Values(std::string_view name) const {
    const int index = IndexOfName(name);
    if (index < 0) return {};
    const std::string& line = strings_[static_cast<std::size_t>(index)];
    return line.substr(line.find('=') + 1);
}

void TStringList::SetValue(std::string_view name, const std::string& value) {
    const int index = IndexOfName(name);
    if (value.empty()) {
        if (index >= 0) Delete(index);
        return;
    }
    const std::string line = std::string(name) + "=" + value;
    if (index < 0)
        Add(line);
    else
        SetStrings(index, line);
}

void TStringList::LoadFromStream(TMemoryStream& stream) {
    std::string text(stream.Remaining(), '\0');
    stream.ReadBuffer(text.data(), text.size());
    SetText(text);
}

void TStringList::SaveToStream(TMemoryStream& stream) const {
    const std::string text = Text();
    stream.WriteBuffer(text.data(), text.size());
}

void TStringList::LoadFromFile(const std::string& fileName) {
    TMemoryStream stream;
    stream.LoadFromFile(fileName);
    LoadFromStream(stream);
}

void TStringList::SaveToFile(const std::string& fileName) const {
    TMemoryStream stream;
    SaveToStream(stream);
    stream.SaveToFile(fileName);
}

void TStringList::DefineProperties(TFiler& filer) {
    using Lines = PropertyCodec<std::vector<std::string>>;
    filer.DefineProperty(
        "Strings", [this](const PropValue& value) { ReplaceLines(Lines::Decode(value)); },
        [this] { return Lines::Encode(strings_); }, !strings_.empty());
}

}  // namespace vcl
