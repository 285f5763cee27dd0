#pragma once
// What the LED ladder meter draws, apart from any window: how many LEDs a position lights,
// their colours and their rectangles. TLedLadder paints exactly this.
#include <cstdint>
#include <vector>

namespace wizard {

enum class LedOrientation { Horizontal, Vertical };

// 0x00BBGGRR, as the system's colour values.
enum class LedColour : std::uint32_t {
    Yellow = 0x0000FFFF,
    Green = 0x00008000,
    Red = 0x000000FF,
    White = 0x00FFFFFF,
    Gray = 0x00808080,
};

struct LedRect {
    int left;
    int top;
    int right;
    int bottom;
    bool operator==(const LedRect&) const = default;
};

struct LedLadderState {
    int width = 30;
    int height = 200;
    LedOrientation orientation = LedOrientation::Vertical;
    int ledCount = 10;
    bool ctl3D = true;
    int spacing = 2;
    int max = 10;
    int position = 0;
};

struct LedPaint {
    LedColour colour;
    // The LED's slot; with a 3D look a sunken one-pixel frame is drawn on its edge.
    LedRect slot;
    // What is filled with the colour: the slot, less the frame when there is one.
    LedRect fill;
};

// LEDs with an index below this are lit (index 0 at the bottom, or at the left). Position is
// not clamped: above Max lights all of them, below 0 none. 0 while Max is not above 0.
int LitLeds(int position, int ledCount, int max);

// The LEDs in index order; none while Max is not above 0.
std::vector<LedPaint> LayOutLeds(const LedLadderState& state);

}  // namespace wizard
