#pragma once
// TExRegistry: TRegistry with REG_MULTI_SZ values read and written as string lists, and the
// exception that names the registry's error number with the system's (or the network
// library's) text for it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/vcl/Exceptions.h"
#include "platform/vcl/Registry.h"
#include "platform/vcl/Strings.h"

class EExRegistryException : public vcl::ERegistryException {
public:
    // "Error <n> : <text>:<operation>", or "Error <n>:<operation>" when the number has no text.
    EExRegistryException(os::LONG errorCode, const std::string& operation);
    std::int32_t ErrorCode() const { return errorCode_; }

private:
    std::int32_t errorCode_;
};

// The text for an error number, network messages first; empty when there is none.
std::string NetErrorMessage(os::DWORD errorCode);

// The strings of REG_MULTI_SZ data, up to the first empty one or the end of the data, whichever
// comes first; a last string without its NUL ends with the data.
std::vector<std::string> SplitMultiString(const std::uint8_t* data, std::size_t size);
// Each string and its NUL, then the closing NUL: an empty list is one NUL byte.
std::vector<std::uint8_t> JoinMultiString(const vcl::TStringList& strings);

class TExRegistry : public vcl::TRegistry {
public:
    using TRegistry::TRegistry;

    // Replaces the list's contents with the strings of a REG_MULTI_SZ value of the open key.
    void ReadStringList(const std::string& name, vcl::TStringList& strings);
    // Creates or replaces a REG_MULTI_SZ value of the open key.
    void WriteStringList(const std::string& name, const vcl::TStringList& strings);
};
