#include "platform/os/win32/Win32Profile.h"

#include <windows.h>

#include <vector>

namespace os::win32 {

std::string Win32Profile::GetString(const char* section, const char* key, const char* defaultText, DWORD size,
                                    const std::string& fileName) {
    if (size == 0) return {};
    std::vector<char> buffer(size);
    const DWORD length = GetPrivateProfileStringA(section, key, defaultText, buffer.data(), size, fileName.c_str());
    std::string text(buffer.data(), length);
    // A list's length leaves out the terminator of a name cut at the end of the buffer.
    const bool list = !section || !key;
    if (list && !text.empty() && text.back() != '\0') text.push_back('\0');
    return text;
}

DWORD Win32Profile::WriteString(const char* section, const char* key, const char* value,
                                const std::string& fileName) {
    // Success leaves stale error numbers behind; only a failure's number counts.
    SetLastError(ERROR_SUCCESS);
    if (WritePrivateProfileStringA(section, key, value, fileName.c_str())) return error::Success;
    return GetLastError();
}

}  // namespace os::win32
