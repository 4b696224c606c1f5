// The settings file's port in memory: files by path, folders, and the paths
// the platform would refuse to write.
#pragma once

#include <map>
#include <set>
#include <string>

#include "settings/core/settings_places.h"

namespace velmora::testing {

class FakeSettingsFiles final : public settings::SettingsFilePort {
  public:
    std::map<std::string, std::string> files;
    std::set<std::string> folders;
    std::set<std::string> refused;

    bool CanOpenForReading(const std::string& path) override { return files.count(path) != 0; }
    std::optional<std::string> ReadWholeFile(const std::string& path) override {
        const auto file = files.find(path);
        return file == files.end() ? std::nullopt : std::optional<std::string>(file->second);
    }
    bool ReplaceWholeFile(const std::string& path, const std::string& bytes) override {
        if (refused.count(path) != 0) {
            return false;
        }
        files[path] = bytes;
        return true;
    }
    bool MakeFolder(const std::string& path) override {
        if (refused.count(path) != 0) {
            return false;
        }
        folders.insert(path);
        return true;
    }
};

}  // namespace velmora::testing
