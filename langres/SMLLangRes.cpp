#include "langres/SMLLangRes.h"

#include "langres/SMLPublic.h"
#include "platform/os/Os.h"
#include "platform/vcl/FileNames.h"
#include "platform/vcl/IniFiles.h"

namespace {

constexpr const char* kDefaultFileName = "DefLang.ini";

std::string ProgramFolder() { return vcl::ExtractFilePath(os::system().ModuleFileName()); }

}  // namespace

const vcl::ClassInfo& TsmlLangRes::StaticClassInfo() {
    static const vcl::ClassInfo info =
        vcl::ClassBuilder<TsmlLangRes>("TsmlLangRes", &TComponent::StaticClassInfo())
            .Property("LangFileName", &TsmlLangRes::LangFileName, &TsmlLangRes::SetLangFileName)
            .NoDefault()
            .Property("IgnoreEmptyString", &TsmlLangRes::IgnoreEmptyString, &TsmlLangRes::SetIgnoreEmptyString)
            .NoDefault()
            .Property("AutoCreateMode", &TsmlLangRes::AutoCreateMode, &TsmlLangRes::SetAutoCreateMode)
            .NoDefault()
            .Property("AddBracket", &TsmlLangRes::AddBracket, &TsmlLangRes::SetAddBracket)
            .NoDefault()
            .Build();
    return info;
}

// The file starts in the program's folder like every name written later, so a component made
// in code never reaches for a file in the Windows folder.
TsmlLangRes::TsmlLangRes(vcl::TComponent* owner) : TComponent(owner), langFilePath_(ProgramFolder() + kDefaultFileName) {
    if (owner && sml::IsCustomForm(*owner)) ownerForm_ = owner;
    else if (!owner || !sml::IsDataModule(*owner)) throw vcl::Exception("Owner must be a Form or a DataModule!");
}

std::string TsmlLangRes::LangFileName() const { return vcl::ExtractFileName(langFilePath_); }

void TsmlLangRes::SetLangFileName(const std::string& fileName) {
    langFilePath_ = ProgramFolder() + fileName;
    Changed();
}

void TsmlLangRes::SetIgnoreEmptyString(bool ignore) {
    ignoreEmptyString_ = ignore;
    Changed();
}

void TsmlLangRes::SetAutoCreateMode(bool autoCreate) {
    autoCreateMode_ = autoCreate;
    Changed();
}

void TsmlLangRes::SetActiveState(bool active) {
    active_ = active;
    Changed();
}

void TsmlLangRes::Changed() {
    if (active_) Translate();
}

std::string TsmlLangRes::Bracket(const std::string& text) const { return addBracket_ ? sml::Bracket(text) : text; }

void TsmlLangRes::ApplyText(vcl::TIniFile& file, const std::string& section, const std::string& key,
                            const std::string& current, const std::function<void(const std::string&)>& put) const {
    const std::string stored = file.ReadString(section, key, "");
    if (!stored.empty()) {
        put(sml::Unbracket(stored));
    } else if (autoCreateMode_ && (!current.empty() || !ignoreEmptyString_)) {
        file.WriteString(section, key, Bracket(current));
    }
}
