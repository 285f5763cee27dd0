#include "langres/SMLFormLangRes.h"

#include <cstdint>
#include <optional>
#include <vector>

#include "langres/SMLPublic.h"
#include "platform/vcl/Collection.h"
#include "platform/vcl/IniFiles.h"

using vcl::PropInfo;
using vcl::PropKind;
using vcl::TComponent;
using vcl::TIniFile;
using vcl::TObject;

namespace {

// A published value property reached by a path ("Caption", "Title.Caption"), with the object
// that holds it.
struct FoundProperty {
    TObject* holder;
    const PropInfo* info;

    vcl::PropValue Get() const { return info->get(*holder); }
    void Set(const vcl::PropValue& value) const { info->set(*holder, value); }
};

// Looks a property up without raising: components that lack it are simply passed over.
std::optional<FoundProperty> FindValueProperty(TObject& object, std::string_view path) {
    TObject* holder = &object;
    for (;;) {
        const auto dot = path.find('.');
        const PropInfo* info = holder->ClassType().FindProperty(path.substr(0, dot));
        if (!info) return std::nullopt;
        if (dot == std::string_view::npos) {
            if (info->kind != PropKind::Value || !info->get || !info->set) return std::nullopt;
            return FoundProperty{holder, info};
        }
        if (info->kind != PropKind::Object) return std::nullopt;
        holder = info->object(*holder);
        if (!holder) return std::nullopt;
        path.remove_prefix(dot + 1);
    }
}

std::optional<FoundProperty> FindStringProperty(TObject& object, std::string_view path) {
    auto found = FindValueProperty(object, path);
    if (found && !found->Get().Is<std::string>()) return std::nullopt;
    return found;
}

std::optional<FoundProperty> FindIntegerProperty(TObject& object, std::string_view path) {
    auto found = FindValueProperty(object, path);
    if (found && !found->Get().Is<std::int64_t>()) return std::nullopt;
    return found;
}

// The object a published object or collection property holds; null when there is none.
vcl::TPersistent* FindObjectProperty(TObject& object, std::string_view name) {
    const PropInfo* info = object.ClassType().FindProperty(name);
    if (!info || info->kind == PropKind::Value || !info->object) return nullptr;
    return info->object(object);
}

// Kinds of component translation never touches.
bool Untranslated(const TComponent& component) {
    for (const char* kind : {"TsmlFormLangRes", "TSplitter", "TTimer", "TMenuItem"})
        if (sml::Is(component, kind)) return true;
    return false;
}

std::vector<std::string> Lines(const vcl::TStringList& list) {
    std::vector<std::string> lines;
    for (int i = 0; i < list.Count(); ++i) lines.push_back(list[i]);
    return lines;
}

}  // namespace

const vcl::ClassInfo& TsmlFormLangRes::StaticClassInfo() {
    static const vcl::ClassInfo info =
        vcl::ClassBuilder<TsmlFormLangRes>("TsmlFormLangRes", &TsmlLangRes::StaticClassInfo())
            .Object("StringProperties", &TsmlFormLangRes::StringProperties)
            .Object("StringsProperties", &TsmlFormLangRes::StringsProperties)
            .Object("IgnoreControls", &TsmlFormLangRes::IgnoreControls)
            .Property("IgnoreFormCaption", &TsmlFormLangRes::IgnoreFormCaption, &TsmlFormLangRes::SetIgnoreFormCaption)
            .NoDefault()
            .Property("IncludeListViewItems", &TsmlFormLangRes::IncludeListViewItems,
                      &TsmlFormLangRes::SetIncludeListViewItems)
            .NoDefault()
            .Property("IncludeTreeViewItems", &TsmlFormLangRes::IncludeTreeViewItems,
                      &TsmlFormLangRes::SetIncludeTreeViewItems)
            .NoDefault()
            .Property("Active", &TsmlFormLangRes::Active, &TsmlFormLangRes::SetActive)
            .NoDefault()
            .Creatable()
            .Build();
    return info;
}

TsmlFormLangRes::TsmlFormLangRes(TComponent* owner)
    : TsmlLangRes(owner), stringProperties_{"Caption"}, stringsProperties_{"Tabs", "Items"} {
    for (vcl::TStringList* list : {&stringProperties_, &stringsProperties_, &ignoreControls_})
        list->OnChange = [this](TObject*) { Changed(); };
}

void TsmlFormLangRes::SetIgnoreFormCaption(bool ignore) {
    ignoreFormCaption_ = ignore;
    Changed();
}

void TsmlFormLangRes::SetIncludeListViewItems(bool include) {
    includeListViewItems_ = include;
    Changed();
}

void TsmlFormLangRes::SetIncludeTreeViewItems(bool include) {
    includeTreeViewItems_ = include;
    Changed();
}

