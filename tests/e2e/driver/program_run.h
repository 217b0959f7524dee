#pragma once
// One run of a program: its own copy in a fresh run directory, and every process started
// from that copy. The processes are ended before the directory is removed.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "driver/process.h"
#include "driver/run_directory.h"

namespace e2e {

class ProgramRun {
  public:
    explicit ProgramRun(const std::filesystem::path& executable);

    const std::filesystem::path& directory() const { return directory_.path(); }
    const std::filesystem::path& executable() const { return executable_; }
    // Starts another process of the copy; the run owns it.
    Process& start(const std::wstring& arguments = {});

  private:
    RunDirectory directory_;
    std::filesystem::path executable_;
    std::vector<std::unique_ptr<Process>> processes_;
};

} // namespace e2e
