#include "platform/vcl/Component.h"

#include <algorithm>

namespace vcl {

const ClassInfo& TComponent::StaticClassInfo() {
    static const ClassInfo info = ClassBuilder<TComponent>("TComponent", &TPersistent::StaticClassInfo())
                                      .Property("Name", &TComponent::Name, &TComponent::SetName)
                                      .Transient()
                                      .Property("Tag", &TComponent::Tag, &TComponent::SetTag, 0)
                                      .Build();
    return info;
}

TComponent::TComponent(TComponent* owner) : owner_(owner) {
    if (owner_) owner_->Insert(this);
}

TComponent::~TComponent() {
    while (!components_.empty()) {
        TComponent* last = components_.back();
        components_.pop_back();
        last->owner_ = nullptr;
        delete last;
    }
    if (owner_) owner_->Remove(this);
}

bool IsValidIdent(std::string_view name) {
    const auto alpha = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
    if (name.empty() || !alpha(name.front())) return false;
    return std::all_of(name.begin(), name.end(), [&](char c) { return alpha(c) || (c >= '0' && c <= '9'); });
}

void TComponent::SetName(const std::string& name) {
    if (name == name_) return;
    if (!name.empty() && !IsValidIdent(name))
        throw EComponentError("'" + name + "' is not a valid component name");
    if (!name.empty() && owner_) {
        const TComponent* existing = owner_->FindComponent(name);
        if (existing && existing != this)
            throw EComponentError("A component named " + name + " already exists");
    }
    name_ = name;
}

TComponent* TComponent::Components(int index) const {
    if (index < 0 || index >= ComponentCount())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return components_[static_cast<std::size_t>(index)];
}

TComponent* TComponent::FindComponent(std::string_view name) const {
    if (name.empty()) return nullptr;
    for (TComponent* component : components_)
        if (SameText(component->name_, name)) return component;
    return nullptr;
}

const std::any* TComponent::FindMethod(const std::string& name) const {
    const auto found = methods_.find(name);
    return found == methods_.end() ? nullptr : &found->second;
}

void TComponent::EndLoading() {
    loading_ = false;
    Loaded();
}

void TComponent::Insert(TComponent* component) { components_.push_back(component); }

void TComponent::Remove(TComponent* component) {
    const auto found = std::find(components_.begin(), components_.end(), component);
    if (found != components_.end()) components_.erase(found);
}

}  // namespace vcl
