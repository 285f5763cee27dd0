#include "platform/os/sim/SimProfile.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "platform/os/sim/HostPath.h"
#include "platform/os/sim/IniDocument.h"

namespace os::sim {

namespace fs = std::filesystem;

namespace {

fs::path AbsoluteHostPath(const std::string& fileName) {
    std::error_code ignored;
    return fs::absolute(HostPath(fileName), ignored).lexically_normal();
}

bool ReadBytes(const fs::path& file, std::string* bytes) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return false;
    bytes->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// The file's text for a read: a missing or unreadable file reads like an empty one.
std::string ReadForLookup(const fs::path& file) {
    std::string bytes;
    std::error_code ignored;
    if (fs::is_regular_file(file, ignored)) ReadBytes(file, &bytes);
    return bytes;
}

// The file's text before a change; a file that does not exist yet is empty, but its folder must.
DWORD ReadForUpdate(const fs::path& file, std::string* bytes) {
    std::error_code ignored;
    const fs::file_status status = fs::status(file, ignored);
    if (fs::is_regular_file(status)) return ReadBytes(file, bytes) ? error::Success : error::AccessDenied;
    if (fs::exists(status)) return error::AccessDenied;  // a folder or a device is no INI file
    const fs::path folder = file.parent_path();
    return folder.empty() || fs::is_directory(folder, ignored) ? error::Success : error::PathNotFound;
}

DWORD WriteBytes(const fs::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return out ? error::Success : error::AccessDenied;
}

// A name list as it lands in a buffer of `size` characters: the last name that does not fit is
// cut and still terminated. A list that starts with an empty name reads as no list at all.
std::string NameList(const std::vector<std::string>& names, DWORD size) {
    std::string list;
    for (const std::string& name : names) list.append(name).push_back('\0');
    if (size <= 2 || list.starts_with('\0')) return {};
    if (list.size() <= size - 2) return list;
    list.resize(size - 2);
    if (list.back() != '\0') list.push_back('\0');
    return list;
}

// A value as it lands in a buffer of `size` characters. One pair of matching quotes (double or
// single) around the value is dropped; when the buffer is just too small the real functions
// drop the closing quote's neighbour instead, and so does this.
std::string CopyEntry(const std::string& value, DWORD size) {
    const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                        value.back() == value.front();
    if (!quoted) return value.substr(0, size - 1);
    std::string text = value.substr(1, size - 1);
    if (size >= value.size() - 1 && !text.empty()) text.pop_back();
    return text;
}

std::string DefaultEntry(const char* defaultText, DWORD size) {
    std::string text = defaultText ? defaultText : "";
    while (text.size() > 1 && text.back() == ' ') text.pop_back();
    return CopyEntry(text, size);
}

}  // namespace

std::string SimProfile::GetString(const char* section, const char* key, const char* defaultText, DWORD size,
                                  const std::string& fileName) {
    if (size == 0) return {};
    const IniDocument document(ReadForLookup(HostPath(fileName)));
    if (!section) return NameList(document.SectionNames(), size);
    if (!key) {
        std::string keys = NameList(document.KeyNames(section), size);
        if (!keys.empty()) return keys;
        // No keys: the default lands in the buffer, blanks and all, terminated like a list.
        std::string text = CopyEntry(defaultText ? defaultText : "", size);
        if (!text.empty()) text.push_back('\0');
        return text;
    }
    const std::string* value = document.Value(section, key);
    return value ? CopyEntry(*value, size) : DefaultEntry(defaultText, size);
}

DWORD SimProfile::WriteString(const char* section, const char* key, const char* value,
                              const std::string& fileName) {
    if (!section) return error::Success;  // the cache flush: there is no cache here
    if (WritesDenied(fileName)) return error::AccessDenied;
    const fs::path file = HostPath(fileName);
    std::string bytes;
    if (const DWORD failure = ReadForUpdate(file, &bytes)) return failure;
    IniDocument document(bytes);
    const bool changed = !key     ? document.DeleteSection(section)
                         : !value ? document.DeleteKey(section, key)
                                  : document.SetValue(section, key, value);
    return changed ? WriteBytes(file, document.Text()) : error::Success;
}

void SimProfile::DenyWrites(const std::string& fileOrFolder) {
    fs::path path = AbsoluteHostPath(fileOrFolder);
    if (path.filename().empty()) path = path.parent_path();
    deniedPaths_.push_back(path);
}

bool SimProfile::WritesDenied(const std::string& fileName) const {
    const fs::path target = AbsoluteHostPath(fileName);
    return std::any_of(deniedPaths_.begin(), deniedPaths_.end(), [&](const fs::path& denied) {
        return std::mismatch(denied.begin(), denied.end(), target.begin(), target.end()).first == denied.end();
    });
}

}  // namespace os::sim
