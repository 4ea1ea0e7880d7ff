#include "app/registry_key_tree.h"

#include <windows.h>

#include "framework/handles.h"

namespace vl {
namespace {

RegistryKey Open(const std::string& path, REGSAM access) {
    return OpenRegistryKey(HKEY_CURRENT_USER, path.c_str(), access);
}

// A value of any length: asked for its size first, then read; a value that grows meanwhile is
// asked for again.
bool ReadValue(HKEY key, const std::string& name, DWORD& type, std::vector<std::uint8_t>& data) {
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD size = 0;
        if (RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            return false;
        data.resize(size);
        const LONG read = RegQueryValueExA(key, name.c_str(), nullptr, &type,
                                           size ? data.data() : nullptr, &size);
        if (read == ERROR_SUCCESS) {
            data.resize(size);
            return true;
        }
        if (read != ERROR_MORE_DATA)
            return false;
    }
    return false;
}

}  // namespace

bool RegistryKeyTree::KeyExists(const std::string& path) const {
    return static_cast<bool>(Open(path, KEY_READ));
}

std::optional<std::vector<std::string>> RegistryKeyTree::SubKeys(const std::string& path) const {
    RegistryKey key = Open(path, KEY_READ);
    if (!key)
        return std::nullopt;
    DWORD count = 0, longest = 0;
    if (RegQueryInfoKeyA(key.Get(), nullptr, nullptr, nullptr, &count, &longest, nullptr, nullptr,
                         nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::vector<std::string> names;
    std::vector<char> name(longest + 1);
    for (DWORD i = 0; i < count; ++i) {
        DWORD length = static_cast<DWORD>(name.size());
        if (RegEnumKeyExA(key.Get(), i, name.data(), &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            return std::nullopt;
        }
        names.emplace_back(name.data(), length);
    }
    return names;
}

std::optional<std::vector<KeyValue>> RegistryKeyTree::Values(const std::string& path) const {
    RegistryKey key = Open(path, KEY_READ);
    if (!key)
        return std::nullopt;
    DWORD count = 0, longestName = 0;
    if (RegQueryInfoKeyA(key.Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count,
                         &longestName, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::vector<KeyValue> values;
    std::vector<char> name(longestName + 1);
    for (DWORD i = 0; i < count; ++i) {
        DWORD length = static_cast<DWORD>(name.size());
        if (RegEnumValueA(key.Get(), i, name.data(), &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            return std::nullopt;
        }
        KeyValue value;
        value.name.assign(name.data(), length);
        DWORD type = 0;
        if (!ReadValue(key.Get(), value.name, type, value.data))
            return std::nullopt;
        value.type = type;
        values.push_back(std::move(value));
    }
    return values;
}

bool RegistryKeyTree::CreateKey(const std::string& path) {
    return static_cast<bool>(CreateRegistryKey(HKEY_CURRENT_USER, path.c_str(), KEY_WRITE));
}

bool RegistryKeyTree::SetValue(const std::string& path, const KeyValue& value) {
    RegistryKey key = Open(path, KEY_SET_VALUE);
    if (!key)
        return false;
    return RegSetValueExA(key.Get(), value.name.empty() ? nullptr : value.name.c_str(), 0,
                          value.type, value.data.empty() ? nullptr : value.data.data(),
                          static_cast<DWORD>(value.data.size())) == ERROR_SUCCESS;
}

bool RegistryKeyTree::DeleteTree(const std::string& path) {
    // Given a sub-key's name, RegDeleteTree removes that key itself too.
    const LONG deleted = RegDeleteTreeA(HKEY_CURRENT_USER, path.c_str());
    return deleted == ERROR_SUCCESS || deleted == ERROR_FILE_NOT_FOUND;
}

std::string RegistrySettingsStore::SectionPath(const std::string& section) const {
    return applicationKey_ + "\\" + section;
}

std::optional<std::uint32_t> RegistrySettingsStore::GetInt(const std::string& section,
                                                           const std::string& name) const {
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegGetValueA(HKEY_CURRENT_USER, SectionPath(section).c_str(), name.c_str(),
                     RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

std::optional<std::string> RegistrySettingsStore::GetText(const std::string& section,
                                                          const std::string& name) const {
    RegistryKey key = Open(SectionPath(section), KEY_READ);
    if (!key)
        return std::nullopt;
    DWORD type = 0;
    std::vector<std::uint8_t> data;
    if (!ReadValue(key.Get(), name, type, data) || (type != REG_SZ && type != REG_EXPAND_SZ))
        return std::nullopt;
    std::string text(data.begin(), data.end());
    // Stored with its NUL, or without one by another program.
    const std::string::size_type end = text.find('\0');
    if (end != std::string::npos)
        text.resize(end);
    return text;
}

bool RegistrySettingsStore::SetInt(const std::string& section, const std::string& name,
                                   std::uint32_t value) {
    RegistryKey key =
        CreateRegistryKey(HKEY_CURRENT_USER, SectionPath(section).c_str(), KEY_SET_VALUE);
    const DWORD dword = value;
    return key &&
           RegSetValueExA(key.Get(), name.c_str(), 0, REG_DWORD,
                          reinterpret_cast<const BYTE*>(&dword), sizeof dword) == ERROR_SUCCESS;
}

bool RegistrySettingsStore::SetText(const std::string& section, const std::string& name,
                                    const std::string& value) {
    RegistryKey key =
        CreateRegistryKey(HKEY_CURRENT_USER, SectionPath(section).c_str(), KEY_SET_VALUE);
    return key && RegSetValueExA(key.Get(), name.c_str(), 0, REG_SZ,
                                 reinterpret_cast<const BYTE*>(value.c_str()),
                                 static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

bool RegistrySettingsStore::Remove(const std::string& section, const std::string& name) {
    RegistryKey key = Open(SectionPath(section), KEY_SET_VALUE);
    if (!key)
        return true;
    const LONG removed = RegDeleteValueA(key.Get(), name.c_str());
    return removed == ERROR_SUCCESS || removed == ERROR_FILE_NOT_FOUND;
}

}  // namespace vl
