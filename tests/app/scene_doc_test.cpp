#include "app/scene_doc.h"

#include "app/core/title_text.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

#include "scene/entries.h"
#include "scene/scene_file.h"
#include "framework/scripted_prompt.h"

namespace vl {
namespace {

using ::testing::ElementsAre;

// Scene files kept in memory, read and written with the real scene file format.
class MemoryStorage final : public SceneStorage {
  public:
    SceneLoadOutcome Load(const std::string& path, EntryList& entries) override {
        const auto file = files.find(path);
        if (file == files.end())
            return SceneLoadOutcome::kUnreadable;
        const std::vector<std::uint8_t>& bytes = file->second;
        if (!CheckSceneHeader(bytes.data(), bytes.size()).ok())
            return SceneLoadOutcome::kRefused;
        return ReadSceneFile(bytes.data(), bytes.size(), entries).ok()
                   ? SceneLoadOutcome::kLoaded
                   : SceneLoadOutcome::kMalformed;
    }
    bool Save(EntryList& entries, const std::string& path) override {
        if (failing.count(path))
            return false;
        files[path] = SaveSceneFile(entries);
        return true;
    }
    std::map<std::string, std::vector<std::uint8_t>> files;
    std::set<std::string> failing;
};

std::vector<std::uint8_t> SceneOf(std::initializer_list<const char*> comments) {
    EntryList entries;
    for (const char* text : comments) {
        auto comment = std::make_unique<CommentEntry>();
        comment->text = text;
        entries.Append(std::move(comment));
    }
    return SaveSceneFile(entries);
}

std::vector<std::string> CommentsOf(EntryList& entries) {
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < entries.Count(); ++i)
        texts.push_back(static_cast<CommentEntry&>(entries.At(i)).text);
    return texts;
}

std::vector<std::string> CommentsInFile(MemoryStorage& storage, const std::string& path) {
    EntryList entries;
    const auto& bytes = storage.files[path];
    EXPECT_TRUE(ReadSceneFile(bytes.data(), bytes.size(), entries).ok());
    return CommentsOf(entries);
}

class SceneDocTest : public ::testing::Test {
  protected:
    SceneDocTest() : override_(prompt) {
        storage.files["C:\\scenes\\a.ssd"] = SceneOf({"first", "second"});
        storage.files["C:\\scenes\\b.ssd"] = SceneOf({"other"});
        document.onTitleChanged = [this] { ++titleChanges; };
        document.onFileUsed = [this](const std::string& path) { used.push_back(path); };
    }
    void AddComment(const char* text) {
        auto comment = std::make_unique<CommentEntry>();
        comment->text = text;
        document.Entries().Append(std::move(comment));
        document.SetModified();
    }

    ScriptedPrompt prompt;
    ScopedPromptOverride override_;
    MemoryStorage storage;
    CSceneDoc document{storage};
    int titleChanges = 0;
    std::vector<std::string> used;
};

TEST_F(SceneDocTest, OpensAFileAndNamesItInTheTitle) {
    EXPECT_EQ(TitleBarText(document.Path()), "Untitled - Vistaloom");
    ASSERT_TRUE(document.OpenPath("C:\\scenes\\a.ssd"));
    EXPECT_THAT(CommentsOf(document.Entries()), ElementsAre("first", "second"));
    EXPECT_EQ(TitleBarText(document.Path()), "a.ssd - Vistaloom");
    EXPECT_FALSE(document.IsModified());
    EXPECT_GE(titleChanges, 1);
    EXPECT_THAT(used, ElementsAre("C:\\scenes\\a.ssd"));
    EXPECT_TRUE(prompt.Shown().empty());
}

TEST_F(SceneDocTest, RefusedAndUnreadableFilesLeaveTheOpenSceneAsItWas) {
    ASSERT_TRUE(document.OpenPath("C:\\scenes\\a.ssd"));
    AddComment("unsaved");
    storage.files["C:\\scenes\\picture.bmp"] = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0};

    // Wrong signature: silently refused.
    EXPECT_FALSE(document.OpenPath("C:\\scenes\\picture.bmp"));
    EXPECT_TRUE(prompt.Shown().empty());
    // Missing: the path and why.
    EXPECT_FALSE(document.OpenPath("C:\\scenes\\gone.ssd"));
    EXPECT_THAT(prompt.Texts(), ElementsAre("C:\\scenes\\gone.ssd\n\ncannot be opened."));
    EXPECT_EQ(prompt.Shown().back().icon, MessageIcon::Stop);

    EXPECT_THAT(CommentsOf(document.Entries()), ElementsAre("first", "second", "unsaved"));
    EXPECT_EQ(document.Path(), "C:\\scenes\\a.ssd");
    EXPECT_TRUE(document.IsModified());
}

TEST_F(SceneDocTest, AMalformedFileLeavesAnEmptyUntitledScene) {
    ASSERT_TRUE(document.OpenPath("C:\\scenes\\a.ssd"));
    std::vector<std::uint8_t> broken = SceneOf({"cut short"});
    broken.resize(broken.size() - 3);
    storage.files["C:\\scenes\\broken.ssd"] = broken;
    EXPECT_FALSE(document.OpenPath("C:\\scenes\\broken.ssd"));
    EXPECT_THAT(prompt.Texts(), ElementsAre("Unexpected file format."));
    EXPECT_EQ(document.Entries().Count(), 0u);
    EXPECT_EQ(document.Path(), "");
    EXPECT_FALSE(document.IsModified());
}

