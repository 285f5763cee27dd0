#pragma once
// TsmlFormLangRes: translates the texts of the form that owns it from the language file: the
// form's font and caption, the named string and string-list properties of its components, and
// the columns, items, nodes and sections of list views, tree views, header controls and grids.
// In auto-create mode it writes every text that the file lacks, so a translator gets a template.
#include "langres/SMLLangRes.h"
#include "platform/vcl/Strings.h"

namespace vcl {
class TIniFile;
}

class TsmlFormLangRes : public TsmlLangRes {
public:
    OLZ_CLASS_INFO
    explicit TsmlFormLangRes(vcl::TComponent* owner);

    // Names of string properties to translate ("Caption").
    vcl::TStringList& StringProperties() { return stringProperties_; }
    void SetStringProperties(const vcl::TStringList& names) { stringProperties_.Assign(names); }
    // Names of string-list properties to translate item by item ("Tabs", "Items").
    vcl::TStringList& StringsProperties() { return stringsProperties_; }
    void SetStringsProperties(const vcl::TStringList& names) { stringsProperties_.Assign(names); }
    // Names of owned components to leave alone, compared exactly.
    vcl::TStringList& IgnoreControls() { return ignoreControls_; }
    void SetIgnoreControls(const vcl::TStringList& names) { ignoreControls_.Assign(names); }

    bool IgnoreFormCaption() const { return ignoreFormCaption_; }
    void SetIgnoreFormCaption(bool ignore);
    bool IncludeListViewItems() const { return includeListViewItems_; }
    void SetIncludeListViewItems(bool include);
    bool IncludeTreeViewItems() const { return includeTreeViewItems_; }
    void SetIncludeTreeViewItems(bool include);
    // Translation happens only while active; becoming active translates at once (also while
    // the form is being read, reaching the components read so far).
    bool Active() const { return ActiveState(); }
    void SetActive(bool active) { SetActiveState(active); }

    void Translate() override;

private:
    // Each reads and writes `file`, in the form's `section`.
    void TranslateFont(vcl::TComponent& form, vcl::TIniFile& file, const std::string& section);
    void TranslateStringProperty(vcl::TComponent& component, const std::string& name, vcl::TIniFile& file,
                                 const std::string& section);
    void TranslateStringList(vcl::TComponent& component, const std::string& name, vcl::TIniFile& file,
                             const std::string& section);
    // One text of each item of the collection `collection` of `component`: the item's string
    // property at `itemPath` under IndexedKey(prefix, keyName, i).
    void TranslateCollection(vcl::TComponent& component, const char* collection, const char* itemPath,
                             const char* keyName, vcl::TIniFile& file, const std::string& section);
    void TranslateListItems(vcl::TComponent& listView, vcl::TIniFile& file, const std::string& section);
    bool Ignored(const vcl::TComponent& component) const;

    vcl::TStringList stringProperties_;
    vcl::TStringList stringsProperties_;
    vcl::TStringList ignoreControls_;
    bool ignoreFormCaption_ = false;
    bool includeListViewItems_ = false;
    bool includeTreeViewItems_ = false;
};

// Makes the language components known to form definitions.
void RegisterLangResClasses();
