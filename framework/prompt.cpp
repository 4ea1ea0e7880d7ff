#include "framework/prompt.h"

namespace vl {
namespace {

// Without a platform prompt nothing can be shown; refusing is the safe answer to every question.
class SilentPrompt : public Prompt {
  public:
    void Message(const std::string&, MessageIcon, const std::string&) override {}
    bool AskYesNo(const std::string&, const QuestionOptions&, const std::string&) override {
        return false;
    }
    YesNoCancel AskYesNoCancel(const std::string&, const QuestionOptions&,
                               const std::string&) override {
        return YesNoCancel::Cancel;
    }
    FileDialogResult OpenFile(const FileDialogRequest&) override { return {}; }
    FileDialogResult SaveFile(const FileDialogRequest&) override { return {}; }
    std::string ChooseFolder(const FolderRequest&) override { return {}; }
};

SilentPrompt g_silent;
Prompt* g_default = nullptr;   // not owned: the program's own prompt
Prompt* g_override = nullptr;  // not owned: the innermost ScopedPromptOverride's

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

Prompt& CurrentPrompt() {
    if (g_override)
        return *g_override;
    if (g_default)
        return *g_default;
    return g_silent;
}

void SetDefaultPrompt(Prompt* prompt) {
    g_default = prompt;
}

ScopedPromptOverride::ScopedPromptOverride(Prompt& prompt) : previous_(g_override) {
    g_override = &prompt;
}

ScopedPromptOverride::~ScopedPromptOverride() {
    g_override = previous_;
}

std::string FilterForFileDialog(const std::string& filter) {
    std::string result = filter;
    for (char& c : result) {
        if (c == '|')
            c = '\0';
    }
    // The list ends with two NULs whether or not the text ended with "||".
    while (result.size() < 2 || result[result.size() - 1] != '\0' ||
           result[result.size() - 2] != '\0') {
        result.push_back('\0');
    }
    return result;
}

std::vector<std::string> SplitFileDialogSelection(const std::string& buffer) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start < buffer.size() && buffer[start] != '\0') {
        std::size_t end = buffer.find('\0', start);
        if (end == std::string::npos)
            end = buffer.size();
        parts.push_back(buffer.substr(start, end - start));
        start = end + 1;
    }
    if (parts.size() <= 1)
        return parts;
    std::string folder = parts.front();
    if (folder.back() != '\\')
        folder += '\\';
    std::vector<std::string> paths;
    for (std::size_t i = 1; i < parts.size(); ++i)
        paths.push_back(folder + parts[i]);
    return paths;
}

std::string FileNamePart(const std::string& path) {
    const auto slash = path.find_last_of("\\/:");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool ExtensionDiffers(const std::string& path, const std::string& defaultExtension) {
    if (defaultExtension.empty())
        return false;
    const std::string name = FileNamePart(path);
    const auto dot = name.find_last_of('.');
    if (dot == std::string::npos)
        return false;
    const std::string typed = name.substr(dot + 1);
    if (typed.size() != defaultExtension.size())
        return true;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        if (Lower(typed[i]) != Lower(defaultExtension[i]))
            return true;
    }
    return false;
}

}  // namespace vl
