// The outcome of validating an entry or preparing an object: instead of showing a message box
// the portable code returns the text, and the caller shows it (stop icon).
#pragma once

#include <string>
#include <utility>

namespace vl {

struct Validation {
    bool ok = true;
    std::string message;  // empty when ok

    static Validation Pass() { return {}; }
    static Validation Fail(std::string text) { return {false, std::move(text)}; }
    explicit operator bool() const { return ok; }
};

}  // namespace vl
