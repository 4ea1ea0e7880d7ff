#include "app/core/startup_args.h"

namespace vl {

namespace {

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameLetters(const std::string& a, const char* b) {
    std::size_t i = 0;
    for (; i < a.size() && b[i] != '\0'; ++i) {
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    }
    return i == a.size() && b[i] == '\0';
}

bool IsFlag(const std::string& arg) {
    return !arg.empty() && (arg[0] == '-' || arg[0] == '/');
}

bool IsCleanUpArgument(const std::string& arg) {
    const std::string letter = IsFlag(arg) ? arg.substr(1) : arg;
    return SameLetters(letter, "u");
}

}  // namespace

StartupArgs ParseStartupArgs(const std::vector<std::string>& args) {
    StartupArgs result;
    result.singleArgument = args.size() == 1;
    result.cleanUp = result.singleArgument && IsCleanUpArgument(args[0]);
    for (const std::string& arg : args) {
        if (IsFlag(arg)) {
            const std::string flag = arg.substr(1);
            if (SameLetters(flag, "Embedding") || SameLetters(flag, "Automation"))
                result.splashAllowed = false;
        } else if (result.fileToOpen.empty()) {
            result.fileToOpen = arg;
        }
    }
    if (result.cleanUp)
        result.fileToOpen.clear();
    return result;
}

FirstWindow ChooseFirstWindow(bool splashOption, bool startDlg, const StartupArgs& args) {
    if (splashOption)
        return args.splashAllowed ? FirstWindow::kSplash : FirstWindow::kNone;
    return StartWindowAfterSplash(startDlg, args) ? FirstWindow::kStartWindow : FirstWindow::kNone;
}

bool StartWindowAfterSplash(bool startDlg, const StartupArgs& args) {
    return !startDlg && !args.singleArgument;
}

int ChooseShowState(int startShowState, int windowShowSetting) {
    switch (startShowState) {
        case kShowMinimised:
        case kShowMaximised:
        case kMinimise:
        case kShowMinimisedNoActive:
            return startShowState;
        default:
            return windowShowSetting;
    }
}

}  // namespace vl
