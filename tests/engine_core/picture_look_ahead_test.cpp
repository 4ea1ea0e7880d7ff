#include "engine/core/picture_look_ahead.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/core/scene_runner.h"
#include "tests/engine_core/fake_player.h"

namespace vl {
namespace {

using testing::FakePlayer;
using testing::FakeTimeline;
using testing::Ms;

template <class T>
T& Add(EntryList& list) {
    list.Append(std::make_unique<T>());
    return static_cast<T&>(list.At(list.Count() - 1));
}

ImageEntry& AddPicture(EntryList& list, const std::string& name) {
    ImageEntry& image = Add<ImageEntry>(list);
    image.fileName = name;
    const std::uint8_t bytes[] = {'B', 'M', 0, 0};
    image.data = ByteBlock::Copy(bytes, sizeof bytes);
    return image;
}

template <class T>
T& AddUsing(EntryList& list, ImageEntry& image) {
    T& command = Add<T>(list);
    command.SetObject(&image);
    return command;
}

WaitEntry& AddWait(EntryList& list, int milliseconds) {
    WaitEntry& wait = Add<WaitEntry>(list);
    wait.duration.milliseconds = milliseconds;
    return wait;
}

UntilEntry& AddUntil(EntryList& list, int repeatIndex, std::uint32_t count, bool infinite = false) {
    UntilEntry& until = Add<UntilEntry>(list);
    until.jumpTarget = repeatIndex + 1;
    until.repeat.count = count;
    until.repeat.infinite = infinite ? 1 : 0;
    return until;
}

std::vector<std::string> Names(const std::vector<ImageEntry*>& images) {
    std::vector<std::string> names;
    for (const ImageEntry* image : images)
        names.push_back(image->fileName);
    return names;
}

using Strings = std::vector<std::string>;

TEST(PicturesAheadTest, DistinctPicturesInPlayOrderUpToTheCount) {
    EntryList list;
    ImageEntry& a = AddPicture(list, "a");
    ImageEntry& b = AddPicture(list, "b");
    ImageEntry& c = AddPicture(list, "c");
    AddUsing<ShowEntry>(list, b);
    AddUsing<MoveEntry>(list, b);
    AddUsing<ShowEntry>(list, a);
    AddUsing<HideEntry>(list, b);
    AddUsing<ShowEntry>(list, c);
    EXPECT_EQ(Names(PicturesAhead(list, 0, 2, 100)), (Strings{"b", "a"}));
    EXPECT_EQ(Names(PicturesAhead(list, 0, 5, 100)), (Strings{"b", "a", "c"}));
    // From the Hide on: b, which the Hide needs for its size, then c.
    EXPECT_EQ(Names(PicturesAhead(list, 6, 5, 100)), (Strings{"b", "c"}));
    EXPECT_TRUE(PicturesAhead(list, 8, 5, 100).empty());
}

TEST(PicturesAheadTest, TextsEmptyPicturesAndDeactivatedCommandsAreLeftOut) {
    EntryList list;
    ImageEntry& text = Add<ImageEntry>(list);
    text.isText = 1;
    text.text = "Hello";
    ImageEntry& empty = Add<ImageEntry>(list);
    ImageEntry& a = AddPicture(list, "a");
    ImageEntry& b = AddPicture(list, "b");
    AddUsing<ShowEntry>(list, text);
    AddUsing<ShowEntry>(list, empty);
    AddUsing<ShowEntry>(list, a).SetDisabled(1);
    AddUsing<ShowEntry>(list, b);
    EXPECT_EQ(Names(PicturesAhead(list, 0, 5, 100)), (Strings{"b"}));
}

TEST(PicturesAheadTest, FollowsTheLoopsAsTheirUntilsWillDecide) {
    EntryList list;
    ImageEntry& a = AddPicture(list, "a");
    ImageEntry& b = AddPicture(list, "b");
    ImageEntry& c = AddPicture(list, "c");
    Add<RepeatEntry>(list);                    // 3
    AddUsing<ShowEntry>(list, a);              // 4
    UntilEntry& until = AddUntil(list, 3, 3);  // 5
    AddUsing<ShowEntry>(list, b);              // 6
    Add<RepeatEntry>(list);                    // 7
    AddUsing<ShowEntry>(list, c);              // 8
    AddUntil(list, 7, 1, true);                // 9
    // From the first Until: a comes again before b; after the endless loop's c nothing else.
    EXPECT_EQ(Names(PicturesAhead(list, 5, 5, 100)), (Strings{"a", "b", "c"}));
    // In the last pass the Until falls through to b.
    until.repeat.passCounter = 2;
    EXPECT_EQ(Names(PicturesAhead(list, 5, 5, 100)), (Strings{"b", "c"}));
    // The scene's own counter is not moved by the walk.
    EXPECT_EQ(until.repeat.passCounter, 2u);
}

TEST(PicturesAheadTest, AnEndlessLoopWithoutPicturesEndsAtTheWalkLimit) {
    EntryList list;
    AddPicture(list, "a");
    Add<RepeatEntry>(list);
    Add<CommentEntry>(list);
    AddUntil(list, 1, 1, true);
    EXPECT_TRUE(PicturesAhead(list, 0, 3, 50).empty());
}

TEST(OnlyStretchedTest, EveryActiveUserMustBeAStretchedShowThatDrawsTheSame) {
    EntryList list;
    ImageEntry& a = AddPicture(list, "a");
    ShowEntry& show = AddUsing<ShowEntry>(list, a);
    show.params.motion.effect = kEffectStretch;
    AddUsing<HideEntry>(list, a);
    EXPECT_TRUE(OnlyStretched(a));

    // A background saved at the picture's size from a place the screen may not contain whole.
    show.params.motion.randomStartX = 1;
    EXPECT_FALSE(OnlyStretched(a));
    show.params.motion.restoreAfterHide = 0;
    EXPECT_TRUE(OnlyStretched(a));
    show.params.motion.restoreAfterHide = 1;
    show.params.motion.randomStartX = 0;
    show.params.motion.startY = -10;
    EXPECT_FALSE(OnlyStretched(a));
    show.params.motion.centreStartY = 1;
    EXPECT_TRUE(OnlyStretched(a));

    ShowEntry& plain = AddUsing<ShowEntry>(list, a);
    EXPECT_FALSE(OnlyStretched(a));
    plain.SetDisabled(1);
    EXPECT_TRUE(OnlyStretched(a));
    AddUsing<MoveEntry>(list, a).params.motion.effect = kEffectStretch;
    EXPECT_FALSE(OnlyStretched(a));
}

// Records what the look-ahead asks for, and when on the player's clock.
class RecordingPreparation : public IPicturePreparation {
  public:
    explicit RecordingPreparation(FakeTimeline& timeline) : timeline_(timeline) {}
    void Prepare(ImageEntry& image) override {
        EXPECT_EQ(std::count(held.begin(), held.end(), &image), 0) << image.fileName;
        held.push_back(&image);
        preparedAt.push_back({image.fileName, timeline_.Now()});
        mostHeld = std::max(mostHeld, held.size());
    }
    void Release(ImageEntry& image) override {
        auto found = std::find(held.begin(), held.end(), &image);
        ASSERT_NE(found, held.end()) << image.fileName;
        held.erase(found);
        released.push_back(image.fileName);
    }
    void AwaitReady(ImageEntry& image) override {
        EXPECT_NE(std::find(held.begin(), held.end(), &image), held.end()) << image.fileName;
        awaitedAt.push_back({image.fileName, timeline_.Now()});
    }

