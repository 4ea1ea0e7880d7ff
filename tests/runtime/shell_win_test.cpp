// Glint's Windows side in the test process: the password digest against published vectors, and
// where the password and the start-up command are kept (the exit settings are checked through the
// settings dialog in glint_program_test.cpp).
#include <windows.h>

#include <gtest/gtest.h>

#include "runtime/glint_settings.h"
#include "runtime/password_hash.h"
#include "runtime/password_record.h"
#include "tests/runtime/registry_sandbox.h"

namespace vl {
namespace {

using test::ReadDword;
using test::ReadText;

std::vector<std::uint8_t> Text(const std::string& text) {
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

std::string Digest(const std::string& password, const std::string& salt, std::uint32_t count) {
    std::vector<std::uint8_t> digest;
    if (!DerivePasswordDigest(password, Text(salt), count, digest))
        return "failed";
    return ToHex(digest);
}

TEST(GlintPasswordDigestTest, MatchesPublishedPbkdf2Sha256Vectors) {
    // PBKDF2-HMAC-SHA-256, first 32 bytes (RFC 7914, section 11, and the common test set).
    EXPECT_EQ(Digest("passwd", "salt", 1),
              "55ac046e56e3089fec1691c22544b605f94185216dde0465e68b9d57c20dacbc");
    EXPECT_EQ(Digest("password", "salt", 1),
              "120fb6cffcf8b32c43e7225256c4f837a86548c92ccc35480805987cb70be17b");
    EXPECT_EQ(Digest("password", "salt", 2),
              "ae4d0c95af6b46d32d0adff928f06dd02a303f8ef3c251dfd6e2d85a95474c43");
    EXPECT_EQ(Digest("password", "salt", 4096),
              "c5e478d59288c841aa530db6845c4c8d962893a001ce4e11a4963873aa98134a");
}

TEST(GlintPasswordDigestTest, RecordsVerifyTheirPasswordOnly) {
    std::string first;
    std::string second;
    ASSERT_TRUE(
        MakePasswordRecord("Sesam, \xF6"
                           "ffne dich",
                           first));
    ASSERT_TRUE(
        MakePasswordRecord("Sesam, \xF6"
                           "ffne dich",
                           second));
    EXPECT_NE(first, second) << "every record has its own salt";
    EXPECT_EQ(first.find("ffne"), std::string::npos) << "the password is not in the record";

    PasswordRecord record;
    ASSERT_TRUE(ParsePasswordRecord(first, record));
    EXPECT_EQ(record.iterations, kPasswordIterations);
    EXPECT_EQ(record.salt.size(), kPasswordSaltBytes);

    EXPECT_TRUE(
        PasswordMatches("Sesam, \xF6"
                        "ffne dich",
                        first));
    EXPECT_TRUE(
        PasswordMatches("Sesam, \xF6"
                        "ffne dich",
                        second));
    EXPECT_FALSE(PasswordMatches("Sesam, offne dich", first));
    EXPECT_FALSE(PasswordMatches("", first));
    EXPECT_FALSE(
        PasswordMatches("Sesam, \xF6"
                        "ffne dich ",
                        first));
    EXPECT_FALSE(
        PasswordMatches("Sesam, \xF6"
                        "ffne dich",
                        "not a record"));
    EXPECT_FALSE(PasswordMatches("", ""));
}

TEST(GlintPasswordDigestTest, WipedTextIsEmpty) {
    std::string secret = "secret";
    WipeText(secret);
    EXPECT_TRUE(secret.empty());
}

TEST(GlintSettingsTest, StartWithWindowsIsTheMachineRunValue) {
    test::RegistrySandbox sandbox;
    const std::string program = "C:\\windows\\system32\\Test Saver.scr";
    EXPECT_FALSE(StartsWithWindows(program));
    ASSERT_TRUE(SetStartWithWindows(true, program));
    EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, test::kRunKey, "ScreenSaver", "missing"),
              "\"C:\\windows\\system32\\Test Saver.scr\" /s");
    EXPECT_TRUE(StartsWithWindows(program));
    EXPECT_FALSE(StartsWithWindows("C:\\windows\\system32\\Other.scr"));

    ASSERT_TRUE(SetStartWithWindows(false, program));
    EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, test::kRunKey, "ScreenSaver", "missing"), "missing");
    EXPECT_TRUE(SetStartWithWindows(false, program)) << "nothing to delete is no failure";
}

TEST(GlintSettingsTest, AnotherScreenSaversStartIsLeftAlone) {
    test::RegistrySandbox sandbox;
    ASSERT_TRUE(test::WriteText(HKEY_LOCAL_MACHINE, test::kRunKey, "ScreenSaver",
                                "C:\\windows\\Other.scr /s"));
    EXPECT_TRUE(SetStartWithWindows(false, "C:\\windows\\Mine.scr"));
    EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, test::kRunKey, "ScreenSaver", "missing"),
              "C:\\windows\\Other.scr /s");
    // Checking the box takes the value over.
    EXPECT_TRUE(SetStartWithWindows(true, "C:\\windows\\Mine.scr"));
    EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, test::kRunKey, "ScreenSaver", "missing"),
              "C:\\windows\\Mine.scr /s");
}

TEST(GlintSettingsTest, PasswordOnCloseNeedsTheDesktopSwitchAndARecord) {
    test::RegistrySandbox sandbox;
    std::string record;
    ASSERT_TRUE(MakePasswordRecord("pw", record));
    EXPECT_FALSE(PasswordNeededToClose());

    ASSERT_TRUE(WritePasswordRecordText(record));
    EXPECT_EQ(ReadText(HKEY_CURRENT_USER, test::kGlintPasswordKey, "Encrypt", "missing"), record);
    EXPECT_EQ(ReadPasswordRecordText(), record);
    EXPECT_FALSE(PasswordNeededToClose()) << "Windows' switch is off";

    ASSERT_TRUE(test::WriteDword(HKEY_CURRENT_USER, test::kDesktopKey, "ScreenSaveUsePassword", 1));
    EXPECT_TRUE(PasswordNeededToClose());

    // A value that is no record verifies nothing, so it asks for nothing either.
    ASSERT_TRUE(WritePasswordRecordText("plain text"));
    EXPECT_FALSE(PasswordNeededToClose());
    ASSERT_TRUE(WritePasswordRecordText(""));
    EXPECT_FALSE(PasswordNeededToClose());
}

}  // namespace
}  // namespace vl
