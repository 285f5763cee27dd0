#pragma once
// Whether the mouse is over a control: on at the first WM_MOUSEMOVE, off at WM_MOUSELEAVE.
#include <windows.h>

namespace vcl::skin {

class HotTracker {
public:
    // Follows the message; true when the state changed (the control repaints).
    bool Update(HWND window, UINT message) {
        if (message == WM_MOUSEMOVE && !hot_) {
            TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, window, 0};
            TrackMouseEvent(&track);
            hot_ = true;
            return true;
        }
        if (message == WM_MOUSELEAVE && hot_) {
            hot_ = false;
            return true;
        }
        return false;
    }
    bool Hot() const { return hot_; }

private:
    bool hot_ = false;
};

}  // namespace vcl::skin
