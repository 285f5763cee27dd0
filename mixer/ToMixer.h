#pragma once
// Routines for the recording source on mixer device 0, over the mixer functions directly
// (not TAudioMixer): whether any mixer exists, opening and closing device 0, reporting mixer
// errors, and the on/off switch of the recording destination's microphone.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/os/Mixer.h"

// The plain message box the error reports use; the program installs its own, tests record.
using TShowMessage = std::function<void(const std::string& text)>;
void SetShowMessage(TShowMessage show);

bool MixerInstalled();
// Opens mixer device 0 without notifications; reports a failure.
bool OpenMixerDevice();
bool CloseMixerDevice();
// Shows the system's text for a mixer result, when it has one.
void ShowMixerError(std::int32_t ErrorCode);
// Sets every channel of the microphone's on/off switch on the recording destination of
// mixer 0; true when written.
bool SetMicrophoneSwitch(bool On);

// The result of the last mixer call these routines made.
std::int32_t LastMixerResult();
