// The builder's command line: clean-up, the file to open, the splash and the start window.
#include "app/core/startup_args.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

using Args = std::vector<std::string>;

TEST(StartupArgs, CleanUpIsTheLetterUAloneInAnyCaseWithOrWithoutASwitch) {
    for (const Args& args : {Args{"u"}, Args{"U"}, Args{"-u"}, Args{"/U"}, Args{"-U"}}) {
        const StartupArgs parsed = ParseStartupArgs(args);
        EXPECT_TRUE(parsed.cleanUp) << args[0];
        EXPECT_EQ(parsed.fileToOpen, "") << args[0];
    }
}

TEST(StartupArgs, AnythingElseIsNoCleanUp) {
    for (const Args& args :
         {Args{}, Args{"u", "x.ssd"}, Args{"x.ssd", "u"}, Args{"--u"}, Args{"uu"}, Args{"/u/"},
          Args{"u.ssd"}, Args{"-"}, Args{""}, Args{"\\u"}}) {
        EXPECT_FALSE(ParseStartupArgs(args).cleanUp) << ::testing::PrintToString(args);
    }
}

TEST(StartupArgs, TheFirstArgumentThatIsNoSwitchIsTheFileToOpen) {
    EXPECT_EQ(ParseStartupArgs({}).fileToOpen, "");
    EXPECT_EQ(ParseStartupArgs({"C:\\My Scenes\\Aurora.ssd"}).fileToOpen,
              "C:\\My Scenes\\Aurora.ssd");
    EXPECT_EQ(ParseStartupArgs({"/x", "a.ssd", "b.ssd"}).fileToOpen, "a.ssd");
    EXPECT_EQ(ParseStartupArgs({"", "a.ssd"}).fileToOpen, "a.ssd");
    EXPECT_EQ(ParseStartupArgs({"-Embedding"}).fileToOpen, "");
    // Exactly one argument, whatever it is.
    EXPECT_FALSE(ParseStartupArgs({}).singleArgument);
    EXPECT_TRUE(ParseStartupArgs({"/x"}).singleArgument);
    EXPECT_FALSE(ParseStartupArgs({"a.ssd", "b.ssd"}).singleArgument);
}

TEST(StartupArgs, AStartForAnotherProgramAllowsNoSplash) {
    EXPECT_TRUE(ParseStartupArgs({}).splashAllowed);
    EXPECT_TRUE(ParseStartupArgs({"a.ssd"}).splashAllowed);
    EXPECT_FALSE(ParseStartupArgs({"-Embedding"}).splashAllowed);
    EXPECT_FALSE(ParseStartupArgs({"a.ssd", "/automation"}).splashAllowed);
    EXPECT_TRUE(ParseStartupArgs({"Embedding"}).splashAllowed);  // a file of that name
}

TEST(FirstWindow, TheSplashWhenItsOptionIsOn) {
    EXPECT_EQ(ChooseFirstWindow(true, false, ParseStartupArgs({})), FirstWindow::kSplash);
    EXPECT_EQ(ChooseFirstWindow(true, true, ParseStartupArgs({"a.ssd"})), FirstWindow::kSplash);
    EXPECT_EQ(ChooseFirstWindow(true, false, ParseStartupArgs({"-Embedding"})), FirstWindow::kNone);
}

TEST(FirstWindow, OtherwiseTheStartWindowUnlessRefusedOrAFileCameAlone) {
    EXPECT_EQ(ChooseFirstWindow(false, false, ParseStartupArgs({})), FirstWindow::kStartWindow);
    EXPECT_EQ(ChooseFirstWindow(false, true, ParseStartupArgs({})), FirstWindow::kNone);
    EXPECT_EQ(ChooseFirstWindow(false, false, ParseStartupArgs({"a.ssd"})), FirstWindow::kNone);
    // Only exactly one argument counts as "opened from the shell".
    EXPECT_EQ(ChooseFirstWindow(false, false, ParseStartupArgs({"a.ssd", "b"})),
              FirstWindow::kStartWindow);
}

TEST(FirstWindow, TheStartWindowAfterTheSplashFollowsTheSameRule) {
    EXPECT_TRUE(StartWindowAfterSplash(false, ParseStartupArgs({})));
    EXPECT_FALSE(StartWindowAfterSplash(true, ParseStartupArgs({})));
    EXPECT_FALSE(StartWindowAfterSplash(false, ParseStartupArgs({"a.ssd"})));
}

TEST(ShowState, AMinimisedOrMaximisedStartWinsOverTheSetting) {
    EXPECT_EQ(ChooseShowState(3, 1), 3);   // maximised
    EXPECT_EQ(ChooseShowState(2, 3), 2);   // minimised
    EXPECT_EQ(ChooseShowState(6, 3), 6);   // minimise
    EXPECT_EQ(ChooseShowState(7, 3), 7);   // minimised without activation
    EXPECT_EQ(ChooseShowState(1, 3), 3);   // normal
    EXPECT_EQ(ChooseShowState(10, 5), 5);  // the default of the shortcut
    EXPECT_EQ(ChooseShowState(5, 3), 3);
}

}  // namespace
}  // namespace vl
