#include "settings/Settings.h"

#include <utility>

#include "platform/os/Registry.h"
#include "platform/vcl/IniFiles.h"
#include "platform/vcl/Registry.h"
#ifdef OLZ_HAVE_DATABASE
#include "platform/vcl/db/Table.h"
#endif

using vcl::Variant;

// ---- TSettingItem ------------------------------------------------------------------------

const vcl::ClassInfo& TSettingItem::StaticClassInfo() {
    static const vcl::ClassInfo info =
        vcl::ClassBuilder<TSettingItem>("TSettingItem", &TCollectionItem::StaticClassInfo())
            .Property("Name", &TSettingItem::Name, &TSettingItem::SetName)
            .Property("DataType", &TSettingItem::DataType, &TSettingItem::SetDataType)
            .Property("FieldName", &TSettingItem::FieldName, &TSettingItem::SetFieldName)
            .Property("Key", &TSettingItem::Key, &TSettingItem::SetKey)
            .Property("Storage", &TSettingItem::Storage, &TSettingItem::SetStorage)
            .Property("Value", &TSettingItem::Value, &TSettingItem::SetValue)
            .Build();
    return info;
}

namespace {
template <class T>
bool Assign(T& field, const T& value) {
    if (field == value) return false;
    field = value;
    return true;
}
}  // namespace

void TSettingItem::SetName(const std::string& name) {
    if (!Assign(name_, name)) return;
    SetDisplayName(name);
    Changed();
}

void TSettingItem::SetDataType(TSettingType dataType) {
    if (Assign(dataType_, dataType)) Changed();
}

void TSettingItem::SetStorage(TSettingStorage storage) {
    if (Assign(storage_, storage)) Changed();
}

void TSettingItem::SetKey(const std::string& key) {
    if (Assign(key_, key)) Changed();
}

void TSettingItem::SetFieldName(const std::string& fieldName) {
    if (Assign(fieldName_, fieldName)) Changed();
}

void TSettingItem::SetValue(const Variant& value) {
    if (!value_.IsEmpty() && !value.IsEmpty() && value_.Equals(value)) return;
    value_ = value;
    Changed();
}

// ---- TSettingCollection ------------------------------------------------------------------

const vcl::ClassInfo& TSettingCollection::StaticClassInfo() {
    static const vcl::ClassInfo info =
        vcl::ClassBuilder<TSettingCollection>("TSettingCollection", &TCollection::StaticClassInfo()).Build();
    return info;
}

TSettingCollection::TSettingCollection(TSettings& owner)
    : TCollection(TSettingItem::StaticClassInfo(),
                  [](vcl::TCollection& collection) { return std::make_unique<TSettingItem>(&collection); }),
      owner_(owner) {}

vcl::TPersistent* TSettingCollection::GetOwner() const { return &owner_; }

void TSettingCollection::Update(vcl::TCollectionItem*) { owner_.ItemChanged(); }

// ---- TSettings ---------------------------------------------------------------------------

const vcl::ClassInfo& TSettings::StaticClassInfo() {
    using Self = TSettings;
    static const vcl::ClassInfo info =
        vcl::ClassBuilder<Self>("TSettings", &TComponent::StaticClassInfo())
            .Property("AutoSave", &Self::AutoSave, &Self::SetAutoSave)
            .Property("Active", &Self::Active, &Self::SetActive)
            .Property("Filter", &Self::Filter, &Self::SetFilter)
            .Property("IniFileName", &Self::IniFileName, &Self::SetIniFileName)
            .Collection("Settings", static_cast<TSettingCollection& (Self::*)()>(&Self::Settings))
            .Property("DatabaseName", &Self::DatabaseName, &Self::SetDatabaseName)
            .Property("TableName", &Self::TableName, &Self::SetTableName)
            .Property("RootKey", &Self::RootKey, &Self::SetRootKey)
            .Property("BaseKey", &Self::BaseKey, &Self::SetBaseKey)
            .Creatable()
            .Build();
    return info;
}

void RegisterSettingsClasses() { vcl::RegisterComponentClass(TSettings::StaticClassInfo()); }

