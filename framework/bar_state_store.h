// Where a bar keeps its state between runs: named integers and texts. The frame implements it
// over its settings (one registry section per bar); tests keep the values in memory.
#pragma once

#include <string>

namespace vl {

class BarStateStore {
  public:
    virtual ~BarStateStore() = default;
    virtual int GetInt(const char* name, int fallback) const = 0;
    virtual void SetInt(const char* name, int value) = 0;
    virtual std::string GetText(const char* name, const std::string& fallback) const = 0;
    virtual void SetText(const char* name, const std::string& value) = 0;
};

}  // namespace vl
