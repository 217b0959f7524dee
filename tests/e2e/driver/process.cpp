#include "driver/process.h"

#include "platform/win32.h"

#include <stdexcept>

namespace e2e {

Process::Process(const std::filesystem::path& executable, const std::wstring& arguments) {
    std::wstring commandLine = L"\"" + executable.wstring() + L"\"";
    if (!arguments.empty())
        commandLine += L" " + arguments;
    const std::wstring directory = executable.parent_path().wstring();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(executable.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        directory.c_str(), &startup, &info))
        throw std::runtime_error("cannot start the program under test");
    CloseHandle(info.hThread);
    handle_ = info.hProcess;
    id_ = info.dwProcessId;
}

Process::~Process() {
    terminate();
    CloseHandle(handle_);
}

bool Process::isRunning() const {
    return WaitForSingleObject(handle_, 0) == WAIT_TIMEOUT;
}

std::optional<uint32_t> Process::waitForExit(milliseconds timeout) const {
    if (WaitForSingleObject(handle_, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(handle_, &code);
    return code;
}

void Process::terminate() {
    if (!isRunning())
        return;
    TerminateProcess(handle_, 1);
    WaitForSingleObject(handle_, static_cast<DWORD>(defaultTimeout.count()));
}

} // namespace e2e
