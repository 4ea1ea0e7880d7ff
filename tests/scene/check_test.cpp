// The scene check, loop pairing and running, nesting, text export and the portable preparer.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "scene/entries.h"
#include "scene/messages.h"
#include "scene/nesting.h"
#include "scene/portable_preparer.h"
#include "scene/scene_check.h"

namespace vl {
namespace {

template <class T>
T& Add(EntryList& list, std::int32_t disabled = 0) {
    auto entry = std::make_unique<T>();
    T& ref = *entry;
    ref.disabled = disabled;
    list.Append(std::move(entry));
    return ref;
}

// A preparer that records what it was asked and accepts everything.
class RecordingPreparer : public ObjectPreparer {
  public:
    Validation PrepareImage(ImageEntry& image) override {
        prepared.push_back(&image);
        return Validation::Pass();
    }
    std::vector<const ImageEntry*> prepared;
};

ImageEntry& AddTextImage(EntryList& list, const std::string& text = "Hi") {
    ImageEntry& image = Add<ImageEntry>(list);
    image.isText = 1;
    image.text = text;
    return image;
}

ShowEntry& AddShowOf(EntryList& list, ImageEntry& image) {
    ShowEntry& show = Add<ShowEntry>(list);
    EXPECT_TRUE(show.SetObject(&image));
    return show;
}

// Walks the list as the player does and counts how often each Show runs.
int CountShows(EntryList& list) {
    int shows = 0;
    for (std::int32_t index = 0; index < static_cast<std::int32_t>(list.Count()); ++index) {
        SceneEntry& entry = list.At(static_cast<std::size_t>(index));
        if (entry.disabled) {
            continue;
        }
        if (entry.Kind() == kShow) {
            ++shows;
        } else if (auto* until = EntryAs<UntilEntry>(&entry)) {
            until->Loop(index);
        }
    }
    return shows;
}

TEST(SceneCheck, EmptySceneAndPlainScenePass) {
    EntryList list;
    PortablePreparer preparer;
    SceneCheckResult result = CheckScene(list, preparer);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.index, -1);
    Add<WaitEntry>(list);
    Add<CommentEntry>(list);
    EXPECT_TRUE(CheckScene(list, preparer).ok);
}

TEST(SceneCheck, LoneUntilAtTheTopSelectsIt) {
    EntryList list;
    Add<UntilEntry>(list);
    Add<RepeatEntry>(list);
    Add<UntilEntry>(list);
    PortablePreparer preparer;
    SceneCheckResult result = CheckScene(list, preparer);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, "Missing repeat command.");
    EXPECT_EQ(result.index, 0);
}

TEST(SceneCheck, LoneRepeatSelectsTheLastLine) {
    EntryList list;
    Add<RepeatEntry>(list);
    Add<WaitEntry>(list);
    Add<CommentEntry>(list);
    PortablePreparer preparer;
    SceneCheckResult result = CheckScene(list, preparer);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, "Missing until command.");
    EXPECT_EQ(result.index, 2);
}

TEST(SceneCheck, DeactivatedUntilDoesNotCount) {
    EntryList list;
    Add<RepeatEntry>(list);
    Add<UntilEntry>(list, 1);
    PortablePreparer preparer;
    SceneCheckResult result = CheckScene(list, preparer);
    EXPECT_EQ(result.message, "Missing until command.");
    EXPECT_EQ(result.index, 1);
}

TEST(SceneCheck, StrayUntilInTheMiddleIsSelected) {
    EntryList list;
    Add<RepeatEntry>(list);
    Add<UntilEntry>(list);
    Add<WaitEntry>(list);
    Add<UntilEntry>(list);
    Add<RepeatEntry>(list);
    PortablePreparer preparer;
    SceneCheckResult result = CheckScene(list, preparer);
    EXPECT_EQ(result.message, "Missing repeat command.");
    EXPECT_EQ(result.index, 3);
}

TEST(SceneCheck, FirstFailingEntrySelectsItselfWithItsMessage) {
    EntryList list;
    ImageEntry& image = AddTextImage(list);
    AddShowOf(list, image);
    Add<PlayEntry>(list);  // no media
    Add<HideEntry>(list);  // no image, comes later
    PortablePreparer preparer;
    SceneCheckResult result = CheckScene(list, preparer);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, "You have to choose the media.");
    EXPECT_EQ(result.index, 2);
    // The check renumbered the entries.
    EXPECT_EQ(list.At(3).index, 3);
}

