#include "service/unitEXRegistry.h"

#include <algorithm>

#include "platform/os/Os.h"

namespace {

std::string ComposeMessage(os::LONG errorCode, const std::string& operation) {
    const std::string text = NetErrorMessage(static_cast<os::DWORD>(errorCode));
    std::string message = "Error " + std::to_string(errorCode);
    if (!text.empty()) message += " : " + text;
    return message + ":" + operation;
}

}  // namespace

EExRegistryException::EExRegistryException(os::LONG errorCode, const std::string& operation)
    : ERegistryException(ComposeMessage(errorCode, operation)), errorCode_(errorCode) {}

std::string NetErrorMessage(os::DWORD errorCode) { return os::system().NetMessageText(errorCode); }

std::vector<std::string> SplitMultiString(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> strings;
    const std::uint8_t* position = data;
    const std::uint8_t* const end = data + size;
    while (position != end && *position != 0) {
        const std::uint8_t* const stop = std::find(position, end, std::uint8_t{0});
        strings.emplace_back(position, stop);
        position = stop == end ? end : stop + 1;
    }
    return strings;
}

std::vector<std::uint8_t> JoinMultiString(const vcl::TStringList& strings) {
    std::vector<std::uint8_t> data;
    for (int i = 0; i < strings.Count(); ++i) {
        data.insert(data.end(), strings[i].begin(), strings[i].end());
        data.push_back(0);
    }
    data.push_back(0);
    return data;
}

void TExRegistry::ReadStringList(const std::string& name, vcl::TStringList& strings) {
    strings.Clear();
    os::DWORD type = 0;
    os::DWORD size = 0;
    const os::LONG result = os::registry().QueryValue(CurrentKey(), name.c_str(), &type, nullptr, &size);
    if (result != os::error::Success) throw EExRegistryException(result, "Unable read MULTI_SZ value");
    if (type != os::regtype::MultiSz) throw vcl::ERegistryException("String list expected");
    std::vector<std::uint8_t> data(size);
    // A value that changed in between is read as far as the first size reaches.
    if (size != 0 && os::registry().QueryValue(CurrentKey(), name.c_str(), &type, data.data(), &size) != os::error::Success)
        size = 0;
    for (const std::string& s : SplitMultiString(data.data(), std::min<std::size_t>(size, data.size()))) strings.Add(s);
}

void TExRegistry::WriteStringList(const std::string& name, const vcl::TStringList& strings) {
    const std::vector<std::uint8_t> data = JoinMultiString(strings);
    const os::LONG result = os::registry().SetValue(CurrentKey(), name.c_str(), os::regtype::MultiSz, data.data(),
                                                    static_cast<os::DWORD>(data.size()));
    if (result != os::error::Success) throw EExRegistryException(result, "Unable to write MULTI_SZ value");
}
