#pragma once
// A fresh directory under the temporary directory for one program run: the program keeps
// its data beside its executable, so each test gets its own copy of the executable and
// starts from an empty data directory. Removed with everything in it when the owner goes.
#include <filesystem>
#include <string>

namespace e2e {

class RunDirectory {
  public:
    RunDirectory();
    ~RunDirectory();
    RunDirectory(const RunDirectory&) = delete;
    RunDirectory& operator=(const RunDirectory&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Copies the executable into the directory and gives the copy's path.
    std::filesystem::path copyIn(const std::filesystem::path& executable) const;

  private:
    std::filesystem::path path_;
};

} // namespace e2e
