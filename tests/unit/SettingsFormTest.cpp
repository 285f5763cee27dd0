// The settings component stored with a form, as both programs declare it.
#include <gtest/gtest.h>

#include "platform/os/Os.h"
#include "platform/os/sim/SimOs.h"
#include "platform/vcl/FormStream.h"
#include "settings/ConfigFile.h"
#include "tests/support/TempDir.h"

namespace {

class TTestForm : public vcl::TComponent {
public:
    OLZ_CLASS_INFO
    using TComponent::TComponent;
};

const vcl::ClassInfo& TTestForm::StaticClassInfo() {
    static const vcl::ClassInfo info =
        vcl::ClassBuilder<TTestForm>("TTestForm", &TComponent::StaticClassInfo()).Build();
    return info;
}

class SettingsForm : public ::testing::Test {
protected:
    void SetUp() override { RegisterSettingsClasses(); }

    // The definition of a form holding one settings component configured as the programs do.
    std::vector<std::uint8_t> StoredForm() {
        TTestForm form(nullptr);
        form.SetName("MainFrm");
        TSettings& settings = *new TSettings(&form);
        settings.SetName("Settings");
        config::Configure(settings);
        vcl::TMemoryStream stream;
        vcl::WriteComponent(stream, form);
        return {stream.Memory(), stream.Memory() + stream.Size()};
    }

    testing_support::TempDir dir;
    os::sim::SimOs sim;
    os::BackendScope scope{sim.backend()};
};

TEST_F(SettingsForm, ItemsComeBackInOrderWithTheirStoredProperties) {
    TTestForm form(nullptr);
    vcl::ReadComponent(StoredForm(), form);

    auto* settings = dynamic_cast<TSettings*>(form.FindComponent("Settings"));
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(settings->RootKey(), rkHKEY_LOCAL_MACHINE);
    EXPECT_EQ(settings->BaseKey(), "\\Software\\Brenmoor Industries");
    EXPECT_FALSE(settings->Active());
    ASSERT_EQ(settings->Settings().Count(), 12);
    for (int i = 0; i < 12; ++i) {
        const TSettingItem& item = *settings->Settings().Items(i);
        EXPECT_EQ(item.Name(), config::kItems[static_cast<std::size_t>(i)].name);
        EXPECT_EQ(item.DataType(), config::kItems[static_cast<std::size_t>(i)].type);
        EXPECT_EQ(item.Key(), "Orlenza");
        EXPECT_EQ(item.Storage(), ssIniFile);
        EXPECT_TRUE(item.Value().IsEmpty());
    }
}

TEST_F(SettingsForm, ActiveIsAppliedBeforeTheItemsSoLoadingWritesNothing) {
    // Active is stored (as false) and its setter saves; published order applies it while the
    // collection is still empty, so a form without a file name loads without error.
    const std::vector<std::uint8_t> bytes = StoredForm();
    const std::string definition(bytes.begin(), bytes.end());
    EXPECT_NE(definition.find("Active"), std::string::npos);
    EXPECT_LT(definition.find("Active"), definition.find("Settings", definition.find("Active")));

    TTestForm form(nullptr);
    EXPECT_NO_THROW(vcl::ReadComponent(bytes, form));
}

}  // namespace
