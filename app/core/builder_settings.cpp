#include "app/core/builder_settings.h"

namespace vl {

namespace {

// ShowWindow's commands run from SW_SHOWNORMAL (1) to SW_FORCEMINIMIZE (11); SW_HIDE (0) would
// open a window nobody can see.
constexpr std::int32_t kFirstVisibleShowState = 1;
constexpr std::int32_t kLastShowState = 11;

}  // namespace

std::int32_t ReadIntSetting(const ISettingsStore& store, const IntSetting& setting) {
    const auto value = store.GetInt(kSettingsSection, setting.name);
    return value ? static_cast<std::int32_t>(*value) : setting.fallback;
}

bool WriteIntSetting(ISettingsStore& store, const IntSetting& setting, std::int32_t value) {
    return store.SetInt(kSettingsSection, setting.name, static_cast<std::uint32_t>(value));
}

BuilderSettings ReadBuilderSettings(const ISettingsStore& store, ScreenSize screen) {
    BuilderSettings settings;
    const auto placeText = store.GetText(kSettingsSection, kWindowPlaceName);
    const auto place = placeText ? ParseWindowPlace(*placeText) : std::nullopt;
    settings.windowPlace = place ? *place : DefaultWindowPlace(screen);

    settings.windowShow = ReadIntSetting(store, kWindowShowSetting);
    if (settings.windowShow < kFirstVisibleShowState || settings.windowShow > kLastShowState)
        settings.windowShow = kWindowShowSetting.fallback;
    settings.splitter = ReadIntSetting(store, kSplitterSetting);
    if (settings.splitter < 0)
        settings.splitter = kSplitterSetting.fallback;

    settings.alwaysOnTop = ReadIntSetting(store, kAlwaysOnTopSetting) != 0;
    settings.startDlg = ReadIntSetting(store, kStartDlgSetting) != 0;
    settings.reuse = ReadIntSetting(store, kReuseSetting) != 0;
    settings.customImage = ReadIntSetting(store, kCustomImageSetting) != 0;
    settings.sysInfo = store.GetText(kSettingsSection, kSysInfoName).value_or(std::string());
    settings.times = store.GetInt(kSettingsSection, kTimesName).value_or(0);
    return settings;
}

bool WriteCalibration(ISettingsStore& store, const std::string& sysInfo, std::uint32_t times) {
    const bool sysInfoWritten = store.SetText(kSettingsSection, kSysInfoName, sysInfo);
    const bool timesWritten = store.SetInt(kSettingsSection, kTimesName, times);
    return sysInfoWritten && timesWritten;
}

bool StoreWindowAtClose(ISettingsStore& store, const WindowAtClose& window) {
    if (window.minimised)
        return true;
    bool written =
        store.SetText(kSettingsSection, kWindowPlaceName, FormatWindowPlace(window.normalPlace));
    written &= WriteIntSetting(store, kWindowShowSetting, window.showState);
    written &= WriteIntSetting(store, kSplitterSetting,
                               window.paletteClientWidth + window.paletteScrollBarWidth);
    return written;
}

}  // namespace vl
