#include "wizard/sim/SoundLog.h"

#include <array>
#include <utility>

SoundLog::SoundLog(os::SoundPlayer& player, const std::string& path)
    : player_(player), file_(path, std::ios::binary | std::ios::trunc) {}

bool SoundLog::PlayImage(std::span<const std::uint8_t> image, os::DWORD flags) {
    Note(image.empty() ? "stop" : "image", flags);
    return player_.PlayImage(image, flags);
}

bool SoundLog::PlayByName(const char* name, os::ModuleHandle module, os::DWORD flags) {
    Note(name ? name : "stop", flags);
    return player_.PlayByName(name, module, flags);
}

void SoundLog::Note(const std::string& sound, os::DWORD flags) {
    namespace snd = os::snd;
    std::string line = sound;
    if ((flags & snd::Resource) == snd::Resource) {
        line += " resource";
    } else if (flags & snd::Memory) {
        line += " memory";
    }
    line += (flags & snd::Async) ? " async" : " sync";
    constexpr std::array<std::pair<os::DWORD, const char*>, 4> others{
        {{snd::Loop, "loop"}, {snd::NoDefault, "nodefault"}, {snd::NoStop, "nostop"}, {snd::Purge, "purge"}}};
    for (const auto& [flag, word] : others)
        if (flags & flag) line += std::string(" ") + word;
    file_ << line << "\r\n" << std::flush;
}
