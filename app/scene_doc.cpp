#include "app/scene_doc.h"

#include "app/core/title_text.h"
#include "framework/prompt.h"
#include "package/package_messages.h"
#include "scene/portable_preparer.h"
#include "scene/scene_check.h"

namespace vl {
namespace {

FileDialogRequest SceneDialog(const std::string& proposedName, unsigned flags) {
    FileDialogRequest request;
    request.filter = kSceneFilter;
    request.defaultExtension = kSceneExtension;
    request.proposedName = proposedName;
    request.flags = flags | kFileHideReadOnly;
    return request;
}

}  // namespace

void CSceneDoc::SetModified(bool modified) {
    if (modified_ == modified)
        return;
    modified_ = modified;
    if (onTitleChanged)
        onTitleChanged();
}

void CSceneDoc::SetPath(const std::string& path) {
    path_ = path;
    if (onTitleChanged)
        onTitleChanged();
}

void CSceneDoc::Clear() {
    if (onContentsChanging)
        onContentsChanging();
    store_.Entries().Clear();
    if (onContentsChanged)
        onContentsChanged();
}

bool CSceneDoc::New() {
    if (!SaveModified())
        return false;
    Clear();
    modified_ = false;
    SetPath(std::string());
    return true;
}

bool CSceneDoc::Open() {
    if (!SaveModified())
        return false;
    const FileDialogResult chosen =
        CurrentPrompt().OpenFile(SceneDialog(std::string(), kFileMustExist));
    if (!chosen.chosen || chosen.paths.empty())
        return false;
    return OpenPath(chosen.paths.front());
}

bool CSceneDoc::OpenPath(const std::string& path) {
    // Loaded into a list of its own, so that a refused or unreadable file leaves the open scene
    // exactly as it was.
    EntryList loaded;
    switch (storage_.Load(path, loaded)) {
        case SceneLoadOutcome::kRefused:
            return false;
        case SceneLoadOutcome::kUnreadable:
            CurrentPrompt().Message(path + kCannotBeOpenedSuffix, MessageIcon::Stop);
            return false;
        case SceneLoadOutcome::kMalformed:
            Clear();
            modified_ = false;
            SetPath(std::string());
            CurrentPrompt().Message(kUnexpectedFileFormat, MessageIcon::Stop);
            return false;
        case SceneLoadOutcome::kLoaded:
            break;
    }
    if (onContentsChanging)
        onContentsChanging();
    // The old scene goes when `loaded` does, destroyed in list order.
    store_.Entries().Swap(loaded);
    if (onContentsChanged)
        onContentsChanged();
    modified_ = false;
    SetPath(path);
    if (onFileUsed)
        onFileUsed(path);
    return true;
}

bool CSceneDoc::SaveTo(const std::string& path) {
    if (!storage_.Save(store_.Entries(), path)) {
        CurrentPrompt().Message(kFailedToSave, MessageIcon::Stop);
        return false;
    }
    modified_ = false;
    SetPath(path);
    if (onFileUsed)
        onFileUsed(path);
    return true;
}

bool CSceneDoc::Save() {
    if (path_.empty())
        return SaveAs();
    return SaveTo(path_);
}

bool CSceneDoc::SaveAs() {
    const std::string proposed = path_.empty() ? std::string() : path_;
    const FileDialogResult chosen =
        CurrentPrompt().SaveFile(SceneDialog(proposed, kFileOverwritePrompt));
    if (!chosen.chosen || chosen.paths.empty())
        return false;
    return SaveTo(chosen.paths.front());
}

bool CSceneDoc::SaveModified() {
    if (!modified_)
        return true;
    const std::string name = path_.empty() ? std::string(kUntitledName) : path_;
    switch (CurrentPrompt().AskYesNoCancel(FillIn(kAskToSave, name),
                                           {MessageIcon::Exclamation, false})) {
        case YesNoCancel::Yes:
            return Save();
        case YesNoCancel::No:
            return true;
        case YesNoCancel::Cancel:
            return false;
    }
    return false;
}

bool CSceneDoc::SaveScene() {
    // An unchanged scene that has a file is not written again.
    if (!path_.empty() && !modified_)
        return true;
    return Save();
}

bool CSceneDoc::CheckScene() {
    if (checkScene)
        return checkScene();
    PortablePreparer preparer;
    const SceneCheckResult result = vl::CheckScene(store_.Entries(), preparer);
    if (!result.ok)
        CurrentPrompt().Message(result.message, MessageIcon::Stop);
    return result.ok;
}

}  // namespace vl
