#pragma once
// A process the test started. The owner ends it if it still runs when the owner goes, so a
// failing test never leaves a program behind.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "driver/polling.h"

namespace e2e {

class Process {
  public:
    // Starts the executable with the command-line arguments, in its own directory.
    Process(const std::filesystem::path& executable, const std::wstring& arguments = {});
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    uint32_t id() const { return id_; }
    bool isRunning() const;
    // The exit code once the process has ended, empty if it still runs after the timeout.
    std::optional<uint32_t> waitForExit(milliseconds timeout = defaultTimeout) const;
    // Ends the process at once and waits until it is gone.
    void terminate();

  private:
    void* handle_ = nullptr;
    uint32_t id_ = 0;
};

} // namespace e2e
