// REG_MULTI_SZ data as the registry returns it: arbitrary bytes, read as a string list. Besides
// not crashing or reading past the data (the bytes sit in a buffer of exactly their size):
// - no string is empty or holds a NUL, and together they fit in the data;
// - the list written back and read again is the same list;
// - the registry path (TExRegistry over the simulated registry) reads what the parser reads.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "platform/os/sim/SimOs.h"
#include "service/unitEXRegistry.h"

namespace {

void Check(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto exact = std::make_unique<std::uint8_t[]>(size);
    std::copy(data, data + size, exact.get());
    const std::vector<std::string> strings = SplitMultiString(exact.get(), size);

    std::size_t used = 0;
    vcl::TStringList list;
    for (const std::string& s : strings) {
        Check(!s.empty() && s.find('\0') == std::string::npos, "an empty string or one holding a NUL");
        used += s.size() + 1;
        list.Add(s);
    }
    Check(used <= size + 1, "more strings than data");

    const std::vector<std::uint8_t> joined = JoinMultiString(list);
    Check(SplitMultiString(joined.data(), joined.size()) == strings, "written back, the list reads differently");

    os::sim::SimOs sim;
    os::BackendScope scope{sim.backend()};
    sim.registry.Seed(os::hkey::CurrentUser, "Software\\Fuzz", "List", os::regtype::MultiSz,
                      std::string(reinterpret_cast<const char*>(data), size));
    TExRegistry registry;
    Check(registry.OpenKey("Software\\Fuzz", false), "the key opens");
    vcl::TStringList read;
    registry.ReadStringList("List", read);
    Check(read.Count() == static_cast<int>(strings.size()), "the registry read another list");
    for (int i = 0; i < read.Count(); ++i) Check(read[i] == strings[static_cast<std::size_t>(i)], "the registry read another string");
    return 0;
}
