#include "framework/prompt.h"
#include "framework/scripted_prompt.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace vl {
namespace {

using ::testing::ElementsAre;

TEST(ScriptedPrompt, RecordsEveryTextInOrderWithItsIconAndCaption) {
    ScriptedPrompt prompt;
    prompt.AnswerYes().AnswerNo();
    prompt.Message("first.bmp\ncannot be loaded.", MessageIcon::Stop, "");
    EXPECT_TRUE(prompt.AskYesNo("Delete?", {}, ""));
    EXPECT_FALSE(prompt.AskYesNo("Exit Wizard?", {MessageIcon::Exclamation, true}, "Wizard"));
    prompt.Message("Done.", MessageIcon::Information, "Make SS");

    EXPECT_THAT(prompt.Texts(),
                ElementsAre("first.bmp\ncannot be loaded.", "Delete?", "Exit Wizard?", "Done."));
    const auto& shown = prompt.Shown();
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[0].kind, PromptKind::Message);
    EXPECT_EQ(shown[0].icon, MessageIcon::Stop);
    EXPECT_EQ(shown[1].kind, PromptKind::Question);
    EXPECT_EQ(shown[1].icon, MessageIcon::Question);
    EXPECT_FALSE(shown[1].defaultNo);
    EXPECT_EQ(shown[2].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(shown[2].defaultNo);
    EXPECT_EQ(shown[2].caption, "Wizard");
    EXPECT_EQ(shown[3].caption, "Make SS");
    EXPECT_TRUE(prompt.Failures().empty());
    EXPECT_EQ(prompt.UnusedAnswers(), 0u);
}

TEST(ScriptedPrompt, MissingOrMismatchedAnswersAreFailuresAndRefuse) {
    ScriptedPrompt prompt;
    EXPECT_FALSE(prompt.AskYesNo("Sure?", {}, ""));
    prompt.AnswerFile("C:\\x.scr");
    EXPECT_FALSE(prompt.AskYesNo("Really?", {}, ""));
    // The mismatched answer stays for whoever it was meant for.
    EXPECT_EQ(prompt.UnusedAnswers(), 1u);
    EXPECT_EQ(prompt.ChooseFolder({"Choose your default wizard folder:"}), "");
    EXPECT_THAT(prompt.Failures(),
                ElementsAre("no answer left for: Sure?", "answer of another kind for: Really?",
                            "answer of another kind for: Choose your default "
                            "wizard folder:"));
    FileDialogRequest request;
    request.title = "Make Screen Saver";
    const FileDialogResult result = prompt.SaveFile(request);
    EXPECT_TRUE(result.chosen);
    EXPECT_THAT(result.paths, ElementsAre("C:\\x.scr"));
}

TEST(ScriptedPrompt, ThreeWayQuestionsTakeYesNoOrCancelAndDefaultToCancel) {
    ScriptedPrompt prompt;
    prompt.AnswerYes().AnswerNo().AnswerCancel().AnswerCancel();
    EXPECT_EQ(prompt.AskYesNoCancel("Save changes to a.ssd?", {}, ""), YesNoCancel::Yes);
    EXPECT_EQ(prompt.AskYesNoCancel("Save changes to b.ssd?", {}, ""), YesNoCancel::No);
    EXPECT_EQ(prompt.AskYesNoCancel("Save changes to c.ssd?", {}, ""), YesNoCancel::Cancel);
    // Cancel is no answer to a Yes/No question: the script is wrong, and the answer stays.
    EXPECT_FALSE(prompt.AskYesNo("Delete?", {}, ""));
    EXPECT_EQ(prompt.UnusedAnswers(), 1u);
    // It is there for the next three-way question.
    EXPECT_EQ(prompt.AskYesNoCancel("Save changes to d.ssd?", {}, ""), YesNoCancel::Cancel);
    prompt.AnswerFile("x");
    EXPECT_EQ(prompt.AskYesNoCancel("Save changes?", {}, ""), YesNoCancel::Cancel);
    EXPECT_THAT(prompt.Failures(), ElementsAre("answer of another kind for: Delete?",
                                               "answer of another kind for: Save changes?"));
    // The silent prompt never lets anything be lost unasked.
    EXPECT_EQ(CurrentPrompt().AskYesNoCancel("lost?"), YesNoCancel::Cancel);
}

TEST(ScriptedPrompt, FileDialogRecordsTheRequestAndAppendsTheDefaultExtension) {
    ScriptedPrompt prompt;
    prompt.AnswerFile("C:\\out\\night").AnswerFile("C:\\out\\x.txt").CancelFile();
    FileDialogRequest request;
    request.title = "Make Screen Saver";
    request.filter = "Screen Saver (.scr)|*.scr||";
    request.defaultExtension = "scr";
    request.proposedName = "night";
    request.flags = kFileOverwritePrompt | kFileHideReadOnly;

    FileDialogResult typedWithout = prompt.SaveFile(request);
    EXPECT_TRUE(typedWithout.chosen);
    EXPECT_THAT(typedWithout.paths, ElementsAre("C:\\out\\night.scr"));
    EXPECT_FALSE(typedWithout.extensionDiffers);

    FileDialogResult typedOther = prompt.SaveFile(request);
    EXPECT_THAT(typedOther.paths, ElementsAre("C:\\out\\x.txt"));
    EXPECT_TRUE(typedOther.extensionDiffers);

    EXPECT_FALSE(prompt.OpenFile(request).chosen);

    ASSERT_EQ(prompt.Shown().size(), 3u);
    EXPECT_EQ(prompt.Shown()[0].kind, PromptKind::SaveFile);
    EXPECT_EQ(prompt.Shown()[2].kind, PromptKind::OpenFile);
    EXPECT_EQ(prompt.Shown()[0].request.filter, "Screen Saver (.scr)|*.scr||");
    EXPECT_EQ(prompt.Shown()[0].request.proposedName, "night");
    EXPECT_EQ(prompt.Shown()[0].request.flags, kFileOverwritePrompt | kFileHideReadOnly);
    EXPECT_TRUE(prompt.Failures().empty());
}

TEST(ScriptedPrompt, RefusedNameKeepsTheDialogOpenForTheNextAnswer) {
    ScriptedPrompt prompt;
    prompt.AnswerFile("C:\\ssaver.scr").AnswerNo().AnswerFile("C:\\saver.scr");
    FileDialogRequest request;
    request.title = "Make Screen Saver";
    request.defaultExtension = "scr";
    std::vector<std::string> seen;
    // Asks from inside the dialog, as the builder's hook does for names starting with "ss".
    request.acceptName = [&](const std::string& typed, const std::string& path) {
        seen.push_back(typed + "|" + path);
        if (typed.size() > 1 && (typed[0] == 's' || typed[0] == 'S') &&
            (typed[1] == 's' || typed[1] == 'S')) {
            return prompt.AskYesNo("starts with ss", {}, "");
        }
        return true;
    };
    const FileDialogResult result = prompt.SaveFile(request);
    EXPECT_TRUE(result.chosen);
    EXPECT_THAT(result.paths, ElementsAre("C:\\saver.scr"));
    EXPECT_THAT(seen, ElementsAre("ssaver.scr|C:\\ssaver.scr", "saver.scr|C:\\saver.scr"));
    EXPECT_THAT(prompt.Texts(), ElementsAre("Make Screen Saver", "starts with ss"));
    EXPECT_TRUE(prompt.Failures().empty());
}

TEST(ScriptedPrompt, RefusingEveryNameEndsLikeCancelWhenAnswersRunOut) {
    ScriptedPrompt prompt;
    prompt.AnswerFile("a.scr");
    FileDialogRequest request;
    request.title = "Open";
    request.acceptName = [](const std::string&, const std::string&) { return false; };
    EXPECT_FALSE(prompt.OpenFile(request).chosen);
    EXPECT_THAT(prompt.Failures(), ElementsAre("no answer left for: Open"));
}

TEST(ScriptedPrompt, SeveralFilesAndFolders) {
    ScriptedPrompt prompt;
    prompt.AnswerFiles({"C:\\p\\a.bmp", "C:\\p\\b.jpg"}).AnswerFolder("C:\\Wizard").CancelFolder();
    FileDialogRequest request;
    request.flags = kFileAllowMultiSelect;
    EXPECT_THAT(prompt.OpenFile(request).paths, ElementsAre("C:\\p\\a.bmp", "C:\\p\\b.jpg"));
    EXPECT_EQ(prompt.ChooseFolder({"Choose"}), "C:\\Wizard");
    EXPECT_EQ(prompt.ChooseFolder({"Choose"}), "");
    EXPECT_EQ(prompt.Shown()[1].kind, PromptKind::Folder);
    EXPECT_TRUE(prompt.Failures().empty());
}

TEST(PromptAccessor, OverridesNestAndRestore) {
    ScriptedPrompt program;
    ScriptedPrompt outer;
    ScriptedPrompt inner;
    SetDefaultPrompt(&program);
    {
        ScopedPromptOverride useOuter(outer);
        {
            ScopedPromptOverride useInner(inner);
            CurrentPrompt().Message("inner", MessageIcon::Plain);
        }
        CurrentPrompt().Message("outer", MessageIcon::Plain);
    }
    CurrentPrompt().Message("program", MessageIcon::Plain);
    SetDefaultPrompt(nullptr);
    // Without any prompt, questions are refused and nothing is recorded anywhere.
    EXPECT_FALSE(CurrentPrompt().AskYesNo("lost?"));
    EXPECT_FALSE(CurrentPrompt().SaveFile({}).chosen);
    EXPECT_EQ(CurrentPrompt().ChooseFolder({}), "");

    EXPECT_THAT(inner.Texts(), ElementsAre("inner"));
    EXPECT_THAT(outer.Texts(), ElementsAre("outer"));
    EXPECT_THAT(program.Texts(), ElementsAre("program"));
}

TEST(FileDialogText, FilterBecomesNulSeparatedWithDoubleEnd) {
    using namespace std::string_literals;
    EXPECT_EQ(FilterForFileDialog("Screen Saver (.scr)|*.scr||"),
              "Screen Saver (.scr)\0*.scr\0\0"s);
    EXPECT_EQ(FilterForFileDialog("Pictures|*.bmp;*.jpg|All|*.*||"),
              "Pictures\0*.bmp;*.jpg\0All\0*.*\0\0"s);
    EXPECT_EQ(FilterForFileDialog("Scene|*.ssd|"), "Scene\0*.ssd\0\0"s);
    EXPECT_EQ(FilterForFileDialog("Scene|*.ssd"), "Scene\0*.ssd\0\0"s);
    EXPECT_EQ(FilterForFileDialog(""), "\0\0"s);
}

TEST(FileDialogText, ExtensionDiffersIgnoresCaseAndMissingExtensions) {
    EXPECT_FALSE(ExtensionDiffers("C:\\a\\x.scr", "scr"));
    EXPECT_FALSE(ExtensionDiffers("C:\\a\\x.SCR", "scr"));
    EXPECT_TRUE(ExtensionDiffers("C:\\a\\x.txt", "scr"));
    EXPECT_TRUE(ExtensionDiffers("x.sc", "scr"));
    EXPECT_TRUE(ExtensionDiffers("x.scrx", "scr"));
    EXPECT_FALSE(ExtensionDiffers("C:\\a.b\\x", "scr"));
    EXPECT_FALSE(ExtensionDiffers("C:\\a\\x.txt", ""));
}

TEST(FileDialogText, SelectionBufferGivesFullPaths) {
    using namespace std::string_literals;
    EXPECT_THAT(SplitFileDialogSelection("C:\\p\\one.bmp\0\0"s), ElementsAre("C:\\p\\one.bmp"));
    EXPECT_THAT(SplitFileDialogSelection("C:\\p\0a.bmp\0b c.jpg\0\0"s),
                ElementsAre("C:\\p\\a.bmp", "C:\\p\\b c.jpg"));
    // A drive root already ends in a backslash.
    EXPECT_THAT(SplitFileDialogSelection("C:\\\0a.bmp\0b.bmp\0\0"s),
                ElementsAre("C:\\a.bmp", "C:\\b.bmp"));
    EXPECT_TRUE(SplitFileDialogSelection("\0\0"s).empty());
    EXPECT_TRUE(SplitFileDialogSelection(""s).empty());
    // Unterminated text still yields its parts.
    EXPECT_THAT(SplitFileDialogSelection("C:\\p\0a.bmp"s), ElementsAre("C:\\p\\a.bmp"));
}

TEST(FileDialogText, FileNamePartAfterEitherSlashOrADriveColon) {
    EXPECT_EQ(FileNamePart("C:\\a\\b.scr"), "b.scr");
    EXPECT_EQ(FileNamePart("/tmp/b.scr"), "b.scr");
    EXPECT_EQ(FileNamePart("b.scr"), "b.scr");
    EXPECT_EQ(FileNamePart("D:b.scr"), "b.scr");
    EXPECT_EQ(FileNamePart("C:\\a\\"), "");
}

}  // namespace
}  // namespace vl
