#include "package/package_names.h"

#include <gtest/gtest.h>

#include "package/package_messages.h"
#include "framework/scripted_prompt.h"

namespace vl {
namespace {

TEST(PackageNames, ScreenSaverProposalDropsFolderAndSsdInAnyCase) {
    EXPECT_EQ(ProposedScreenSaverName("C:\\Scenes\\Scene.Ssd"), "Scene");
    EXPECT_EQ(ProposedScreenSaverName("C:\\Scenes\\Scene.SSD"), "Scene");
    EXPECT_EQ(ProposedScreenSaverName("C:\\Scenes\\Scene.txt"), "Scene.txt");
    EXPECT_EQ(ProposedScreenSaverName("Z:/tmp/a.b.ssd"), "a.b");
    EXPECT_EQ(ProposedScreenSaverName("C:\\x.ssd\\Scene"), "Scene");
    EXPECT_EQ(ProposedScreenSaverName("C:\\Scenes\\.ssd"), "");
}

TEST(PackageNames, WithoutAskingTheLastFourCharactersAreReplaced) {
    EXPECT_EQ(ScreenSaverBesideScene("C:\\Scenes\\Night.ssd"), "C:\\Scenes\\Night.scr");
    // The last four characters go whatever they are.
    EXPECT_EQ(ScreenSaverBesideScene("C:\\Scenes\\Night.txt"), "C:\\Scenes\\Night.scr");
    EXPECT_EQ(ScreenSaverBesideScene("C:\\Scenes\\Night"), "C:\\Scenes\\N.scr");
    EXPECT_EQ(InstallerBaseName("C:\\Scenes\\Night.ssd"), "C:\\Scenes\\Night");
    EXPECT_EQ(CutLastCharacters("abc", 4), "");
}

TEST(PackageNames, ATypedOtherExtensionGetsTheDefaultOneAppended) {
    EXPECT_EQ(WithDefaultExtension("C:\\x.txt", true, "scr"), "C:\\x.txt.scr");
    EXPECT_EQ(WithDefaultExtension("C:\\x.scr", false, "scr"), "C:\\x.scr");
    EXPECT_EQ(WithDefaultExtension("C:\\x.scr", true, "exe"), "C:\\x.scr.exe");
}

TEST(PackageNames, InstallerForAScreenSaverSwapsTheLastThreeCharacters) {
    EXPECT_EQ(InstallerForScreenSaver("C:\\Savers\\saver.scr"), "C:\\Savers\\saver.exe");
    EXPECT_EQ(InstallerForScreenSaver("C:\\Savers\\saver.SCR"), "C:\\Savers\\saver.exe");
}

TEST(PackageNames, SsWarningNeedsTwoCharactersStartingWithSsInAnyCase) {
    EXPECT_TRUE(NameStartsWithSs("SSaver"));
    EXPECT_TRUE(NameStartsWithSs("ss"));
    EXPECT_TRUE(NameStartsWithSs("sS.scr"));
    EXPECT_FALSE(NameStartsWithSs("s"));
    EXPECT_FALSE(NameStartsWithSs(""));
    EXPECT_FALSE(NameStartsWithSs("Mysaver"));
    EXPECT_FALSE(NameStartsWithSs(" ssaver"));
}

TEST(PackageNames, ControlPanelGetsThePathUnquoted) {
    EXPECT_EQ(ControlPanelCommandFor("C:\\WINDOWS\\system32\\My Saver.scr"),
              "rundll32.exe desk.cpl,InstallScreenSaver C:\\WINDOWS\\system32\\My Saver.scr");
}

TEST(PackageNames, SystemFolderTargetIsFolderSeparatorName) {
#ifdef _WIN32
    EXPECT_EQ(JoinFolder("C:\\WINDOWS\\system32", "Night.scr"), "C:\\WINDOWS\\system32\\Night.scr");
#else
    EXPECT_EQ(JoinFolder("/sys32", "Night.scr"), "/sys32/Night.scr");
#endif
}

TEST(PackageMessages, PathGoesIntoTheSuccessMessage) {
    EXPECT_EQ(FillIn(kScreenSaverCreated, "C:\\a.scr"),
              "Screen saver\nC:\\a.scr\nis succesfully created.");
}

TEST(ScreenSaverNameCheck, AsksOnlyForSsNamesAndNoKeepsTheDialogOpen) {
    ScriptedPrompt prompt;
    ScopedPromptOverride use(prompt);
    const AcceptFileName check = ScreenSaverNameCheck();
    EXPECT_TRUE(check("Mysaver", "C:\\Mysaver.scr"));
    EXPECT_TRUE(prompt.Shown().empty());

    prompt.AnswerNo().AnswerYes();
    EXPECT_FALSE(check("SSaver", "C:\\SSaver.scr"));
    EXPECT_TRUE(check("ssaver", "C:\\ssaver.scr"));
    ASSERT_EQ(prompt.Shown().size(), 2u);
    for (const ShownPrompt& shown : prompt.Shown()) {
        EXPECT_EQ(shown.kind, PromptKind::Question);
        EXPECT_EQ(shown.icon, MessageIcon::Question);
        EXPECT_EQ(shown.text,
                  "There is a problem in Windows if name of screen saver starts with ss.\n\n"
                  "Do you want to continue?");
    }
    EXPECT_TRUE(prompt.Failures().empty());
}

}  // namespace
}  // namespace vl
