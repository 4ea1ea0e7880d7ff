// A tree of keys holding typed values, as the registry below HKEY_CURRENT_USER is. Paths are
// key names joined with '\'. The Win32 side implements this over the registry; tests use a fake.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vl {

// Registry value types the builder writes itself; any other type is copied as it is.
inline constexpr std::uint32_t kKeyValueText = 1;    // REG_SZ
inline constexpr std::uint32_t kKeyValueBinary = 3;  // REG_BINARY
inline constexpr std::uint32_t kKeyValueNumber = 4;  // REG_DWORD, 4 bytes little-endian

struct KeyValue {
    std::string name;  // empty: the key's default value
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;  // of any length

    bool operator==(const KeyValue& o) const {
        return name == o.name && type == o.type && data == o.data;
    }
};

class IKeyTree {
  public:
    virtual ~IKeyTree() = default;

    virtual bool KeyExists(const std::string& path) const = 0;
    // The names of the key's direct sub-keys; nothing when the key cannot be read.
    virtual std::optional<std::vector<std::string>> SubKeys(const std::string& path) const = 0;
    // Every value of the key, whole; nothing when the key cannot be read.
    virtual std::optional<std::vector<KeyValue>> Values(const std::string& path) const = 0;

    // Creates the key and any missing keys above it; succeeds when it exists already.
    virtual bool CreateKey(const std::string& path) = 0;
    // Writes (or replaces) a value of an existing key.
    virtual bool SetValue(const std::string& path, const KeyValue& value) = 0;
    // Deletes the key with everything below it; succeeds when it does not exist.
    virtual bool DeleteTree(const std::string& path) = 0;
};

}  // namespace vl
