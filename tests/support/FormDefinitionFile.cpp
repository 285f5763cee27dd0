#include "tests/support/FormDefinitionFile.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

namespace testing_support {

vcl::ComponentRecord ReadFormDefinition(const std::string& path) {
#ifdef _WIN32
    const std::string full = "Z:" OLZ_SOURCE_DIR "/" + path;  // Wine's drive for the host's files
#else
    const std::string full = OLZ_SOURCE_DIR "/" + path;
#endif
    std::ifstream in(full, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return vcl::ParseFormText(text, [](const std::string&) { return std::vector<std::uint8_t>{}; });
}

void CollectComponents(const vcl::ComponentRecord& record, std::map<std::string, const vcl::ComponentRecord*>& byName) {
    byName[record.name] = &record;
    for (const vcl::ComponentRecord& child : record.children) CollectComponents(child, byName);
}

const vcl::PropValue* FindProperty(const vcl::ComponentRecord& record, const std::string& name) {
    for (const vcl::NamedValue& value : record.properties)
        if (value.name == name) return &value.value;
    return nullptr;
}

}  // namespace testing_support
