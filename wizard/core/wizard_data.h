// What the wizard's pages collect and share for one run: the names, the choices, the defined
// pictures, media and texts, and the ordered action sequences the scene is generated from.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "scene/entries.h"

namespace vl {

enum WizardSequenceKind : std::int32_t {
    kSequenceImage = 0,
    kSequenceMedia = 1,
    kSequenceText = 2,
};

// One action sequence: clear, show or move an object, wait, hide; or clear and play a media file.
// The kind decides which fields count. The sequence owns copies of its objects, so removing a
// defined object afterwards leaves the sequence intact.
struct WizardSequence {
    WizardSequence();
    WizardSequence(const WizardSequence& other);
    WizardSequence& operator=(const WizardSequence& other);
    WizardSequence(WizardSequence&&) = default;
    WizardSequence& operator=(WizardSequence&&) = default;

    std::int32_t kind = kSequenceImage;
    std::unique_ptr<ImageEntry> image;       // kinds image and text; never null
    std::unique_ptr<MultimediaEntry> media;  // kind media; never null
    std::int32_t clearScreen = 0;
    std::int32_t move = 0;  // 0 Show at one position, 1 Move from start to end
    std::int32_t showX = 0, showY = 0;
    std::int32_t centreShowX = 1, centreShowY = 1;
    std::int32_t effect = kEffectNone;  // pictures only, Show only
    std::int32_t startX = 0, startY = 0;
    std::int32_t endX = 0;  // the screen width when made through MakeWizardSequence
    std::int32_t endY = 0;
    std::int32_t centreStartX = 0, centreStartY = 0, centreEndX = 0, centreEndY = 0;
    std::int32_t wait = 0;
    std::int32_t waitSeconds = 3;  // 1 to 100
    std::int32_t hide = 0;
    std::int32_t mediaWait = 1;
    std::int32_t playCount = 1;  // 1 to 999,999
    std::int32_t videoX = 0, videoY = 0;
    std::int32_t listIndex = -1;  // page 3's line; display only
};

// A sequence of the kind as the sequences page adds it: the defaults, the end x at the screen's
// width, wait and hide on for pictures and texts, and a copy of the chosen object (an Image for
// pictures and texts, a Multimedia for media; an object of the other kind is not copied).
WizardSequence MakeWizardSequence(std::int32_t kind, const SceneEntry& object,
                                  std::int32_t screenWidth);

struct WizardData {
    std::string folder;  // always ends with a backslash
    std::string name;
    std::int32_t useImages = 1;
    std::int32_t useMedia = 0;
    std::int32_t useTexts = 0;
    std::int32_t repeatForever = 1;
    std::int32_t makeScreenSaver = 1;
    std::int32_t makeInstaller = 0;
    std::vector<std::unique_ptr<ImageEntry>> images;
    std::vector<std::unique_ptr<ImageEntry>> texts;  // Images with isText set
    std::vector<std::unique_ptr<MultimediaEntry>> media;
    std::vector<WizardSequence> sequences;
    // This run wrote folder + name + ".ssd" (a whole-scene preview): only then may going back
    // from the sequences page delete it.
    bool sceneWritten = false;
};

// The defaults of a run that starts in folder (a backslash is added when it has none).
WizardData MakeWizardData(const std::string& folder);
// The wizard's folder in the user's documents, where a normal user can write (the program's own
// folder is not writable under Program Files): documentsFolder followed by "Vistaloom Wizard\".
std::string DefaultWizardFolder(const std::string& documentsFolder);

// The generated files: folder + name + ".ssd", ".scr", ".exe".
std::string WizardScenePath(const WizardData& data);
std::string WizardScreenSaverPath(const WizardData& data);
std::string WizardInstallerPath(const WizardData& data);

// Whether folder + name + ".ssd", ".scr" or ".exe" already exists: such a name is refused.
bool WizardNameTaken(const std::string& folder, const std::string& name,
                     const std::function<bool(const std::string& path)>& fileExists);

}  // namespace vl