TEST(SceneCheck, DeactivatingAnUnsetHideLetsTheCheckPass) {
    EntryList list;
    HideEntry& hide = Add<HideEntry>(list);
    PortablePreparer preparer;
    SceneCheckResult result = CheckScene(list, preparer);
    EXPECT_EQ(result.message, "You have to choose the image.");
    EXPECT_EQ(result.index, 0);
    hide.SetDisabled(1);
    EXPECT_EQ(hide.IsDisabled(), 1);
    EXPECT_TRUE(CheckScene(list, preparer).ok);
}

TEST(SceneCheck, DisabledShowWithoutImagePassesEnabledFails) {
    EntryList list;
    ShowEntry& show = Add<ShowEntry>(list);
    PortablePreparer preparer;
    ValidationContext context{list, preparer};
    EXPECT_EQ(show.Validate(context).message, "You have to choose the image.");
    show.disabled = 1;
    EXPECT_TRUE(show.Validate(context).ok);
}

TEST(SceneCheck, DeactivatedObjectIsCheckedOnlyWhileAnActiveCommandUsesIt) {
    EntryList list;
    ImageEntry& image = Add<ImageEntry>(list, 1);  // no data
    ShowEntry& show = AddShowOf(list, image);
    show.disabled = 1;
    RecordingPreparer preparer;
    EXPECT_TRUE(CheckScene(list, preparer).ok);
    show.disabled = 0;
    SceneCheckResult result = CheckScene(list, preparer);
    EXPECT_EQ(result.message, "You have to choose the image.");
    EXPECT_EQ(result.index, 0);

    image.data = ByteBlock::Copy("BM", 2);
    image.shown = 1;
    EXPECT_TRUE(CheckScene(list, preparer).ok);
    ASSERT_EQ(preparer.prepared.size(), 1u);
    EXPECT_EQ(image.shown, 0);

    // Same for media.
    EntryList media;
    MultimediaEntry& wave = Add<MultimediaEntry>(media, 1);
    PlayEntry& play = Add<PlayEntry>(media);
    ASSERT_TRUE(play.SetObject(&wave));
    EXPECT_EQ(CheckScene(media, preparer).message, "You have to choose the media.");
    play.disabled = 1;
    EXPECT_TRUE(CheckScene(media, preparer).ok);
}

TEST(SceneCheck, ActiveImageWithoutUsersIsStillPrepared) {
    EntryList list;
    AddTextImage(list);
    RecordingPreparer preparer;
    EXPECT_TRUE(CheckScene(list, preparer).ok);
    EXPECT_EQ(preparer.prepared.size(), 1u);
}

TEST(SceneCheck, CommandLinkedToAnObjectThatWasDestroyedFails) {
    EntryList list;
    ImageEntry& image = AddTextImage(list);
    AddShowOf(list, image);
    list.Destroy(0);
    PortablePreparer preparer;
    EXPECT_EQ(CheckScene(list, preparer).message, "You have to choose the image.");
}

TEST(LoopPairing, JumpTargetsAndPassCounters) {
    EntryList list;
    Add<WaitEntry>(list);                       // 0
    Add<RepeatEntry>(list);                     // 1
    Add<RepeatEntry>(list);                     // 2
    Add<WaitEntry>(list);                       // 3
    UntilEntry& inner = Add<UntilEntry>(list);  // 4
    UntilEntry& outer = Add<UntilEntry>(list);  // 5
    EXPECT_EQ(inner.jumpTarget, -1);
    inner.repeat.passCounter = 7;
    PortablePreparer preparer;
    ASSERT_TRUE(CheckScene(list, preparer).ok);
    EXPECT_EQ(inner.jumpTarget, 3);
    EXPECT_EQ(outer.jumpTarget, 2);
    EXPECT_EQ(inner.repeat.passCounter, 0u);
}

TEST(LoopPairing, DeactivatedRepeatAndUntilBetweenAreLeftOut) {
    EntryList list;
    Add<RepeatEntry>(list);                     // 0 active
    Add<RepeatEntry>(list, 1);                  // 1 deactivated
    Add<UntilEntry>(list, 1);                   // 2 deactivated
    Add<RepeatEntry>(list, 1);                  // 3 deactivated, unmatched
    UntilEntry& until = Add<UntilEntry>(list);  // 4 active
    PortablePreparer preparer;
    ASSERT_TRUE(CheckScene(list, preparer).ok);
    EXPECT_EQ(until.jumpTarget, 1);
}