TSettings::TSettings(vcl::TComponent* owner)
    : TComponent(owner),
      registry_(std::make_unique<vcl::TRegistry>()),
      settings_(std::make_unique<TSettingCollection>(*this)) {
    SetRootKey(rkHKEY_CURRENT_USER);
    SetBaseKey("Software");
    LoadSettings();
}

TSettings::~TSettings() = default;

void TSettings::SetAutoSave(bool autoSave) {
    autoSave_ = autoSave;
    if (autoSave_) SaveSettings();
}

void TSettings::SetActive(bool active) {
    active_ = active;
    if (active_)
        LoadSettings();
    else
        SaveSettings();
}

void TSettings::SetFilter(const std::string& filter) { filter_ = filter; }

void TSettings::SetIniFileName(const std::string& fileName) {
    if (fileName == iniFileName_) return;
    iniFile_.reset();
    iniFileName_ = fileName;
    if (iniFileName_.empty()) return;
    iniFile_ = std::make_unique<vcl::TIniFile>(iniFileName_);
    if (active_) LoadSettings();
}

void TSettings::SetDatabaseName(const std::string& databaseName) {
    if (databaseName == databaseName_) return;
    databaseName_ = databaseName;
    CreateTable();
}

void TSettings::SetTableName(const std::string& tableName) {
    tableName_ = tableName;
    CreateTable();
}

void TSettings::SetRootKey(TRootKeys rootKey) { rootKey_ = rootKey; }

void TSettings::SetBaseKey(const std::string& baseKey) { baseKey_ = baseKey; }

std::string TSettings::ItemPath(const TSettingItem& item) const {
    if (!baseKey_.empty() && !item.Key().empty()) return baseKey_ + "\\" + item.Key();
    return baseKey_ + item.Key();
}

void TSettings::ItemChanged() {
    if (onChange_) onChange_(this);
    if (!autoSave_) return;
    // Saving in the middle of a load would write the items not yet read over their stored
    // values; the load saves once when it is done instead.
    if (loadDepth_ > 0)
        changedWhileLoading_ = true;
    else
        SaveSettings();
}

void TSettings::CreateTable() {
#ifdef OLZ_HAVE_DATABASE
    if (databaseName_.empty() || tableName_.empty()) return;
    table_.reset();
    table_ = std::make_unique<vcl::TTable>(databaseName_, tableName_);
#endif
}

namespace {

class LoadDepth {
public:
    explicit LoadDepth(int& depth) : depth_(depth) { ++depth_; }
    ~LoadDepth() { --depth_; }
    LoadDepth(const LoadDepth&) = delete;
    LoadDepth& operator=(const LoadDepth&) = delete;

private:
    int& depth_;
};

// Runs the passes of a load or save over the table: opened before, closed after, also when an
// item fails.
class TableSession {
public:
    TableSession(vcl::TTable* table, const std::string& filter, bool forWriting);
    ~TableSession();
    TableSession(const TableSession&) = delete;
    TableSession& operator=(const TableSession&) = delete;
    void Post();

private:
    vcl::TTable* table_;
};

#ifdef OLZ_HAVE_DATABASE
TableSession::TableSession(vcl::TTable* table, const std::string& filter, bool forWriting) : table_(table) {
    if (!table_) return;
    table_->SetFilter(filter);
    table_->SetFiltered(!filter.empty());
    table_->Open();
    if (forWriting) table_->Edit();
}

TableSession::~TableSession() {
    if (table_) table_->Close();
}

void TableSession::Post() {
    if (table_) table_->Post();
}
#else
TableSession::TableSession(vcl::TTable*, const std::string&, bool) : table_(nullptr) {}
TableSession::~TableSession() = default;
void TableSession::Post() {}
#endif

}  // namespace

bool TSettings::LoadSettings() {
    if (loadDepth_ == 0) changedWhileLoading_ = false;
    {
        const LoadDepth depth(loadDepth_);
        TableSession session(table_.get(), filter_, false);
        for (int i = 0; i < settings_->Count(); ++i) {
            TSettingItem& item = *settings_->Items(i);
            switch (item.Storage()) {
                case ssRegistry: ReadRegistryItem(item); break;
                case ssIniFile: ReadIniItem(item); break;
                case ssDatabase: ReadDatabaseItem(item); break;
            }
        }
    }
    if (loadDepth_ == 0 && std::exchange(changedWhileLoading_, false) && autoSave_) SaveSettings();
    return true;
}

