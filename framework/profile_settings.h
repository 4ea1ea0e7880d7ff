// Per-user settings in the registry: values below HKEY_CURRENT_USER\<key>\<section>, each read
// with a default when it is missing or of another type.
#pragma once

#include <windows.h>

#include <string>
#include <utility>

namespace vl {

class ProfileSettings {
  public:
    // key below HKEY_CURRENT_USER, for example "Software\\Quillmark\\Screen Saver".
    explicit ProfileSettings(std::string key) : key_(std::move(key)) {}

    int ReadInt(const char* section, const char* name, int fallback) const;
    std::string ReadString(const char* section, const char* name,
                           const std::string& fallback) const;
    // False when the key could not be created or the value not written.
    bool WriteInt(const char* section, const char* name, int value) const;
    bool WriteString(const char* section, const char* name, const std::string& value) const;
    bool Delete(const char* section, const char* name) const;

  private:
    std::string SectionKey(const char* section) const;

    std::string key_;
};

}  // namespace vl