TEST(LoopPairing, UnpairedUntilFailsOnItsOwnAndNeverJumps) {
    EntryList list;
    UntilEntry& until = Add<UntilEntry>(list);
    list.Renumber();
    PortablePreparer preparer;
    ValidationContext context{list, preparer};
    EXPECT_EQ(until.Validate(context).message, "Missing repeat command.");
    // Played anyway, whatever its count: it goes on after itself and counts no passes.
    for (std::int32_t infinite : {0, 1}) {
        until.repeat.count = 3;
        until.repeat.infinite = infinite;
        for (int pass = 0; pass < 4; ++pass) {
            std::int32_t index = 0;
            EXPECT_FALSE(until.Loop(index)) << infinite << " " << pass;
            EXPECT_EQ(index, 0);
            EXPECT_EQ(until.repeat.passCounter, 0u);
        }
    }
}

TEST(LoopRunning, ShowRunsCountTimes) {
    for (std::uint32_t count : {0u, 1u, 3u}) {
        EntryList list;
        ImageEntry& image = AddTextImage(list);
        Add<RepeatEntry>(list);
        AddShowOf(list, image);
        Add<UntilEntry>(list).repeat.count = count;
        PortablePreparer preparer;
        ASSERT_TRUE(CheckScene(list, preparer).ok);
        EXPECT_EQ(CountShows(list), count == 3 ? 3 : 1) << count;
        // Played again, the counters start over.
        EXPECT_EQ(CountShows(list), count == 3 ? 3 : 1) << count;
    }
}

TEST(LoopRunning, NestedLoopsMultiply) {
    EntryList list;
    ImageEntry& image = AddTextImage(list);
    Add<RepeatEntry>(list);
    Add<RepeatEntry>(list);
    AddShowOf(list, image);
    Add<UntilEntry>(list).repeat.count = 2;
    Add<UntilEntry>(list).repeat.count = 2;
    PortablePreparer preparer;
    ASSERT_TRUE(CheckScene(list, preparer).ok);
    EXPECT_EQ(CountShows(list), 4);
}

TEST(LoopRunning, InfiniteAlwaysJumpsBackAndCountsNothing) {
    UntilEntry until;
    until.repeat.infinite = 1;
    until.repeat.count = 3;
    until.repeat.passCounter = 7;
    until.jumpTarget = 3;
    for (int i = 0; i < 5; ++i) {
        std::int32_t index = 9;
        EXPECT_TRUE(until.Loop(index));
        EXPECT_EQ(index, 2);
    }
    EXPECT_EQ(until.repeat.passCounter, 7u);
}

TEST(LoopRunning, CountedPassesEndWithTheCounterCleared) {
    UntilEntry until;
    until.repeat.count = 3;
    until.jumpTarget = 1;
    std::int32_t index = 4;
    EXPECT_TRUE(until.Loop(index));
    EXPECT_EQ(index, 0);
    EXPECT_EQ(until.repeat.passCounter, 1u);
    index = 4;
    EXPECT_TRUE(until.Loop(index));
    EXPECT_EQ(until.repeat.passCounter, 2u);
    index = 4;
    EXPECT_FALSE(until.Loop(index));
    EXPECT_EQ(index, 4);
    EXPECT_EQ(until.repeat.passCounter, 0u);
}

TEST(LoopRunning, AJumpTargetBelowTheUntilNeverLoops) {
    // Left from a check before the entries were moved: the Repeat no longer lies above.
    UntilEntry until;
    until.repeat.infinite = 1;
    until.jumpTarget = 6;
    std::int32_t index = 5;
    EXPECT_FALSE(until.Loop(index));
    EXPECT_EQ(index, 5);
    EXPECT_EQ(until.repeat.passCounter, 0u);
}

TEST(LoopRunning, JumpTargetZeroGoesBackToTheTop) {
    // The player's increment brings -1 to the first entry.
    UntilEntry until;
    until.repeat.infinite = 1;
    until.jumpTarget = 0;
    std::int32_t index = 5;
    EXPECT_TRUE(until.Loop(index));
    EXPECT_EQ(index, -1);
}

