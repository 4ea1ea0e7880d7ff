// The one way the system talks to the user in modal boxes: message boxes, Yes/No questions, file
// and folder choosers. Portable code asks CurrentPrompt(); the Windows programs install the Win32
// implementation at start, tests install a ScriptedPrompt.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace vl {

enum class MessageIcon { Plain, Stop, Information, Question, Exclamation };

enum FileDialogFlags : unsigned {
    kFileOverwritePrompt = 1u << 0,   // save: ask before replacing an existing file
    kFileMustExist = 1u << 1,         // open: only existing files
    kFileHideReadOnly = 1u << 2,      // no "open as read-only" box
    kFileAllowMultiSelect = 1u << 3,  // open: several files at once
    kFileCentreOverOwner = 1u << 4,   // centre the dialog over its owner once it is shown
};

// Asked when the user presses OK: typedName is the text of the file-name field, path the full
// path the dialog would return. Returning false keeps the dialog open.
using AcceptFileName = std::function<bool(const std::string& typedName, const std::string& path)>;

struct FileDialogRequest {
    std::string title;
    std::string filter;            // "Name|*.ext||" pairs, as the document template writes them
    std::string defaultExtension;  // without the dot; appended when the user types none
    std::string proposedName;      // may include a folder
    std::string initialFolder;
    unsigned flags = 0;         // FileDialogFlags
    AcceptFileName acceptName;  // optional
};

struct FileDialogResult {
    bool chosen = false;             // false: cancelled or failed
    std::vector<std::string> paths;  // one path, or several with kFileAllowMultiSelect
    bool extensionDiffers = false;   // the typed extension is not the default extension
    unsigned long failure = 0;       // the dialog's own error code when it could not be shown
};

struct FolderRequest {
    std::string title;
};

// The answer to a question that can also be called off (saving changes before closing).
enum class YesNoCancel { Yes, No, Cancel };

struct QuestionOptions {
    MessageIcon icon = MessageIcon::Question;
    bool defaultNo = false;  // No is the default button
};

class Prompt {
  public:
    virtual ~Prompt() = default;
    // An OK-only message box. An empty caption means the program's own title.
    virtual void Message(const std::string& text, MessageIcon icon,
                         const std::string& caption = std::string()) = 0;
    // True when the user answered Yes.
    virtual bool AskYesNo(const std::string& text, const QuestionOptions& options = {},
                          const std::string& caption = std::string()) = 0;
    // Yes, No and Cancel buttons; closing the box is Cancel.
    virtual YesNoCancel AskYesNoCancel(const std::string& text, const QuestionOptions& options = {},
                                       const std::string& caption = std::string()) = 0;
    virtual FileDialogResult OpenFile(const FileDialogRequest& request) = 0;
    virtual FileDialogResult SaveFile(const FileDialogRequest& request) = 0;
    // The chosen folder as the system names it (only a drive root ends in a backslash), or
    // empty when cancelled.
    virtual std::string ChooseFolder(const FolderRequest& request) = 0;
};

// The prompt in force: the innermost ScopedPromptOverride, else the one given to
// SetDefaultPrompt, else a silent prompt that answers No and Cancel.
Prompt& CurrentPrompt();
void SetDefaultPrompt(Prompt* prompt);

// Replaces the prompt for its lifetime (tests).
class ScopedPromptOverride {
  public:
    explicit ScopedPromptOverride(Prompt& prompt);
    ~ScopedPromptOverride();
    ScopedPromptOverride(const ScopedPromptOverride&) = delete;
    ScopedPromptOverride& operator=(const ScopedPromptOverride&) = delete;

  private:
    Prompt* previous_;  // not owned
};

// "Name|*.ext||" -> "Name\0*.ext\0\0", the form the system's file dialogs take.
std::string FilterForFileDialog(const std::string& filter);

// Whether the extension of path's file name differs (ignoring case) from defaultExtension. A name
// without extension never differs (the dialog appends the default), nor does anything when there
// is no default extension.
bool ExtensionDiffers(const std::string& path, const std::string& defaultExtension);

// What an explorer-style file dialog leaves in its buffer, as full paths: either one path, or
// the folder followed by the names chosen in it, each ended by a NUL, the list by a second NUL.
std::vector<std::string> SplitFileDialogSelection(const std::string& buffer);

// The file part of a path: everything after the last backslash, slash or drive colon.
std::string FileNamePart(const std::string& path);

}  // namespace vl
