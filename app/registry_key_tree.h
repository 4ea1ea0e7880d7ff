// The key tree and the settings store of the builder's portable rules, over the registry below
// HKEY_CURRENT_USER.
#pragma once

#include "app/core/key_tree.h"
#include "app/core/settings_store.h"

namespace vl {

// Paths below HKEY_CURRENT_USER.
class RegistryKeyTree final : public IKeyTree {
  public:
    bool KeyExists(const std::string& path) const override;
    std::optional<std::vector<std::string>> SubKeys(const std::string& path) const override;
    std::optional<std::vector<KeyValue>> Values(const std::string& path) const override;
    bool CreateKey(const std::string& path) override;
    bool SetValue(const std::string& path, const KeyValue& value) override;
    bool DeleteTree(const std::string& path) override;
};

// Sections are sub-keys of the application's key (below HKEY_CURRENT_USER); a section is made
// when a value is first written to it.
class RegistrySettingsStore final : public ISettingsStore {
  public:
    explicit RegistrySettingsStore(std::string applicationKey)
        : applicationKey_(std::move(applicationKey)) {}

    std::optional<std::uint32_t> GetInt(const std::string& section,
                                        const std::string& name) const override;
    std::optional<std::string> GetText(const std::string& section,
                                       const std::string& name) const override;
    bool SetInt(const std::string& section, const std::string& name, std::uint32_t value) override;
    bool SetText(const std::string& section, const std::string& name,
                 const std::string& value) override;
    bool Remove(const std::string& section, const std::string& name) override;

  private:
    std::string SectionPath(const std::string& section) const;

    std::string applicationKey_;
};

}  // namespace vl
