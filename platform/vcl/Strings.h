#pragma once
// An ordered list of strings: the lines of a text, "name=value" pairs, comma-separated items,
// the items of list controls. A component stores one with its form as "<Property>.Strings".
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "platform/vcl/Classes.h"
#include "platform/vcl/Streams.h"

namespace vcl {

// What a sorted list does with a string it already holds.
enum class TDuplicates { Ignore, Accept, Error };

class TStringList : public TPersistent {
public:
    OLZ_CLASS_INFO
    TStringList() = default;
    TStringList(std::initializer_list<std::string> strings);
    // Owners hold their lists and copy lines in with Assign.
    TStringList(const TStringList&) = delete;
    TStringList& operator=(const TStringList&) = delete;

    int Count() const { return static_cast<int>(strings_.size()); }
    // Out-of-range indexes raise EListError("List index out of bounds (<index>)").
    const std::string& Strings(int index) const;
    const std::string& operator[](int index) const { return Strings(index); }
    void SetStrings(int index, const std::string& value);

    // Returns the index the string went to (in a sorted list, where it belongs).
    int Add(const std::string& value);
    void Insert(int index, const std::string& value);  // Count() appends
    void Delete(int index);
    void Clear();
    void AddStrings(const TStringList& other);
    // Replaces the content with other's lines, reported as one change.
    void Assign(const TStringList& other);

    int IndexOf(std::string_view value) const;  // case-insensitive; -1 when absent

    // Each line followed by CR LF. Setting splits at CR LF, LF or CR; a final line break does
    // not start another line.
    std::string Text() const;
    void SetText(std::string_view text);
    // Items separated by commas. An item holding a blank, control character, comma or double
    // quote, and an empty item, is written in double quotes with inner quotes doubled. Setting
    // splits at commas and at blanks outside quotes.
    std::string CommaText() const;
    void SetCommaText(std::string_view text);

    // "name=value" lines. Names(i) is the part before the first '=' ("" without one).
    std::string Names(int index) const;
    int IndexOfName(std::string_view name) const;  // case-insensitive
    std::string Values(std::string_view name) const;  // "" when absent
    // Replaces the named line's value or adds "name=value"; an empty value deletes the line.
    void SetValue(std::string_view name, const std::string& value);

    // A sorted list keeps its strings in case-insensitive order: Add puts each string where it
    // belongs, and Insert and SetStrings raise EListError. Duplicates apply to sorted lists only.
    bool Sorted() const { return sorted_; }
    void SetSorted(bool sorted);
    TDuplicates Duplicates() const { return duplicates_; }
    void SetDuplicates(TDuplicates duplicates) { duplicates_ = duplicates; }
    // Binary search of a sorted list: true when found; `index` is where it is or would go.
    bool Find(std::string_view value, int& index) const;

    // The text from the stream's position to its end, and back at its position.
    void LoadFromStream(TMemoryStream& stream);
    void SaveToStream(TMemoryStream& stream) const;
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName) const;

    // Changes between BeginUpdate and EndUpdate are reported once, by the outermost EndUpdate.
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    std::function<void(TObject* sender)> OnChange;

    void DefineProperties(TFiler& filer) override;

private:
    void CheckIndex(int index) const;
    void CheckUnsorted() const;
    void Changed();
    void Sort();
    void ReplaceLines(std::vector<std::string> lines);
    // Runs `change` as one update, ending the update also when it throws.
    template <class Change>
    void Updating(Change&& change);

    std::vector<std::string> strings_;
    bool sorted_ = false;
    TDuplicates duplicates_ = TDuplicates::Ignore;
    int updateCount_ = 0;
};

// Case-insensitive ordering of two texts: negative, zero or positive.
int CompareText(std::string_view a, std::string_view b);

}  // namespace vcl
