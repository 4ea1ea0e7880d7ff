// The order of the wizard's pages: which page follows Next, Previous or Cancel. The pages of the
// kinds of object the user has not chosen are passed over in both directions.
#pragma once

#include <cstdint>

#include "wizard/core/wizard_data.h"

namespace vl {

enum class WizardPage {
    kGeneral,    // 1
    kImages,     // 2A, shown with use images
    kMedia,      // 2B, shown with use media
    kTexts,      // 2C, shown with use texts
    kSequences,  // 3
    kCancelled,  // the wizard ends without generating anything
    kFinished,   // Finish on the sequences page: generate
};

// What a page returns when it closes.
enum PageResult : std::int32_t { kPageNext = 1, kPageCancel = 2, kPagePrevious = 3 };

// Whether the page is shown with the kinds of object chosen in data.
bool IsPageShown(WizardPage page, const WizardData& data);

// The page that follows page when it closes with result. Previous on the first page, or a result
// no page returns, stays on the page.
WizardPage PageAfter(WizardPage page, std::int32_t result, const WizardData& data);

}  // namespace vl
