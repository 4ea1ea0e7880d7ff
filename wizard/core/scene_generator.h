// Turning the wizard's sequences into a scene: the object definitions first, then each
// sequence's commands, optionally inside an endless Repeat ... Until.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "app/core/window_place.h"
#include "scene/entry.h"
#include "scene/entry_list.h"
#include "wizard/core/wizard_data.h"

namespace vl {

// Where generated entries go. The builder hands each to its main window, which appends it to the
// open scene and takes it over; Scene() is that scene as it grows, so the generator can look up
// the objects it has already defined.
class WizardSceneTarget {
  public:
    virtual ~WizardSceneTarget() = default;
    virtual EntryList& Scene() = 0;
    virtual void Append(std::unique_ptr<SceneEntry> entry) = 0;
};

// Appends straight to a list (tests, tools).
class EntryListTarget : public WizardSceneTarget {
  public:
    explicit EntryListTarget(EntryList& entries) : entries_(entries) {}
    EntryList& Scene() override { return entries_; }
    void Append(std::unique_ptr<SceneEntry> entry) override { entries_.Append(std::move(entry)); }

  private:
    EntryList& entries_;
};

// The final scene carries a separator and "Screen saver action commands"; the throw-away scene
// that the sequences page previews carries "Screen saver actualy begins here" instead.
enum class GeneratedForm { kFinal, kPreview };

// The screen the Move commands are planned for, in pixels: the builder's ScreenSize.

inline constexpr char kDefinitionsComment[] = "Wizard generated definitions of used objects";
inline constexpr char kActionsComment[] = "Screen saver action commands";
inline constexpr char kPreviewActionsComment[] = "Screen saver actualy begins here";

// The first object definition in entries that the sequence stands for, or nullptr: for media a
// Multimedia with the same file name and data size; for a picture an Image with the same file
// name and data size; for a text an Image with the same text and data size. Texts compare exactly.
SceneEntry* FindSceneObject(EntryList& entries, const WizardSequence& sequence);

// Appends the generated scene to target (which the caller has just emptied). Sequences on the
// same object share one definition, because each lookup sees the definitions made before it.
void GenerateScene(const std::vector<WizardSequence>& sequences, bool repeatForever,
                   GeneratedForm form, ScreenSize screen, WizardSceneTarget& target);

}  // namespace vl
