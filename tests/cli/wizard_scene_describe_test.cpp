// A scene the wizard generates, saved and described by the tool: the lines a person reads in the
// text export, from the definitions' comment to the endless loop around the sequences.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run_cli.h"
#include "scene/scene_file.h"
#include "tests/wizard_core/wizard_objects.h"
#include "wizard/core/scene_generator.h"

namespace vl {
namespace {

using test::CliResult;
using test::RunCli;
using test::TempDir;

constexpr ScreenSize kScreen{1024, 768};

std::string Described(const std::vector<WizardSequence>& sequences, bool repeatForever,
                      GeneratedForm form) {
    EntryList entries;
    EntryListTarget target(entries);
    GenerateScene(sequences, repeatForever, form, kScreen, target);
    TempDir dir;
    const std::string path = dir / "wizard.ssd";
    test::WriteBytes(path, SaveSceneFile(entries));
    const CliResult result = RunCli({"describe", path});
    EXPECT_EQ(result.status, 0) << result.err;
    return result.out;
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

TEST(WizardSceneDescribed, TwoPictureSequencesShareTheirImageAndASoundPlaysAfterAClear) {
    auto sea = testing::Picture("sea.bmp", 128);
    auto wave = testing::Media("ding.wav");
    std::vector<WizardSequence> sequences;
    sequences.push_back(MakeWizardSequence(kSequenceImage, *sea, kScreen.width));
    WizardSequence moving = MakeWizardSequence(kSequenceImage, *sea, kScreen.width);
    moving.move = 1;
    moving.startX = 0;
    moving.startY = 500;
    moving.endX = 800;
    moving.endY = 100;
    moving.waitSeconds = 2;
    moving.hide = 0;
    sequences.push_back(moving);
    WizardSequence played = MakeWizardSequence(kSequenceMedia, *wave, kScreen.width);
    played.playCount = 3;
    played.clearScreen = 1;
    sequences.push_back(played);

    const std::string show =
        "Show [sea.bmp, Position: (Center, Center), Colour: RGB(0, 0, 0), Mixing: No Mixing, "
        "Background: Yes]";
    const std::string move =
        "Move [sea.bmp, Start Position: (0, 500), End Position: (800, 100), Step X: 1, Speed: ";
    const std::string out = Described(sequences, true, GeneratedForm::kFinal);
    const std::string head =
        "Wizard generated definitions of used objects\r\n"
        "Image [sea.bmp]\r\n"
        "Multimedia [ding.wav]\r\n"
        "\r\n"
        "Screen saver action commands\r\n"
        "Repeat\r\n"
        "  " +
        show +
        "\r\n"
        "  Wait [Duration: 3 sec]\r\n"
        "  Hide [sea.bmp]\r\n"
        "  " +
        move;
    EXPECT_EQ(out.substr(0, head.size()), head) << out;
    const std::string tail =
        "  Wait [Duration: 2 sec]\r\n"
        "  Cls [Colour: RGB(0, 0, 0)]\r\n"
        "  Play [ding.wav, Wait - 3 times]\r\n"
        "Until [Infinite]\r\n";
    EXPECT_TRUE(EndsWith(out, tail)) << out;
}

TEST(WizardSceneDescribed, ThePreviewFormHasOneHeadingAndNoLoopWithoutRepeatForever) {
    auto text = testing::TextMessage("Good night");
    std::vector<WizardSequence> sequences;
    sequences.push_back(MakeWizardSequence(kSequenceText, *text, kScreen.width));
    const std::string out = Described(sequences, false, GeneratedForm::kPreview);
    const std::string head =
        "Wizard generated definitions of used objects\r\n"
        "Image [Good ni..., TextColour: ";
    EXPECT_EQ(out.substr(0, head.size()), head) << out;
    const std::string tail =
        "Screen saver actualy begins here\r\n"
        "Show [Good ni..., Position: (Center, Center), Colour: RGB(0, 0, 0), Mixing: No Mixing, "
        "Background: Yes]\r\n"
        "Wait [Duration: 3 sec]\r\n"
        "Hide [Good ni...]\r\n";
    EXPECT_TRUE(EndsWith(out, tail)) << out;
    EXPECT_EQ(out.find("Repeat"), std::string::npos);
    EXPECT_EQ(out.find("Until"), std::string::npos);
}

}  // namespace
}  // namespace vl
