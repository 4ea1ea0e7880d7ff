// Glint's prompt: message boxes only. A screen saver chooses no files or folders, and leaving the
// common dialogs out keeps its fixed-size image small.
#pragma once

#include "framework/prompt.h"

namespace vl {

class GlintPrompt final : public Prompt {
  public:
    void Message(const std::string& text, MessageIcon icon, const std::string& caption) override;
    bool AskYesNo(const std::string& text, const QuestionOptions& options,
                  const std::string& caption) override;
    // A screen saver has nothing to save.
    YesNoCancel AskYesNoCancel(const std::string&, const QuestionOptions&,
                               const std::string&) override {
        return YesNoCancel::Cancel;
    }
    FileDialogResult OpenFile(const FileDialogRequest&) override { return {}; }
    FileDialogResult SaveFile(const FileDialogRequest&) override { return {}; }
    std::string ChooseFolder(const FolderRequest&) override { return std::string(); }
};

}  // namespace vl
