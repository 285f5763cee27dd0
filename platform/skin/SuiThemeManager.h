#pragma once
// TsuiThemeManager: gives one style to a list of components of its form. The definition
// stores the list as the components' names; they are looked up when the style is applied,
// so a list never holds a component that is gone. Components without a UIStyle are passed
// over; a name the form does not know is an error.
#include <string>
#include <vector>

#include "platform/skin/SkinStyle.h"
#include "platform/vcl/Component.h"

namespace vcl {

class TsuiThemeManager : public TComponent {
public:
    OLZ_CLASS_INFO
    explicit TsuiThemeManager(TComponent* owner) : TComponent(owner) {}

    TsuiUIStyle UIStyle() const { return uiStyle_; }
    // Restyles every listed component at once (once the form is read, while it is read).
    void SetUIStyle(TsuiUIStyle style);
    const std::vector<std::string>& Controls() const { return controls_; }
    void SetControls(const std::vector<std::string>& names) { controls_ = names; }

    void Apply(TsuiUIStyle style);

protected:
    void Loaded() override;

private:
    TsuiUIStyle uiStyle_ = TsuiUIStyle::MacOS;
    std::vector<std::string> controls_;
};

}  // namespace vcl
