#include "runtime/command_line.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

CommandLine Parse(std::vector<std::string> args) {
    return ParseCommandLine(args);
}

TEST(GlintCommandLine, NoArgumentOpensSettingsWithoutOwner) {
    EXPECT_EQ(Parse({}).mode, RunMode::SettingsWithoutOwner);
    EXPECT_EQ(Parse({""}).mode, RunMode::SettingsWithoutOwner);
    EXPECT_EQ(Parse({}).window, 0u);
}

TEST(GlintCommandLine, LetterWithOrWithoutOneLeadingMarkInAnyCase) {
    for (const char* arg : {"/s", "-S", "s", "S", "/S", "-s"}) {
        EXPECT_EQ(Parse({arg}).mode, RunMode::Run) << arg;
    }
    for (const char* arg : {"/c", "-C", "c"})
        EXPECT_EQ(Parse({arg}).mode, RunMode::Settings);
    for (const char* arg : {"/p", "-P", "p"})
        EXPECT_EQ(Parse({arg}).mode, RunMode::Preview);
    for (const char* arg : {"/a", "-A", "a"}) {
        EXPECT_EQ(Parse({arg}).mode, RunMode::ChangePassword);
    }
}

TEST(GlintCommandLine, OnlyTheFirstTwoCharactersCount) {
    EXPECT_EQ(Parse({"/screen"}).mode, RunMode::Run);
    EXPECT_EQ(Parse({"sx"}).mode, RunMode::Run);
    EXPECT_EQ(Parse({"config"}).mode, RunMode::Settings);
    // The letter must be within the first two characters.
    EXPECT_EQ(Parse({"xs"}).mode, RunMode::Unknown);
    EXPECT_EQ(Parse({"//s"}).mode, RunMode::Unknown);
    EXPECT_EQ(Parse({"--s"}).mode, RunMode::Unknown);
    EXPECT_EQ(Parse({" /s"}).mode, RunMode::Unknown);
}

TEST(GlintCommandLine, OtherLettersAndLoneMarksAreUnknown) {
    for (const char* arg : {"/x", "q", "/", "-", "/1", "/:"}) {
        EXPECT_EQ(Parse({arg}).mode, RunMode::Unknown) << arg;
    }
}

TEST(GlintCommandLine, HandleAfterColonOrInSecondArgument) {
    CommandLine colon = Parse({"/c:1234"});
    EXPECT_EQ(colon.mode, RunMode::Settings);
    EXPECT_EQ(colon.window, 1234u);

    CommandLine spaced = Parse({"/p", "1234"});
    EXPECT_EQ(spaced.mode, RunMode::Preview);
    EXPECT_EQ(spaced.window, 1234u);

    EXPECT_EQ(Parse({"/p:987654"}).window, 987654u);
    EXPECT_EQ(Parse({"a", "42"}).window, 42u);
    EXPECT_EQ(Parse({"c:77"}).window, 77u);
    EXPECT_EQ(Parse({"-A:5"}).mode, RunMode::ChangePassword);
    EXPECT_EQ(Parse({"-A:5"}).window, 5u);
}

TEST(GlintCommandLine, HandlesAre64BitNumbers) {
    EXPECT_EQ(Parse({"/p", "4294967296"}).window, 4294967296u);
    EXPECT_EQ(Parse({"/p:18446744073709551615"}).window, 18446744073709551615u);
    // One more does not fit and is no handle at all, rather than a wrapped one.
    EXPECT_EQ(Parse({"/p:18446744073709551616"}).window, 0u);
}

TEST(GlintCommandLine, MalformedHandlesAreZero) {
    EXPECT_EQ(Parse({"/p"}).window, 0u);
    EXPECT_EQ(Parse({"/p:"}).window, 0u);
    EXPECT_EQ(Parse({"/p", ""}).window, 0u);
    EXPECT_EQ(Parse({"/p", "-5"}).window, 0u);
    EXPECT_EQ(Parse({"/p", "12ab"}).window, 0u);
    EXPECT_EQ(Parse({"/p", "0x1F"}).window, 0u);
    EXPECT_EQ(Parse({"/c:12 "}).window, 0u);
    // The colon form wins over a second argument.
    EXPECT_EQ(Parse({"/c:12", "34"}).window, 12u);
}

TEST(GlintCommandLine, RunAndUnknownTakeNoHandle) {
    EXPECT_EQ(Parse({"/s", "1234"}).window, 0u);
    EXPECT_EQ(Parse({"/s:1234"}).window, 0u);
    EXPECT_EQ(Parse({"/x", "1234"}).window, 0u);
}

TEST(GlintWindowHandle, DecimalDigitsOnly) {
    EXPECT_EQ(ParseWindowHandle("0"), 0u);
    EXPECT_EQ(ParseWindowHandle("007"), 7u);
    EXPECT_EQ(ParseWindowHandle("65538"), 65538u);
    EXPECT_EQ(ParseWindowHandle("+1"), 0u);
    EXPECT_EQ(ParseWindowHandle("1.5"), 0u);
    EXPECT_EQ(ParseWindowHandle("99999999999999999999999"), 0u);
}

}  // namespace
}  // namespace vl
