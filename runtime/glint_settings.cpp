#include "runtime/glint_settings.h"

#include "runtime/glint_resources.h"
#include "framework/handles.h"
#include "runtime/password_record.h"
#include "runtime/startup_entry.h"

namespace vl {
namespace {

const char kPasswordSection[] = "Password";
const char kPasswordValue[] = "Encrypt";
const char kDesktopKey[] = "Control Panel";
const char kDesktopSection[] = "Desktop";
const char kUsePasswordValue[] = "ScreenSaveUsePassword";
constexpr DWORD kMaxCommand = 260;

ProfileSettings GlintProfile() {
    return ProfileSettings(kGlintKey);
}

bool ReadFlag(const ProfileSettings& profile, const char* name, bool fallback) {
    return profile.ReadInt(GLINT_SETTINGS_SECTION, name, fallback ? 1 : 0) != 0;
}

bool WriteFlag(const ProfileSettings& profile, const char* name, bool value) {
    return profile.WriteInt(GLINT_SETTINGS_SECTION, name, value ? 1 : 0);
}

std::string ReadStartupValue() {
    const RegistryKey key = OpenRegistryKey(HKEY_LOCAL_MACHINE, GLINT_RUN_KEY, KEY_QUERY_VALUE);
    if (!key)
        return std::string();
    char text[kMaxCommand + 1] = "";
    DWORD size = kMaxCommand;
    DWORD type = 0;
    if (RegQueryValueExA(key.Get(), GLINT_STARTUP_VALUE, nullptr, &type,
                         reinterpret_cast<BYTE*>(text), &size) != ERROR_SUCCESS ||
        type != REG_SZ) {
        return std::string();
    }
    text[size < kMaxCommand ? size : kMaxCommand] = '\0';
    return text;
}

}  // namespace

ExitSettings ReadExitSettings() {
    const ProfileSettings profile = GlintProfile();
    const ExitSettings defaults;
    ExitSettings settings;
    settings.standard = ReadFlag(profile, GLINT_STANDARD, defaults.standard);
    settings.mouseMove = ReadFlag(profile, GLINT_MOUSE_MOVE, defaults.mouseMove);
    settings.buttonDown = ReadFlag(profile, GLINT_BUTTON_DOWN, defaults.buttonDown);
    settings.doubleClick = ReadFlag(profile, GLINT_DOUBLE_CLICK, defaults.doubleClick);
    settings.keyDown = ReadFlag(profile, GLINT_KEY_DOWN, defaults.keyDown);
    settings.escape = ReadFlag(profile, GLINT_ESCAPE, defaults.escape);
    settings.deactivate = ReadFlag(profile, GLINT_DEACTIVATE, defaults.deactivate);
    settings.showCursor = ReadFlag(profile, GLINT_SHOW_CURSOR, defaults.showCursor);
    settings.sysKeyComb = ReadFlag(profile, GLINT_SYS_KEY_COMB, defaults.sysKeyComb);
    return settings;
}

bool WriteExitSettings(const ExitSettings& settings) {
    const ProfileSettings profile = GlintProfile();
    bool written = WriteFlag(profile, GLINT_SHOW_CURSOR, settings.showCursor);
    written &= WriteFlag(profile, GLINT_SYS_KEY_COMB, settings.sysKeyComb);
    written &= WriteFlag(profile, GLINT_STANDARD, settings.standard);
    written &= WriteFlag(profile, GLINT_MOUSE_MOVE, settings.mouseMove);
    written &= WriteFlag(profile, GLINT_BUTTON_DOWN, settings.buttonDown);
    written &= WriteFlag(profile, GLINT_DOUBLE_CLICK, settings.doubleClick);
    written &= WriteFlag(profile, GLINT_KEY_DOWN, settings.keyDown);
    written &= WriteFlag(profile, GLINT_ESCAPE, settings.escape);
    written &= WriteFlag(profile, GLINT_DEACTIVATE, settings.deactivate);
    return written;
}

std::string OwnProgramPath() {
    char path[MAX_PATH + 1] = "";
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return std::string();
    return std::string(path, length);
}

bool StartsWithWindows(const std::string& programPath) {
    return IsStartupCommand(ReadStartupValue(), programPath);
}

bool SetStartWithWindows(bool start, const std::string& programPath) {
    const std::string current = ReadStartupValue();
    if (start && current == StartupCommand(programPath))
        return true;
    // Another screen saver's command is left alone: the box only speaks for this one.
    if (!start && !IsStartupCommand(current, programPath))
        return true;
    const RegistryKey key = CreateRegistryKey(HKEY_LOCAL_MACHINE, GLINT_RUN_KEY, KEY_SET_VALUE);
    if (!key)
        return false;
    if (!start) {
        const LONG status = RegDeleteValueA(key.Get(), GLINT_STARTUP_VALUE);
        return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
    }
    const std::string command = StartupCommand(programPath);
    return RegSetValueExA(key.Get(), GLINT_STARTUP_VALUE, 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(command.c_str()),
                          static_cast<DWORD>(command.size() + 1)) == ERROR_SUCCESS;
}

bool PasswordNeededToClose() {
    const ProfileSettings desktop(kDesktopKey);
    if (desktop.ReadInt(kDesktopSection, kUsePasswordValue, 0) == 0)
        return false;
    PasswordRecord record;
    return ParsePasswordRecord(ReadPasswordRecordText(), record);
}

std::string ReadPasswordRecordText() {
    return GlintProfile().ReadString(kPasswordSection, kPasswordValue, std::string());
}

bool WritePasswordRecordText(const std::string& text) {
    return GlintProfile().WriteString(kPasswordSection, kPasswordValue, text);
}

}  // namespace vl