bool TSettings::SaveSettings() {
    TableSession session(table_.get(), filter_, true);
    for (int i = 0; i < settings_->Count(); ++i) {
        const TSettingItem& item = *settings_->Items(i);
        switch (item.Storage()) {
            case ssRegistry: WriteRegistryItem(item); break;
            case ssIniFile: WriteIniItem(item); break;
            case ssDatabase: WriteDatabaseItem(item); break;
        }
    }
    session.Post();
    return true;
}

// ---- INI store ---------------------------------------------------------------------------

void TSettings::ReadIniItem(TSettingItem& item) {
    // Without a file name there is nothing to read: the value stays as it is.
    if (item.Name().empty() || !iniFile_) return;
    const std::string section = ItemPath(item);
    const std::string& ident = item.Name();
    const Variant& current = item.Value();
    switch (item.DataType()) {
        case stBoolean: item.SetValue(iniFile_->ReadBool(section, ident, current.AsBoolean())); break;
        case stCurrency:
        case stFloat: item.SetValue(iniFile_->ReadFloat(section, ident, current.AsDouble())); break;
        case stDate: item.SetValue(iniFile_->ReadDate(section, ident, current.AsDateTime())); break;
        case stDateTime: item.SetValue(iniFile_->ReadDateTime(section, ident, current.AsDateTime())); break;
        case stInteger: item.SetValue(iniFile_->ReadInteger(section, ident, current.AsInteger())); break;
        case stString: item.SetValue(iniFile_->ReadString(section, ident, current.AsString())); break;
        case stTime: item.SetValue(iniFile_->ReadTime(section, ident, current.AsDateTime())); break;
    }
}

void TSettings::WriteIniItem(const TSettingItem& item) {
    if (item.Name().empty()) return;
    // Saving with nowhere to save to would lose the value without a word.
    if (!iniFile_) throw vcl::EIniFileException("No INI file name is set for '" + item.Name() + "'");
    const std::string section = ItemPath(item);
    const std::string& ident = item.Name();
    const Variant& value = item.Value();
    switch (item.DataType()) {
        case stBoolean: iniFile_->WriteBool(section, ident, value.AsBoolean()); break;
        case stCurrency:
        case stFloat: iniFile_->WriteFloat(section, ident, value.AsDouble()); break;
        case stDate: iniFile_->WriteDate(section, ident, value.AsDateTime()); break;
        case stDateTime: iniFile_->WriteDateTime(section, ident, value.AsDateTime()); break;
        case stInteger: iniFile_->WriteInteger(section, ident, value.AsInteger()); break;
        case stString: iniFile_->WriteString(section, ident, value.AsString()); break;
        case stTime: iniFile_->WriteTime(section, ident, value.AsDateTime()); break;
    }
}

// ---- Registry store ----------------------------------------------------------------------

namespace {

os::RegKey RootKeyHandle(TRootKeys rootKey) {
    static const os::RegKey roots[] = {os::hkey::ClassesRoot,     os::hkey::CurrentUser,   os::hkey::LocalMachine,
                                       os::hkey::Users,           os::hkey::PerformanceData, os::hkey::CurrentConfig,
                                       os::hkey::DynData};
    return roots[static_cast<int>(rootKey)];
}

// Closes the item's key when the read or write is over, also when it failed.
class OpenKeyScope {
public:
    explicit OpenKeyScope(vcl::TRegistry& registry) : registry_(registry) {}
    ~OpenKeyScope() { registry_.CloseKey(); }
    OpenKeyScope(const OpenKeyScope&) = delete;
    OpenKeyScope& operator=(const OpenKeyScope&) = delete;

private:
    vcl::TRegistry& registry_;
};

}  // namespace

