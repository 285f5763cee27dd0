#pragma once
// TImage: a picture on a window of its own, clickable. The picture is a GIF or BMP file's
// bytes, stored with the form as the binary property "Picture"; it is drawn at the top left,
// or scaled to the control with Stretch. With Transparent, the colour of the picture's
// bottom-left pixel shows the background instead.
#include <cstdint>
#include <vector>

#include "platform/vcl/Events.h"
#include "platform/vcl/win/WinControl.h"

namespace vcl {

class TImage : public TWinControl {
public:
    OLZ_CLASS_INFO
    explicit TImage(TComponent* owner);

    const std::vector<std::uint8_t>& Picture() const { return picture_; }
    // Raises EInvalidGraphic for bytes that are neither a GIF nor a BMP picture.
    void SetPicture(std::vector<std::uint8_t> bytes);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    int PictureWidth() const { return pictureWidth_; }
    int PictureHeight() const { return pictureHeight_; }
    const TEvent<void(TObject*)>& OnClick() const { return onClick_; }
    void SetOnClick(TEvent<void(TObject*)> handler) { onClick_ = std::move(handler); }

    void Click();
    void DefineProperties(TFiler& filer) override;

protected:
    void CreateParams(TCreateParams& params) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(HDC dc);

    std::vector<std::uint8_t> picture_;
    // The picture as 32-bit pixels, bottom row first.
    std::vector<std::uint32_t> pixels_;
    int pictureWidth_ = 0;
    int pictureHeight_ = 0;
    bool stretch_ = false;
    bool transparent_ = false;
    bool pressed_ = false;
    TEvent<void(TObject*)> onClick_;
};

}  // namespace vcl
