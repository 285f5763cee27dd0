#include "service/EnhancedOLZ.h"

#include <exception>

#include "service/unitEXRegistry.h"

namespace {

// Entries compare exactly, case included.
int IndexOfOurService(const vcl::TStringList& list) {
    for (int i = 0; i < list.Count(); ++i)
        if (list[i] == enhanced::kOurService) return i;
    return -1;
}

// Runs `step` on the workstation service's key opened with `access`; any error ends it quietly
// with the result reached so far.
template <class Step>
bool WithWorkstationKey(os::DWORD access, Step step) {
    TExRegistry registry(access);
    registry.SetRootKey(os::hkey::LocalMachine);
    vcl::TStringList list;
    bool result = false;
    if (!registry.OpenKey(enhanced::kWorkstationKey, false)) return false;
    try {
        step(registry, list, result);
    } catch (const std::exception&) {
    }
    return result;
}

}  // namespace

bool EnableEnhancedStartup() {
    return WithWorkstationKey(os::access::AllAccess, [](TExRegistry& registry, vcl::TStringList& list, bool& result) {
        if (registry.ValueExists(enhanced::kDependencies)) {
            registry.ReadStringList(enhanced::kDependencies, list);
            if (IndexOfOurService(list) >= 0) {
                result = true;
                return;
            }
        }
        list.Add(enhanced::kOurService);
        registry.WriteStringList(enhanced::kDependencies, list);
        result = true;
    });
}

bool DisableEnhancedStartup() {
    return WithWorkstationKey(os::access::AllAccess, [](TExRegistry& registry, vcl::TStringList& list, bool& result) {
        if (!registry.ValueExists(enhanced::kDependencies)) return;
        registry.ReadStringList(enhanced::kDependencies, list);
        const int index = IndexOfOurService(list);
        if (index < 0) return;
        result = true;
        list.Delete(index);
        registry.WriteStringList(enhanced::kDependencies, list);
    });
}

// Reading needs no right to change the key, so the answer is right for every user.
bool IsEnhancedStartupEnabled() {
    return WithWorkstationKey(os::access::Read, [](TExRegistry& registry, vcl::TStringList& list, bool& result) {
        if (!registry.ValueExists(enhanced::kDependencies)) return;
        registry.ReadStringList(enhanced::kDependencies, list);
        result = IndexOfOurService(list) >= 0;
    });
}
