// The recent-file list: its order, its limit and its place in the settings.
#include "app/core/recent_files.h"

#include <gtest/gtest.h>

#include "tests/app_core/fake_settings_store.h"

namespace vl {
namespace {

using testing::FakeSettingsStore;
using Paths = std::vector<std::string>;

TEST(RecentFiles, MostRecentFirstAndNoMoreThanFour) {
    RecentFiles recent;
    for (const char* path : {"a.ssd", "b.ssd", "c.ssd", "d.ssd", "e.ssd"})
        recent.Add(path);
    EXPECT_EQ(recent.Entries(), (Paths{"e.ssd", "d.ssd", "c.ssd", "b.ssd"}));
}

TEST(RecentFiles, AReopenedFileMovesToTheTopWhateverItsCase) {
    RecentFiles recent;
    for (const char* path : {"C:\\Scenes\\A.ssd", "C:\\B.ssd", "C:\\C.ssd", "C:\\D.ssd"})
        recent.Add(path);
    recent.Add("c:\\scenes\\a.SSD");
    EXPECT_EQ(recent.Entries(),
              (Paths{"c:\\scenes\\a.SSD", "C:\\D.ssd", "C:\\C.ssd", "C:\\B.ssd"}));
    recent.Add("C:\\C.ssd");
    EXPECT_EQ(recent.Entries(),
              (Paths{"C:\\C.ssd", "c:\\scenes\\a.SSD", "C:\\D.ssd", "C:\\B.ssd"}));
    recent.Add("");
    EXPECT_EQ(recent.Entries().size(), 4u);
    EXPECT_EQ(recent.Entries().front(), "C:\\C.ssd");
}

TEST(RecentFiles, RemovingAFileClosesTheGap) {
    RecentFiles recent;
    for (const char* path : {"a.ssd", "b.ssd", "c.ssd"})
        recent.Add(path);
    recent.Remove("B.SSD");
    recent.Remove("missing.ssd");
    EXPECT_EQ(recent.Entries(), (Paths{"c.ssd", "a.ssd"}));
}

TEST(RecentFiles, SavedAsFileOneToFourInTheirSection) {
    FakeSettingsStore store;
    store.values[{"Recent File List", "File3"}] = std::string("old3.ssd");
    store.values[{"Recent File List", "File4"}] = std::string("old4.ssd");
    RecentFiles recent;
    recent.Add("first.ssd");
    recent.Add("second.ssd");
    ASSERT_TRUE(recent.Save(store));
    EXPECT_EQ(store.values, (FakeSettingsStore::Values{
                                {{"Recent File List", "File1"}, std::string("second.ssd")},
                                {{"Recent File List", "File2"}, std::string("first.ssd")}}));
    store.failWrites = true;
    EXPECT_FALSE(recent.Save(store));
}

TEST(RecentFiles, LoadSkipsGapsEmptiesAndRepeats) {
    FakeSettingsStore store;
    store.values[{"Recent File List", "File1"}] = std::string("C:\\a.ssd");
    store.values[{"Recent File List", "File2"}] = std::string("");
    store.values[{"Recent File List", "File3"}] = std::string("c:\\A.ssd");
    store.values[{"Recent File List", "File4"}] = std::string("C:\\d.ssd");
    store.values[{"Recent File List", "File5"}] = std::string("C:\\e.ssd");
    store.values[{"Settings", "File2"}] = std::string("C:\\other.ssd");
    RecentFiles recent;
    recent.Add("C:\\dropped.ssd");
    recent.Load(store);
    EXPECT_EQ(recent.Entries(), (Paths{"C:\\a.ssd", "C:\\d.ssd"}));
}

}  // namespace
}  // namespace vl
