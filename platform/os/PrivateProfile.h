#pragma once
// The private-profile (INI file) functions, with the contract of GetPrivateProfileStringA and
// WritePrivateProfileStringA.
#include <string>

#include "platform/os/WinTypes.h"

namespace os {

class PrivateProfile {
public:
    virtual ~PrivateProfile() = default;

    // What GetPrivateProfileStringA leaves in a buffer of `size` characters, without the final
    // NUL. A null `section` lists the section names, a null `key` the keys of `section`: each name
    // ends in a NUL, as in the buffer. The text is cut to size - 1 characters (size - 2 for lists,
    // whose last name is then cut and terminated). A missing key gives `defaultText`.
    virtual std::string GetString(const char* section, const char* key, const char* defaultText,
                                  DWORD size, const std::string& fileName) = 0;

    // WritePrivateProfileStringA: returns 0 or the Windows error number. A null `value` deletes
    // the key, a null `key` deletes the section.
    virtual DWORD WriteString(const char* section, const char* key, const char* value,
                              const std::string& fileName) = 0;
};

}  // namespace os
