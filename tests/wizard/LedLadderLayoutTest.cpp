// The LED ladder's lit count, colours and rectangles, against the values the wizard's meter
// and a default control must show.
#include <gtest/gtest.h>

#include <climits>

#include "wizard/LedLadderLayout.h"

namespace {

using wizard::LayOutLeds;
using wizard::LedColour;
using wizard::LedLadderState;
using wizard::LedOrientation;
using wizard::LedRect;
using wizard::LitLeds;

struct LitCase {
    int ledCount;
    int max;
    int position;
    int lit;
};

TEST(LedLadderLayout, PositionsLightTheExpectedNumberOfLeds) {
    const LitCase cases[] = {
        // The wizard's meter: 21 LEDs, Max 20.
        {21, 20, 0, 0}, {21, 20, 5, 5}, {21, 20, 10, 10}, {21, 20, 12, 13}, {21, 20, 17, 18},
        {21, 20, 19, 20}, {21, 20, 20, 21}, {21, 20, 35, 21},
        // The defaults.
        {10, 10, 5, 5}, {10, 10, 10, 10},
        // Not clamped, never out of the ladder: negative lights none, huge lights all.
        {21, 20, -3, 0}, {21, 20, INT_MAX, 21}, {21, 20, INT_MIN, 0}, {10, INT_MAX, INT_MAX, 10},
        // Nothing while Max is not above 0.
        {10, 0, 5, 0}, {10, -1, 5, 0},
    };
    for (const LitCase& c : cases)
        EXPECT_EQ(LitLeds(c.position, c.ledCount, c.max), c.lit)
            << "N " << c.ledCount << " M " << c.max << " P " << c.position;
}

TEST(LedLadderLayout, ColourZonesFollowTheIndexOnly) {
    LedLadderState meter{19, 151, LedOrientation::Vertical, 21, true, 2, 20, 12};
    const auto leds = LayOutLeds(meter);
    ASSERT_EQ(leds.size(), 21u);
    EXPECT_EQ(leds[0].colour, LedColour::Yellow);
    for (int i = 1; i <= 8; ++i) EXPECT_EQ(leds[static_cast<std::size_t>(i)].colour, LedColour::Green) << i;
    for (int i = 9; i < 13; ++i) EXPECT_EQ(leds[static_cast<std::size_t>(i)].colour, LedColour::Red) << i;
    for (int i = 13; i < 21; ++i) EXPECT_EQ(leds[static_cast<std::size_t>(i)].colour, LedColour::White) << i;

    meter.orientation = LedOrientation::Horizontal;
    EXPECT_EQ(LayOutLeds(meter)[13].colour, LedColour::Gray);

    // A long ladder stays red past the hundredth LED.
    const auto tall = LayOutLeds({30, 2000, LedOrientation::Vertical, 120, false, 2, 10, 10});
    EXPECT_EQ(tall[100].colour, LedColour::Red);
    EXPECT_EQ(tall[119].colour, LedColour::Red);
}

TEST(LedLadderLayout, VerticalSlotsStackFromTheBottom) {
    // 151 div 21 = 7 rows a slot, 5 of them drawn; the top LED starts at row 0.
    const auto leds = LayOutLeds({19, 151, LedOrientation::Vertical, 21, true, 2, 20, 0});
    EXPECT_EQ(leds[20].slot, (LedRect{1, 0, 18, 5}));
    EXPECT_EQ(leds[20].fill, (LedRect{2, 1, 17, 4}));
    EXPECT_EQ(leds[0].slot, (LedRect{1, 140, 18, 145}));

    const auto flat = LayOutLeds({19, 151, LedOrientation::Vertical, 21, false, 2, 20, 0});
    EXPECT_EQ(flat[0].fill, flat[0].slot);
}

TEST(LedLadderLayout, HorizontalSlotsRunFromTheLeft) {
    // 200 div 10 - 2 = 18 wide, 2 apart.
    const auto leds = LayOutLeds({200, 30, LedOrientation::Horizontal, 10, true, 2, 10, 10});
    EXPECT_EQ(leds[0].slot, (LedRect{0, 1, 18, 29}));
    EXPECT_EQ(leds[9].slot, (LedRect{180, 1, 198, 29}));
    EXPECT_EQ(leds[9].fill, (LedRect{181, 2, 197, 28}));
}

TEST(LedLadderLayout, NothingIsLaidOutWithoutAMax) {
    EXPECT_TRUE(LayOutLeds({30, 200, LedOrientation::Vertical, 10, true, 2, 0, 5}).empty());
    // A count below 1 draws one LED.
    EXPECT_EQ(LayOutLeds({30, 200, LedOrientation::Vertical, 0, true, 2, 10, 5}).size(), 1u);
}

}  // namespace
