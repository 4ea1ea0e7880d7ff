// Where Glint keeps what it remembers. Per user, below HKEY_CURRENT_USER:
//
//   Software\Quillmark\Screen Saver             "SysInfo" (text), "Times" (DWORD): calibration
//   Software\Quillmark\Screen Saver\Settings    "Standard", "MouseMove", "ButtonDown",
//                                               "DoubleClick", "KeyDown", "Escape", "Deactivate",
//                                               "ShowCursor", "SysKeyComb" (DWORDs, 0 or 1)
//   Software\Quillmark\Screen Saver\Password    "Encrypt" (text): the password record of
//                                               password_record.h; missing or empty: none
//   Control Panel\Desktop                       "ScreenSaveUsePassword" (DWORD, Windows' own)
//
// and for the machine, below HKEY_LOCAL_MACHINE:
//
//   Software\Microsoft\Windows\CurrentVersion\Run   "ScreenSaver" (text): start-up command
#pragma once

#include <string>

#include "runtime/exit_rules.h"
#include "framework/profile_settings.h"

namespace vl {

// Glint's key below HKEY_CURRENT_USER.
inline constexpr char kGlintKey[] = "Software\\Quillmark\\Screen Saver";

// Missing values take the defaults of ExitSettings.
ExitSettings ReadExitSettings();
// False when a value could not be written.
bool WriteExitSettings(const ExitSettings& settings);

// The full path of the running program.
std::string OwnProgramPath();

// Whether the Run key starts this program's run.
bool StartsWithWindows(const std::string& programPath);
// Sets the value "ScreenSaver" to this program's command, or deletes it when it holds this
// program's command; false when the system refused (without administrator rights the machine's
// Run key is read-only). Nothing is written when it already is as wanted, and another screen
// saver's command is never deleted.
bool SetStartWithWindows(bool start, const std::string& programPath);

// Whether closing the run asks for the password: Windows' "ScreenSaveUsePassword" is set and a
// password is stored.
bool PasswordNeededToClose();
// The stored record text; empty when none.
std::string ReadPasswordRecordText();
// An empty text removes the password.
bool WritePasswordRecordText(const std::string& text);

}  // namespace vl
