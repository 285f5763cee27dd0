#pragma once
// TSettings: a non-visual component that keeps named settings and moves them between memory and
// their stores: an INI file, the registry or a database table.
#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "platform/vcl/Collection.h"
#include "platform/vcl/Component.h"
#include "platform/vcl/Variant.h"

namespace vcl {
class TIniFile;
class TRegistry;
class TTable;
}  // namespace vcl

enum TSettingStorage { ssRegistry, ssIniFile, ssDatabase };
enum TSettingType { stBoolean, stCurrency, stDate, stDateTime, stFloat, stInteger, stString, stTime };
enum TRootKeys {
    rkHKEY_CLASSES_ROOT,
    rkHKEY_CURRENT_USER,
    rkHKEY_LOCAL_MACHINE,
    rkHKEY_USERS,
    rkHKEY_PERFORMANCE_DATA,
    rkHKEY_CURRENT_CONFIG,
    rkHKEY_DYN_DATA
};

template <>
struct vcl::EnumNames<TSettingStorage> {
    static constexpr std::array<std::string_view, 3> names{"ssRegistry", "ssIniFile", "ssDatabase"};
};
template <>
struct vcl::EnumNames<TSettingType> {
    static constexpr std::array<std::string_view, 8> names{"stBoolean", "stCurrency", "stDate", "stDateTime",
                                                           "stFloat",   "stInteger",  "stString", "stTime"};
};
template <>
struct vcl::EnumNames<TRootKeys> {
    static constexpr std::array<std::string_view, 7> names{
        "rkHKEY_CLASSES_ROOT",     "rkHKEY_CURRENT_USER",    "rkHKEY_LOCAL_MACHINE", "rkHKEY_USERS",
        "rkHKEY_PERFORMANCE_DATA", "rkHKEY_CURRENT_CONFIG", "rkHKEY_DYN_DATA"};
};

class TSettings;

class TSettingItem : public vcl::TCollectionItem {
public:
    OLZ_CLASS_INFO
    explicit TSettingItem(vcl::TCollection* collection) : TCollectionItem(collection) {}

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    TSettingType DataType() const { return dataType_; }
    void SetDataType(TSettingType dataType);
    TSettingStorage Storage() const { return storage_; }
    void SetStorage(TSettingStorage storage);
    const vcl::Variant& Value() const { return value_; }
    // Counts as a change when either value is empty or the two compare unequal.
    void SetValue(const vcl::Variant& value);
    const std::string& Key() const { return key_; }
    void SetKey(const std::string& key);
    const std::string& FieldName() const { return fieldName_; }
    void SetFieldName(const std::string& fieldName);

private:
    std::string name_;
    TSettingType dataType_ = stBoolean;
    TSettingStorage storage_ = ssRegistry;
    vcl::Variant value_;
    std::string key_;
    std::string fieldName_;
};

class TSettingCollection : public vcl::TCollection {
public:
    OLZ_CLASS_INFO
    explicit TSettingCollection(TSettings& owner);

    TSettingItem* Items(int index) const { return static_cast<TSettingItem*>(Item(index)); }
    TSettingItem* Add() { return static_cast<TSettingItem*>(TCollection::Add()); }
    TPersistent* GetOwner() const override;

protected:
    void Update(vcl::TCollectionItem* item) override;

private:
    TSettings& owner_;
};

class TSettings : public vcl::TComponent {
public:
    OLZ_CLASS_INFO
    explicit TSettings(vcl::TComponent* owner);
    ~TSettings() override;

    // Read or write every item in collection order. Store errors propagate; the remaining items
    // are then not processed. Both return true.
    bool LoadSettings();
    bool SaveSettings();

    bool AutoSave() const { return autoSave_; }
    void SetAutoSave(bool autoSave);
    bool Active() const { return active_; }
    void SetActive(bool active);
    const std::string& Filter() const { return filter_; }
    void SetFilter(const std::string& filter);
    const std::string& IniFileName() const { return iniFileName_; }
    void SetIniFileName(const std::string& fileName);
    TSettingCollection& Settings() { return *settings_; }
    const TSettingCollection& Settings() const { return *settings_; }
    const std::string& DatabaseName() const { return databaseName_; }
    void SetDatabaseName(const std::string& databaseName);
    const std::string& TableName() const { return tableName_; }
    void SetTableName(const std::string& tableName);
    TRootKeys RootKey() const { return rootKey_; }
    void SetRootKey(TRootKeys rootKey);
    const std::string& BaseKey() const { return baseKey_; }
    void SetBaseKey(const std::string& baseKey);
    const vcl::TNotifyEvent& OnChange() const { return onChange_; }
    void SetOnChange(vcl::TNotifyEvent handler) { onChange_ = std::move(handler); }

    // The INI section of an item: BaseKey and Key joined by "\" when both are set.
    std::string ItemPath(const TSettingItem& item) const;

private:
    friend class TSettingCollection;
    void ItemChanged();
    void CreateTable();

    void ReadIniItem(TSettingItem& item);
    void WriteIniItem(const TSettingItem& item);
    void ReadRegistryItem(TSettingItem& item);
    void WriteRegistryItem(const TSettingItem& item);
    void ReadDatabaseItem(TSettingItem& item);
    void WriteDatabaseItem(const TSettingItem& item);
    // Opens BaseKey, then the item's Key, as the item's registry key; false when it cannot be had.
    bool OpenItemKey(const TSettingItem& item, bool forWriting);

    std::unique_ptr<vcl::TRegistry> registry_;
    std::unique_ptr<vcl::TIniFile> iniFile_;
    std::unique_ptr<vcl::TTable> table_;
    bool autoSave_ = false;
    std::unique_ptr<TSettingCollection> settings_;
    std::string databaseName_;
    std::string tableName_;
    bool active_ = false;
    std::string iniFileName_;
    TRootKeys rootKey_ = rkHKEY_CURRENT_USER;
    std::string baseKey_;
    std::string filter_;
    vcl::TNotifyEvent onChange_;
    int loadDepth_ = 0;
    bool changedWhileLoading_ = false;
};

// Makes the settings component and its items known to form definitions.
void RegisterSettingsClasses();
