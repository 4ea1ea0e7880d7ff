#include "framework/scripted_prompt.h"

namespace vl {
namespace {

// The system's dialog appends the default extension to a name typed without one.
std::string WithDefaultExtension(const std::string& path, const std::string& extension) {
    if (extension.empty() || FileNamePart(path).find('.') != std::string::npos)
        return path;
    return path + "." + extension;
}

}  // namespace

ScriptedPrompt& ScriptedPrompt::AnswerYes() {
    answers_.push_back({AnswerKind::Yes, {}});
    return *this;
}

ScriptedPrompt& ScriptedPrompt::AnswerNo() {
    answers_.push_back({AnswerKind::No, {}});
    return *this;
}

ScriptedPrompt& ScriptedPrompt::AnswerCancel() {
    answers_.push_back({AnswerKind::Cancel, {}});
    return *this;
}

ScriptedPrompt& ScriptedPrompt::AnswerFile(const std::string& path) {
    answers_.push_back({AnswerKind::File, {path}});
    return *this;
}

ScriptedPrompt& ScriptedPrompt::AnswerFiles(const std::vector<std::string>& paths) {
    answers_.push_back({AnswerKind::File, paths});
    return *this;
}

ScriptedPrompt& ScriptedPrompt::CancelFile() {
    answers_.push_back({AnswerKind::CancelFile, {}});
    return *this;
}

ScriptedPrompt& ScriptedPrompt::AnswerFolder(const std::string& folder) {
    answers_.push_back({AnswerKind::Folder, {folder}});
    return *this;
}

ScriptedPrompt& ScriptedPrompt::CancelFolder() {
    answers_.push_back({AnswerKind::CancelFolder, {}});
    return *this;
}

bool ScriptedPrompt::TakeAnswer(const std::string& askedFor, bool (*fits)(AnswerKind),
                                Answer& answer) {
    if (answers_.empty()) {
        failures_.push_back("no answer left for: " + askedFor);
        return false;
    }
    if (!fits(answers_.front().kind)) {
        failures_.push_back("answer of another kind for: " + askedFor);
        return false;
    }
    answer = answers_.front();
    answers_.pop_front();
    return true;
}

void ScriptedPrompt::Message(const std::string& text, MessageIcon icon,
                             const std::string& caption) {
    ShownPrompt shown{PromptKind::Message, text, caption, icon, false, {}};
    shown_.push_back(shown);
}

bool ScriptedPrompt::AskYesNo(const std::string& text, const QuestionOptions& options,
                              const std::string& caption) {
    shown_.push_back({PromptKind::Question, text, caption, options.icon, options.defaultNo, {}});
    Answer answer;
    const auto fits = [](AnswerKind k) { return k == AnswerKind::Yes || k == AnswerKind::No; };
    if (!TakeAnswer(text, fits, answer))
        return false;
    return answer.kind == AnswerKind::Yes;
}

YesNoCancel ScriptedPrompt::AskYesNoCancel(const std::string& text, const QuestionOptions& options,
                                           const std::string& caption) {
    shown_.push_back({PromptKind::Question, text, caption, options.icon, options.defaultNo, {}});
    Answer answer;
    const auto fits = [](AnswerKind k) {
        return k == AnswerKind::Yes || k == AnswerKind::No || k == AnswerKind::Cancel;
    };
    if (!TakeAnswer(text, fits, answer))
        return YesNoCancel::Cancel;
    if (answer.kind == AnswerKind::Yes)
        return YesNoCancel::Yes;
    return answer.kind == AnswerKind::No ? YesNoCancel::No : YesNoCancel::Cancel;
}

FileDialogResult ScriptedPrompt::FileDialog(PromptKind kind, const FileDialogRequest& request) {
    ShownPrompt shown{kind, request.title, std::string(), MessageIcon::Plain, false, request};
    shown.request.acceptName = nullptr;
    shown_.push_back(shown);

    const auto fits = [](AnswerKind k) {
        return k == AnswerKind::File || k == AnswerKind::CancelFile;
    };
    // The dialog stays open while the hook refuses the typed name.
    for (;;) {
        Answer answer;
        if (!TakeAnswer(request.title, fits, answer))
            return {};
        if (answer.kind == AnswerKind::CancelFile)
            return {};
        if (answer.paths.empty()) {
            failures_.push_back("empty file answer for: " + request.title);
            return {};
        }
        const std::string typed = FileNamePart(answer.paths.front());
        for (auto& path : answer.paths)
            path = WithDefaultExtension(path, request.defaultExtension);
        if (request.acceptName && !request.acceptName(typed, answer.paths.front()))
            continue;
        FileDialogResult result;
        result.chosen = true;
        result.paths = answer.paths;
        result.extensionDiffers = ExtensionDiffers(answer.paths.front(), request.defaultExtension);
        return result;
    }
}

FileDialogResult ScriptedPrompt::OpenFile(const FileDialogRequest& request) {
    return FileDialog(PromptKind::OpenFile, request);
}

FileDialogResult ScriptedPrompt::SaveFile(const FileDialogRequest& request) {
    return FileDialog(PromptKind::SaveFile, request);
}

std::string ScriptedPrompt::ChooseFolder(const FolderRequest& request) {
    shown_.push_back(
        {PromptKind::Folder, request.title, std::string(), MessageIcon::Plain, false, {}});
    Answer answer;
    const auto fits = [](AnswerKind k) {
        return k == AnswerKind::Folder || k == AnswerKind::CancelFolder;
    };
    if (!TakeAnswer(request.title, fits, answer))
        return {};
    if (answer.kind == AnswerKind::CancelFolder)
        return {};
    return answer.paths.front();
}

std::vector<std::string> ScriptedPrompt::Texts() const {
    std::vector<std::string> texts;
    texts.reserve(shown_.size());
    for (const auto& shown : shown_)
        texts.push_back(shown.text);
    return texts;
}

}  // namespace vl
