// What the packaging commands tell the user: the builder's string-table ids and texts, and the
// dialog literals.
#pragma once

#include <string>

namespace vl {

inline constexpr int kIdSsNameQuestion = 33998;
inline constexpr char kSsNameQuestion[] =
    "There is a problem in Windows if name of screen saver starts with ss.\n\n"
    "Do you want to continue?";
inline constexpr int kIdHaveToSaveScene = 34025;
inline constexpr char kHaveToSaveScene[] = "You have to save the scene.";
inline constexpr int kIdCannotCreateScreenSaver = 34026;
inline constexpr char kCannotCreateScreenSaver[] = "Screen saver cannot be created.";
inline constexpr int kIdScreenSaverCreated = 34027;
inline constexpr char kScreenSaverCreated[] = "Screen saver\n%s\nis succesfully created.";
inline constexpr int kIdCustomImageFailed = 34039;
inline constexpr char kCustomImageFailed[] = "Custom image not found or couldn't be inserted!";
inline constexpr int kIdInstallerExists = 34040;
inline constexpr char kInstallerExists[] = "Installer file already exists!";
// Making the file over the scene it is made from would destroy the scene (a scene saved as
// "X.scr", or a save dialog answered with the scene's own name).
inline constexpr char kTargetIsScene[] =
    "%s\nis the scene itself and cannot be replaced by what is made from it.\n\n"
    "Choose another name.";
// A failed copy into the system folder used to go unnoticed while the control panel opened on
// whatever older file was there.
inline constexpr char kCannotCopyToSystemFolder[] =
    "The screen saver cannot be copied into the System folder:\n%s\n\n"
    "The default screen saver has not been changed.";

inline constexpr char kMakeScreenSaverTitle[] = "Make Screen Saver";
inline constexpr char kScreenSaverFilter[] = "Screen Saver (.scr)|*.scr||";
inline constexpr char kInstallerFilter[] = "Screen Saver Installer(.exe)|*.exe||";
inline constexpr char kInstallerFromScrTitle[] =
    "Make Screen Saver Installer from selected SCR file";

// text with its "%s" replaced by value.
std::string FillIn(const char* text, const std::string& value);

}  // namespace vl
