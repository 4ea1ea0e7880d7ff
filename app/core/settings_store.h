// Where the builder's per-user settings live: named values in sections below the application's key.
// The Win32 side implements this over the registry (HKCU\Software\Quillmark\Screen
// Saver\Vistaloom); tests use an in-memory store.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vl {

class ISettingsStore {
  public:
    virtual ~ISettingsStore() = default;

    // The 32-bit number stored under section\name; nothing when it is missing or not a number.
    virtual std::optional<std::uint32_t> GetInt(const std::string& section,
                                                const std::string& name) const = 0;
    // The text stored under section\name; nothing when it is missing or not a text.
    virtual std::optional<std::string> GetText(const std::string& section,
                                               const std::string& name) const = 0;

    // Each returns false when the value could not be written (or removed).
    virtual bool SetInt(const std::string& section, const std::string& name,
                        std::uint32_t value) = 0;
    virtual bool SetText(const std::string& section, const std::string& name,
                         const std::string& value) = 0;
    // Removing a value that does not exist succeeds.
    virtual bool Remove(const std::string& section, const std::string& name) = 0;
};

}  // namespace vl
