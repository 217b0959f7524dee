#pragma once
// Tarnwick under test: a fresh copy with its own data directory, its processes, and the
// paths of the files it keeps beside its executable.
#include <filesystem>

#include "driver/program_run.h"

struct HWND__;
typedef HWND__* HWND;

namespace e2e {

class TarnwickRun : public ProgramRun {
  public:
    TarnwickRun();

    std::filesystem::path dataDirectory() const { return directory() / L"data"; }
    std::filesystem::path imageDirectory() const { return directory() / L"img"; }
    std::filesystem::path catalogueFile() const { return dataDirectory() / L"任务列表.dat"; }
};

} // namespace e2e
