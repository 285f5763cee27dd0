// olzformc: turns a form definition written as text into the binary definition a program
// carries as a resource.
//   olzformc <definition.olzform> <output.olzf>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/vcl/FormText.h"

namespace {

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw vcl::Exception("cannot read " + path.string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: olzformc <definition.olzform> <output.olzf>\n");
        return 2;
    }
    const std::filesystem::path input = argv[1];
    try {
        const std::vector<std::uint8_t> text = ReadBytes(input);
        const auto loadFile = [&](const std::string& name) { return ReadBytes(input.parent_path() / name); };
        const vcl::ComponentRecord root =
            vcl::ParseFormText(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()), loadFile);
        vcl::TMemoryStream stream;
        vcl::EncodeForm(stream, root);
        stream.SaveToFile(argv[2]);
    } catch (const vcl::EFormTextError& error) {
        std::fprintf(stderr, "%s:%s\n", input.string().c_str(), error.what());  // "line:column: problem"
        return 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", input.string().c_str(), error.what());
        return 1;
    }
    return 0;
}
