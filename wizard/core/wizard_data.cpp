#include "wizard/core/wizard_data.h"

#include "app/core/user_files.h"

namespace vl {

namespace {

std::string WithTrailingBackslash(std::string folder) {
    if (folder.empty() || folder.back() != '\\') {
        folder += '\\';
    }
    return folder;
}

}  // namespace

WizardSequence::WizardSequence()
    : image(std::make_unique<ImageEntry>()), media(std::make_unique<MultimediaEntry>()) {}

WizardSequence::WizardSequence(const WizardSequence& other) : WizardSequence() {
    *this = other;
}

WizardSequence& WizardSequence::operator=(const WizardSequence& other) {
    if (this == &other) {
        return *this;
    }
    // A moved-from sequence gets its objects back before they are assigned.
    if (!image) {
        image = std::make_unique<ImageEntry>();
    }
    if (!media) {
        media = std::make_unique<MultimediaEntry>();
    }
    if (other.image) {
        image->Assign(*other.image);
    }
    if (other.media) {
        media->Assign(*other.media);
    }
    kind = other.kind;
    clearScreen = other.clearScreen;
    move = other.move;
    showX = other.showX;
    showY = other.showY;
    centreShowX = other.centreShowX;
    centreShowY = other.centreShowY;
    effect = other.effect;
    startX = other.startX;
    startY = other.startY;
    endX = other.endX;
    endY = other.endY;
    centreStartX = other.centreStartX;
    centreStartY = other.centreStartY;
    centreEndX = other.centreEndX;
    centreEndY = other.centreEndY;
    wait = other.wait;
    waitSeconds = other.waitSeconds;
    hide = other.hide;
    mediaWait = other.mediaWait;
    playCount = other.playCount;
    videoX = other.videoX;
    videoY = other.videoY;
    listIndex = other.listIndex;
    return *this;
}

WizardSequence MakeWizardSequence(std::int32_t kind, const SceneEntry& object,
                                  std::int32_t screenWidth) {
    WizardSequence sequence;
    sequence.kind = kind;
    sequence.endX = screenWidth;
    if (kind == kSequenceMedia) {
        sequence.media->Assign(object);
    } else {
        sequence.image->Assign(object);
        sequence.wait = 1;
        sequence.hide = 1;
    }
    return sequence;
}

WizardData MakeWizardData(const std::string& folder) {
    WizardData data;
    data.folder = WithTrailingBackslash(folder);
    return data;
}

std::string DefaultWizardFolder(const std::string& documentsFolder) {
    return JoinWindowsPath(documentsFolder, "Vistaloom Wizard\\");
}

std::string WizardScenePath(const WizardData& data) {
    return data.folder + data.name + ".ssd";
}

std::string WizardScreenSaverPath(const WizardData& data) {
    return data.folder + data.name + ".scr";
}

std::string WizardInstallerPath(const WizardData& data) {
    return data.folder + data.name + ".exe";
}

bool WizardNameTaken(const std::string& folder, const std::string& name,
                     const std::function<bool(const std::string& path)>& fileExists) {
    for (const char* extension : {".ssd", ".scr", ".exe"}) {
        if (fileExists(folder + name + extension))
            return true;
    }
    return false;
}

}  // namespace vl
