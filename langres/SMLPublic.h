#pragma once
// What the language components share: the wrapping of texts in angle brackets, the names of
// the keys a translatable text is stored under, and how the components tell the kinds of
// component they meet apart.
#include <string>
#include <string_view>

namespace vcl {
class TObject;
class TComponent;
}  // namespace vcl

namespace sml {

// "<" + text + ">".
std::string Bracket(const std::string& text);
// A text of at least two characters that starts with "<" and ends with ">" loses both;
// anything else comes back as it is.
std::string Unbracket(const std::string& text);

// Whether a component is of the named framework class or descends from it.
bool Is(const vcl::TObject& object, std::string_view className);
bool IsForm(const vcl::TObject& object);        // an ordinary form (TForm)
bool IsCustomForm(const vcl::TObject& object);  // any form (TCustomForm)
bool IsDataModule(const vcl::TObject& object);

// The name a component's keys start with: an ordinary form's class name, otherwise its Name.
std::string KeyPrefix(const vcl::TComponent& component);

// Prefix + "_" + property: "TMainFrm_Caption".
std::string PropertyKey(const std::string& prefix, std::string_view property);
// Prefix + "_" + property + "[" + index + "]": "RG1_Items[2]".
std::string IndexedKey(const std::string& prefix, std::string_view property, int index);
// Prefix + "_SubItem[" + item + "]Caption[" + subItem + "]".
std::string SubItemKey(const std::string& prefix, int item, int subItem);

}  // namespace sml
