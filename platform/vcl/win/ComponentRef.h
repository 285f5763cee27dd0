#pragma once
// A published reference to another component of the same form (a form's Menu, a tree view's
// Images). A definition stores the component's name; while the form is read the referenced
// component may not exist yet, so the name waits until Resolve, called from Loaded.
#include <string>

#include "platform/vcl/Component.h"

namespace vcl {

// A component's name as a property value: an identifier in the definition, nil for none.
struct TComponentName {
    std::string name;
};

template <>
struct PropertyCodec<TComponentName> {
    static PropValue Encode(const TComponentName& value) {
        if (value.name.empty()) return Nil{};
        return Ident{value.name};
    }
    static TComponentName Decode(const PropValue& value) {
        if (value.Is<Nil>()) return {};
        if (value.Is<std::string>()) return {value.As<std::string>()};
        return {value.As<Ident>().name};
    }
};

// Where the references of `holder` are looked up: among the components of its owner (its
// form), or of itself when it has none.
inline const TComponent& ReferenceScope(const TComponent& holder) {
    return holder.Owner() ? *holder.Owner() : holder;
}

template <class T>
class TComponentRef {
public:
    T* Get() const { return target_; }
    void Set(T* target) {
        target_ = target;
        pending_.clear();
    }

    TComponentName Name() const { return {target_ ? target_->Name() : pending_}; }
    // Keeps the name for Resolve while `holder` is loading; otherwise looks it up at once.
    void SetName(const TComponentName& name, const TComponent& holder, const TComponent& scope) {
        target_ = nullptr;
        pending_ = name.name;
        if (!holder.Loading()) Resolve(scope);
    }
    // Finds the named component among those `scope` owns; raises when there is none of that
    // name and class.
    void Resolve(const TComponent& scope) {
        if (pending_.empty()) return;
        T* found = dynamic_cast<T*>(scope.FindComponent(pending_));
        if (!found) throw EComponentError("Component " + pending_ + " not found");
        Set(found);
    }

private:
    T* target_ = nullptr;
    std::string pending_;
};

}  // namespace vcl