TEST_F(SceneDocTest, AnEmptyFileIsAnEmptySceneNotModified) {
    storage.files["C:\\scenes\\empty.ssd"] = {};
    ASSERT_TRUE(document.OpenPath("C:\\scenes\\empty.ssd"));
    EXPECT_EQ(document.Entries().Count(), 0u);
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(TitleBarText(document.Path()), "empty.ssd - Vistaloom");
}

TEST_F(SceneDocTest, SavingAnUntitledSceneAsksForTheNameWithTheSceneFilter) {
    AddComment("new");
    prompt.AnswerFile("C:\\scenes\\new");
    ASSERT_TRUE(document.Save());
    ASSERT_EQ(prompt.Shown().size(), 1u);
    const ShownPrompt& dialog = prompt.Shown()[0];
    EXPECT_EQ(dialog.kind, PromptKind::SaveFile);
    EXPECT_EQ(dialog.request.filter, "Scene (.ssd)|*.ssd||");
    EXPECT_EQ(dialog.request.defaultExtension, "ssd");
    EXPECT_TRUE(dialog.request.flags & kFileOverwritePrompt);
    // The dialog appended the extension; the file holds the scene.
    EXPECT_EQ(document.Path(), "C:\\scenes\\new.ssd");
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(storage.files["C:\\scenes\\new.ssd"], SaveSceneFile(document.Entries()));
    EXPECT_THAT(used, ElementsAre("C:\\scenes\\new.ssd"));
}

TEST_F(SceneDocTest, AFailedSaveKeepsTheOldFileTheNameAndTheChanges) {
    ASSERT_TRUE(document.OpenPath("C:\\scenes\\a.ssd"));
    const std::vector<std::uint8_t> before = storage.files["C:\\scenes\\a.ssd"];
    AddComment("unsaved");
    storage.failing.insert("C:\\scenes\\a.ssd");
    EXPECT_FALSE(document.Save());
    EXPECT_THAT(prompt.Texts(), ElementsAre("Failed to save document."));
    EXPECT_EQ(prompt.Shown().back().icon, MessageIcon::Stop);
    EXPECT_EQ(storage.files["C:\\scenes\\a.ssd"], before);
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(document.Path(), "C:\\scenes\\a.ssd");
    // Save As elsewhere works and moves the document there.
    prompt.AnswerFile("C:\\scenes\\copy.ssd");
    EXPECT_TRUE(document.SaveAs());
    EXPECT_EQ(document.Path(), "C:\\scenes\\copy.ssd");
    EXPECT_FALSE(document.IsModified());
}

TEST_F(SceneDocTest, ChangesAreOfferedForSavingBeforeTheyAreReplaced) {
    ASSERT_TRUE(document.OpenPath("C:\\scenes\\a.ssd"));
    AddComment("third");

    // Cancel: nothing happens.
    prompt.AnswerCancel();
    EXPECT_FALSE(document.New());
    EXPECT_EQ(document.Entries().Count(), 3u);
    EXPECT_EQ(prompt.Texts().back(), "Save changes to C:\\scenes\\a.ssd?");

    // No: the changes go, the new scene is empty and untitled.
    prompt.AnswerNo();
    EXPECT_TRUE(document.New());
    EXPECT_EQ(document.Entries().Count(), 0u);
    EXPECT_EQ(TitleBarText(document.Path()), "Untitled - Vistaloom");
    EXPECT_THAT(CommentsInFile(storage, "C:\\scenes\\a.ssd"), ElementsAre("first", "second"));

    // Yes on an untitled scene: Save As first; a cancelled Save As stops the Open.
    AddComment("draft");
    prompt.AnswerYes().CancelFile();
    EXPECT_FALSE(document.Open());
    EXPECT_THAT(CommentsOf(document.Entries()), ElementsAre("draft"));
    EXPECT_EQ(prompt.Shown().back().kind, PromptKind::SaveFile);
    EXPECT_TRUE(prompt.Failures().empty());
}

TEST_F(SceneDocTest, YesSavesThenOpensTheChosenFile) {
    ASSERT_TRUE(document.OpenPath("C:\\scenes\\a.ssd"));
    AddComment("third");
    prompt.AnswerYes().AnswerFile("C:\\scenes\\b.ssd");
    ASSERT_TRUE(document.Open());
    EXPECT_THAT(CommentsOf(document.Entries()), ElementsAre("other"));
    EXPECT_THAT(CommentsInFile(storage, "C:\\scenes\\a.ssd"),
                ElementsAre("first", "second", "third"));
    EXPECT_EQ(prompt.Shown()[1].kind, PromptKind::OpenFile);
    EXPECT_TRUE(prompt.Shown()[1].request.flags & kFileMustExist);
}

TEST_F(SceneDocTest, PackagingSavesOnlyWhatNeedsSaving) {
    ASSERT_TRUE(document.OpenPath("C:\\scenes\\a.ssd"));
    storage.failing.insert("C:\\scenes\\a.ssd");
    // Unchanged and named: nothing is written (a failing write would show).
    EXPECT_TRUE(document.SaveScene());
    EXPECT_TRUE(prompt.Shown().empty());
    AddComment("changed");
    EXPECT_FALSE(document.SaveScene());
    EXPECT_THAT(prompt.Texts(), ElementsAre("Failed to save document."));
}

TEST_F(SceneDocTest, TheSceneCheckShowsWhatFails) {
    document.Entries().Append(std::make_unique<UntilEntry>());
    EXPECT_FALSE(document.CheckScene());
    EXPECT_THAT(prompt.Texts(), ElementsAre("Missing repeat command."));
    bool asked = false;
    document.checkScene = [&] { return asked = true; };
    EXPECT_TRUE(document.CheckScene());
    EXPECT_TRUE(asked);
}

}  // namespace
}  // namespace vl
