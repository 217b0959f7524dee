#include "driver/run_directory.h"

#include "driver/polling.h"
#include "platform/win32.h"

#include <atomic>
#include <stdexcept>

namespace e2e {

namespace {

std::filesystem::path freshDirectoryName() {
    static std::atomic<int> counter{0};
    return std::filesystem::temp_directory_path() /
           (L"tarnwick-e2e-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(++counter));
}

} // namespace

RunDirectory::RunDirectory() : path_(freshDirectoryName()) {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
    if (!std::filesystem::create_directories(path_, error))
        throw std::runtime_error("cannot create the run directory");
}

RunDirectory::~RunDirectory() {
    // A process that was just ended may still hold its executable open for a moment.
    waitUntil([this] {
        std::error_code error;
        std::filesystem::remove_all(path_, error);
        return !error;
    });
}

std::filesystem::path RunDirectory::copyIn(const std::filesystem::path& executable) const {
    const std::filesystem::path copy = path_ / executable.filename();
    std::filesystem::copy_file(executable, copy, std::filesystem::copy_options::overwrite_existing);
    return copy;
}

} // namespace e2e
