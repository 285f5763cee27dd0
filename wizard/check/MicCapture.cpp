#include "wizard/check/MicCapture.h"

#include "platform/os/Os.h"

void MicCapture::SetCaptureFormat() {
    CaptureFormat = {os::wave::FormatPcm, 1, 11025, 11025, 1, 8, 0};
}

void MicCapture::ReportMciError(os::MMRESULT code, const std::string& label) {
    std::string text;
    os::WaveIn& waveIn = os::waveIn();
    // The MCI table knows nothing of the wave functions' results (no device, for one), so
    // their own table answers when it does not: a missing microphone is then explained.
    if (!waveIn.MciErrorString(code, &text, os::wave::ErrorTextChars) &&
        waveIn.GetErrorText(code, &text, os::wave::ErrorTextChars) != os::mm::NoError) {
        return;
    }
    if (text.empty()) return;
    view_.ShowMessage("Warning", "VAVedere " + label + ":  " + text, MicCheckView::Icon::Warning);
}

bool MicCapture::wiOpenAndStartThr() {
    os::WaveIn& waveIn = os::waveIn();
    LastWaveResult = waveIn.Open(&WaveInHandle, os::wave::Mapper, CaptureFormat, 0, 0,
                                 os::wave::CallbackNull | os::wave::AllowSync);
    if (LastWaveResult != os::mm::NoError) {
        ReportMciError(LastWaveResult, "wiOpenAndStartThr");
        if (view_.MainWindowVisible()) view_.CloseMainWindow();
        return false;
    }
    CaptureHeader = {};
    CaptureHeader.lpData = reinterpret_cast<char*>(CaptureBuffer.data());
    CaptureHeader.dwBufferLength = kPassBytes;
    LastWaveResult = waveIn.PrepareHeader(WaveInHandle, &CaptureHeader, sizeof CaptureHeader);
    if (LastWaveResult != os::mm::NoError) {
        ReportMciError(LastWaveResult, "wiOpenAndStartThr-WaveInPrepareHeader");
        wiClose();
        return false;
    }
    LastWaveResult = waveIn.AddBuffer(WaveInHandle, &CaptureHeader, sizeof CaptureHeader);
    if (LastWaveResult != os::mm::NoError) {
        ReportMciError(LastWaveResult, "wiOpenAndStartThr-WaveInAddBuffer");
        wiClose();
        return false;
    }
    return wiStart();
}

bool MicCapture::wiStart() {
    LastWaveResult = os::waveIn().Start(WaveInHandle);
    if (LastWaveResult == os::mm::NoError) return true;
    ReportMciError(LastWaveResult, "wiStart");
    wiClose();
    return false;
}

bool MicCapture::wiReset() {
    LastWaveResult = os::waveIn().Reset(WaveInHandle);
    if (LastWaveResult == os::mm::NoError) return true;
    ReportMciError(LastWaveResult, "wiReset");
    wiClose();
    return false;
}

bool MicCapture::wiClose() {
    os::WaveIn& waveIn = os::waveIn();
    // A buffer still queued would keep the device open; a prepared one is released first.
    if (CaptureHeader.dwFlags & os::wave::InQueue) waveIn.Reset(WaveInHandle);
    if (CaptureHeader.dwFlags & os::wave::Prepared) waveIn.UnprepareHeader(WaveInHandle, &CaptureHeader, sizeof CaptureHeader);
    LastWaveResult = waveIn.Close(WaveInHandle);
    if (LastWaveResult == os::mm::NoError) {
        WaveInHandle = 0;
        return true;
    }
    ReportMciError(LastWaveResult, "wiClose");
    return false;
}
