#include "settings/ConfigFile.h"

#include "platform/os/Os.h"
#include "platform/vcl/Exceptions.h"

namespace config {

void Configure(TSettings& settings) {
    settings.SetRootKey(kRootKey);
    settings.SetBaseKey(std::string(kBaseKey));
    TSettingCollection& items = settings.Settings();
    items.BeginUpdate();
    items.Clear();
    for (const ItemDefinition& definition : kItems) {
        TSettingItem& item = *items.Add();
        item.SetName(std::string(definition.name));
        item.SetDataType(definition.type);
        item.SetKey(std::string(kKey));
        item.SetStorage(ssIniFile);
    }
    items.EndUpdate();
}

void SetDefaults(TSettings& settings) {
    for (std::size_t i = 0; i < kItems.size(); ++i) {
        TSettingItem& item = *settings.Settings().Items(static_cast<int>(i));
        if (kItems[i].type == stBoolean)
            item.SetValue(kItems[i].defaultValue != 0);
        else
            item.SetValue(kItems[i].defaultValue);
    }
}

std::string FilePath() {
    constexpr os::DWORD kBufferSize = 512;
    std::string directory;
    const os::DWORD length = os::system().SystemDirectory(&directory, kBufferSize);
    // A directory too long for the buffer would otherwise turn into a file at the drive's root.
    if (length == 0 || length >= kBufferSize)
        throw vcl::Exception("The system directory cannot be determined");
    return directory + std::string(kFileName);
}

std::optional<ThemeStyle> ThemeFromIndex(int index) {
    if (index < 0 || index >= static_cast<int>(kThemeNames.size())) return std::nullopt;
    return static_cast<ThemeStyle>(index);
}

}  // namespace config
