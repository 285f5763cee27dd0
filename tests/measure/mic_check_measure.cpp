// Measures the microphone check on the real clock, over the simulated sound system:
// - the CPU time spent during the 15 s initial wait divided by its wall time (the wait must be
//   idle, so this stays near 0);
// - for each capture pass, the time from the recorder handing back the finished 0.6 s buffer
//   to the meter update: the check's own overhead (reset, close, analysis).
// The window's message wait stands in as a plain idle sleep.
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

#include "mixer/ToMixer.h"
#include "platform/os/sim/SimOs.h"
#include "platform/os/sim/SimSoundIni.h"
#include "wizard/check/MicCheck.h"

namespace {

using Clock = std::chrono::steady_clock;

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

const Clock::time_point kStart = Clock::now();

os::DWORD RealTicks() {
    return static_cast<os::DWORD>(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - kStart).count());
}

class RealClock : public os::sim::SimSystem {
public:
    os::DWORD TickCount() override { return RealTicks(); }
};

class MeasuringView : public MicCheckView {
public:
    explicit MeasuringView(os::sim::SimSound& sound) : sound_(sound) {}

    TMicrophoneCheck* check = nullptr;
    double waitWall = 0, waitCpu = 0;
    std::vector<double> overheadMs;

    void SetMeterMax(int) override {}
    void SetMeterPosition(int) override {
        if (!delivered_) return;
        overheadMs.push_back(std::chrono::duration<double, std::milli>(Clock::now() - *delivered_).count());
        delivered_.reset();
    }
    void EnableNext(bool enabled) override {
        if (enabled || waitWall > 0) return;
        waitWall = std::chrono::duration<double>(Clock::now() - startWall_).count();
        waitCpu = CpuSeconds() - startCpu_;
    }
    void EnableBack(bool) override {}
    void FocusNext() override {}
    void ShowPhrase() override {}
    bool CancelChecked() override { return false; }
    int ShowMessage(const std::string& caption, const std::string& text, Icon) override {
        std::printf("  message %s: %s\n", caption.c_str(), text.c_str());
        return 1;
    }
    std::optional<int> SelectFromList(const std::string&, const std::vector<std::string>&) override { return 0; }
    void ClearListSelection() override {}
    void ShowProblemDialog(const std::string&) override {}
    void PlayBeep() override {}
    bool MainWindowVisible() override { return true; }
    void CloseMainWindow() override {}
    void ProcessMessages() override { Deliver(); }
    void WaitForMessages(os::DWORD milliseconds) override {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
        Deliver();
    }

    void Begin() {
        startWall_ = Clock::now();
        startCpu_ = CpuSeconds();
    }

private:
    // The device's thread: the buffer is handed back when its time has come.
    void Deliver() {
        const bool before = check->Capture().Done();
        sound_.waveIn.Deliver();
        if (!before && check->Capture().Done()) delivered_ = Clock::now();
    }

    os::sim::SimSound& sound_;
    std::optional<Clock::time_point> delivered_;
    Clock::time_point startWall_;
    double startCpu_ = 0;
};

}  // namespace

int main() {
    RealClock clock;
    os::sim::SimOs sim;
    os::sim::SimSound sound(RealTicks);
    os::sim::ApplyDescription(sound, os::sim::DescribeSimSound("[Mixers]\nCount=1\n[Recording]\nDestination=Recording "
                                                               "Control\nSources=Microphone,Line In\n[Microphone]\n"
                                                               "Passes=128/7\n"));
    os::Backend backend = sim.backend();
    backend.system = &clock;
    backend.mixer = &sound.mixer;
    backend.waveIn = &sound.waveIn;
    os::BackendScope scope(backend);

    TAudioMixer mixer(nullptr);
    MeasuringView view(sound);
    TMicrophoneCheck check(view, mixer, "/tmp/");
    view.check = &check;
    view.Begin();
    check.RunMicrophoneCheck();

    std::printf("initial wait: %.2f s wall, %.4f s CPU, CPU/wall %.5f\n", view.waitWall, view.waitCpu,
                view.waitCpu / view.waitWall);
    if (!view.overheadMs.empty()) {
        const double worst = *std::max_element(view.overheadMs.begin(), view.overheadMs.end());
        double sum = 0;
        for (const double ms : view.overheadMs) sum += ms;
        std::printf("passes: %zu, buffer handed back -> meter: mean %.3f ms, worst %.3f ms\n", view.overheadMs.size(),
                    sum / static_cast<double>(view.overheadMs.size()), worst);
    }
    return 0;
}
