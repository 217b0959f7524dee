#include "driver/tarnwick_run.h"

#include "driver/program_paths.h"

namespace e2e {

TarnwickRun::TarnwickRun() : ProgramRun(tarnwickExePath()) {}

} // namespace e2e
