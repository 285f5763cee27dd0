#pragma once
// TsmlLangRes: the base of the language components. It holds the language file (an INI file in
// the program's folder, one section per form class), the options that decide what is written
// to it, and the rule that applies one translatable text. Descendants say what to translate.
#include <functional>
#include <string>

#include "platform/vcl/Component.h"

namespace vcl {
class TIniFile;
}

class TsmlLangRes : public vcl::TComponent {
public:
    OLZ_CLASS_INFO
    // Raises vcl::Exception("Owner must be a Form or a DataModule!") for any other owner.
    explicit TsmlLangRes(vcl::TComponent* owner);

    // The file name only; the file itself is in the running program's folder.
    std::string LangFileName() const;
    void SetLangFileName(const std::string& fileName);
    // The full path of the language file.
    const std::string& LangFilePath() const { return langFilePath_; }

    // True: an empty current text is not written to the file.
    bool IgnoreEmptyString() const { return ignoreEmptyString_; }
    void SetIgnoreEmptyString(bool ignore);
    // True: keys that hold no text are written with the current text (a template is made).
    bool AutoCreateMode() const { return autoCreateMode_; }
    void SetAutoCreateMode(bool autoCreate);
    // True: texts written are wrapped in "<" and ">".
    bool AddBracket() const { return addBracket_; }
    void SetAddBracket(bool addBracket) { addBracket_ = addBracket; }

    // Applies the language file to the owner (and writes missing keys in auto-create mode).
    virtual void Translate() = 0;

protected:
    bool ActiveState() const { return active_; }
    void SetActiveState(bool active);
    // Runs Translate while active.
    void Changed();

    // The owning form; null when a data module owns the component.
    vcl::TComponent* OwnerForm() const { return ownerForm_; }

    // Bracketed when AddBracket says so.
    std::string Bracket(const std::string& text) const;

    // The rule for one text: a key holding a text puts it, unbracketed, into the component;
    // otherwise in auto-create mode the current value is written, unless it is empty and
    // empty texts are ignored. A failing write raises "Unable to write to <file>".
    void ApplyText(vcl::TIniFile& file, const std::string& section, const std::string& key,
                   const std::string& current, const std::function<void(const std::string&)>& put) const;

private:
    std::string langFilePath_;
    bool ignoreEmptyString_ = false;
    bool autoCreateMode_ = true;
    bool addBracket_ = false;
    bool active_ = false;
    vcl::TComponent* ownerForm_ = nullptr;
};
