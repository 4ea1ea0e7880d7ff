// A bar's place between runs, kept in its own section of the builder's settings.
#pragma once

#include <cstdint>
#include <string>

#include "app/core/settings_store.h"
#include "framework/bar_state_store.h"

namespace vl {

class SectionBarState final : public BarStateStore {
  public:
    // settings must outlive the store; section is a literal.
    SectionBarState(ISettingsStore& settings, const char* section)
        : settings_(settings), section_(section) {}
    int GetInt(const char* name, int fallback) const override {
        const auto value = settings_.GetInt(section_, name);
        return value ? static_cast<int>(*value) : fallback;
    }
    void SetInt(const char* name, int value) override {
        settings_.SetInt(section_, name, static_cast<std::uint32_t>(value));
    }
    std::string GetText(const char* name, const std::string& fallback) const override {
        return settings_.GetText(section_, name).value_or(fallback);
    }
    void SetText(const char* name, const std::string& value) override {
        settings_.SetText(section_, name, value);
    }

  private:
    ISettingsStore& settings_;
    const char* section_;
};

}  // namespace vl
