#include "wizard/LedLadderLayout.h"

#include <algorithm>

namespace wizard {

int LitLeds(int position, int ledCount, int max) {
    if (max <= 0 || ledCount <= 0) return 0;
    // In 64 bits: a large position must light everything, not wrap round to nothing.
    const long long n = ledCount;
    const long long lit = ((position * n + n / 2) * n - 1) / (max * n);
    return static_cast<int>(std::clamp<long long>(lit, 0, n));
}

namespace {

LedColour LitColour(int index) {
    if (index == 0) return LedColour::Yellow;
    if (index <= 8) return LedColour::Green;
    return LedColour::Red;
}

}  // namespace

std::vector<LedPaint> LayOutLeds(const LedLadderState& state) {
    std::vector<LedPaint> leds;
    if (state.max <= 0) return leds;
    const int n = std::max(state.ledCount, 1);
    const int lit = LitLeds(state.position, n, state.max);
    const LedColour unlit = state.orientation == LedOrientation::Vertical ? LedColour::White : LedColour::Gray;
    leds.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        LedRect slot{};
        if (state.orientation == LedOrientation::Vertical) {
            const int h = state.height / n;
            slot.top = (n - 1 - i) * h;
            slot.bottom = slot.top + h - state.spacing;
            slot.left = 1;
            slot.right = state.width - 1;
        } else {
            const int w = state.width / n - state.spacing;
            slot.left = (w + state.spacing) * i;
            slot.right = slot.left + w;
            slot.top = 1;
            slot.bottom = state.height - 1;
        }
        LedRect fill = slot;
        if (state.ctl3D) fill = LedRect{slot.left + 1, slot.top + 1, slot.right - 1, slot.bottom - 1};
        leds.push_back({i < lit ? LitColour(i) : unlit, slot, fill});
    }
    return leds;
}

}  // namespace wizard
