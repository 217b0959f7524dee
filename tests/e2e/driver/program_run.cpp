#include "driver/program_run.h"

namespace e2e {

ProgramRun::ProgramRun(const std::filesystem::path& executable)
    : executable_(directory_.copyIn(executable)) {}

Process& ProgramRun::start(const std::wstring& arguments) {
    processes_.push_back(std::make_unique<Process>(executable_, arguments));
    return *processes_.back();
}

} // namespace e2e
