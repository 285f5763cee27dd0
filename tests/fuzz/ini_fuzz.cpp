// Arbitrary bytes as an INI file, then reads, lists, writes and deletes chosen by the input,
// through the simulated private-profile functions. Besides not crashing:
// - reads stay within their buffer, and lists end in a NUL;
// - a written key reads back as written (cut to 2047 characters);
// - a write leaves every other section reading as before. "Before" is the file as the functions
//   would write it back, since any change rewrites the whole file in normal form.
#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/os/sim/IniDocument.h"
#include "platform/os/sim/SimProfile.h"

namespace {

namespace fs = std::filesystem;

void Check(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

void WriteFile(const std::string& fileName, const std::string& bytes) {
    std::ofstream(fileName, std::ios::binary | std::ios::trunc) << bytes;
}

std::string ReadFile(const std::string& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A scratch folder for this process, removed when the run ends normally.
class ScratchFolder {
public:
    ScratchFolder() : path_(fs::temp_directory_path() / ("olz-ini-fuzz-" + std::to_string(getpid()))) {
        fs::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

const fs::path& Folder() {
    static const ScratchFolder folder;
    return folder.path();
}

// Text that reads back as written: no brackets, '=', ';', quotes, line ends or outer blanks.
std::string PlainText(FuzzedDataProvider& input, std::size_t maxLength) {
    static const std::string alphabet = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 _.-";
    std::string text;
    for (const char c : input.ConsumeRandomLengthString(maxLength)) {
        text.push_back(alphabet[static_cast<unsigned char>(c) % alphabet.size()]);
    }
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string PlainName(FuzzedDataProvider& input) {
    const std::string name = PlainText(input, 12);
    return name.empty() ? "x" : name;
}

bool SameName(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

struct Reading {
    std::string section;
    std::string key;
    std::string value;
};

// What every section but `except` reads, from the file as it would be written back.
std::vector<Reading> ReadOtherSections(os::sim::SimProfile& profile, const std::string& fileBytes,
                                       const std::string& except) {
    const std::string normalFile = (Folder() / "normal.ini").string();
    const std::string normalText = os::sim::IniDocument(fileBytes).Text();
    const os::sim::IniDocument normal(normalText);
    WriteFile(normalFile, normalText);
    std::vector<std::string> sections = normal.SectionNames();
    sections.push_back("");
    std::vector<Reading> readings;
    for (const std::string& section : sections) {
        if (SameName(section, except)) continue;
        for (const std::string& key : normal.KeyNames(section)) {
            readings.push_back({section, key, profile.GetString(section.c_str(), key.c_str(), "\x01", 2048, normalFile)});
        }
    }
    return readings;
}

void CheckedWrite(os::sim::SimProfile& profile, FuzzedDataProvider& input, const std::string& file) {
    const std::string section = PlainName(input);
    const std::string key = PlainName(input);
    const std::string value = PlainText(input, 3000);
    const std::vector<Reading> before = ReadOtherSections(profile, ReadFile(file), section);
    Check(profile.WriteString(section.c_str(), key.c_str(), value.c_str(), file) == 0, "a write succeeds");
    Check(profile.GetString(section.c_str(), key.c_str(), "\x01", 2048, file) == value.substr(0, 2047),
          "a written key reads back");
    for (const Reading& reading : before) {
        Check(profile.GetString(reading.section.c_str(), reading.key.c_str(), "\x01", 2048, file) == reading.value,
              "other sections read as before");
    }
}

void CheckedRead(os::sim::SimProfile& profile, FuzzedDataProvider& input, const std::string& file) {
    const std::string section = input.ConsumeRandomLengthString(16);
    const std::string key = input.ConsumeRandomLengthString(16);
    const auto size = input.ConsumeIntegralInRange<os::DWORD>(0, 4096);
    const bool listSections = input.ConsumeBool();
    const bool listKeys = input.ConsumeBool();
    const char* sectionName = listSections ? nullptr : section.c_str();
    const char* keyName = listKeys ? nullptr : key.c_str();
    const std::string text = profile.GetString(sectionName, keyName, "default", size, file);
    if (listSections || listKeys) {
        // The last NUL of a list may be the one that ends the buffer.
        Check(text.size() <= size, "a list stays within its buffer");
        Check(text.empty() || text.back() == '\0', "a list ends in a NUL");
    } else {
        Check(size == 0 ? text.empty() : text.size() < size, "a value stays within its buffer");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string file = (Folder() / "fuzz.ini").string();
    WriteFile(file, input.ConsumeRandomLengthString(4096));
    os::sim::SimProfile profile;
    for (int step = 0; step < 8 && input.remaining_bytes() > 0; ++step) {
        switch (input.ConsumeIntegralInRange(0, 3)) {
            case 0: CheckedRead(profile, input, file); break;
            case 1: CheckedWrite(profile, input, file); break;
            case 2: {
                // Deletions and writes of raw names: only robustness is asked of them.
                const std::string section = input.ConsumeRandomLengthString(16);
                const std::string key = input.ConsumeRandomLengthString(16);
                const bool wholeSection = input.ConsumeBool();
                profile.WriteString(section.c_str(), wholeSection ? nullptr : key.c_str(), nullptr, file);
                break;
            }
            default: {
                const std::string section = input.ConsumeRandomLengthString(16);
                const std::string key = input.ConsumeRandomLengthString(16);
                const std::string value = input.ConsumeRandomLengthString(64);
                profile.WriteString(section.c_str(), key.c_str(), value.c_str(), file);
                break;
            }
        }
    }
    return 0;
}