void TsmlFormLangRes::Translate() {
    TComponent* form = OwnerForm();
    if (!form) return;  // a data module has nothing to show
    TIniFile file(LangFilePath());
    const std::string section = form->ClassName();
    // Copies: a text put into a component must not disturb the walk over the names.
    const std::vector<std::string> stringNames = Lines(stringProperties_);
    const std::vector<std::string> stringsNames = Lines(stringsProperties_);

    TranslateFont(*form, file, section);
    for (const std::string& name : stringNames)
        if (!(IgnoreFormCaption() && name == "Caption")) TranslateStringProperty(*form, name, file, section);
    for (const std::string& name : stringsNames) TranslateStringList(*form, name, file, section);

    for (int i = 0; i < form->ComponentCount(); ++i) {
        TComponent& component = *form->Components(i);
        if (Untranslated(component) || Ignored(component)) continue;
        if (sml::Is(component, "TListView")) {
            TranslateCollection(component, "Columns", "Caption", "ColumnCaption", file, section);
            if (includeListViewItems_) TranslateListItems(component, file, section);
        } else if (sml::Is(component, "TTreeView") && includeTreeViewItems_) {
            TranslateCollection(component, "Items", "Text", "ItemText", file, section);
        } else if (sml::Is(component, "THeaderControl")) {
            TranslateCollection(component, "Sections", "Text", "SectionsText", file, section);
        } else if (sml::Is(component, "TDBGrid")) {
            TranslateCollection(component, "Columns", "Title.Caption", "ColumnsCaption", file, section);
        } else {
            for (const std::string& name : stringNames) TranslateStringProperty(component, name, file, section);
            for (const std::string& name : stringsNames) TranslateStringList(component, name, file, section);
        }
    }
}

bool TsmlFormLangRes::Ignored(const TComponent& component) const {
    for (int i = 0; i < ignoreControls_.Count(); ++i)
        if (ignoreControls_[i] == component.Name()) return true;
    return false;
}

void TsmlFormLangRes::TranslateFont(TComponent& form, TIniFile& file, const std::string& section) {
    vcl::TPersistent* font = FindObjectProperty(form, "Font");
    if (!font || !sml::Is(*font, "TFont")) return;
    const std::string prefix = sml::KeyPrefix(form);

    if (const auto name = FindStringProperty(*font, "Name")) {
        const std::string key = prefix + "_FontName";
        const std::string stored = file.ReadString(section, key, "");
        if (!stored.empty()) name->Set(sml::Unbracket(stored));
        else if (AutoCreateMode()) file.WriteString(section, key, Bracket(name->Get().As<std::string>()));
    }
    if (const auto size = FindIntegerProperty(*font, "Size")) {
        const std::string key = prefix + "_FontSize";
        const std::int32_t stored = file.ReadInteger(section, key, 0);
        if (stored != 0) size->Set(std::int64_t{stored});
        else if (AutoCreateMode())
            file.WriteInteger(section, key, static_cast<std::int32_t>(size->Get().As<std::int64_t>()));
    }
    if (const auto charset = FindIntegerProperty(*font, "Charset")) {
        const std::string key = prefix + "_FontCharset";
        const std::int32_t stored = file.ReadInteger(section, key, -1);
        // A character set is a byte: a number outside 0..255 names none, and is left for the
        // translator to mend rather than cut down to some other set.
        if (stored >= 0 && stored <= 255) charset->Set(std::int64_t{stored});
        else if (stored == -1 && AutoCreateMode())
            file.WriteInteger(section, key, static_cast<std::int32_t>(charset->Get().As<std::int64_t>()));
    }
}

void TsmlFormLangRes::TranslateStringProperty(TComponent& component, const std::string& name, TIniFile& file,
                                              const std::string& section) {
    const auto property = FindStringProperty(component, name);
    if (!property) return;
    ApplyText(file, section, sml::PropertyKey(sml::KeyPrefix(component), name), property->Get().As<std::string>(),
              [&](const std::string& text) { property->Set(text); });
}

void TsmlFormLangRes::TranslateStringList(TComponent& component, const std::string& name, TIniFile& file,
                                          const std::string& section) {
    auto* list = dynamic_cast<vcl::TStringList*>(FindObjectProperty(component, name));
    if (!list) return;
    const std::string prefix = sml::KeyPrefix(component);
    for (int i = 0; i < list->Count(); ++i)
        ApplyText(file, section, sml::IndexedKey(prefix, name, i), list->Strings(i),
                  [&](const std::string& text) { list->SetStrings(i, text); });
}

void TsmlFormLangRes::TranslateCollection(TComponent& component, const char* collection, const char* itemPath,
                                          const char* keyName, TIniFile& file, const std::string& section) {
    auto* items = dynamic_cast<vcl::TCollection*>(FindObjectProperty(component, collection));
    if (!items) return;
    const std::string prefix = sml::KeyPrefix(component);
    for (int i = 0; i < items->Count(); ++i) {
        const auto text = FindStringProperty(*items->Item(i), itemPath);
        if (!text) continue;
        ApplyText(file, section, sml::IndexedKey(prefix, keyName, i), text->Get().As<std::string>(),
                  [&](const std::string& value) { text->Set(value); });
    }
}

void TsmlFormLangRes::TranslateListItems(TComponent& listView, TIniFile& file, const std::string& section) {
    auto* items = dynamic_cast<vcl::TCollection*>(FindObjectProperty(listView, "Items"));
    if (!items) return;
    const std::string prefix = sml::KeyPrefix(listView);
    for (int i = 0; i < items->Count(); ++i) {
        vcl::TCollectionItem& item = *items->Item(i);
        if (const auto caption = FindStringProperty(item, "Caption"))
            ApplyText(file, section, sml::IndexedKey(prefix, "ItemCaption", i), caption->Get().As<std::string>(),
                      [&](const std::string& text) { caption->Set(text); });
        auto* subItems = dynamic_cast<vcl::TStringList*>(FindObjectProperty(item, "SubItems"));
        if (!subItems) continue;
        for (int j = 0; j < subItems->Count(); ++j)
            ApplyText(file, section, sml::SubItemKey(prefix, i, j), subItems->Strings(j),
                      [&](const std::string& text) { subItems->SetStrings(j, text); });
    }
}

void RegisterLangResClasses() { vcl::RegisterComponentClass(TsmlFormLangRes::StaticClassInfo()); }
