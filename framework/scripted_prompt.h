// A prompt for tests: answers come from a queue written by the test, and everything shown is
// recorded in order, so a test can check both what the user was told and what was decided.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "framework/prompt.h"

namespace vl {

enum class PromptKind { Message, Question, OpenFile, SaveFile, Folder };

struct ShownPrompt {
    PromptKind kind;
    std::string text;  // the message, the question or the dialog's title
    std::string caption;
    MessageIcon icon = MessageIcon::Plain;
    bool defaultNo = false;
    FileDialogRequest request;  // file dialogs only (acceptName is not kept)
};

class ScriptedPrompt : public Prompt {
  public:
    // Queued answers, used in order. A question or dialog meeting an answer of another kind, or
    // none, is recorded as a script failure and answered No or Cancel.
    ScriptedPrompt& AnswerYes();
    ScriptedPrompt& AnswerNo();
    // For a Yes/No/Cancel question only.
    ScriptedPrompt& AnswerCancel();
    // The name the user "types" into the next file dialog; a relative name is taken as is. The
    // dialog's acceptName hook sees it; when the hook refuses, the dialog takes the next queued
    // file answer, as a user trying another name would.
    ScriptedPrompt& AnswerFile(const std::string& path);
    ScriptedPrompt& AnswerFiles(const std::vector<std::string>& paths);
    ScriptedPrompt& CancelFile();
    ScriptedPrompt& AnswerFolder(const std::string& folder);
    ScriptedPrompt& CancelFolder();

    void Message(const std::string& text, MessageIcon icon, const std::string& caption) override;
    bool AskYesNo(const std::string& text, const QuestionOptions& options,
                  const std::string& caption) override;
    YesNoCancel AskYesNoCancel(const std::string& text, const QuestionOptions& options,
                               const std::string& caption) override;
    FileDialogResult OpenFile(const FileDialogRequest& request) override;
    FileDialogResult SaveFile(const FileDialogRequest& request) override;
    std::string ChooseFolder(const FolderRequest& request) override;

    const std::vector<ShownPrompt>& Shown() const { return shown_; }
    // The texts of everything shown, in order.
    std::vector<std::string> Texts() const;
    // Mismatches between the script and what the code asked; empty when the script fit.
    const std::vector<std::string>& Failures() const { return failures_; }
    std::size_t UnusedAnswers() const { return answers_.size(); }

  private:
    enum class AnswerKind { Yes, No, Cancel, File, CancelFile, Folder, CancelFolder };
    struct Answer {
        AnswerKind kind;
        std::vector<std::string> paths;
    };

    FileDialogResult FileDialog(PromptKind kind, const FileDialogRequest& request);
    bool TakeAnswer(const std::string& askedFor, bool (*fits)(AnswerKind), Answer& answer);

    std::deque<Answer> answers_;
    std::vector<ShownPrompt> shown_;
    std::vector<std::string> failures_;
};

}  // namespace vl
