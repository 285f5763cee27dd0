#include "tests/manager/ManagerFixture.h"

#include <algorithm>
#include <span>

#include "common/ClickSound.h"

namespace manager_test {

namespace {

TSettings& MakeSettings(vcl::TComponent& form) {
    auto* settings = new TSettings(&form);
    config::Configure(*settings);
    return *settings;
}

TWavePlayer& MakeSound(vcl::TComponent& form) {
    auto* sound = new TWavePlayer(&form);
    sound->SetStopOthers(true);
    const std::span<const std::uint8_t> click = ClickSound();
    sound->Sound().WriteBuffer(click.data(), click.size());
    return *sound;
}

}  // namespace

FakeMainView::FakeMainView(vcl::TComponent& form)
    : settings_(MakeSettings(form)), sound_(MakeSound(form)), srvCtrl_(*new TSrvCtrl(&form)) {
    for (manager::Bar bar : manager::kBars)
        labels[static_cast<std::size_t>(bar)] = std::string(manager::Definition(bar).prefix);
}

void FakeMainView::SelectChoice(manager::Choice choice, int index) {
    choices_[static_cast<std::size_t>(choice)] = (index == 0 || index == 1) ? index : -1;
}

void FakeMainView::SelectServiceChoice(manager::ServiceChoice choice, int index) {
    const int count = choice == manager::ServiceChoice::StartStop     ? StartStopCount()
                      : choice == manager::ServiceChoice::StartupType ? 3
                                                                      : 2;
    serviceChoices_[static_cast<std::size_t>(choice)] = (index >= 0 && index < count) ? index : -1;
}

void FakeMainView::DeleteStartStopEntry(int index) {
    int& selected = serviceChoices_[static_cast<std::size_t>(manager::ServiceChoice::StartStop)];
    if (selected == index) selected = -1;
    startStop.erase(startStop.begin() + index);
}

void FakeMainView::SetBarPosition(manager::Bar bar, int position) {
    const manager::BarDefinition& definition = manager::Definition(bar);
    const int clamped = std::clamp(position, definition.min, definition.max);
    int& current = positions_[static_cast<std::size_t>(bar)];
    if (clamped == current) return;
    current = clamped;
    if (logic_) logic_->BarChanged(bar);
}

ManagerTest::ManagerTest() {
    sim.system.SetSystemDirectory(dir.path().string());
    application.SetOnHelp([this](std::uint16_t command, std::intptr_t data, bool& callHelp) {
        callHelp = false;
        if (command == vcl::help::Context) application.helpContexts.push_back(static_cast<std::int32_t>(data));
        return true;
    });
    view.Attach(logic);
    // The machine's logon service and workstation service, as the manager finds them.
    sim.services.Install({.keyName = "OrlenzaService", .displayName = "Orlenza Service", .startType = os::svc::AutoStart});
    sim.registry.Seed(os::hkey::LocalMachine, "SYSTEM\\CurrentControlSet\\Services\\lanmanworkstation",
                      "DependOnService", os::regtype::MultiSz, std::string("Bowser\0MRxSmb20\0\0", 18));
}

}  // namespace manager_test
