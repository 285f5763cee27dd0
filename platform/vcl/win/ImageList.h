#pragma once
// TImageList: images of one size, cut from a strip. The strip is a BMP file's bytes, stored
// with the form as the binary property "Bitmap", or a BITMAP resource of the program named by
// ResourceName. The strip's bottom-left pixel gives the transparent colour.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/vcl/Component.h"
#include "platform/vcl/win/WinHandles.h"

namespace vcl {

class TImageList : public TComponent {
public:
    OLZ_CLASS_INFO
    explicit TImageList(TComponent* owner) : TComponent(owner) {}

    int Width() const { return width_; }
    void SetWidth(int width);
    int Height() const { return height_; }
    void SetHeight(int height);
    const std::string& ResourceName() const { return resourceName_; }
    void SetResourceName(const std::string& name);
    const std::vector<std::uint8_t>& Bitmap() const { return bitmap_; }
    // Raises EInvalidGraphic for bytes that are not a BMP file.
    void SetBitmap(std::vector<std::uint8_t> bytes);

    // Made on first use from the strip.
    HIMAGELIST Handle() const;
    int Count() const;
    void Draw(HDC dc, int x, int y, int index, bool enabled = true) const;

    void DefineProperties(TFiler& filer) override;

private:
    void Changed();

    int width_ = 16;
    int height_ = 16;
    std::string resourceName_;
    std::vector<std::uint8_t> bitmap_;
    mutable win::UniqueImageList handle_;
};

OLZ_DECLARE_EXCEPTION(EInvalidGraphic, Exception);

}  // namespace vcl
