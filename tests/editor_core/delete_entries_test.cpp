// Deleting a selection at once leaves the list and every link as deleting it line by line does.
#include "editor/core/delete_entries.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "scene/entries.h"

namespace vl {
namespace {

// What can be seen of a list: per entry its name, kind, the name of its object and the names of
// its users in their order.
struct EntryView {
    std::string name;
    std::int32_t kind;
    std::string object;
    std::vector<std::string> users;
    bool operator==(const EntryView& other) const {
        return name == other.name && kind == other.kind && object == other.object &&
               users == other.users;
    }
};

std::string NameOf(const SceneEntry* entry) {
    return entry ? entry->description.text : std::string("-");
}

std::vector<EntryView> View(const EntryList& list) {
    std::vector<EntryView> view;
    for (std::size_t i = 0; i < list.Count(); ++i) {
        const SceneEntry& entry = list.At(i);
        EntryView line{entry.description.text, entry.Kind(), NameOf(entry.GetLinkedObject()), {}};
        for (const SceneEntry* user : entry.Users())
            line.users.push_back(NameOf(user));
        view.push_back(line);
    }
    return view;
}

void PrintTo(const EntryView& line, std::ostream* out) {
    *out << line.name << " kind " << line.kind << " -> " << line.object << " users";
    for (const std::string& user : line.users)
        *out << ' ' << user;
}

// A scene of count entries of random kinds; most commands link to a random object of their kind
// anywhere in the list, so objects stand above, below and between their users.
void MakeScene(EntryList& list, std::mt19937& random, int count) {
    std::uniform_int_distribution<int> kinds(0, kKindCount - 1);
    for (int i = 0; i < count; ++i) {
        // Objects are more frequent than their share, so links are plentiful.
        int kind = kinds(random);
        if (random() % 4 == 0)
            kind = random() % 2 ? kImage : kMultimedia;
        list.Append(CreateEntry(kind));
        list.At(list.Count() - 1).description.text = "e" + std::to_string(i);
    }
    std::vector<SceneEntry*> images;
    std::vector<SceneEntry*> media;
    for (std::size_t i = 0; i < list.Count(); ++i) {
        if (list.At(i).Kind() == kImage)
            images.push_back(&list.At(i));
        if (list.At(i).Kind() == kMultimedia)
            media.push_back(&list.At(i));
    }
    for (std::size_t i = 0; i < list.Count(); ++i) {
        SceneEntry& entry = list.At(i);
        const std::int32_t wanted = LinkedObjectKind(entry.Kind());
        const std::vector<SceneEntry*>& objects = wanted == kImage ? images : media;
        if (wanted < 0 || objects.empty() || random() % 5 == 0)
            continue;
        ASSERT_TRUE(entry.SetObject(objects[random() % objects.size()]));
    }
}

void DeleteOneAtATime(EntryList& list, std::vector<int> positions) {
    std::sort(positions.begin(), positions.end(), std::greater<int>());
    for (int position : positions)
        list.Destroy(static_cast<std::size_t>(position));
}

TEST(DeleteEntries, SameListAndLinksAsOneAtATimeOnRandomScenes) {
    for (int round = 0; round < 200; ++round) {
        std::mt19937 random(1000 + round);
        const int count = static_cast<int>(random() % 60);
        EntryList once;
        EntryList byOne;
        std::mt19937 same = random;
        MakeScene(once, random, count);
        MakeScene(byOne, same, count);
        ASSERT_EQ(View(once), View(byOne));

        // A selection of any size, from none to everything, in any order.
        std::vector<int> positions;
        const unsigned share = random() % 5;
        for (int i = 0; i < count; ++i) {
            if (random() % 4 < share)
                positions.push_back(i);
        }
        std::shuffle(positions.begin(), positions.end(), random);

        DeleteEntries(once, positions);
        DeleteOneAtATime(byOne, positions);
        ASSERT_EQ(View(once), View(byOne)) << "round " << round;
        ASSERT_EQ(once.Count(), static_cast<std::size_t>(count) - positions.size());
    }
}

TEST(DeleteEntries, ObjectsAndCommandsOnBothSidesOfTheSelection) {
    EntryList list;
    for (int kind : {kShow, kImage, kHide, kMove, kMultimedia, kPlay, kStop, kImage, kShow})
        list.Append(CreateEntry(kind));
    for (std::size_t i = 0; i < list.Count(); ++i)
        list.At(i).description.text = "e" + std::to_string(i);
    ASSERT_TRUE(list.At(1).AddUser(list.At(0)));
    ASSERT_TRUE(list.At(1).AddUser(list.At(2)));
    ASSERT_TRUE(list.At(1).AddUser(list.At(8)));
    ASSERT_TRUE(list.At(7).AddUser(list.At(3)));
    ASSERT_TRUE(list.At(4).AddUser(list.At(5)));
    ASSERT_TRUE(list.At(4).AddUser(list.At(6)));

    // The first Image goes with one of its users; the media stay, losing Play.
    DeleteEntries(list, {5, 1, 2});
    const std::vector<EntryView> expected = {
        {"e0", kShow, "-", {}},  {"e3", kMove, "e7", {}},     {"e4", kMultimedia, "-", {"e6"}},
        {"e6", kStop, "e4", {}}, {"e7", kImage, "-", {"e3"}}, {"e8", kShow, "-", {}},
    };
    EXPECT_EQ(View(list), expected);
}

TEST(DeleteEntries, UsersOfAnObjectOutsideTheList) {
    ImageEntry outside;
    outside.description.text = "outside";
    EntryList list;
    for (int i = 0; i < 4; ++i) {
        list.Append(CreateEntry(kShow));
        list.At(static_cast<std::size_t>(i)).description.text = "e" + std::to_string(i);
        ASSERT_TRUE(outside.AddUser(list.At(static_cast<std::size_t>(i))));
    }
    DeleteEntries(list, {0, 2});
    ASSERT_EQ(outside.Users().size(), 2u);
    EXPECT_EQ(outside.Users()[0], &list.At(0));
    EXPECT_EQ(outside.Users()[1], &list.At(1));
    EXPECT_EQ(NameOf(outside.Users()[1]), "e3");
}

TEST(DeleteEntries, PositionsOutsideTheListAndRepeatsAreIgnored) {
    EntryList list;
    for (int i = 0; i < 3; ++i) {
        list.Append(CreateEntry(kWait));
        list.At(static_cast<std::size_t>(i)).description.text = "e" + std::to_string(i);
    }
    DeleteEntries(list, {});
    EXPECT_EQ(list.Count(), 3u);
    DeleteEntries(list, {-1, 3, 1, 1, 99});
    ASSERT_EQ(list.Count(), 2u);
    EXPECT_EQ(NameOf(&list.At(0)), "e0");
    EXPECT_EQ(NameOf(&list.At(1)), "e2");
    DeleteEntries(list, {1, 0});
    EXPECT_TRUE(list.Empty());
}

}  // namespace
}  // namespace vl
