#include "platform/vcl/win/ImageList.h"

#include <cstring>

namespace vcl {

namespace {

// A device-dependent bitmap from a BMP file's bytes.
win::UniqueBitmap BitmapFromFile(const std::vector<std::uint8_t>& bytes) {
    BITMAPFILEHEADER file;
    BITMAPINFOHEADER info;
    if (bytes.size() < sizeof file + sizeof info) throw EInvalidGraphic("Bitmap image is not valid");
    std::memcpy(&file, bytes.data(), sizeof file);
    std::memcpy(&info, bytes.data() + sizeof file, sizeof info);
    if (file.bfType != 0x4D42 || file.bfOffBits >= bytes.size() || info.biSize < sizeof info)
        throw EInvalidGraphic("Bitmap image is not valid");
    const auto stride = static_cast<std::size_t>((info.biWidth * info.biBitCount + 31) / 32 * 4);
    const auto rows = static_cast<std::size_t>(info.biHeight < 0 ? -info.biHeight : info.biHeight);
    if (info.biWidth <= 0 || info.biCompression != BI_RGB || bytes.size() - file.bfOffBits < stride * rows)
        throw EInvalidGraphic("Bitmap image is not valid");
    // The colour table (if any) follows the header inside the file.
    const auto* header = reinterpret_cast<const BITMAPINFO*>(bytes.data() + sizeof file);
    const win::WindowDc screen(nullptr);
    return win::UniqueBitmap(CreateDIBitmap(screen.Get(), &header->bmiHeader, CBM_INIT, bytes.data() + file.bfOffBits,
                                            header, DIB_RGB_COLORS));
}

COLORREF BottomLeftPixel(HBITMAP bitmap) {
    BITMAP size{};
    GetObjectA(bitmap, sizeof size, &size);
    const win::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    const win::Selected selected(dc.Get(), bitmap);
    return GetPixel(dc.Get(), 0, size.bmHeight - 1);
}

}  // namespace

const ClassInfo& TImageList::StaticClassInfo() {
    static const ClassInfo info = ClassBuilder<TImageList>("TImageList", &TComponent::StaticClassInfo())
                                      .Property("Width", &TImageList::Width, &TImageList::SetWidth, 16)
                                      .Property("Height", &TImageList::Height, &TImageList::SetHeight, 16)
                                      .Property("ResourceName", &TImageList::ResourceName, &TImageList::SetResourceName)
                                      .Creatable()
                                      .Build();
    return info;
}

void TImageList::SetWidth(int width) {
    if (width == width_) return;
    width_ = width;
    Changed();
}

void TImageList::SetHeight(int height) {
    if (height == height_) return;
    height_ = height;
    Changed();
}

void TImageList::SetResourceName(const std::string& name) {
    resourceName_ = name;
    Changed();
}

void TImageList::SetBitmap(std::vector<std::uint8_t> bytes) {
    if (!bytes.empty()) BitmapFromFile(bytes);  // refuse bad data now, not at the first paint
    bitmap_ = std::move(bytes);
    Changed();
}

void TImageList::Changed() { handle_.Reset(); }

HIMAGELIST TImageList::Handle() const {
    if (handle_) return handle_.Get();
    handle_.Reset(ImageList_Create(width_, height_, ILC_COLOR24 | ILC_MASK, 0, 4));
    win::UniqueBitmap strip;
    if (!bitmap_.empty())
        strip = BitmapFromFile(bitmap_);
    else if (!resourceName_.empty())
        strip.Reset(static_cast<HBITMAP>(
            LoadImageA(GetModuleHandleA(nullptr), resourceName_.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (strip) ImageList_AddMasked(handle_.Get(), strip.Get(), BottomLeftPixel(strip.Get()));
    return handle_.Get();
}

int TImageList::Count() const { return ImageList_GetImageCount(Handle()); }

void TImageList::Draw(HDC dc, int x, int y, int index, bool enabled) const {
    if (index < 0 || index >= Count()) return;
    ImageList_DrawEx(Handle(), index, dc, x, y, 0, 0, CLR_NONE, enabled ? CLR_NONE : CLR_DEFAULT,
                     ILD_TRANSPARENT | (enabled ? 0u : ILD_BLEND50));
}

void TImageList::DefineProperties(TFiler& filer) {
    filer.DefineBinaryProperty(
        "Bitmap", [this](const std::vector<std::uint8_t>& bytes) { SetBitmap(bytes); },
        [this] { return bitmap_; }, !bitmap_.empty());
}

}  // namespace vcl
