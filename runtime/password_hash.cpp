#include "runtime/password_hash.h"

#include <windows.h>

#include <bcrypt.h>

#include "runtime/password_record.h"

namespace vl {
namespace {

class AlgorithmProvider {
  public:
    AlgorithmProvider(const wchar_t* algorithm, ULONG flags) {
        if (!BCRYPT_SUCCESS(BCryptOpenAlgorithmProvider(&handle_, algorithm, nullptr, flags)))
            handle_ = nullptr;
    }
    ~AlgorithmProvider() {
        if (handle_)
            BCryptCloseAlgorithmProvider(handle_, 0);
    }
    AlgorithmProvider(const AlgorithmProvider&) = delete;
    AlgorithmProvider& operator=(const AlgorithmProvider&) = delete;
    BCRYPT_ALG_HANDLE Get() const { return handle_; }

  private:
    BCRYPT_ALG_HANDLE handle_ = nullptr;  // owned
};

bool RandomBytes(std::vector<std::uint8_t>& bytes) {
    if (BCRYPT_SUCCESS(BCryptGenRandom(nullptr, bytes.data(), static_cast<ULONG>(bytes.size()),
                                       BCRYPT_USE_SYSTEM_PREFERRED_RNG))) {
        return true;
    }
    // Systems before Windows 7 have no preferred generator; ask for one by name.
    AlgorithmProvider random(BCRYPT_RNG_ALGORITHM, 0);
    return random.Get() && BCRYPT_SUCCESS(BCryptGenRandom(random.Get(), bytes.data(),
                                                          static_cast<ULONG>(bytes.size()), 0));
}

}  // namespace

bool DerivePasswordDigest(const std::string& password, const std::vector<std::uint8_t>& salt,
                          std::uint32_t iterations, std::vector<std::uint8_t>& digest) {
    AlgorithmProvider hmac(BCRYPT_SHA256_ALGORITHM, BCRYPT_ALG_HANDLE_HMAC_FLAG);
    if (!hmac.Get() || iterations == 0)
        return false;
    std::vector<std::uint8_t> result(kPasswordDigestBytes);
    // The function takes non-const buffers but only reads the password and the salt.
    auto* passwordBytes = reinterpret_cast<PUCHAR>(const_cast<char*>(password.data()));
    auto* saltBytes = const_cast<PUCHAR>(salt.data());
    if (!BCRYPT_SUCCESS(
            BCryptDeriveKeyPBKDF2(hmac.Get(), passwordBytes, static_cast<ULONG>(password.size()),
                                  saltBytes, static_cast<ULONG>(salt.size()), iterations,
                                  result.data(), static_cast<ULONG>(result.size()), 0))) {
        return false;
    }
    digest.swap(result);
    return true;
}

bool MakePasswordRecord(const std::string& password, std::string& recordText) {
    PasswordRecord record;
    record.iterations = kPasswordIterations;
    record.salt.resize(kPasswordSaltBytes);
    if (!RandomBytes(record.salt) ||
        !DerivePasswordDigest(password, record.salt, record.iterations, record.digest)) {
        return false;
    }
    recordText = FormatPasswordRecord(record);
    return true;
}

bool PasswordMatches(const std::string& password, const std::string& recordText) {
    PasswordRecord record;
    if (!ParsePasswordRecord(recordText, record))
        return false;
    std::vector<std::uint8_t> digest;
    if (!DerivePasswordDigest(password, record.salt, record.iterations, digest))
        return false;
    return ConstantTimeEqual(digest, record.digest);
}

void WipeText(std::string& text) {
    if (!text.empty())
        SecureZeroMemory(&text[0], text.size());
    text.clear();
}

}  // namespace vl
