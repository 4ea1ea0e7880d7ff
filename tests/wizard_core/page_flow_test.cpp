#include "wizard/core/page_flow.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

WizardData Choosing(int images, int media, int texts) {
    WizardData data = MakeWizardData("C:\\W\\");
    data.useImages = images;
    data.useMedia = media;
    data.useTexts = texts;
    return data;
}

TEST(PageFlow, NextWalksThroughEveryChosenPage) {
    const WizardData all = Choosing(1, 1, 1);
    EXPECT_EQ(PageAfter(WizardPage::kGeneral, kPageNext, all), WizardPage::kImages);
    EXPECT_EQ(PageAfter(WizardPage::kImages, kPageNext, all), WizardPage::kMedia);
    EXPECT_EQ(PageAfter(WizardPage::kMedia, kPageNext, all), WizardPage::kTexts);
    EXPECT_EQ(PageAfter(WizardPage::kTexts, kPageNext, all), WizardPage::kSequences);
    EXPECT_EQ(PageAfter(WizardPage::kSequences, kPageNext, all), WizardPage::kFinished);
}

TEST(PageFlow, NextPassesOverPagesNotChosen) {
    EXPECT_EQ(PageAfter(WizardPage::kGeneral, kPageNext, Choosing(0, 1, 0)), WizardPage::kMedia);
    EXPECT_EQ(PageAfter(WizardPage::kGeneral, kPageNext, Choosing(0, 0, 1)), WizardPage::kTexts);
    EXPECT_EQ(PageAfter(WizardPage::kImages, kPageNext, Choosing(1, 0, 0)), WizardPage::kSequences);
    EXPECT_EQ(PageAfter(WizardPage::kImages, kPageNext, Choosing(1, 0, 1)), WizardPage::kTexts);
}

TEST(PageFlow, PreviousGoesBackToTheLastChosenPage) {
    EXPECT_EQ(PageAfter(WizardPage::kSequences, kPagePrevious, Choosing(1, 1, 1)),
              WizardPage::kTexts);
    EXPECT_EQ(PageAfter(WizardPage::kSequences, kPagePrevious, Choosing(1, 1, 0)),
              WizardPage::kMedia);
    EXPECT_EQ(PageAfter(WizardPage::kSequences, kPagePrevious, Choosing(1, 0, 0)),
              WizardPage::kImages);
    EXPECT_EQ(PageAfter(WizardPage::kTexts, kPagePrevious, Choosing(1, 0, 1)), WizardPage::kImages);
    EXPECT_EQ(PageAfter(WizardPage::kTexts, kPagePrevious, Choosing(0, 0, 1)),
              WizardPage::kGeneral);
    EXPECT_EQ(PageAfter(WizardPage::kMedia, kPagePrevious, Choosing(0, 1, 0)),
              WizardPage::kGeneral);
    EXPECT_EQ(PageAfter(WizardPage::kImages, kPagePrevious, Choosing(1, 0, 0)),
              WizardPage::kGeneral);
}

TEST(PageFlow, CancelEndsFromEveryPageAndPreviousStaysOnTheFirst) {
    const WizardData data = Choosing(1, 1, 1);
    for (WizardPage page : {WizardPage::kGeneral, WizardPage::kImages, WizardPage::kMedia,
                            WizardPage::kTexts, WizardPage::kSequences}) {
        EXPECT_EQ(PageAfter(page, kPageCancel, data), WizardPage::kCancelled);
    }
    EXPECT_EQ(PageAfter(WizardPage::kGeneral, kPagePrevious, data), WizardPage::kGeneral);
    EXPECT_EQ(PageAfter(WizardPage::kMedia, 7, data), WizardPage::kMedia);
    EXPECT_EQ(PageAfter(WizardPage::kFinished, kPageNext, data), WizardPage::kFinished);
}

TEST(PageFlow, OnlyTheChosenObjectPagesAreShown) {
    const WizardData data = Choosing(0, 1, 0);
    EXPECT_TRUE(IsPageShown(WizardPage::kGeneral, data));
    EXPECT_FALSE(IsPageShown(WizardPage::kImages, data));
    EXPECT_TRUE(IsPageShown(WizardPage::kMedia, data));
    EXPECT_FALSE(IsPageShown(WizardPage::kTexts, data));
    EXPECT_TRUE(IsPageShown(WizardPage::kSequences, data));
}

}  // namespace
}  // namespace vl
