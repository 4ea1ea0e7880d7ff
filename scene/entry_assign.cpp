#include <type_traits>

#include "scene/entry_dispatch.h"
#include "scene/params.h"

namespace vl {

// Assign copies what the user edits; the builder alone uses it.

void ColourParam::Assign(const ColourParam& other) {
    colour = other.colour;
    secondColour = other.secondColour;
    mixing = other.mixing;
    random = other.random;
    background = other.background;
}

void DurationParam::Assign(const DurationParam& other) {
    milliseconds = other.milliseconds;
    random = other.random;
    randomRange = other.randomRange;
}

void RepeatCountParam::Assign(const RepeatCountParam& other) {
    count = other.count;
    infinite = other.infinite;
}

void PlayModeParam::Assign(const PlayModeParam& other) {
    RepeatCountParam::Assign(other);
    videoX = other.videoX;
    videoY = other.videoY;
    wait = other.wait;
    endless = other.endless;
}

void MotionParam::Assign(const MotionParam& other) {
    const std::int32_t keepX = currentX;
    const std::int32_t keepY = currentY;
    const std::uint32_t keepSeed = seed;
    *this = other;
    currentX = keepX;
    currentY = keepY;
    seed = keepSeed;
}

void ImageActionParams::Assign(const ImageActionParams& other) {
    motion.Assign(other.motion);
    colour.Assign(other.colour);
    description.Assign(other.description);
}

void PlayParams::Assign(const PlayParams& other) {
    description.Assign(other.description);
    mode.Assign(other.mode);
}

bool ImageEntry::Assign(const SceneEntry& other) {
    const ImageEntry* image = EntryAs<ImageEntry>(&other);
    if (!image) {
        return false;
    }
    AssignBase(other);
    textColour = image->textColour;
    backgroundColour = image->backgroundColour;
    font = image->font;
    opaque = image->opaque;
    isText = image->isText;
    text = image->text;
    fileName = image->fileName;
    data = image->data;
    source = image->source;
    return true;
}

bool MultimediaEntry::Assign(const SceneEntry& other) {
    const MultimediaEntry* media = EntryAs<MultimediaEntry>(&other);
    if (!media) {
        return false;
    }
    AssignBase(other);
    fileName = media->fileName;
    mediaType = media->mediaType;
    data = media->data;
    return true;
}

bool ImageCommandEntry::Assign(const SceneEntry& other) {
    if (other.Kind() != Kind()) {
        return false;
    }
    AssignBase(other);
    params.Assign(static_cast<const ImageCommandEntry&>(other).params);
    return true;
}

bool WaitEntry::Assign(const SceneEntry& other) {
    const WaitEntry* wait = EntryAs<WaitEntry>(&other);
    if (!wait) {
        return false;
    }
    AssignBase(other);
    duration.Assign(wait->duration);
    return true;
}

bool ClsEntry::Assign(const SceneEntry& other) {
    const ClsEntry* cls = EntryAs<ClsEntry>(&other);
    if (!cls) {
        return false;
    }
    AssignBase(other);
    colour.Assign(cls->colour);
    return true;
}

bool RepeatEntry::Assign(const SceneEntry& other) {
    if (other.Kind() != kKind) {
        return false;
    }
    AssignBase(other);
    return true;
}

bool UntilEntry::Assign(const SceneEntry& other) {
    const UntilEntry* until = EntryAs<UntilEntry>(&other);
    if (!until) {
        return false;
    }
    AssignBase(other);
    repeat.Assign(until->repeat);
    return true;
}

bool LineEntry::Assign(const SceneEntry& other) {
    const LineEntry* line = EntryAs<LineEntry>(&other);
    if (!line) {
        return false;
    }
    AssignBase(other);
    motion.Assign(line->motion);
    colour.Assign(line->colour);
    penStyle = line->penStyle;
    penWidth = line->penWidth;
    return true;
}

bool PlayEntry::Assign(const SceneEntry& other) {
    const PlayEntry* play = EntryAs<PlayEntry>(&other);
    if (!play) {
        return false;
    }
    AssignBase(other);
    params.Assign(play->params);
    return true;
}

bool StopEntry::Assign(const SceneEntry& other) {
    const StopEntry* stop = EntryAs<StopEntry>(&other);
    if (!stop) {
        return false;
    }
    AssignBase(other);
    params.Assign(stop->params);
    return true;
}

bool CommentEntry::Assign(const SceneEntry& other) {
    const CommentEntry* comment = EntryAs<CommentEntry>(&other);
    if (!comment) {
        return false;
    }
    AssignBase(other);
    text = comment->text;
    return true;
}

bool SceneEntry::Assign(const SceneEntry& other) {
    // The concrete Assign of this entry's class; each refuses an entry of another kind.
    return DispatchOnKind(*this, [&](const auto& self) {
        using Concrete = std::remove_const_t<std::remove_reference_t<decltype(self)>>;
        return static_cast<Concrete&>(*this).Assign(other);
    });
}

}  // namespace vl
