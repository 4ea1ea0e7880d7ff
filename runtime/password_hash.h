// The screen-saver password against its stored record, with the system's cryptography library
// (PBKDF2 with HMAC-SHA-256 and the system's random numbers, from bcrypt.dll).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vl {

// PBKDF2-HMAC-SHA-256 of password and salt; false when the system could not compute it.
bool DerivePasswordDigest(const std::string& password, const std::vector<std::uint8_t>& salt,
                          std::uint32_t iterations, std::vector<std::uint8_t>& digest);

// A new record for password with a fresh random salt; false when the system could not make one.
bool MakePasswordRecord(const std::string& password, std::string& recordText);

// True only when recordText is a valid record and password derives its digest.
bool PasswordMatches(const std::string& password, const std::string& recordText);

// Overwrites a password's characters before its memory is given back.
void WipeText(std::string& text);

}  // namespace vl
