#include "wizard/core/sequence_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/wizard_core/wizard_objects.h"

namespace vl {
namespace {

using testing::Media;
using testing::Picture;
using testing::TextMessage;

TEST(SequenceLine, PicturesAndTextsNameTheirPlaceClearWaitAndHide) {
    WizardSequence shown = MakeWizardSequence(kSequenceImage, *Picture("sky.bmp"), 800);
    EXPECT_EQ(SequenceLine(shown), "Image:sky.bmp Show [Center,Center] No clear, Wait, Hide.");

    shown.centreShowY = 0;
    shown.showY = -40;
    shown.clearScreen = 1;
    shown.wait = 0;
    shown.hide = 0;
    EXPECT_EQ(SequenceLine(shown), "Image:sky.bmp Show [Center,-40] Clear, No wait, No hide.");

    shown.effect = kEffectTile;
    EXPECT_EQ(SequenceLine(shown), "Image:sky.bmp Show [Effect - Tile] Clear, No wait, No hide.");
    shown.effect = kEffectStretch;
    EXPECT_EQ(SequenceLine(shown),
              "Image:sky.bmp Show [Effect - Stretch] Clear, No wait, No hide.");

    // A Move names both ends and no effect.
    shown.move = 1;
    shown.centreStartX = 1;
    shown.startY = 500;
    shown.endX = 800;
    shown.endY = 100;
    EXPECT_EQ(SequenceLine(shown),
              "Image:sky.bmp Move [Center,500],[800,100] Clear, No wait, No hide.");

    WizardSequence text = MakeWizardSequence(kSequenceText, *TextMessage("Good night"), 800);
    EXPECT_EQ(SequenceLine(text), "Text:Good ni... Show [Center,Center] No clear, Wait, Hide.");
}

TEST(SequenceLine, MediaNameTheirPlayCountAndWhetherTheyAreWaitedFor) {
    WizardSequence media = MakeWizardSequence(kSequenceMedia, *Media("sea.wav"), 800);
    EXPECT_EQ(SequenceLine(media), "Media:sea.wav, Play 1 times,  Wait media to finish playing.");
    media.playCount = 12;
    media.mediaWait = 0;
    EXPECT_EQ(SequenceLine(media),
              "Media:sea.wav, Play 12 times,  Not wait media to finish playing.");
}

std::vector<std::string> Names(const std::vector<WizardSequence>& sequences) {
    std::vector<std::string> names;
    for (const WizardSequence& s : sequences)
        names.push_back(s.image->fileName);
    return names;
}

TEST(MoveSequence, SwapsWithTheNeighbourOrSaysWhyNot) {
    std::vector<WizardSequence> list;
    for (const char* name : {"a.bmp", "b.bmp", "c.bmp"})
        list.push_back(MakeWizardSequence(kSequenceImage, *Picture(name), 800));

    EXPECT_EQ(MoveSequence(list, 0, -1), "Cannot move first item up!");
    EXPECT_EQ(MoveSequence(list, 2, +1), "Cannot move last item down!");
    EXPECT_EQ(MoveSequence(list, -1, +1), "You must select item \nin order to move it!");
    EXPECT_EQ(MoveSequence(list, 3, -1), "You must select item \nin order to move it!");
    EXPECT_EQ(Names(list), (std::vector<std::string>{"a.bmp", "b.bmp", "c.bmp"}));

    EXPECT_EQ(MoveSequence(list, 1, -1), "");
    EXPECT_EQ(Names(list), (std::vector<std::string>{"b.bmp", "a.bmp", "c.bmp"}));
    EXPECT_EQ(MoveSequence(list, 1, +1), "");
    EXPECT_EQ(Names(list), (std::vector<std::string>{"b.bmp", "c.bmp", "a.bmp"}));
}

}  // namespace
}  // namespace vl
