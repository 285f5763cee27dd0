#include "platform/vcl/FileNames.h"

#include "platform/os/Os.h"

namespace vcl {

namespace {

std::size_t FileNameStart(std::string_view path) {
    const auto separator = path.find_last_of("\\/:");
    return separator == std::string_view::npos ? 0 : separator + 1;
}

}  // namespace

std::string ExtractFilePath(std::string_view path) { return std::string(path.substr(0, FileNameStart(path))); }

std::string ExtractFileName(std::string_view path) { return std::string(path.substr(FileNameStart(path))); }

bool FileExists(const std::string& path) {
    const os::DWORD attributes = os::system().FileAttributes(path);
    return attributes != os::InvalidFileAttributes && (attributes & os::FileAttributeDirectory) == 0;
}

}  // namespace vcl
