#pragma once
// Components: named objects in an ownership tree. An owner destroys what it owns, last created
// first; a component destroyed on its own leaves its owner's list.
#include <any>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/vcl/Classes.h"

namespace vcl {

using TNotifyEvent = std::function<void(TObject* sender)>;

class TComponent : public TPersistent {
public:
    OLZ_CLASS_INFO
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return owner_; }
    TPersistent* GetOwner() const override { return owner_; }

    const std::string& Name() const { return name_; }
    // Raises EComponentError for a name that is not an identifier or is taken within the owner.
    void SetName(const std::string& name);
    std::int32_t Tag() const { return tag_; }
    void SetTag(std::int32_t tag) { tag_ = tag; }

    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const;
    TComponent* FindComponent(std::string_view name) const;  // case-insensitive; null if none

    // True while the component's stored properties are being read from a form definition.
    bool Loading() const { return loading_; }
    void BeginLoading() { loading_ = true; }
    // Ends loading and tells the component; the form reader calls it once all are read.
    void EndLoading();

    // The component that holds this one in a form definition (a control's parent); null means
    // the root. Controls override both.
    virtual TComponent* GetParentComponent() const { return nullptr; }
    virtual void SetParentComponent(TComponent*) {}

    // A handler this component offers to the event properties of a form definition it reads;
    // null when it has none of that name.
    const std::any* FindMethod(const std::string& name) const;

protected:
    virtual void Loaded() {}

    // Offers a handler by name, as std::function<Signature>.
    template <class Signature>
    void PublishMethod(const std::string& name, std::function<Signature> handler) {
        methods_[name] = std::move(handler);
    }

private:
    void Insert(TComponent* component);
    void Remove(TComponent* component);

    TComponent* owner_;
    std::string name_;
    std::int32_t tag_ = 0;
    bool loading_ = false;
    std::vector<TComponent*> components_;  // owned
    std::map<std::string, std::any> methods_;
};

bool IsValidIdent(std::string_view name);

}  // namespace vcl
