// The settings table: names, section, defaults, unusable values, and what closing stores.
#include "app/core/builder_settings.h"

#include <gtest/gtest.h>

#include "tests/app_core/fake_settings_store.h"

namespace vl {
namespace {

using testing::FakeSettingsStore;

constexpr ScreenSize kScreen{1024, 768};

TEST(BuilderSettings, AnEmptyStoreGivesEveryDefault) {
    const FakeSettingsStore store;
    const BuilderSettings s = ReadBuilderSettings(store, kScreen);
    EXPECT_EQ(s.windowPlace, (WindowPlace{204, 153, 614, 460}));
    EXPECT_EQ(s.windowShow, 5);
    EXPECT_EQ(s.splitter, 151);
    EXPECT_FALSE(s.alwaysOnTop);
    EXPECT_FALSE(s.startDlg);
    EXPECT_FALSE(s.reuse);
    EXPECT_EQ(s.sysInfo, "");
    EXPECT_EQ(s.times, 0u);
    EXPECT_FALSE(s.customImage);
}

TEST(BuilderSettings, ReadsEachValueByItsNameInTheSettingsSection) {
    FakeSettingsStore store;
    auto put = [&](const char* name, FakeSettingsStore::Value value) {
        store.values[{"Settings", name}] = value;
    };
    put("WindowPlace", std::string("-1200,30,800,600"));
    put("WindowShow", 3u);
    put("Splitter", 230u);
    put("AlwaysOnTop", 1u);
    put("StartDlg", 1u);
    put("Reuse", 2u);  // any non-zero number is "set"
    put("SysInfo", std::string("x86 4 2400"));
    put("Times", 0xFFFFFFF0u);
    put("CustomImage", 1u);
    const BuilderSettings s = ReadBuilderSettings(store, kScreen);
    EXPECT_EQ(s.windowPlace, (WindowPlace{-1200, 30, 800, 600}));
    EXPECT_EQ(s.windowShow, 3);
    EXPECT_EQ(s.splitter, 230);
    EXPECT_TRUE(s.alwaysOnTop);
    EXPECT_TRUE(s.startDlg);
    EXPECT_TRUE(s.reuse);
    EXPECT_EQ(s.sysInfo, "x86 4 2400");
    EXPECT_EQ(s.times, 0xFFFFFFF0u);
    EXPECT_TRUE(s.customImage);
}

TEST(BuilderSettings, UnusableValuesTakeTheirDefaults) {
    FakeSettingsStore store;
    store.values[{"Settings", "WindowPlace"}] = std::string("10,20,300");
    store.values[{"Settings", "WindowShow"}] = std::string("3");  // a text, not a number
    store.values[{"Settings", "Splitter"}] = static_cast<std::uint32_t>(-40);
    store.values[{"Settings", "SysInfo"}] = 7u;
    BuilderSettings s = ReadBuilderSettings(store, {1920, 1080});
    EXPECT_EQ(s.windowPlace, (WindowPlace{384, 216, 1152, 648}));
    EXPECT_EQ(s.windowShow, 5);
    EXPECT_EQ(s.splitter, 151);
    EXPECT_EQ(s.sysInfo, "");

    store.values[{"Settings", "WindowPlace"}] = 12u;  // a number where a text belongs
    EXPECT_EQ(ReadBuilderSettings(store, {1920, 1080}).windowPlace,
              (WindowPlace{384, 216, 1152, 648}));
}

TEST(BuilderSettings, ShowStatesThatHideTheWindowTakeTheDefault) {
    FakeSettingsStore store;
    for (std::uint32_t hidden : {0u, 12u, 0xFFFFFFFFu}) {
        store.values[{"Settings", "WindowShow"}] = hidden;
        EXPECT_EQ(ReadBuilderSettings(store, kScreen).windowShow, 5) << hidden;
    }
    for (std::uint32_t shown : {1u, 3u, 11u}) {
        store.values[{"Settings", "WindowShow"}] = shown;
        EXPECT_EQ(ReadBuilderSettings(store, kScreen).windowShow, static_cast<int>(shown));
    }
}

TEST(BuilderSettings, CalibrationReadsBackAndFailedWritesAreReported) {
    FakeSettingsStore store;
    ASSERT_TRUE(WriteCalibration(store, "sig", 123456));
    const BuilderSettings s = ReadBuilderSettings(store, kScreen);
    EXPECT_EQ(s.sysInfo, "sig");
    EXPECT_EQ(s.times, 123456u);
    store.failWrites = true;
    EXPECT_FALSE(WriteCalibration(store, "other", 1));
    EXPECT_FALSE(WriteIntSetting(store, kReuseSetting, 1));
    EXPECT_FALSE(StoreWindowAtClose(store, WindowAtClose{}));
}

TEST(WindowAtClose, StoresPlaceShowStateAndPaletteWidth) {
    FakeSettingsStore store;
    WindowAtClose window;
    window.normalPlace = {-5, 10, 700, 500};
    window.showState = 3;
    window.paletteClientWidth = 140;
    window.paletteScrollBarWidth = 17;
    ASSERT_TRUE(StoreWindowAtClose(store, window));
    EXPECT_EQ(store.GetText("Settings", "WindowPlace"), "-5,10,700,500");
    EXPECT_EQ(store.GetInt("Settings", "WindowShow"), 3u);
    EXPECT_EQ(store.GetInt("Settings", "Splitter"), 157u);

    const BuilderSettings s = ReadBuilderSettings(store, kScreen);
    EXPECT_EQ(s.windowPlace, window.normalPlace);
    EXPECT_EQ(s.splitter, 157);
}

TEST(WindowAtClose, MinimisedKeepsThePreviousValues) {
    FakeSettingsStore store;
    store.values[{"Settings", "WindowPlace"}] = std::string("1,2,3,4");
    store.values[{"Settings", "WindowShow"}] = 1u;
    const auto before = store.values;
    WindowAtClose window;
    window.minimised = true;
    window.normalPlace = {100, 100, 500, 400};
    window.paletteClientWidth = 90;
    EXPECT_TRUE(StoreWindowAtClose(store, window));
    EXPECT_EQ(store.values, before);
}

}  // namespace
}  // namespace vl
