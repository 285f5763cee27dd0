#pragma once
// The click the programs play when a button is pressed: assets/sounds/click.wav, a whole
// RIFF/WAVE file image, built into the program.
#include <cstdint>
#include <span>

std::span<const std::uint8_t> ClickSound();
