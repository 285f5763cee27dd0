#include "tests/support/TempDir.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <random>

namespace testing_support {

TempDir::TempDir() {
    static std::atomic<unsigned> counter{0};
    std::random_device seed;
    const auto base = std::filesystem::temp_directory_path();
    for (;;) {
        path_ = base / ("olz-test-" + std::to_string(seed()) + "-" + std::to_string(++counter));
        if (std::filesystem::create_directory(path_)) break;
    }
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

std::string ReadFileBytes(const std::string& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFileBytes(const std::string& fileName, const std::string& bytes) {
    std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
    out << bytes;
}

}  // namespace testing_support
