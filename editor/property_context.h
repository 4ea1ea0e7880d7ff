// What every property dialog may reach beyond its own entry: the open scene for its object lists,
// the prompt, the font and colour choosers, and the list view's append for "New image".
#pragma once

#include <functional>
#include <memory>

#include "editor/style_chooser.h"
#include "engine/image/core/verified_pictures.h"
#include "framework/prompt.h"
#include "scene/entry.h"
#include "scene/entry_list.h"

namespace vl {

struct PropertyContext {
    const EntryList& scene;  // the open scene, for the object lists
    Prompt& prompt;
    StyleChooser& chooser;  // font and colour dialogs
    // "New image": appends the entry at the end of the scene through the list view; returns it
    // (owned by the list), or nullptr when nothing could be appended.
    std::function<SceneEntry*(std::unique_ptr<SceneEntry>)> append;
    // Where a chosen picture that decoded is remembered, so the check before the next preview
    // need not decode it again; may be null.
    VerifiedPictures* verifiedPictures = nullptr;
};

}  // namespace vl