    std::vector<ImageEntry*> held;
    std::size_t mostHeld = 0;
    std::vector<std::pair<std::string, Micros>> preparedAt;
    std::vector<std::pair<std::string, Micros>> awaitedAt;
    Strings released;

  private:
    FakeTimeline& timeline_;
};

class NoPlatform : public IEntryPlatform {
  public:
    void Show(ShowEntry&) override {}
    void Move(MoveEntry&) override {}
    void Hide(HideEntry&) override {}
    void Cls(ClsEntry&) override {}
    void Line(LineEntry&) override {}
    void Play(PlayEntry&) override {}
    void StopMedia(StopEntry&) override {}
};

struct LookAheadPlayer {
    FakePlayer fake;
    NoPlatform platform;
    EntryList list;
    RecordingPreparation preparation{fake.timeline};

    void Play(std::size_t ahead) {
        SceneRunner runner(list, fake.context, platform);
        PictureLookAhead lookAhead(list, preparation, ahead);
        LookAheadRunner preparing(runner, lookAhead);
        PlayScene(preparing, fake.timeline, fake.timeline);
        lookAhead.ReleaseAll();
    }
};

TEST(PictureLookAheadTest, ASlideshowHoldsFewPicturesAndAsksForEachAWaitAhead) {
    LookAheadPlayer p;
    std::vector<ImageEntry*> photos;
    for (int k = 0; k < 10; ++k)
        photos.push_back(&AddPicture(p.list, "photo" + std::to_string(k)));
    for (ImageEntry* photo : photos) {
        AddUsing<ShowEntry>(p.list, *photo);
        AddWait(p.list, 1000);
    }
    p.Play(3);
    EXPECT_EQ(p.preparation.mostHeld, 3u);
    EXPECT_TRUE(p.preparation.held.empty());
    ASSERT_EQ(p.preparation.awaitedAt.size(), 10u);
    ASSERT_EQ(p.preparation.preparedAt.size(), 10u);
    for (std::size_t k = 0; k < 10; ++k) {
        EXPECT_EQ(p.preparation.preparedAt[k].first, "photo" + std::to_string(k));
        EXPECT_EQ(p.preparation.awaitedAt[k].first, "photo" + std::to_string(k));
        // Every photo but the first was asked for at least two Waits before its Show.
        if (k >= 2) {
            EXPECT_LE(p.preparation.preparedAt[k].second + Ms(2000),
                      p.preparation.awaitedAt[k].second)
                << k;
        }
    }
    // Each photo is freed once, in the order shown: the one on the screen goes when the
    // look-ahead has moved past it.
    Strings order;
    for (int k = 0; k < 10; ++k)
        order.push_back("photo" + std::to_string(k));
    EXPECT_EQ(p.preparation.released, order);
}

TEST(PictureLookAheadTest, ALoopOfAsManyPicturesAsHeldNeverPreparesAgain) {
    LookAheadPlayer p;
    ImageEntry& a = AddPicture(p.list, "a");
    ImageEntry& b = AddPicture(p.list, "b");
    Add<RepeatEntry>(p.list);
    AddUsing<ShowEntry>(p.list, a);
    AddWait(p.list, 100);
    AddUsing<ShowEntry>(p.list, b);
    AddWait(p.list, 100);
    AddUntil(p.list, 2, 4);
    p.Play(2);
    EXPECT_EQ(p.preparation.preparedAt.size(), 2u);
    EXPECT_EQ(p.preparation.awaitedAt.size(), 8u);
    EXPECT_EQ(p.preparation.released.size(), 2u);
}

TEST(PictureLookAheadTest, ALoopOfMorePicturesThanHeldFreesAndPreparesInTurn) {
    LookAheadPlayer p;
    std::vector<ImageEntry*> photos;
    for (int k = 0; k < 4; ++k)
        photos.push_back(&AddPicture(p.list, "p" + std::to_string(k)));
    Add<RepeatEntry>(p.list);
    for (ImageEntry* photo : photos) {
        AddUsing<ShowEntry>(p.list, *photo);
        AddWait(p.list, 100);
    }
    AddUntil(p.list, 4, 3);
    p.Play(2);
    EXPECT_EQ(p.preparation.mostHeld, 2u);
    EXPECT_EQ(p.preparation.awaitedAt.size(), 12u);
    // The first pass asks for all four; each later pass again, p0 already while p3 shows.
    EXPECT_EQ(p.preparation.preparedAt.size(), 12u);
    EXPECT_EQ(p.preparation.released.size(), 12u);
    EXPECT_TRUE(p.preparation.held.empty());
}

TEST(PictureLookAheadTest, APictureFarAheadIsAskedForOnceThePlayerComesNearer) {
    LookAheadPlayer p;
    ImageEntry& a = AddPicture(p.list, "a");
    ImageEntry& b = AddPicture(p.list, "b");
    AddUsing<ShowEntry>(p.list, a);
    for (int i = 0; i < 2500; ++i)
        Add<CommentEntry>(p.list);
    AddUsing<ShowEntry>(p.list, b);
    PictureLookAhead lookAhead(p.list, p.preparation, 3);
    lookAhead.BeforeEntry(2);
    EXPECT_EQ(Names(lookAhead.Held()), (Strings{"a"}));
    lookAhead.BeforeEntry(2000);
    EXPECT_EQ(Names(lookAhead.Held()), (Strings{"b"}));
    EXPECT_EQ(p.preparation.released, (Strings{"a"}));
    lookAhead.ReleaseAll();

    // Played through, b is still there before its Show.
    LookAheadPlayer played;
    ImageEntry& c = AddPicture(played.list, "c");
    AddUsing<ShowEntry>(played.list, c);
    for (int i = 0; i < 2500; ++i)
        Add<CommentEntry>(played.list);
    AddUsing<ShowEntry>(played.list, AddPicture(played.list, "d"));
    played.Play(3);
    ASSERT_EQ(played.preparation.awaitedAt.size(), 2u);
    EXPECT_EQ(played.preparation.preparedAt.size(), 2u);
    EXPECT_TRUE(played.preparation.held.empty());
}

TEST(PictureLookAheadTest, ASceneWithoutPicturesAsksForNothing) {
    LookAheadPlayer p;
    ImageEntry& text = Add<ImageEntry>(p.list);
    text.isText = 1;
    text.text = "Hello";
    AddUsing<ShowEntry>(p.list, text);
    AddWait(p.list, 100);
    p.Play(3);
    EXPECT_TRUE(p.preparation.preparedAt.empty());
    EXPECT_TRUE(p.preparation.awaitedAt.empty());
}

TEST(PictureLookAheadTest, AStopBeforeTheEndStillFreesEverything) {
    LookAheadPlayer p;
    ImageEntry& a = AddPicture(p.list, "a");
    ImageEntry& b = AddPicture(p.list, "b");
    AddUsing<ShowEntry>(p.list, a);
    AddWait(p.list, 1000);
    AddUsing<ShowEntry>(p.list, b);
    p.fake.timeline.SetAt(Ms(500), PlayerEvent::Stop);
    p.Play(3);
    EXPECT_EQ(p.preparation.awaitedAt.size(), 1u);
    EXPECT_TRUE(p.preparation.held.empty());
    EXPECT_EQ(p.preparation.released, (Strings{"a", "b"}));
}

}  // namespace
}  // namespace vl
