#pragma once
// The file operations storage needs. Paths are GBK texts with backslashes, as the program
// builds them; the Win32 implementation converts them at the call.
#include <optional>
#include <string>
#include <string_view>

namespace tarnwick {

class FileSystem {
  public:
    virtual ~FileSystem() = default;
    // The whole file, or nothing when it is missing or unreadable.
    virtual std::optional<std::string> readFile(const std::string& path) = 0;
    // Writes a temporary file beside the target and replaces the target with it in one step,
    // so a failed save leaves the old content whole. False when nothing was replaced.
    virtual bool replaceFile(const std::string& path, std::string_view bytes) = 0;
    virtual bool directoryExists(const std::string& path) = 0;
    // True when the directory exists afterwards.
    virtual bool createDirectory(const std::string& path) = 0;
    // Removes the directory with everything in it.
    virtual bool removeTree(const std::string& path) = 0;
};

} // namespace tarnwick
