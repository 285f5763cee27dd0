#pragma once
// Owners of Windows handles: each frees its handle when it goes, so an exception leaks none.
#include <windows.h>
#include <commctrl.h>

#include <utility>

namespace vcl::win {

template <class Handle, void (*Free)(Handle)>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.handle_, Handle{}));
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != Handle{}; }
    void Reset(Handle handle = Handle{}) {
        if (handle_) Free(handle_);
        handle_ = handle;
    }
    Handle Release() { return std::exchange(handle_, Handle{}); }

private:
    Handle handle_{};
};

namespace detail {
template <class GdiObject>
void DeleteGdiObject(GdiObject object) { DeleteObject(object); }
inline void DestroyWindowHandle(HWND window) { DestroyWindow(window); }
inline void DestroyImageList(HIMAGELIST list) { ImageList_Destroy(list); }
inline void DestroyMenuHandle(HMENU menu) { DestroyMenu(menu); }
inline void DestroyIconHandle(HICON icon) { DestroyIcon(icon); }
inline void DeleteMemoryDc(HDC dc) { DeleteDC(dc); }
}  // namespace detail

using UniqueWindow = UniqueHandle<HWND, detail::DestroyWindowHandle>;
using UniqueFont = UniqueHandle<HFONT, detail::DeleteGdiObject<HFONT>>;
using UniqueBrush = UniqueHandle<HBRUSH, detail::DeleteGdiObject<HBRUSH>>;
using UniquePen = UniqueHandle<HPEN, detail::DeleteGdiObject<HPEN>>;
using UniqueBitmap = UniqueHandle<HBITMAP, detail::DeleteGdiObject<HBITMAP>>;
using UniqueRegion = UniqueHandle<HRGN, detail::DeleteGdiObject<HRGN>>;
using UniqueImageList = UniqueHandle<HIMAGELIST, detail::DestroyImageList>;
using UniqueMenu = UniqueHandle<HMENU, detail::DestroyMenuHandle>;
using UniqueIcon = UniqueHandle<HICON, detail::DestroyIconHandle>;
using UniqueMemoryDc = UniqueHandle<HDC, detail::DeleteMemoryDc>;

// A window's device context from GetDC (or GetWindowDC), released with it.
class WindowDc {
public:
    enum class Area { Client, Window };
    explicit WindowDc(HWND window, Area area = Area::Client)
        : window_(window), dc_(area == Area::Client ? GetDC(window) : GetWindowDC(window)) {}
    ~WindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// BeginPaint and EndPaint around a WM_PAINT handler.
class PaintDc {
public:
    explicit PaintDc(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~PaintDc() { EndPaint(window_, &paint_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    HDC Get() const { return dc_; }
    const RECT& Dirty() const { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// An object selected into a device context until the scope ends.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~Selected() { SelectObject(dc_, previous_); }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// The numbered resource or system item that MAKEINTRESOURCE names.
inline LPCSTR ResourceId(WORD id) { return reinterpret_cast<LPCSTR>(static_cast<ULONG_PTR>(id)); }

inline int LowSigned(LPARAM value) { return static_cast<short>(static_cast<WORD>(static_cast<DWORD_PTR>(value) & 0xFFFF)); }
inline int HighSigned(LPARAM value) {
    return static_cast<short>(static_cast<WORD>((static_cast<DWORD_PTR>(value) >> 16) & 0xFFFF));
}
inline WORD LowWord(WPARAM value) { return static_cast<WORD>(value & 0xFFFF); }
inline WORD HighWord(WPARAM value) { return static_cast<WORD>((value >> 16) & 0xFFFF); }
inline LPARAM PointParam(int x, int y) {
    return static_cast<LPARAM>(static_cast<DWORD>(static_cast<WORD>(x)) | (static_cast<DWORD>(static_cast<WORD>(y)) << 16));
}
inline WPARAM CommandParam(WORD id, WORD code) {
    return static_cast<WPARAM>(id) | (static_cast<WPARAM>(code) << 16);
}

}  // namespace vcl::win
