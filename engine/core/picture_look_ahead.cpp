#include "engine/core/picture_look_ahead.h"

#include <algorithm>
#include <cstdint>
#include <map>

namespace vl {
namespace {

ImageEntry* PictureUsedBy(const SceneEntry& entry) {
    if (entry.IsDisabled())
        return nullptr;
    switch (entry.Kind()) {
        case kShow:
        case kMove:
        case kHide:
            break;
        default:
            return nullptr;
    }
    ImageEntry* image = EntryAs<ImageEntry>(entry.GetLinkedObject());
    return image && PreparedOnTheWay(*image) ? image : nullptr;
}

bool Holds(const std::vector<ImageEntry*>& pictures, const ImageEntry* image) {
    return std::find(pictures.begin(), pictures.end(), image) != pictures.end();
}

// A stretched Show draws the same screen from a picture already at the screen's size, unless it
// keeps a background of the picture's own size that the screen does not contain whole.
bool StretchedAlike(const MotionParam& motion) {
    if (motion.effect != kEffectStretch)
        return false;
    if (!motion.restoreAfterHide)
        return true;
    const bool xCovers = !motion.randomStartX && (motion.centreStartX || motion.startX >= 0);
    const bool yCovers = !motion.randomStartY && (motion.centreStartY || motion.startY >= 0);
    return xCovers && yCovers;
}

}  // namespace

bool PreparedOnTheWay(const ImageEntry& image) {
    return !image.IsTextObject() && !image.data.empty();
}

std::vector<ImageEntry*> PicturesAhead(const EntryList& entries, int index, std::size_t count,
                                       std::size_t walkLimit) {
    std::vector<ImageEntry*> pictures;
    // The Untils' pass counters as the walk changes them; the scene's own stay untouched.
    std::map<int, std::uint32_t> passes;
    const int end = static_cast<int>(entries.Count());
    for (std::size_t walked = 0; index >= 0 && index < end && walked < walkLimit;
         ++walked, ++index) {
        if (pictures.size() >= count)
            break;
        const SceneEntry& entry = entries.At(static_cast<std::size_t>(index));
        if (ImageEntry* image = PictureUsedBy(entry)) {
            if (!Holds(pictures, image))
                pictures.push_back(image);
            continue;
        }
        const auto* until = EntryAs<UntilEntry>(&entry);
        if (!until || until->IsDisabled())
            continue;
        // The rule of UntilEntry::Loop, on the copied counter.
        if (until->jumpTarget < 0 || until->jumpTarget > index)
            continue;
        auto counter = passes.emplace(index, until->repeat.passCounter).first;
        if (!until->repeat.infinite && ++counter->second >= until->repeat.count) {
            counter->second = 0;
            continue;
        }
        index = until->jumpTarget - 1;
    }
    return pictures;
}

bool OnlyStretched(const ImageEntry& image) {
    for (const SceneEntry* user : image.Users()) {
        if (user->IsDisabled() || user->Kind() == kHide)
            continue;
        const auto* show = EntryAs<ShowEntry>(user);
        if (!show || !StretchedAlike(show->params.motion))
            return false;
    }
    return true;
}

PictureLookAhead::PictureLookAhead(const EntryList& entries, IPicturePreparation& preparation,
                                   std::size_t ahead)
    : entries_(entries), preparation_(preparation), ahead_(std::max<std::size_t>(ahead, 1)) {
    for (std::size_t i = 0; i < entries.Count() && !anyPicture_; ++i)
        anyPicture_ = PictureUsedBy(entries.At(i)) != nullptr;
}

void PictureLookAhead::BeforeEntry(int index) {
    if (!anyPicture_)
        return;
    // The walk runs before every entry, so it stays short whatever the scene's length: a picture
    // further away is asked for when the player comes nearer.
    constexpr std::size_t kWalkLimit = 2048;
    std::vector<ImageEntry*> wanted = PicturesAhead(entries_, index, ahead_, kWalkLimit);
    // Freed first, so that the memory of what is done with comes back before more is asked for.
    for (ImageEntry* image : held_) {
        if (!Holds(wanted, image))
            preparation_.Release(*image);
    }
    for (ImageEntry* image : wanted) {
        if (!Holds(held_, image))
            preparation_.Prepare(*image);
    }
    held_ = std::move(wanted);
    if (index < 0 || index >= static_cast<int>(entries_.Count()))
        return;
    if (ImageEntry* now = PictureUsedBy(entries_.At(static_cast<std::size_t>(index))))
        preparation_.AwaitReady(*now);
}

void PictureLookAhead::ReleaseAll() {
    for (ImageEntry* image : held_)
        preparation_.Release(*image);
    held_.clear();
}

}  // namespace vl
