#include "package/packager.h"

#include <vector>

#include "package/atomic_file.h"
#include "package/package_messages.h"
#include "package/package_names.h"
#include "framework/prompt.h"

namespace vl {
namespace {

bool Refuse(const char* text) {
    CurrentPrompt().Message(text, MessageIcon::Stop);
    return false;
}

bool CannotCreate() {
    return Refuse(kCannotCreateScreenSaver);
}

// Refuses a target that is the scene file itself.
bool TargetIsScene(const std::string& target, const std::string& scenePath) {
    if (!SameFilePath(target, scenePath))
        return false;
    CurrentPrompt().Message(FillIn(kTargetIsScene, target), MessageIcon::Stop);
    return true;
}

void Created(const std::string& path) {
    CurrentPrompt().Message(FillIn(kScreenSaverCreated, path), MessageIcon::Information);
}

FileDialogRequest SaveRequest(const char* filter, const char* extension,
                              const std::string& proposedName) {
    FileDialogRequest request;
    request.title = kMakeScreenSaverTitle;
    request.filter = filter;
    request.defaultExtension = extension;
    request.proposedName = proposedName;
    request.flags = kFileOverwritePrompt | kFileHideReadOnly | kFileCentreOverOwner;
    request.acceptName = ScreenSaverNameCheck();
    return request;
}

// The chosen path with the default extension appended when another was typed; empty when the
// dialog was cancelled.
std::string AskForTarget(const FileDialogRequest& request) {
    const FileDialogResult result = CurrentPrompt().SaveFile(request);
    if (!result.chosen || result.paths.empty())
        return {};
    return WithDefaultExtension(result.paths.front(), result.extensionDiffers,
                                request.defaultExtension);
}

}  // namespace

std::string Packager::SavedScenePath() {
    const bool saved = document_.SaveScene();
    const std::string path = document_.ScenePath();
    if (path.empty()) {
        Refuse(kHaveToSaveScene);
        return {};
    }
    // A failed save of a titled scene has been reported; the old file on disk is not the scene
    // the user sees, so nothing is made from it.
    return saved ? path : std::string();
}

bool Packager::MakeScreenSaver(bool askForName, std::string* outPath) {
    const std::string scenePath = SavedScenePath();
    if (scenePath.empty() || !document_.CheckScene())
        return false;
    std::string target;
    if (askForName) {
        target = AskForTarget(SaveRequest(kScreenSaverFilter, kScreenSaverExtension,
                                          ProposedScreenSaverName(scenePath)));
        if (target.empty())
            return false;
    } else {
        target = ScreenSaverBesideScene(scenePath);
    }
    if (TargetIsScene(target, scenePath) || !WriteScreenSaverFile(target, scenePath))
        return false;
    if (outPath)
        *outPath = target;
    Created(target);
    return true;
}

bool Packager::WriteScreenSaverFile(const std::string& target, const std::string& scenePath) {
    AtomicFile file;
    if (!file.Begin(target) || !WriteRuntimeImage(file, system_.RuntimeImage()))
        return CannotCreate();
    {
        std::vector<std::uint8_t> scene;
        if (!system_.ReadWholeFile(scenePath, scene) || !AppendScenePayload(file, ViewOf(scene)))
            return CannotCreate();
    }
    // The file is complete without it: the runtime's own preview stays.
    if (system_.CustomImageEnabled())
        InsertCustomImage(file, 0);
    if (file.Commit(true) != CommitResult::kDone)
        return CannotCreate();
    return true;
}

bool Packager::MakeInstaller(bool askForName) {
    const std::string scenePath = SavedScenePath();
    if (scenePath.empty() || !document_.CheckScene())
        return false;
    const std::string base = InstallerBaseName(scenePath);
    std::string target;
    if (askForName) {
        target = AskForTarget(SaveRequest(kInstallerFilter, kInstallerExtension, base));
        if (target.empty())
            return false;
    } else {
        target = base + "." + kInstallerExtension;
    }
    if (TargetIsScene(target, scenePath) || !WriteInstallerFile(target, scenePath))
        return false;
    Created(target);
    return true;
}

bool Packager::WriteInstallerFile(const std::string& target, const std::string& scenePath) {
    const ByteView stub = system_.StubImage();
    const ByteView runtime = system_.RuntimeImage();
    if (!IsStubImage(stub) || !IsRuntimeImage(runtime))
        return CannotCreate();
    AtomicFile file;
    if (!file.Begin(target) || !WriteInstallerImage(file, stub, runtime, false))
        return CannotCreate();
    {
        std::vector<std::uint8_t> scene;
        if (!system_.ReadWholeFile(scenePath, scene) || !AppendScenePayload(file, ViewOf(scene)))
            return CannotCreate();
    }
    if (system_.CustomImageEnabled())
        InsertCustomImage(file, stub.size);
    if (file.Commit(true) != CommitResult::kDone)
        return CannotCreate();
    return true;
}

bool Packager::MakeInstallerFromScr() {
    FileDialogRequest request;
    request.title = kInstallerFromScrTitle;
    request.filter = kScreenSaverFilter;
    request.defaultExtension = kScreenSaverExtension;
    request.flags = kFileMustExist | kFileHideReadOnly | kFileCentreOverOwner;
    request.acceptName = ScreenSaverNameCheck();
    const FileDialogResult chosen = CurrentPrompt().OpenFile(request);
    if (!chosen.chosen || chosen.paths.empty())
        return false;
    const std::string& screenSaver = chosen.paths.front();
    const std::string target = InstallerForScreenSaver(screenSaver);
    if (system_.FileExists(target))
        return Refuse(kInstallerExists);

    const ByteView stub = system_.StubImage();
    if (!IsStubImage(stub) || !IsRuntimeImage(system_.RuntimeImage()))
        return CannotCreate();
    AtomicFile file;
    if (!file.Begin(target) || !WriteInstallerImage(file, stub, system_.RuntimeImage(), true))
        return CannotCreate();
    {
        std::vector<std::uint8_t> bytes;
        if (!system_.ReadFileQuietly(screenSaver, bytes))
            return CannotCreate();
        if (!bytes.empty() && !file.Append(bytes.data(), bytes.size()))
            return CannotCreate();
    }
    // Another program may have taken the name meanwhile; it is still not replaced.
    switch (file.Commit(false)) {
        case CommitResult::kDone:
            break;
        case CommitResult::kTargetExists:
            return Refuse(kInstallerExists);
        case CommitResult::kFailed:
            return CannotCreate();
    }
    Created(target);
    return true;
}

bool Packager::InsertCustomImage(OutputFile& file, std::uint64_t baseOffset) {
    std::vector<std::uint8_t> image;
    const std::string path = system_.CustomImageFolder() + kCustomImageName;
    if (!system_.ReadFileQuietly(path, image) || !WritePreviewSlot(file, baseOffset, ViewOf(image)))
        return Refuse(kCustomImageFailed);
    return true;
}

bool Packager::SetDefaultScreenSaver() {
    std::string made;
    if (!MakeScreenSaver(true, &made) || made.empty())
        return false;
    const std::string folder = system_.SystemFolder();
    const std::string target = JoinFolder(folder, FileNamePart(made));
    if (folder.empty() || !CopyIntoSystemFolder(made, target)) {
        CurrentPrompt().Message(FillIn(kCannotCopyToSystemFolder, target), MessageIcon::Stop);
        return false;
    }
    system_.StartCommand(ControlPanelCommandFor(target));
    return true;
}

bool Packager::CopyIntoSystemFolder(const std::string& made, const std::string& target) {
    std::vector<std::uint8_t> bytes;
    if (!system_.ReadFileQuietly(made, bytes))
        return false;
    AtomicFile file;
    if (!file.Begin(target) || (!bytes.empty() && !file.Append(bytes.data(), bytes.size())))
        return false;
    return file.Commit(true) == CommitResult::kDone;
}

}  // namespace vl
