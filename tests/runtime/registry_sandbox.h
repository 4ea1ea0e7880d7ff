// Glint's registry values as the tests see them: each test starts without Glint's settings, its
// password and its start-up value, and puts back what Windows' desktop settings held.
#pragma once

#include <windows.h>

#include <string>

namespace vl::test {

inline constexpr char kGlintKey[] = "Software\\Quillmark\\Screen Saver";
inline constexpr char kGlintSettingsKey[] = "Software\\Quillmark\\Screen Saver\\Settings";
inline constexpr char kGlintPasswordKey[] = "Software\\Quillmark\\Screen Saver\\Password";
inline constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr char kDesktopKey[] = "Control Panel\\Desktop";

// A DWORD value, or `missing` when there is none (or it has another type).
DWORD ReadDword(HKEY root, const char* key, const char* name, DWORD missing);
// A text value; `missing` when there is none.
std::string ReadText(HKEY root, const char* key, const char* name, const char* missing);
bool WriteDword(HKEY root, const char* key, const char* name, DWORD value);
bool WriteText(HKEY root, const char* key, const char* name, const std::string& value);
void DeleteValue(HKEY root, const char* key, const char* name);

class RegistrySandbox {
  public:
    RegistrySandbox();
    ~RegistrySandbox();
    RegistrySandbox(const RegistrySandbox&) = delete;
    RegistrySandbox& operator=(const RegistrySandbox&) = delete;

  private:
    void Clear();

    DWORD usePassword_;
    std::string startup_;
};

}  // namespace vl::test
