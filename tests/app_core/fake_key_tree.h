// An in-memory key tree: every key by its full path, values in the order written. Keys can be
// made unreadable or unwritable to test failures part-way through a copy.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/core/key_tree.h"

namespace vl::testing {

class FakeKeyTree : public IKeyTree {
  public:
    // Creates the key (and its parents) and sets the value.
    void Put(const std::string& path, const KeyValue& value) {
        CreateKey(path);
        Store(path, value);
    }

    // The value `name` of key `path`, or null.
    const KeyValue* Find(const std::string& path, const std::string& name) const {
        const auto key = keys.find(path);
        if (key == keys.end())
            return nullptr;
        for (const KeyValue& value : key->second) {
            if (value.name == name)
                return &value;
        }
        return nullptr;
    }

    // The keys below `root` (not `root` itself) as paths relative to it, with their values.
    std::map<std::string, std::vector<KeyValue>> Below(const std::string& root) const {
        std::map<std::string, std::vector<KeyValue>> below;
        for (const auto& [path, values] : keys) {
            if (path.size() > root.size() + 1 && path.compare(0, root.size() + 1, root + '\\') == 0)
                below[path.substr(root.size() + 1)] = values;
        }
        return below;
    }

    bool KeyExists(const std::string& path) const override { return keys.count(path) != 0; }

    std::optional<std::vector<std::string>> SubKeys(const std::string& path) const override {
        if (!KeyExists(path) || unreadable.count(path))
            return std::nullopt;
        std::vector<std::string> names;
        for (const auto& entry : Below(path)) {
            if (entry.first.find('\\') == std::string::npos)
                names.push_back(entry.first);
        }
        return names;
    }

    std::optional<std::vector<KeyValue>> Values(const std::string& path) const override {
        if (!KeyExists(path) || unreadable.count(path))
            return std::nullopt;
        return keys.at(path);
    }

    bool CreateKey(const std::string& path) override {
        if (unwritable.count(path))
            return false;
        for (std::size_t cut = path.find('\\'); cut != std::string::npos;
             cut = path.find('\\', cut + 1))
            keys[path.substr(0, cut)];
        keys[path];
        return true;
    }

    bool SetValue(const std::string& path, const KeyValue& value) override {
        if (!KeyExists(path) || unwritable.count(path))
            return false;
        Store(path, value);
        ++valuesWritten;
        return true;
    }

    bool DeleteTree(const std::string& path) override {
        if (undeletable.count(path))
            return false;
        for (const auto& entry : Below(path))
            keys.erase(path + '\\' + entry.first);
        keys.erase(path);
        return true;
    }

    std::map<std::string, std::vector<KeyValue>> keys;
    std::set<std::string> unreadable;
    std::set<std::string> unwritable;
    std::set<std::string> undeletable;
    int valuesWritten = 0;

  private:
    void Store(const std::string& path, const KeyValue& value) {
        for (KeyValue& existing : keys[path]) {
            if (existing.name == value.name) {
                existing = value;
                return;
            }
        }
        keys[path].push_back(value);
    }
};

}  // namespace vl::testing
