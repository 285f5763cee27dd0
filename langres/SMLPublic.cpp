#include "langres/SMLPublic.h"

#include "platform/vcl/Component.h"

namespace sml {

std::string Bracket(const std::string& text) { return "<" + text + ">"; }

std::string Unbracket(const std::string& text) {
    if (text.size() >= 2 && text.front() == '<' && text.back() == '>') return text.substr(1, text.size() - 2);
    return text;
}

bool Is(const vcl::TObject& object, std::string_view className) { return object.ClassType().InheritsFrom(className); }

bool IsForm(const vcl::TObject& object) { return Is(object, "TForm"); }

bool IsCustomForm(const vcl::TObject& object) { return Is(object, "TCustomForm"); }

bool IsDataModule(const vcl::TObject& object) { return Is(object, "TDataModule"); }

std::string KeyPrefix(const vcl::TComponent& component) {
    return IsForm(component) ? component.ClassName() : component.Name();
}

std::string PropertyKey(const std::string& prefix, std::string_view property) {
    return prefix + "_" + std::string(property);
}

std::string IndexedKey(const std::string& prefix, std::string_view property, int index) {
    return PropertyKey(prefix, property) + "[" + std::to_string(index) + "]";
}

std::string SubItemKey(const std::string& prefix, int item, int subItem) {
    return prefix + "_SubItem[" + std::to_string(item) + "]Caption[" + std::to_string(subItem) + "]";
}

}  // namespace sml
