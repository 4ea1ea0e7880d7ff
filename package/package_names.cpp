#include "package/package_names.h"

#include "package/package_messages.h"

namespace vl {
namespace {

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EndsWithNoCase(const std::string& text, const char* suffix) {
    const std::string tail(suffix);
    if (text.size() < tail.size())
        return false;
    const std::size_t at = text.size() - tail.size();
    for (std::size_t i = 0; i < tail.size(); ++i) {
        if (Lower(text[at + i]) != Lower(tail[i]))
            return false;
    }
    return true;
}

}  // namespace

std::string CutLastCharacters(const std::string& path, std::size_t count) {
    return path.size() < count ? std::string() : path.substr(0, path.size() - count);
}

std::string ProposedScreenSaverName(const std::string& scenePath) {
    const std::string name = FileNamePart(scenePath);
    return EndsWithNoCase(name, ".ssd") ? CutLastCharacters(name, 4) : name;
}

std::string ScreenSaverBesideScene(const std::string& scenePath) {
    return CutLastCharacters(scenePath, 4) + "." + kScreenSaverExtension;
}

std::string InstallerBaseName(const std::string& scenePath) {
    return CutLastCharacters(scenePath, 4);
}

std::string WithDefaultExtension(const std::string& chosen, bool extensionDiffers,
                                 const std::string& extension) {
    return extensionDiffers ? chosen + "." + extension : chosen;
}

std::string InstallerForScreenSaver(const std::string& screenSaverPath) {
    return CutLastCharacters(screenSaverPath, 3) + kInstallerExtension;
}

bool NameStartsWithSs(const std::string& typedName) {
    return typedName.size() > 1 && Lower(typedName[0]) == 's' && Lower(typedName[1]) == 's';
}

std::string JoinFolder(const std::string& folder, const std::string& name) {
#ifdef _WIN32
    return folder + "\\" + name;
#else
    return folder + "/" + name;
#endif
}

std::string ControlPanelCommandFor(const std::string& path) {
    return kControlPanelCommand + path;
}

AcceptFileName ScreenSaverNameCheck() {
    return [](const std::string& typedName, const std::string&) {
        if (!NameStartsWithSs(typedName))
            return true;
        QuestionOptions options;
        options.icon = MessageIcon::Question;
        return CurrentPrompt().AskYesNo(kSsNameQuestion, options);
    };
}

bool SameFilePath(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x == '/')
            x = '\\';
        if (y == '/')
            y = '\\';
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

}  // namespace vl
