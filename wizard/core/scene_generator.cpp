#include "wizard/core/scene_generator.h"

#include <string>
#include <utility>

#include "scene/entries.h"

namespace vl {

namespace {

void AppendComment(WizardSceneTarget& target, const char* text) {
    auto comment = std::make_unique<CommentEntry>();
    comment->text = text;
    target.Append(std::move(comment));
}

// Links the command to its object (both sides) before the target takes it over.
void AppendLinked(WizardSceneTarget& target, std::unique_ptr<SceneEntry> command,
                  SceneEntry& object) {
    object.AddUser(*command);
    target.Append(std::move(command));
}

void AppendObjectDefinition(const WizardSequence& sequence, WizardSceneTarget& target) {
    if (sequence.kind == kSequenceMedia) {
        auto media = std::make_unique<MultimediaEntry>();
        media->Assign(*sequence.media);
        target.Append(std::move(media));
        return;
    }
    auto image = std::make_unique<ImageEntry>();
    image->Assign(*sequence.image);
    target.Append(std::move(image));
}

void AppendMediaCommands(const WizardSequence& sequence, SceneEntry& media,
                         WizardSceneTarget& target) {
    if (sequence.clearScreen) {
        target.Append(std::make_unique<ClsEntry>());
    }
    auto play = std::make_unique<PlayEntry>();
    play->params.mode.count = static_cast<std::uint32_t>(sequence.playCount);
    play->params.mode.wait = sequence.mediaWait;
    play->params.mode.videoX = sequence.videoX;
    play->params.mode.videoY = sequence.videoY;
    AppendLinked(target, std::move(play), media);
}

std::unique_ptr<ShowEntry> MakeShow(const WizardSequence& sequence) {
    auto show = std::make_unique<ShowEntry>();
    MotionParam& motion = show->params.motion;
    motion.centreStartX = sequence.centreShowX;
    motion.centreStartY = sequence.centreShowY;
    motion.startX = sequence.showX;
    motion.startY = sequence.showY;
    motion.effect = sequence.effect;
    // A tiled or stretched picture covers the screen; nothing behind it is worth restoring.
    if (sequence.effect > 0) {
        motion.restoreAfterHide = 0;
    }
    return show;
}

// A line-mode Move whose steps point from the start to the end, as the Move dialog sets them.
// Centred coordinates are planned at the middle of the screen.
std::unique_ptr<MoveEntry> MakeMove(const WizardSequence& sequence, ScreenSize screen) {
    auto move = std::make_unique<MoveEntry>();
    MotionParam& motion = move->params.motion;
    motion.centreStartX = sequence.centreStartX;
    motion.centreStartY = sequence.centreStartY;
    motion.centreEndX = sequence.centreEndX;
    motion.centreEndY = sequence.centreEndY;
    motion.startX = sequence.startX;
    motion.startY = sequence.startY;
    motion.endX = sequence.endX;
    motion.endY = sequence.endY;
    motion.stepMode = 0;

    const std::int32_t halfWidth = screen.width / 2;
    const std::int32_t halfHeight = screen.height / 2;
    const std::int32_t sx = sequence.centreStartX ? halfWidth : sequence.startX;
    const std::int32_t ex = sequence.centreEndX ? halfWidth : sequence.endX;
    const std::int32_t sy = sequence.centreStartY ? halfHeight : sequence.startY;
    const std::int32_t ey = sequence.centreEndY ? halfHeight : sequence.endY;
    if (sx == ex) {
        motion.stepAxis = 0;
    }
    motion.stepY = sy > ey ? -1 : 1;
    const bool decreasing = motion.stepAxis ? sx > ex : sy > ey;
    motion.stepX = decreasing ? -1 : 1;
    return move;
}

void AppendImageCommands(const WizardSequence& sequence, SceneEntry& image, ScreenSize screen,
                         WizardSceneTarget& target) {
    if (sequence.clearScreen) {
        target.Append(std::make_unique<ClsEntry>());
    }
    if (sequence.move) {
        AppendLinked(target, MakeMove(sequence, screen), image);
    } else {
        AppendLinked(target, MakeShow(sequence), image);
    }
    if (sequence.wait) {
        auto wait = std::make_unique<WaitEntry>();
        wait->duration.milliseconds = sequence.waitSeconds * 1000;
        target.Append(std::move(wait));
    }
    if (sequence.hide) {
        AppendLinked(target, std::make_unique<HideEntry>(), image);
    }
}

}  // namespace

SceneEntry* FindSceneObject(EntryList& entries, const WizardSequence& sequence) {
    for (std::size_t i = 0; i < entries.Count(); ++i) {
        SceneEntry& entry = entries.At(i);
        if (sequence.kind == kSequenceMedia) {
            const auto* media = EntryAs<MultimediaEntry>(&entry);
            if (media && media->fileName == sequence.media->fileName &&
                media->data.size() == sequence.media->data.size()) {
                return &entry;
            }
            continue;
        }
        const auto* image = EntryAs<ImageEntry>(&entry);
        if (!image || image->data.size() != sequence.image->data.size()) {
            continue;
        }
        const bool same = sequence.kind == kSequenceText
                              ? image->text == sequence.image->text
                              : image->fileName == sequence.image->fileName;
        if (same) {
            return &entry;
        }
    }
    return nullptr;
}

void GenerateScene(const std::vector<WizardSequence>& sequences, bool repeatForever,
                   GeneratedForm form, ScreenSize screen, WizardSceneTarget& target) {
    AppendComment(target, kDefinitionsComment);
    for (const WizardSequence& sequence : sequences) {
        if (!FindSceneObject(target.Scene(), sequence)) {
            AppendObjectDefinition(sequence, target);
        }
    }

    if (form == GeneratedForm::kFinal) {
        AppendComment(target, "");
        AppendComment(target, kActionsComment);
    } else {
        AppendComment(target, kPreviewActionsComment);
    }

    if (repeatForever) {
        target.Append(std::make_unique<RepeatEntry>());
    }
    for (const WizardSequence& sequence : sequences) {
        // Found again rather than remembered: the definitions are the target's now.
        SceneEntry* object = FindSceneObject(target.Scene(), sequence);
        if (!object) {
            continue;
        }
        if (sequence.kind == kSequenceMedia) {
            AppendMediaCommands(sequence, *object, target);
        } else {
            AppendImageCommands(sequence, *object, screen, target);
        }
    }
    if (repeatForever) {
        auto until = std::make_unique<UntilEntry>();
        until->repeat.infinite = 1;
        target.Append(std::move(until));
    }
}

}  // namespace vl
