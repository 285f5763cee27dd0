#pragma once
// Event properties that a form definition can bind by name: the definition stores the name of a
// handler, and the form being read supplies the handler of that name.
#include <any>
#include <functional>
#include <string>
#include <utility>

#include "platform/vcl/Classes.h"

namespace vcl {

template <class Signature>
class TEvent {
public:
    TEvent() = default;
    TEvent(std::function<Signature> handler) : handler_(std::move(handler)) {}
    TEvent(std::string name, std::function<Signature> handler)
        : name_(std::move(name)), handler_(std::move(handler)) {}

    explicit operator bool() const { return static_cast<bool>(handler_); }
    const std::string& HandlerName() const { return name_; }

    // Calls the handler when there is one; otherwise does nothing and gives a default result.
    template <class... Args>
    auto operator()(Args&&... args) const {
        using Result = typename std::function<Signature>::result_type;
        if (!handler_) return Result();
        return handler_(std::forward<Args>(args)...);
    }

private:
    std::string name_;
    std::function<Signature> handler_;
};

namespace detail {
// The handler named `name` of the form being read, or null when none is being read or it has
// no such handler.
const std::any* FindLoadingMethod(const std::string& name);
[[noreturn]] void ThrowMethodNotFound(const std::string& name);
}  // namespace detail

template <class Signature>
struct PropertyCodec<TEvent<Signature>> {
    static PropValue Encode(const TEvent<Signature>& event) {
        if (event.HandlerName().empty()) return Nil{};
        return Ident{event.HandlerName()};
    }
    static TEvent<Signature> Decode(const PropValue& value) {
        if (value.Is<Nil>()) return {};
        const std::string& name = value.As<Ident>().name;
        const std::any* method = detail::FindLoadingMethod(name);
        const auto* handler = method ? std::any_cast<std::function<Signature>>(method) : nullptr;
        if (!handler) detail::ThrowMethodNotFound(name);
        return TEvent<Signature>(name, *handler);
    }
};

}  // namespace vcl
