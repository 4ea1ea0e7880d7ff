#include "framework/profile_settings.h"

#include <vector>

#include "framework/handles.h"

namespace vl {
namespace {

// Reading never creates a key; writing creates the missing ones.
RegistryKey ReadableKey(const std::string& path) {
    return OpenRegistryKey(HKEY_CURRENT_USER, path.c_str(), KEY_READ);
}

RegistryKey WritableKey(const std::string& path) {
    return CreateRegistryKey(HKEY_CURRENT_USER, path.c_str(), KEY_WRITE);
}

}  // namespace

std::string ProfileSettings::SectionKey(const char* section) const {
    return key_ + "\\" + section;
}

int ProfileSettings::ReadInt(const char* section, const char* name, int fallback) const {
    const RegistryKey key = ReadableKey(SectionKey(section));
    if (!key)
        return fallback;
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (RegQueryValueExA(key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof(value)) {
        return fallback;
    }
    return static_cast<int>(value);
}

std::string ProfileSettings::ReadString(const char* section, const char* name,
                                        const std::string& fallback) const {
    const RegistryKey key = ReadableKey(SectionKey(section));
    if (!key)
        return fallback;
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key.Get(), name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        type != REG_SZ) {
        return fallback;
    }
    std::vector<char> text(size + 1, '\0');
    if (RegQueryValueExA(key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(text.data()),
                         &size) != ERROR_SUCCESS) {
        return fallback;
    }
    // The stored text may or may not carry its terminating NUL.
    return std::string(text.data());
}

bool ProfileSettings::WriteInt(const char* section, const char* name, int value) const {
    const RegistryKey key = WritableKey(SectionKey(section));
    if (!key)
        return false;
    const DWORD data = static_cast<DWORD>(value);
    return RegSetValueExA(key.Get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                          sizeof(data)) == ERROR_SUCCESS;
}

bool ProfileSettings::WriteString(const char* section, const char* name,
                                  const std::string& value) const {
    const RegistryKey key = WritableKey(SectionKey(section));
    if (!key)
        return false;
    return RegSetValueExA(key.Get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

bool ProfileSettings::Delete(const char* section, const char* name) const {
    const RegistryKey key = WritableKey(SectionKey(section));
    if (!key)
        return false;
    const LONG status = RegDeleteValueA(key.Get(), name);
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

}  // namespace vl
