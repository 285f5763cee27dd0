#include "platform/vcl/win/Image.h"

#include <cstring>

#include "platform/vcl/GifImage.h"
#include "platform/vcl/win/ImageList.h"

namespace vcl {

namespace {

struct Decoded {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> bottomUp;
};

Decoded FromGif(const std::vector<std::uint8_t>& bytes) {
    GifPicture gif;
    try {
        gif = DecodeGif(bytes);
    } catch (const EGifError& error) {
        throw EInvalidGraphic(error.what());
    }
    Decoded decoded{gif.width, gif.height, std::vector<std::uint32_t>(gif.pixels.size())};
    const auto width = static_cast<std::size_t>(gif.width);
    for (std::size_t row = 0; row < static_cast<std::size_t>(gif.height); ++row)
        std::memcpy(&decoded.bottomUp[(static_cast<std::size_t>(gif.height) - 1 - row) * width],
                    &gif.pixels[row * width], width * sizeof(std::uint32_t));
    return decoded;
}

// A BMP file through the system, as 32-bit pixels.
Decoded FromBmp(const std::vector<std::uint8_t>& bytes) {
    BITMAPFILEHEADER file;
    BITMAPINFOHEADER info;
    if (bytes.size() < sizeof file + sizeof info) throw EInvalidGraphic("Bitmap image is not valid");
    std::memcpy(&file, bytes.data(), sizeof file);
    std::memcpy(&info, bytes.data() + sizeof file, sizeof info);
    if (file.bfType != 0x4D42 || file.bfOffBits >= bytes.size() || info.biSize < sizeof info || info.biWidth <= 0 ||
        info.biHeight == 0 || info.biWidth > 16384 || info.biHeight > 16384 || info.biHeight < -16384 ||
        info.biCompression != BI_RGB)
        throw EInvalidGraphic("Bitmap image is not valid");
    const auto stride = static_cast<std::size_t>((info.biWidth * info.biBitCount + 31) / 32 * 4);
    const int height = info.biHeight < 0 ? -info.biHeight : info.biHeight;
    if (bytes.size() - file.bfOffBits < stride * static_cast<std::size_t>(height))
        throw EInvalidGraphic("Bitmap image is not valid");

    Decoded decoded{info.biWidth, height,
                    std::vector<std::uint32_t>(static_cast<std::size_t>(info.biWidth) * static_cast<std::size_t>(height))};
    BITMAPINFO target{};
    target.bmiHeader = {sizeof(BITMAPINFOHEADER), info.biWidth, height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    const win::WindowDc screen(nullptr);
    const auto* source = reinterpret_cast<const BITMAPINFO*>(bytes.data() + sizeof file);
    const win::UniqueBitmap bitmap(CreateDIBitmap(screen.Get(), &source->bmiHeader, CBM_INIT,
                                                  bytes.data() + file.bfOffBits, source, DIB_RGB_COLORS));
    if (!bitmap || !GetDIBits(screen.Get(), bitmap.Get(), 0, static_cast<UINT>(height), decoded.bottomUp.data(),
                              &target, DIB_RGB_COLORS))
        throw EInvalidGraphic("Bitmap image is not valid");
    return decoded;
}

}  // namespace

const ClassInfo& TImage::StaticClassInfo() {
    static const ClassInfo info = ClassBuilder<TImage>("TImage", &TWinControl::StaticClassInfo())
                                      .Property("Stretch", &TImage::Stretch, &TImage::SetStretch, false)
                                      .Property("Transparent", &TImage::Transparent, &TImage::SetTransparent, false)
                                      .Property("OnClick", &TImage::OnClick, &TImage::SetOnClick)
                                      .Creatable()
                                      .Build();
    return info;
}

TImage::TImage(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 105, 105); }

void TImage::SetPicture(std::vector<std::uint8_t> bytes) {
    Decoded decoded;
    if (IsGif(bytes))
        decoded = FromGif(bytes);
    else if (!bytes.empty())
        decoded = FromBmp(bytes);
    picture_ = std::move(bytes);
    pixels_ = std::move(decoded.bottomUp);
    pictureWidth_ = decoded.width;
    pictureHeight_ = decoded.height;
    Invalidate();
}

void TImage::SetStretch(bool stretch) {
    stretch_ = stretch;
    Invalidate();
}

void TImage::SetTransparent(bool transparent) {
    transparent_ = transparent;
    Invalidate();
}

void TImage::Click() { onClick_(this); }

void TImage::DefineProperties(TFiler& filer) {
    filer.DefineBinaryProperty(
        "Picture", [this](const std::vector<std::uint8_t>& bytes) { SetPicture(bytes); },
        [this] { return picture_; }, !picture_.empty());
}

void TImage::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.classStyle = 0;
}

void TImage::Paint(HDC dc) {
    RECT client;
    GetClientRect(Handle(), &client);
    FillRect(dc, &client, win::SolidBrush(BackgroundRGB()));
    if (pixels_.empty()) return;
    BITMAPINFO header{};
    header.bmiHeader = {sizeof(BITMAPINFOHEADER), pictureWidth_, pictureHeight_, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    const int width = stretch_ ? client.right : pictureWidth_;
    const int height = stretch_ ? client.bottom : pictureHeight_;
    std::vector<std::uint32_t> shown;
    const std::uint32_t* pixels = pixels_.data();
    if (transparent_) {
        // The first pixel of a bottom-up picture is its bottom-left one.
        const COLORREF background = BackgroundRGB();
        const std::uint32_t backgroundPixel =
            (std::uint32_t{GetRValue(background)} << 16) | (std::uint32_t{GetGValue(background)} << 8) | GetBValue(background);
        const std::uint32_t key = pixels_.front() & 0xFFFFFFu;
        shown = pixels_;
        for (std::uint32_t& pixel : shown)
            if ((pixel & 0xFFFFFFu) == key) pixel = backgroundPixel;
        pixels = shown.data();
    }
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, 0, 0, width, height, 0, 0, pictureWidth_, pictureHeight_, pixels, &header, DIB_RGB_COLORS,
                  SRCCOPY);
}

LRESULT TImage::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            const win::PaintDc paint(Handle());
            Paint(paint.Get());
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_LBUTTONDOWN:
            pressed_ = true;
            SetCapture(Handle());
            return 0;
        case WM_LBUTTONUP: {
            if (!pressed_) break;
            pressed_ = false;
            ReleaseCapture();
            RECT client;
            GetClientRect(Handle(), &client);
            const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            if (PtInRect(&client, at) && Enabled()) Click();
            return 0;
        }
        case WM_CAPTURECHANGED:
            pressed_ = false;
            break;
        default:
            break;
    }
    return TWinControl::WndProc(message, wParam, lParam);
}

}  // namespace vcl
