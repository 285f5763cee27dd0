#pragma once
// The exception family of the component framework. Every error the programs show is an
// Exception whose Message() is the text the user sees.
#include <stdexcept>
#include <string>

namespace vcl {

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

// Declares a subclass that only names the kind of error.
#define OLZ_DECLARE_EXCEPTION(Name, Base)                               \
    class Name : public Base {                                          \
    public:                                                             \
        explicit Name(const std::string& message) : Base(message) {}    \
    }

OLZ_DECLARE_EXCEPTION(EVariantError, Exception);
OLZ_DECLARE_EXCEPTION(EVariantTypeCastError, EVariantError);
OLZ_DECLARE_EXCEPTION(EConvertError, Exception);
OLZ_DECLARE_EXCEPTION(EIniFileException, Exception);
OLZ_DECLARE_EXCEPTION(ERegistryException, Exception);
OLZ_DECLARE_EXCEPTION(EStreamError, Exception);
OLZ_DECLARE_EXCEPTION(EReadError, EStreamError);
OLZ_DECLARE_EXCEPTION(EPropertyError, Exception);
OLZ_DECLARE_EXCEPTION(EComponentError, Exception);
OLZ_DECLARE_EXCEPTION(EClassNotFound, Exception);
OLZ_DECLARE_EXCEPTION(EListError, Exception);
OLZ_DECLARE_EXCEPTION(EDatabaseError, Exception);

// printf-style %s substitution for the framework's message templates ("Unable to write to %s").
std::string Format(const std::string& pattern, const std::string& argument);

}  // namespace vcl
