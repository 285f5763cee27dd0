#pragma once
// A fresh folder for one test, removed with everything in it when the test ends.
#include <filesystem>
#include <string>

namespace testing_support {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // A file name inside the folder, in the platform's own spelling.
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// The whole content of a file as bytes; empty when it does not exist.
std::string ReadFileBytes(const std::string& fileName);
void WriteFileBytes(const std::string& fileName, const std::string& bytes);

}  // namespace testing_support
