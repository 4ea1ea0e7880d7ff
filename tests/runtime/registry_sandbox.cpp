#include "tests/runtime/registry_sandbox.h"

#include <vector>

namespace vl::test {
namespace {

constexpr DWORD kMissing = 0xFFFFFFFF;
const char kMissingText[] = "\x01missing";

class Key {
  public:
    Key(HKEY root, const char* path, bool create) {
        if (create) {
            RegCreateKeyExA(root, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_, nullptr);
        } else {
            RegOpenKeyExA(root, path, 0, KEY_READ, &key_);
        }
    }
    ~Key() {
        if (key_)
            RegCloseKey(key_);
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    HKEY Get() const { return key_; }

  private:
    HKEY key_ = nullptr;
};

}  // namespace

DWORD ReadDword(HKEY root, const char* key, const char* name, DWORD missing) {
    Key opened(root, key, false);
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (!opened.Get() ||
        RegQueryValueExA(opened.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(&value),
                         &size) != ERROR_SUCCESS ||
        type != REG_DWORD) {
        return missing;
    }
    return value;
}

std::string ReadText(HKEY root, const char* key, const char* name, const char* missing) {
    Key opened(root, key, false);
    DWORD type = 0;
    DWORD size = 0;
    if (!opened.Get() ||
        RegQueryValueExA(opened.Get(), name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        type != REG_SZ) {
        return missing;
    }
    std::vector<char> text(size + 1, '\0');
    RegQueryValueExA(opened.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(text.data()),
                     &size);
    return text.data();
}

bool WriteDword(HKEY root, const char* key, const char* name, DWORD value) {
    Key opened(root, key, true);
    return opened.Get() &&
           RegSetValueExA(opened.Get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                          sizeof(value)) == ERROR_SUCCESS;
}

bool WriteText(HKEY root, const char* key, const char* name, const std::string& value) {
    Key opened(root, key, true);
    return opened.Get() && RegSetValueExA(opened.Get(), name, 0, REG_SZ,
                                          reinterpret_cast<const BYTE*>(value.c_str()),
                                          static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

void DeleteValue(HKEY root, const char* key, const char* name) {
    Key opened(root, key, true);
    if (opened.Get())
        RegDeleteValueA(opened.Get(), name);
}

RegistrySandbox::RegistrySandbox()
    : usePassword_(ReadDword(HKEY_CURRENT_USER, kDesktopKey, "ScreenSaveUsePassword", kMissing)),
      startup_(ReadText(HKEY_LOCAL_MACHINE, kRunKey, "ScreenSaver", kMissingText)) {
    Clear();
}

RegistrySandbox::~RegistrySandbox() {
    Clear();
    if (usePassword_ == kMissing) {
        DeleteValue(HKEY_CURRENT_USER, kDesktopKey, "ScreenSaveUsePassword");
    } else {
        WriteDword(HKEY_CURRENT_USER, kDesktopKey, "ScreenSaveUsePassword", usePassword_);
    }
    if (startup_ != kMissingText)
        WriteText(HKEY_LOCAL_MACHINE, kRunKey, "ScreenSaver", startup_);
}

void RegistrySandbox::Clear() {
    // The calibration under Glint's key stays: measuring it again costs every run a second.
    RegDeleteTreeA(HKEY_CURRENT_USER, kGlintSettingsKey);
    RegDeleteTreeA(HKEY_CURRENT_USER, kGlintPasswordKey);
    DeleteValue(HKEY_LOCAL_MACHINE, kRunKey, "ScreenSaver");
    DeleteValue(HKEY_CURRENT_USER, kDesktopKey, "ScreenSaveUsePassword");
}

}  // namespace vl::test
