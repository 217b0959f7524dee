#pragma once
// Files on disk through the wide APIs; paths arrive as GBK and are converted at the call.
#include "storage/file_system.h"

namespace tarnwick::platform {

class Win32FileSystem : public FileSystem {
  public:
    std::optional<std::string> readFile(const std::string& path) override;
    bool replaceFile(const std::string& path, std::string_view bytes) override;
    bool directoryExists(const std::string& path) override;
    bool createDirectory(const std::string& path) override;
    bool removeTree(const std::string& path) override;
};

} // namespace tarnwick::platform