TEST(Nesting, RepeatsAndUntils) {
    EntryList list;
    Add<RepeatEntry>(list);
    Add<RepeatEntry>(list);
    Add<WaitEntry>(list);
    Add<UntilEntry>(list);
    Add<WaitEntry>(list, 1);
    Add<UntilEntry>(list);
    Add<WaitEntry>(list);
    ComputeNesting(list, 2);
    std::vector<std::int32_t> indentation;
    for (std::size_t i = 0; i < list.Count(); ++i) {
        indentation.push_back(list.At(i).indentation);
    }
    EXPECT_EQ(indentation, (std::vector<std::int32_t>{0, 2, 4, 2, 2, 0, 0}));
}

TEST(Nesting, UnmatchedUntilLowersOnlyWhileAboveZero) {
    EntryList list;
    Add<UntilEntry>(list);
    Add<RepeatEntry>(list);
    Add<WaitEntry>(list);
    Add<RepeatEntry>(list);
    Add<WaitEntry>(list);
    Add<UntilEntry>(list, 1);  // disabled still lowers
    Add<WaitEntry>(list);
    ComputeNesting(list, 3);
    std::vector<std::int32_t> indentation;
    for (std::size_t i = 0; i < list.Count(); ++i) {
        indentation.push_back(list.At(i).indentation);
    }
    // The sum runs -3, 0, 0, 3, ...: the lone Until keeps everything after it one step lower.
    EXPECT_EQ(indentation, (std::vector<std::int32_t>{0, 0, 0, 0, 3, 0, 0}));
}

TEST(ExportText, IndentationDescriptionAndCrLf) {
    EntryList list;
    Add<RepeatEntry>(list).description.text = "outer";
    Add<WaitEntry>(list).duration.milliseconds = 1500;
    Add<CommentEntry>(list);
    Add<UntilEntry>(list).repeat.count = 2;
    ComputeNesting(list, 2);
    EXPECT_EQ(ExportSceneText(list),
              "Repeat (outer)\r\n  Wait [Duration: 1.5 sec]\r\n  \r\nUntil [2 times]\r\n");
    ComputeNesting(list, 0);
    EXPECT_EQ(ExportSceneText(list),
              "Repeat (outer)\r\nWait [Duration: 1.5 sec]\r\n\r\nUntil [2 times]\r\n");
    EntryList empty;
    EXPECT_EQ(ExportSceneText(empty), "");
}

TEST(PortablePreparer, PictureFormats) {
    auto format = [](std::vector<std::uint8_t> bytes) {
        return DetectPictureFormat(ByteBlock::Adopt(std::move(bytes)));
    };
    EXPECT_EQ(format({'B', 'M', 0, 0}), PictureFormat::kBitmap);
    EXPECT_EQ(format({0xFF, 0xD8, 0xFF, 0xE0}), PictureFormat::kJpeg);  // JFIF
    EXPECT_EQ(format({0xFF, 0xD8, 0xFF, 0xE1}), PictureFormat::kJpeg);  // Exif
    EXPECT_EQ(format({0xFF, 0xD8, 0xFF}), PictureFormat::kJpeg);
    EXPECT_EQ(format({0, 0, 1, 0, 1, 0}), PictureFormat::kIcon);
    EXPECT_EQ(format({0, 0, 2, 0, 1, 0}), PictureFormat::kCursor);
    EXPECT_EQ(format({'G', 'I', 'F', '8'}), PictureFormat::kUnknown);
    EXPECT_EQ(format({0xFF, 0xD8}), PictureFormat::kUnknown);
    EXPECT_EQ(format({0, 0, 3, 0}), PictureFormat::kUnknown);
    EXPECT_EQ(format({'B'}), PictureFormat::kUnknown);
    EXPECT_EQ(format({}), PictureFormat::kUnknown);
}

TEST(PortablePreparer, MeasurableTexts) {
    EXPECT_FALSE(HasMeasurableText(""));
    EXPECT_FALSE(HasMeasurableText("\r\n"));
    EXPECT_FALSE(HasMeasurableText("\r\n\r\n\n"));
    EXPECT_TRUE(HasMeasurableText("a"));
    EXPECT_TRUE(HasMeasurableText("ab\r\n"));
    EXPECT_TRUE(HasMeasurableText("\r\nb"));
    EXPECT_TRUE(HasMeasurableText("ab\r\ncd"));
    EXPECT_FALSE(HasMeasurableText("\r"));
    EXPECT_FALSE(HasMeasurableText("\n\r\n\r"));
    // Lines ending in bare line feeds keep their last letter.
    EXPECT_TRUE(HasMeasurableText("a\n"));
    EXPECT_TRUE(HasMeasurableText("A\nB"));
}

