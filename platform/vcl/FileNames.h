#pragma once
// Parts of Windows file names, and whether a file is there.
#include <string>
#include <string_view>

namespace vcl {

// The folder part of a path, separator included ("C:\Orlenza\"), and the part after it.
// Backslash and drive colon separate as on Windows; a forward slash too, which Windows accepts.
std::string ExtractFilePath(std::string_view path);
std::string ExtractFileName(std::string_view path);

// Whether `path` names a file (a folder does not count).
bool FileExists(const std::string& path);

}  // namespace vcl
