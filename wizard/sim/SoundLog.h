#pragma once
// A sound player that passes every request on to another and notes it in a file, one line
// each, written at once: Wine has no sound device here, so this is how the end-to-end tests
// hear which sounds the wizard asks for. A line is the sound ("image" for one held in memory,
// the resource's name, or "stop" for the null sound) followed by the names of its flags, for
// example "MICSOUND resource async loop".
#include <fstream>
#include <string>

#include "platform/os/SoundPlayer.h"

class SoundLog : public os::SoundPlayer {
public:
    SoundLog(os::SoundPlayer& player, const std::string& path);

    bool PlayImage(std::span<const std::uint8_t> image, os::DWORD flags) override;
    bool PlayByName(const char* name, os::ModuleHandle module, os::DWORD flags) override;

private:
    void Note(const std::string& sound, os::DWORD flags);

    os::SoundPlayer& player_;
    std::ofstream file_;
};
