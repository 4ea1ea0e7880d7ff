// The builder's settings: every value with its section, name and default, read with the default
// when it is missing or unusable, and the values the main window stores when it closes.
#pragma once

#include <cstdint>
#include <string>

#include "app/core/settings_store.h"
#include "app/core/window_place.h"
#include "engine/core/calibration_names.h"

namespace vl {

// The application's key below HKEY_CURRENT_USER ("Software\" + the profile name + the program's
// name), which holds every section.
inline constexpr char kBuilderSettingsKey[] = "Software\\Quillmark\\Screen Saver\\Vistaloom";

// A number in the "Settings" section.
struct IntSetting {
    const char* name;
    std::int32_t fallback;
};

inline constexpr IntSetting kWindowShowSetting{"WindowShow", 5};  // SW_SHOW
inline constexpr IntSetting kSplitterSetting{"Splitter", 151};    // palette width in pixels
inline constexpr IntSetting kAlwaysOnTopSetting{"AlwaysOnTop", 0};
inline constexpr IntSetting kStartDlgSetting{"StartDlg", 0};  // 1: no start window
inline constexpr IntSetting kReuseSetting{"Reuse", 0};        // hand a second start to this one
inline constexpr IntSetting kCustomImageSetting{"CustomImage", 0};
// A text in the "Settings" section.
inline constexpr char kWindowPlaceName[] = "WindowPlace";  // "left,top,width,height"

struct BuilderSettings {
    WindowPlace windowPlace;  // not yet fitted to the monitors (FitWindowPlace)
    std::int32_t windowShow = kWindowShowSetting.fallback;
    std::int32_t splitter = kSplitterSetting.fallback;
    bool alwaysOnTop = false;
    bool startDlg = false;
    bool reuse = false;
    std::string sysInfo;
    std::uint32_t times = 0;
    bool customImage = false;
};

// Every value of the table; a missing or unreadable value takes its default, and so does a show
// state that would keep the window out of sight (hidden, or not a show state at all) and a
// negative palette width. The switches count as set when non-zero.
BuilderSettings ReadBuilderSettings(const ISettingsStore& store, ScreenSize screen);

std::int32_t ReadIntSetting(const ISettingsStore& store, const IntSetting& setting);
bool WriteIntSetting(ISettingsStore& store, const IntSetting& setting, std::int32_t value);
bool WriteCalibration(ISettingsStore& store, const std::string& sysInfo, std::uint32_t times);

// The main window as it closes.
struct WindowAtClose {
    bool minimised = false;
    WindowPlace normalPlace;  // the normal (restored) position, even when maximised
    std::int32_t showState = kWindowShowSetting.fallback;
    int paletteClientWidth = 0;
    int paletteScrollBarWidth = 0;  // the vertical scroll bar's width when the palette shows one
};

// Stores "WindowPlace", "WindowShow" and "Splitter", unless the window is minimised: then the
// values of the last normal close stay. False when a write failed.
bool StoreWindowAtClose(ISettingsStore& store, const WindowAtClose& window);

}  // namespace vl
