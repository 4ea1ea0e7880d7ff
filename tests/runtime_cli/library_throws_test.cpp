// Glint replaces the library's throw helpers; misuse must still arrive as a std::exception.
#include <gtest/gtest.h>

#include <exception>
#include <new>
#include <string>
#include <vector>

namespace {

TEST(GlintLibraryThrows, MisuseArrivesAsStdException) {
    std::string text = "abc";
    try {
        (void)text.at(7);
        FAIL() << "at() past the end did not throw";
    } catch (const std::exception& error) {
        ASSERT_NE(error.what(), nullptr);
        EXPECT_NE(std::string(error.what()), "");
    }
    std::vector<int> numbers;
    EXPECT_THROW(numbers.reserve(numbers.max_size() + 1), std::exception);
    EXPECT_THROW(text.substr(9), std::exception);
    EXPECT_THROW(text.replace(9, 1, "x"), std::exception);
}

TEST(GlintLibraryThrows, OutOfMemoryStaysBadAlloc) {
    EXPECT_THROW(std::__throw_bad_alloc(), std::bad_alloc);
    EXPECT_THROW(std::__throw_bad_array_new_length(), std::bad_array_new_length);
}

}  // namespace
