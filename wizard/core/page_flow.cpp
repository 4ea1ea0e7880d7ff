#include "wizard/core/page_flow.h"

namespace vl {

namespace {

// The object pages and the sequences page, in their order.
constexpr WizardPage kOrder[] = {WizardPage::kGeneral, WizardPage::kImages, WizardPage::kMedia,
                                 WizardPage::kTexts, WizardPage::kSequences};
constexpr int kPageCount = static_cast<int>(sizeof kOrder / sizeof kOrder[0]);

int PositionOf(WizardPage page) {
    for (int i = 0; i < kPageCount; ++i) {
        if (kOrder[i] == page) {
            return i;
        }
    }
    return -1;
}

}  // namespace

bool IsPageShown(WizardPage page, const WizardData& data) {
    switch (page) {
        case WizardPage::kGeneral:
        case WizardPage::kSequences:
            return true;
        case WizardPage::kImages:
            return data.useImages != 0;
        case WizardPage::kMedia:
            return data.useMedia != 0;
        case WizardPage::kTexts:
            return data.useTexts != 0;
        case WizardPage::kCancelled:
        case WizardPage::kFinished:
            return false;
    }
    return false;
}

WizardPage PageAfter(WizardPage page, std::int32_t result, const WizardData& data) {
    const int position = PositionOf(page);
    if (position < 0) {
        return page;
    }
    if (result == kPageCancel) {
        return WizardPage::kCancelled;
    }
    if (result == kPageNext) {
        if (page == WizardPage::kSequences) {
            return WizardPage::kFinished;
        }
        int next = position + 1;
        while (!IsPageShown(kOrder[next], data)) {
            ++next;
        }
        return kOrder[next];
    }
    if (result == kPagePrevious && position > 0) {
        int previous = position - 1;
        while (!IsPageShown(kOrder[previous], data)) {
            --previous;
        }
        return kOrder[previous];
    }
    return page;
}

}  // namespace vl
