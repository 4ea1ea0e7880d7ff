// What the builder's command line asks for, and which window greets the user at start.
#pragma once

#include <string>
#include <vector>

namespace vl {

struct StartupArgs {
    // "u" alone (any case, optionally after '-' or '/'): the uninstaller's clean-up, no window.
    bool cleanUp = false;
    // Exactly one argument (a file opened from the shell): no start window.
    bool singleArgument = false;
    // The splash is not for a start on behalf of another program (-Embedding, -Automation).
    bool splashAllowed = true;
    // The first argument that is not a flag; empty for a new scene.
    std::string fileToOpen;
};

// args are the arguments after the program path, already split (quotes removed).
StartupArgs ParseStartupArgs(const std::vector<std::string>& args);

enum class FirstWindow { kNone, kSplash, kStartWindow };

// At the main window's creation: the splash when the "Splash" option is on (and the command line
// allows it), else the start window unless "StartDlg" is set or a file came as the one argument.
FirstWindow ChooseFirstWindow(bool splashOption, bool startDlg, const StartupArgs& args);

// When the splash closes: whether the start window follows it.
bool StartWindowAfterSplash(bool startDlg, const StartupArgs& args);

// ShowWindow's commands as the start-up rule needs them.
inline constexpr int kShowMinimised = 2;          // SW_SHOWMINIMIZED
inline constexpr int kShowMaximised = 3;          // SW_SHOWMAXIMIZED
inline constexpr int kMinimise = 6;               // SW_MINIMIZE
inline constexpr int kShowMinimisedNoActive = 7;  // SW_SHOWMINNOACTIVE

// The main window's first show state: the one the program was started with when that asks for a
// minimised or maximised window (a shortcut's "Run" choice), otherwise "WindowShow".
int ChooseShowState(int startShowState, int windowShowSetting);

}  // namespace vl
