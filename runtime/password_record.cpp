#include "runtime/password_record.h"

#include <charconv>
#include <utility>

namespace vl {
namespace {

const char kPrefix[] = "pbkdf2-sha256$";
constexpr std::uint32_t kMaxIterations = 10000000;
constexpr std::size_t kMinSaltBytes = 8;
constexpr std::size_t kMaxSaltBytes = 64;

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

}  // namespace

std::string ToHex(const std::vector<std::uint8_t>& bytes) {
    static const char kDigits[] = "0123456789abcdef";
    std::string text;
    text.reserve(bytes.size() * 2);
    for (const std::uint8_t byte : bytes) {
        text += kDigits[byte >> 4];
        text += kDigits[byte & 15];
    }
    return text;
}

bool FromHex(const std::string& text, std::vector<std::uint8_t>& bytes) {
    if (text.size() % 2 != 0)
        return false;
    std::vector<std::uint8_t> result(text.size() / 2);
    for (std::size_t i = 0; i < result.size(); ++i) {
        const int high = HexValue(text[2 * i]);
        const int low = HexValue(text[2 * i + 1]);
        if (high < 0 || low < 0)
            return false;
        result[i] = static_cast<std::uint8_t>(high * 16 + low);
    }
    bytes.swap(result);
    return true;
}

std::string FormatPasswordRecord(const PasswordRecord& record) {
    char count[16];
    const auto written = std::to_chars(count, count + sizeof(count), record.iterations);
    return kPrefix + std::string(count, written.ptr) + "$" + ToHex(record.salt) + "$" +
           ToHex(record.digest);
}

bool ParsePasswordRecord(const std::string& text, PasswordRecord& record) {
    const std::string prefix = kPrefix;
    if (text.compare(0, prefix.size(), prefix) != 0)
        return false;
    const std::size_t countEnd = text.find('$', prefix.size());
    if (countEnd == std::string::npos)
        return false;
    const std::size_t saltEnd = text.find('$', countEnd + 1);
    if (saltEnd == std::string::npos)
        return false;

    const char* countBegin = text.data() + prefix.size();
    const char* countLast = text.data() + countEnd;
    if (countBegin == countLast || *countBegin == '0')
        return false;
    std::uint32_t iterations = 0;
    const auto parsed = std::from_chars(countBegin, countLast, iterations);
    if (parsed.ec != std::errc() || parsed.ptr != countLast || iterations > kMaxIterations)
        return false;

    PasswordRecord result;
    result.iterations = iterations;
    if (!FromHex(text.substr(countEnd + 1, saltEnd - countEnd - 1), result.salt) ||
        !FromHex(text.substr(saltEnd + 1), result.digest)) {
        return false;
    }
    if (result.salt.size() < kMinSaltBytes || result.salt.size() > kMaxSaltBytes ||
        result.digest.size() != kPasswordDigestBytes) {
        return false;
    }
    record = std::move(result);
    return true;
}

bool ConstantTimeEqual(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b) {
    if (a.size() != b.size())
        return false;
    // volatile keeps the compiler from turning the loop into an early-exit comparison.
    volatile std::uint8_t difference = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        difference = difference | static_cast<std::uint8_t>(a[i] ^ b[i]);
    return difference == 0;
}

}  // namespace vl
