// The names the packaging commands propose, derive and start. Paths are cut and extended the way
// the builder always has: by characters, not by parsing.
#pragma once

#include <string>

#include "framework/prompt.h"

namespace vl {

inline constexpr char kScreenSaverExtension[] = "scr";
inline constexpr char kInstallerExtension[] = "exe";
inline constexpr char kCustomImageName[] = "Custom.BMP";
inline constexpr char kControlPanelCommand[] = "rundll32.exe desk.cpl,InstallScreenSaver ";

// path without its last count characters (empty when it is shorter).
std::string CutLastCharacters(const std::string& path, std::size_t count);

// What the save dialog proposes for a screen saver: the scene file's name without folder, and
// without ".ssd" (any case) when it ends so. Scene.Ssd gives Scene; Scene.txt stays Scene.txt.
std::string ProposedScreenSaverName(const std::string& scenePath);

// The screen saver made without asking: the scene path with its last four characters replaced
// by ".scr".
std::string ScreenSaverBesideScene(const std::string& scenePath);

// The installer's base name: the scene path without its last four characters, folder included.
std::string InstallerBaseName(const std::string& scenePath);

// A dialog's chosen path with ".extension" appended when the typed extension differed from the
// default one: a typed x.txt becomes x.txt.scr.
std::string WithDefaultExtension(const std::string& chosen, bool extensionDiffers,
                                 const std::string& extension);

// The installer for a chosen screen saver: its path without the last three characters plus
// "exe" (saver.scr gives saver.exe).
std::string InstallerForScreenSaver(const std::string& screenSaverPath);

// Whether a typed file name draws the warning about names starting with "ss": more than one
// character, the first two "ss" in any case.
bool NameStartsWithSs(const std::string& typedName);

// folder and a file name joined with the system's separator.
std::string JoinFolder(const std::string& folder, const std::string& name);

// The display control panel command that selects the screen saver at path (no quotes: the
// control panel takes the rest of the line as the path).
std::string ControlPanelCommandFor(const std::string& path);

// The hook every file dialog of the packaging commands shares: asks the "ss" question for such
// names, and No keeps the dialog open.
AcceptFileName ScreenSaverNameCheck();

// Whether two Windows paths name the same file: letters compared without case, '/' and '\\'
// alike.
bool SameFilePath(const std::string& a, const std::string& b);

}  // namespace vl
