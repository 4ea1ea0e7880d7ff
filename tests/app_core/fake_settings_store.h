// An in-memory settings store: numbers and texts by section and name, with writes that can be
// made to fail.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <variant>

#include "app/core/settings_store.h"

namespace vl::testing {

class FakeSettingsStore : public ISettingsStore {
  public:
    using Value = std::variant<std::uint32_t, std::string>;
    using Values = std::map<std::pair<std::string, std::string>, Value>;

    std::optional<std::uint32_t> GetInt(const std::string& section,
                                        const std::string& name) const override {
        const auto found = values.find({section, name});
        if (found == values.end() || !std::holds_alternative<std::uint32_t>(found->second))
            return std::nullopt;
        return std::get<std::uint32_t>(found->second);
    }
    std::optional<std::string> GetText(const std::string& section,
                                       const std::string& name) const override {
        const auto found = values.find({section, name});
        if (found == values.end() || !std::holds_alternative<std::string>(found->second))
            return std::nullopt;
        return std::get<std::string>(found->second);
    }
    bool SetInt(const std::string& section, const std::string& name, std::uint32_t value) override {
        if (failWrites)
            return false;
        values[{section, name}] = value;
        return true;
    }
    bool SetText(const std::string& section, const std::string& name,
                 const std::string& value) override {
        if (failWrites)
            return false;
        values[{section, name}] = value;
        return true;
    }
    bool Remove(const std::string& section, const std::string& name) override {
        if (failWrites)
            return false;
        values.erase({section, name});
        return true;
    }

    Values values;
    bool failWrites = false;
};

}  // namespace vl::testing
