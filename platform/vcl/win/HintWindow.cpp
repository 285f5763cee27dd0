#include "platform/vcl/win/HintWindow.h"

namespace vcl::win {

void HintWindow::Set(HWND form, HWND control, const std::string& hint) {
    if (!tip_ && hint.empty()) return;
    if (!tip_) {
        tip_.Reset(CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form, nullptr,
                                   GetModuleHandleA(nullptr), nullptr));
        if (!tip_) return;  // hints are a courtesy: without a tooltip the control still works
    }
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = form;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<char*>(hint.c_str());
    SendMessageA(tip_.Get(), TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    if (!hint.empty()) SendMessageA(tip_.Get(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace vcl::win
