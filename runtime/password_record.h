// How Glint keeps the screen-saver password: never the password itself, only a salted PBKDF2
// (HMAC-SHA-256) digest, written as one text value
//
//     pbkdf2-sha256$<iterations>$<salt in hex>$<digest in hex>
//
// The key derivation runs in the system's cryptography library (password_hash.h); this part only
// lays the record out, reads it back and compares digests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vl {

inline constexpr std::size_t kPasswordDigestBytes = 32;
inline constexpr std::size_t kPasswordSaltBytes = 16;
inline constexpr std::uint32_t kPasswordIterations = 200000;

struct PasswordRecord {
    std::uint32_t iterations = 0;
    std::vector<std::uint8_t> salt;
    std::vector<std::uint8_t> digest;
};

std::string FormatPasswordRecord(const PasswordRecord& record);

// False for anything that is not exactly such a record: another prefix, an iteration count
// outside 1..10,000,000, a salt shorter than 8 or longer than 64 bytes, a digest of another
// length, odd or non-hex digits. Such a value verifies no password.
bool ParsePasswordRecord(const std::string& text, PasswordRecord& record);

// Compares without an early exit, so the time taken tells nothing about where they differ.
bool ConstantTimeEqual(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b);

std::string ToHex(const std::vector<std::uint8_t>& bytes);
// False on odd length or a non-hex digit; either case of letters is read.
bool FromHex(const std::string& text, std::vector<std::uint8_t>& bytes);

}  // namespace vl
