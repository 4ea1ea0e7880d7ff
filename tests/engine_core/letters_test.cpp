#include "engine/core/letters.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vl {
namespace {

// The prefixes a letter-by-letter Show draws, following the caller's loop: after each letter
// that leaves more, add 1 to the index.
std::vector<std::string> Prefixes(const std::string& text) {
    std::vector<std::string> drawn;
    for (int letter = 0; letter <= static_cast<int>(text.size()) + 1; ++letter) {
        const LetterStep step = NextLetterStep(text, letter);
        if (!step.draw)
            break;
        drawn.push_back(text.substr(0, step.prefixLength));
        if (!step.lettersRemain)
            break;
    }
    return drawn;
}

TEST(NextLetterStepTest, LineBreaksAreNotLetters) {
    EXPECT_EQ(Prefixes("a\r\nb"), (std::vector<std::string>{"a", "a\r\nb"}));
    EXPECT_EQ(Prefixes("a\nbc"), (std::vector<std::string>{"a", "a\nb", "a\nbc"}));
    int letter = 1;
    const LetterStep step = NextLetterStep("a\r\nb", letter);
    EXPECT_EQ(letter, 3);
    EXPECT_FALSE(step.lettersRemain);
}

TEST(NextLetterStepTest, NothingToDraw) {
    int letter = 0;
    EXPECT_FALSE(NextLetterStep("", letter).draw);
    letter = 2;
    EXPECT_FALSE(NextLetterStep("ab", letter).draw);
    letter = -1;
    EXPECT_FALSE(NextLetterStep("ab", letter).draw);
}

}  // namespace
}  // namespace vl
