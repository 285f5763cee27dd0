#include "platform/skin/SuiThemeManager.h"

#include "platform/vcl/win/ComponentRef.h"

namespace vcl {

const ClassInfo& TsuiThemeManager::StaticClassInfo() {
    static const ClassInfo info =
        ClassBuilder<TsuiThemeManager>("TsuiThemeManager", &TComponent::StaticClassInfo())
            .Property("UIStyle", &TsuiThemeManager::UIStyle, &TsuiThemeManager::SetUIStyle, TsuiUIStyle::MacOS)
            .Property("Controls", &TsuiThemeManager::Controls, &TsuiThemeManager::SetControls)
            .Creatable()
            .Build();
    return info;
}

void TsuiThemeManager::SetUIStyle(TsuiUIStyle style) {
    if (Loading()) {
        uiStyle_ = style;
        return;
    }
    Apply(style);
}

void TsuiThemeManager::Loaded() {
    TComponent::Loaded();
    Apply(uiStyle_);
}

void TsuiThemeManager::Apply(TsuiUIStyle style) {
    uiStyle_ = style;
    const TComponent& scope = ReferenceScope(*this);
    const PropValue value = PropertyCodec<TsuiUIStyle>::Encode(style);
    for (const std::string& name : controls_) {
        TComponent* component = scope.FindComponent(name);
        if (!component) throw EComponentError("Component " + name + " not found");
        if (component->ClassType().FindProperty("UIStyle")) SetPropValue(*component, "UIStyle", value);
    }
}

}  // namespace vcl
