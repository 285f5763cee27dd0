#pragma once
// A stand-in for the Windows font class in portable tests: the published "TFont" the language
// component reads and writes (name, size, character set).
#include <cstdint>
#include <string>

#include "platform/vcl/Classes.h"

namespace testing_support {

class TTestFont : public vcl::TPersistent {
public:
    OLZ_CLASS_INFO
    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    int Size() const { return size_; }
    void SetSize(int size) { size_ = size; }
    std::uint8_t Charset() const { return charset_; }
    void SetCharset(std::uint8_t charset) { charset_ = charset; }

private:
    std::string name_ = "Tahoma";
    int size_ = 8;
    std::uint8_t charset_ = 1;
};

inline const vcl::ClassInfo& TTestFont::StaticClassInfo() {
    static const vcl::ClassInfo info = vcl::ClassBuilder<TTestFont>("TFont", &TPersistent::StaticClassInfo())
                                           .Property("Name", &TTestFont::Name, &TTestFont::SetName)
                                           .Property("Size", &TTestFont::Size, &TTestFont::SetSize)
                                           .Property("Charset", &TTestFont::Charset, &TTestFont::SetCharset)
                                           .Build();
    return info;
}

}  // namespace testing_support