TEST(PortablePreparer, MessagesOfRefusedObjects) {
    PortablePreparer preparer;
    ImageEntry text;
    text.isText = 1;
    text.text = "\r\n";
    EXPECT_EQ(preparer.PrepareImage(text).message, "\r\n\ntext bitmap cannot be made.");
    text.text = "Hello";
    EXPECT_TRUE(preparer.PrepareImage(text).ok);

    ImageEntry picture;
    picture.fileName = "x.gif";
    EXPECT_EQ(preparer.PrepareImage(picture).message, "You have to choose the image.");
    picture.data = ByteBlock::Copy("GIF89a", 6);
    EXPECT_EQ(preparer.PrepareImage(picture).message, "x.gif\ncannot be loaded.");
    picture.data = ByteBlock::Copy("\xFF\xD8\xFF\xE1", 4);
    EXPECT_TRUE(preparer.PrepareImage(picture).ok);

    // Through the check: a line-break-only text is handed to the preparer and refused there.
    EntryList list;
    AddTextImage(list, "\n");
    SceneCheckResult result = CheckScene(list, preparer);
    EXPECT_EQ(result.message, "\n\ntext bitmap cannot be made.");
    EXPECT_EQ(result.index, 0);
}

TEST(Reachability, EveryComparisonBothWays) {
    // ">"
    EXPECT_TRUE(IsAxisReachable(kGreater, 5, 0, 3));
    EXPECT_TRUE(IsAxisReachable(kGreater, 0, 1, 3));
    EXPECT_FALSE(IsAxisReachable(kGreater, 0, 0, 3));
    EXPECT_FALSE(IsAxisReachable(kGreater, 0, -1, 3));
    // "<"
    EXPECT_TRUE(IsAxisReachable(kLess, 0, 0, 3));
    EXPECT_TRUE(IsAxisReachable(kLess, 5, -1, 3));
    EXPECT_FALSE(IsAxisReachable(kLess, 5, 1, 3));
    // "="
    EXPECT_FALSE(IsAxisReachable(kEqual, 0, 5, 12));
    EXPECT_TRUE(IsAxisReachable(kEqual, 0, 5, 10));
    EXPECT_FALSE(IsAxisReachable(kEqual, 0, -5, 10));
    EXPECT_TRUE(IsAxisReachable(kEqual, 10, -5, 0));
    EXPECT_FALSE(IsAxisReachable(kEqual, 7, 3, 7));
    EXPECT_TRUE(IsAxisReachable(kEqual, 7, 0, 7));
    EXPECT_FALSE(IsAxisReachable(kEqual, 7, 0, 8));
    EXPECT_TRUE(IsAxisReachable(kEqual, -2147483647 - 1, 1, 2147483647));
    // "<>"
    EXPECT_TRUE(IsAxisReachable(kNotEqual, 3, 0, 4));
    EXPECT_TRUE(IsAxisReachable(kNotEqual, 3, 1, 3));
    EXPECT_FALSE(IsAxisReachable(kNotEqual, 3, 0, 3));
    EXPECT_FALSE(IsAxisReachable(7, 0, 1, 5));
}

TEST(Reachability, Messages) {
    MotionParam motion;
    motion.xComparison = kEqual;
    motion.stepX = 5;
    motion.untilX = 12;
    EXPECT_EQ(UnreachableConditionMessage(motion), "");  // not in step mode
    motion.stepMode = 1;
    EXPECT_EQ(UnreachableConditionMessage(motion), "X-Condition has been never reached.");
    motion.yComparison = kLess;
    motion.stepY = 1;
    motion.untilY = -3;
    EXPECT_EQ(UnreachableConditionMessage(motion), "X and Y-Conditions have been never reached.");
    motion.untilX = 10;
    EXPECT_EQ(UnreachableConditionMessage(motion), "Y-Condition has been never reached.");
    motion.stepY = -1;
    EXPECT_EQ(UnreachableConditionMessage(motion), "");
}

}  // namespace
}  // namespace vl
