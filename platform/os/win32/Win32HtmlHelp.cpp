#include "platform/os/win32/Win32HtmlHelp.h"

#include <windows.h>

#include <type_traits>

namespace os::win32 {

namespace {

struct FreeModule {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};
using ModulePtr = std::unique_ptr<std::remove_pointer_t<HMODULE>, FreeModule>;

using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);

}  // namespace

struct Win32HtmlHelp::Viewer {
    ModulePtr module{LoadLibraryA("hhctrl.ocx")};
    HtmlHelpFunction function = module ? reinterpret_cast<HtmlHelpFunction>(
                                             reinterpret_cast<void*>(GetProcAddress(module.get(), "HtmlHelpA")))
                                       : nullptr;
};

Win32HtmlHelp::Win32HtmlHelp() = default;
Win32HtmlHelp::~Win32HtmlHelp() = default;

WindowHandle Win32HtmlHelp::Command(WindowHandle caller, const char* file, DWORD command, std::uintptr_t data) {
    if (!viewer_) viewer_ = std::make_unique<Viewer>();
    if (!viewer_->function) return 0;
    return reinterpret_cast<WindowHandle>(viewer_->function(reinterpret_cast<HWND>(caller), file, command, data));
}

}  // namespace os::win32
