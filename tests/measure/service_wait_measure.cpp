// CPU time a verified service start uses while it waits, against the wall time it takes: a
// simulated service on the host's clock that needs three seconds to start. A wait that idles
// between its looks at the service stays near 0; one that spins gives 1.
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>

#include "platform/os/sim/SimOs.h"
#include "platform/vcl/Application.h"
#include "service/SrvCtrl.h"

namespace {

class ConsoleApplication : public vcl::TApplication {
protected:
    void ShowErrorBox(const std::string&, const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
};

}  // namespace

int main() {
    os::sim::SimOs sim;
    sim.system.UseHostClock();
    sim.services.Install({.keyName = "OrlenzaService",
                          .displayName = "Orlenza Service",
                          .transitionMs = 3000,
                          .waitHint = 1000,
                          .checkPointStepMs = 200});
    os::BackendScope scope{sim.backend()};
    ConsoleApplication application;

    TSrvCtrl control(nullptr);
    control.VerifyAction = true;
    control.SetActive(true);
    control.OpenByDisplayName("Orlenza Service");

    const std::clock_t cpuStart = std::clock();
    const auto wallStart = std::chrono::steady_clock::now();
    control.Start();
    const double cpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();

    std::printf("verified start: %.2f s wall, %.3f s CPU, CPU/wall ratio %.3f (a spinning wait gives 1)\n", wall, cpu,
                cpu / wall);
    return control.GetState() == srvRunning ? 0 : 1;
}
