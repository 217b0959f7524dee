#pragma once
// Files and folders in memory, with a switch that makes every write fail.
#include "storage/file_system.h"

#include <map>
#include <set>

namespace tarnwick::testing {

class MemoryFileSystem : public FileSystem {
  public:
    std::map<std::string, std::string> files;
    std::set<std::string> directories;
    bool failWrites = false;

    std::optional<std::string> readFile(const std::string& path) override {
        auto it = files.find(path);
        if (it == files.end())
            return std::nullopt;
        return it->second;
    }
    bool replaceFile(const std::string& path, std::string_view bytes) override {
        if (failWrites || !directories.count(parentOf(path)))
            return false;
        files[path] = std::string(bytes);
        return true;
    }
    bool directoryExists(const std::string& path) override { return directories.count(path) > 0; }
    bool createDirectory(const std::string& path) override {
        if (!directories.count(parentOf(path)) && parentOf(path) != path)
            return false;
        directories.insert(path);
        return true;
    }
    bool removeTree(const std::string& path) override {
        auto inside = [&](const std::string& p) {
            return p == path || p.rfind(path + "\\", 0) == 0;
        };
        std::erase_if(files, [&](const auto& f) { return inside(f.first); });
        std::erase_if(directories, [&](const auto& d) { return inside(d); });
        return true;
    }

    static std::string parentOf(const std::string& path) {
        const size_t slash = path.rfind('\\');
        return slash == std::string::npos ? path : path.substr(0, slash);
    }
};

} // namespace tarnwick::testing