bool TSettings::OpenItemKey(const TSettingItem& item, bool forWriting) {
    registry_->CloseKey();
    registry_->SetRootKey(RootKeyHandle(rootKey_));
    const auto open = [&](const std::string& path) {
        if (path.empty()) return true;
        return registry_->OpenKey(path, true) || (!forWriting && registry_->OpenKeyReadOnly(path));
    };
    return open(baseKey_) && open(item.Key());
}

void TSettings::ReadRegistryItem(TSettingItem& item) {
    if (item.Name().empty()) return;
    OpenKeyScope scope(*registry_);
    const std::string& name = item.Name();
    if (!OpenItemKey(item, false)) {
        // A key that cannot be opened holds no value: read as a missing value.
        if (item.DataType() != stString) throw vcl::ERegistryException("Failed to get data for '" + name + "'");
        item.SetValue(std::string());
        return;
    }
    switch (item.DataType()) {
        case stBoolean: item.SetValue(registry_->ReadBool(name)); break;
        case stCurrency: item.SetValue(vcl::Currency{registry_->ReadCurrency(name)}); break;
        case stDate: item.SetValue(vcl::DateTime{registry_->ReadDate(name)}); break;
        case stDateTime: item.SetValue(vcl::DateTime{registry_->ReadDateTime(name)}); break;
        case stFloat: item.SetValue(registry_->ReadFloat(name)); break;
        case stInteger: item.SetValue(registry_->ReadInteger(name)); break;
        case stString: item.SetValue(registry_->ReadString(name)); break;
        case stTime: item.SetValue(vcl::DateTime{registry_->ReadTime(name)}); break;
    }
}

void TSettings::WriteRegistryItem(const TSettingItem& item) {
    if (item.Name().empty()) return;
    OpenKeyScope scope(*registry_);
    const std::string& name = item.Name();
    if (!OpenItemKey(item, true)) throw vcl::ERegistryException("Failed to set data for '" + name + "'");
    const Variant& value = item.Value();
    switch (item.DataType()) {
        case stBoolean: registry_->WriteBool(name, value.AsBoolean()); break;
        case stCurrency: registry_->WriteCurrency(name, value.AsCurrency().scaled); break;
        case stDate: registry_->WriteDate(name, value.AsDateTime().days); break;
        case stDateTime: registry_->WriteDateTime(name, value.AsDateTime().days); break;
        case stFloat: registry_->WriteFloat(name, value.AsDouble()); break;
        case stInteger: registry_->WriteInteger(name, value.AsInteger()); break;
        case stString: registry_->WriteString(name, value.AsString()); break;
        case stTime: registry_->WriteTime(name, value.AsDateTime().days); break;
    }
}

// ---- Database store ----------------------------------------------------------------------

void TSettings::ReadDatabaseItem([[maybe_unused]] TSettingItem& item) {
#ifdef OLZ_HAVE_DATABASE
    if (!table_) return;
    const vcl::TField& field = table_->FieldByName(item.FieldName());
    switch (item.DataType()) {
        case stBoolean: item.SetValue(field.AsBoolean()); break;
        case stCurrency: item.SetValue(field.AsCurrency()); break;
        case stDate:
        case stDateTime:
        case stTime: item.SetValue(field.AsDateTime()); break;
        case stFloat: item.SetValue(field.AsFloat()); break;
        case stInteger: item.SetValue(field.AsInteger()); break;
        case stString: item.SetValue(field.AsString()); break;
    }
#endif
}

void TSettings::WriteDatabaseItem([[maybe_unused]] const TSettingItem& item) {
#ifdef OLZ_HAVE_DATABASE
    if (!table_) return;
    vcl::TField& field = table_->FieldByName(item.FieldName());
    const Variant& value = item.Value();
    switch (item.DataType()) {
        case stBoolean: field.SetAsBoolean(value.AsBoolean()); break;
        case stCurrency: field.SetAsCurrency(value.AsCurrency()); break;
        case stDate:
        case stDateTime:
        case stTime: field.SetAsDateTime(value.AsDateTime()); break;
        case stFloat: field.SetAsFloat(value.AsDouble()); break;
        case stInteger: field.SetAsInteger(value.AsInteger()); break;
        case stString: field.SetAsString(value.AsString()); break;
    }
#endif
}
