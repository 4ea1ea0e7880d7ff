// Object links: both sides stay consistent through relinking and destruction.
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

#include "scene/entries.h"
#include "scene/entry_list.h"
#include "scene/nesting.h"
#include "scene/prototypes.h"

namespace vl {
namespace {

TEST(Links, RelinkingLeavesThePreviousObjectsUsers) {
    ImageEntry first;
    ImageEntry second;
    ShowEntry show;
    ASSERT_TRUE(show.SetObject(&first));
    ASSERT_EQ(first.Users().size(), 1u);
    ASSERT_TRUE(second.AddUser(show));
    EXPECT_TRUE(first.Users().empty());
    ASSERT_EQ(second.Users().size(), 1u);
    EXPECT_EQ(show.GetLinkedObject(), &second);
    // Linking again to the same object does not duplicate the user.
    ASSERT_TRUE(show.SetObject(&second));
    EXPECT_EQ(second.Users().size(), 1u);
}

TEST(Links, KindsMustFit) {
    ImageEntry image;
    MultimediaEntry media;
    ShowEntry show;
    PlayEntry play;
    WaitEntry wait;
    CommentEntry comment;
    EXPECT_FALSE(show.SetObject(&media));
    EXPECT_FALSE(play.SetObject(&image));
    EXPECT_FALSE(wait.SetObject(&image));
    EXPECT_FALSE(image.AddUser(comment));
    EXPECT_FALSE(show.SetObject(&comment));
    EXPECT_TRUE(image.Users().empty());
    EXPECT_TRUE(media.Users().empty());
    // Entries without links answer with none.
    EXPECT_EQ(wait.GetLinkedObject(), nullptr);
    EXPECT_EQ(wait.GetObjectIndex(), -1);
    EXPECT_TRUE(play.SetObject(&media));
    StopEntry stop;
    EXPECT_TRUE(media.AddUser(stop));
    EXPECT_EQ(media.Users().size(), 2u);
}

TEST(Links, RemoveUserAndClearObject) {
    ImageEntry image;
    MoveEntry move;
    HideEntry hide;
    ASSERT_TRUE(image.AddUser(move));
    ASSERT_TRUE(image.AddUser(hide));
    image.RemoveUser(move);
    EXPECT_EQ(move.GetLinkedObject(), nullptr);
    ASSERT_EQ(image.Users().size(), 1u);
    hide.ClearObject();
    EXPECT_TRUE(image.Users().empty());
    // Removing a command that uses another object changes nothing.
    ImageEntry other;
    ASSERT_TRUE(move.SetObject(&other));
    image.RemoveUser(move);
    EXPECT_EQ(move.GetLinkedObject(), &other);
}

TEST(Links, DestroyingACommandLeavesTheObjectsUsers) {
    EntryList list;
    list.Append(std::make_unique<ImageEntry>());
    list.Append(std::make_unique<ShowEntry>());
    list.Append(std::make_unique<HideEntry>());
    ASSERT_TRUE(list.At(0).AddUser(list.At(1)));
    ASSERT_TRUE(list.At(0).AddUser(list.At(2)));
    list.Destroy(1);
    ASSERT_EQ(list.At(0).Users().size(), 1u);
    EXPECT_EQ(list.At(0).Users()[0], &list.At(1));
}

TEST(Links, DestroyingAnObjectUnlinksItsUsersWhichThenShowQuestionMark) {
    EntryList list;
    list.Append(std::make_unique<ImageEntry>());
    list.Append(std::make_unique<HideEntry>());
    list.Append(std::make_unique<ShowEntry>());
    auto& image = static_cast<ImageEntry&>(list.At(0));
    image.fileName = "a.bmp";
    ASSERT_TRUE(image.AddUser(list.At(1)));
    ASSERT_TRUE(image.AddUser(list.At(2)));
    EXPECT_EQ(DescribeEntry(list.At(0 + 1)), "Hide [a.bmp]");
    list.Destroy(0);
    EXPECT_EQ(list.At(0).GetLinkedObject(), nullptr);
    EXPECT_EQ(list.At(1).GetLinkedObject(), nullptr);
    EXPECT_EQ(DescribeEntry(list.At(0)), "Hide [?]");
}

TEST(Links, ClearingTheListInEitherOrderIsSafe) {
    // Users before their object and after it; the sanitizer build catches any dangling access.
    EntryList list;
    list.Append(std::make_unique<PlayEntry>());
    list.Append(std::make_unique<MultimediaEntry>());
    list.Append(std::make_unique<StopEntry>());
    ASSERT_TRUE(list.At(1).AddUser(list.At(0)));
    ASSERT_TRUE(list.At(1).AddUser(list.At(2)));
    list.Clear();
    EXPECT_TRUE(list.Empty());
}

TEST(Links, RemoveUsersIfUnlinksInOnePassAndKeepsTheOthersInOrder) {
    ImageEntry image;
    ShowEntry show;
    MoveEntry move;
    HideEntry hide;
    ShowEntry again;
    for (SceneEntry* user : std::initializer_list<SceneEntry*>{&show, &move, &hide, &again})
        ASSERT_TRUE(image.AddUser(*user));
    image.RemoveUsersIf([](const SceneEntry& user) { return user.Kind() != kHide; });
    ASSERT_EQ(image.Users().size(), 1u);
    EXPECT_EQ(image.Users()[0], &hide);
    EXPECT_EQ(show.GetLinkedObject(), nullptr);
    EXPECT_EQ(again.GetLinkedObject(), nullptr);
    EXPECT_EQ(hide.GetLinkedObject(), &image);
    // The unlinked commands link again as any unlinked command does.
    ASSERT_TRUE(image.AddUser(move));
    ASSERT_TRUE(image.AddUser(show));
    image.RemoveUsersIf([&](const SceneEntry& user) { return &user == &move; });
    ASSERT_EQ(image.Users().size(), 2u);
    EXPECT_EQ(image.Users()[0], &hide);
    EXPECT_EQ(image.Users()[1], &show);
}

TEST(Links, DetachKeepsLinksAndInsertPutsBack) {
    EntryList list;
    list.Append(std::make_unique<ImageEntry>());
    list.Append(std::make_unique<ShowEntry>());
    ASSERT_TRUE(list.At(0).AddUser(list.At(1)));
    std::unique_ptr<SceneEntry> show = list.Detach(1);
    EXPECT_EQ(show->GetLinkedObject(), &list.At(0));
    list.Insert(0, std::move(show));
    list.Renumber();
    EXPECT_EQ(list.At(0).GetObjectIndex(), 1);
    EXPECT_EQ(list.Find(&list.At(1)), 1);
}

TEST(Entries, CloneGivesADefaultEntryNotACopy) {
    UntilEntry until;
    until.repeat.count = 9;
    until.description.text = "x";
    std::unique_ptr<SceneEntry> clone = until.Clone();
    auto* fresh = EntryAs<UntilEntry>(clone.get());
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->repeat.count, 1u);
    EXPECT_EQ(fresh->repeat.infinite, 0);
    EXPECT_EQ(fresh->jumpTarget, -1);
    EXPECT_TRUE(fresh->description.text.empty());
}

TEST(Entries, AssignCopiesStoredFieldsButNotIndexLinksOrOtherKinds) {
    ImageEntry image;
    ShowEntry source;
    source.description.text = "s";
    source.indentation = 4;
    source.index = 7;
    source.disabled = 1;
    source.params.motion.startX = 33;
    source.params.colour.secondColour = 5;
    ASSERT_TRUE(source.SetObject(&image));
    ShowEntry target;
    ASSERT_TRUE(target.Assign(source));
    EXPECT_EQ(target.description.text, "s");
    EXPECT_EQ(target.indentation, 4);
    EXPECT_EQ(target.disabled, 1);
    EXPECT_EQ(target.index, -1);
    EXPECT_EQ(target.params.motion.startX, 33);
    EXPECT_EQ(target.params.colour.secondColour, 5u);
    EXPECT_EQ(target.GetLinkedObject(), nullptr);

    MoveEntry move;
    EXPECT_FALSE(move.Assign(source));
    EXPECT_EQ(move.params.motion.startX, 0);

    ImageEntry picture;
    picture.data = ByteBlock::Copy("BM", 2);
    picture.fileName = "p.bmp";
    ImageEntry copy;
    ASSERT_TRUE(copy.Assign(picture));
    EXPECT_TRUE(copy.data.SameBytes(picture.data));
    EXPECT_EQ(copy.fileName, "p.bmp");
}

TEST(Entries, DefaultsOfTheKinds) {
    ImageEntry image;
    EXPECT_EQ(image.font.height, -11);
    EXPECT_EQ(image.font.FaceName(), "MS Sans Serif");
    EXPECT_EQ(image.source, 1);
    EXPECT_EQ(image.isText, 0);
    EXPECT_EQ(image.index, -1);
    ShowEntry show;
    EXPECT_EQ(show.params.motion.stepX, 1);
    EXPECT_EQ(show.params.motion.speed, 100000);
    EXPECT_EQ(show.params.motion.letterSpeed, 2000);
    EXPECT_EQ(show.params.motion.stepAxis, 1);
    EXPECT_EQ(show.params.motion.keepWhileMoving, 1);
    EXPECT_EQ(show.params.motion.restoreAfterHide, 1);
    EXPECT_EQ(show.params.colour.background, 1);
    EXPECT_EQ(show.params.colour.secondColour, 0xFFFFFFu);
    LineEntry line;
    EXPECT_EQ(line.penWidth, 1);
    EXPECT_EQ(line.penStyle, 0);
    WaitEntry wait;
    EXPECT_EQ(wait.duration.randomRange, 3001);
}

TEST(Prototypes, TakeHandsOutThePrototypeAndKeepsAFreshOne) {
    PrototypeTable table;
    for (int kind = 0; kind < kKindCount; ++kind) {
        EXPECT_EQ(table.Prototype(kind).Kind(), kind);
        EXPECT_EQ(table.Create(kind)->Kind(), kind);
    }
    const SceneEntry* before = &table.Prototype(kWait);
    std::unique_ptr<SceneEntry> taken = table.Take(kWait);
    EXPECT_EQ(taken.get(), before);
    EXPECT_NE(&table.Prototype(kWait), before);
    EXPECT_EQ(table.Take(13), nullptr);
    EXPECT_EQ(table.Create(-1), nullptr);
    EXPECT_EQ(CreateEntry(13), nullptr);
}

}  // namespace
}  // namespace vl
