#pragma once
// Adds an item to a settings component, as a form definition would declare it.
#include <string>

#include "settings/Settings.h"

namespace testing_support {

inline TSettingItem& AddSettingItem(TSettings& settings, TSettingStorage storage, const std::string& name,
                                    TSettingType type, const std::string& key) {
    TSettingItem& item = *settings.Settings().Add();
    item.SetName(name);
    item.SetDataType(type);
    item.SetKey(key);
    item.SetStorage(storage);
    return item;
}

}  // namespace testing_support
