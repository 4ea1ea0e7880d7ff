// The prompt as the user sees it: message boxes, the common file dialogs with a hook, and the
// shell's folder chooser.
#pragma once

#include <windows.h>

#include <string>
#include <utility>

#include "framework/prompt.h"

namespace vl {

class Win32Prompt : public Prompt {
  public:
    // programTitle captions every box that brings no caption of its own.
    explicit Win32Prompt(std::string programTitle) : title_(std::move(programTitle)) {}

    // The owner of every box and dialog; nullptr means the thread's active window.
    void SetOwner(HWND owner) { owner_ = owner; }

    void Message(const std::string& text, MessageIcon icon, const std::string& caption) override;
    bool AskYesNo(const std::string& text, const QuestionOptions& options,
                  const std::string& caption) override;
    YesNoCancel AskYesNoCancel(const std::string& text, const QuestionOptions& options,
                               const std::string& caption) override;
    FileDialogResult OpenFile(const FileDialogRequest& request) override;
    FileDialogResult SaveFile(const FileDialogRequest& request) override;
    std::string ChooseFolder(const FolderRequest& request) override;

  private:
    HWND Owner() const;
    const char* Caption(const std::string& caption) const;
    FileDialogResult FileDialog(bool save, const FileDialogRequest& request);

    std::string title_;
    HWND owner_ = nullptr;  // not owned
};

}  // namespace vl
