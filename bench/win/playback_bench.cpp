// Loading a large step file into the playback list, and the pace of a real run: 200 rows with
// zero intervals must take their 100 ms each and at most 1% more.
#include "bench_timing.h"
#include "editor/script_step.h"
#include "platform/win32_file_system.h"
#include "platform/win32_input_primitives.h"
#include "platform/win32_precise_delay.h"
#include "player/run_flags.h"
#include "player/run_pace.h"
#include "player/runner_shell.h"
#include "player/script_runner.h"
#include "storage/memory_table.h"

#include <cstdio>

using namespace tarnwick;

namespace {

class NoShell : public RunnerShell {
  public:
    void setWindowVisible(bool) override {}
    void setCaption(const std::string&) override {}
    void showTrayIcon(const std::string&) override {}
    void removeTrayIcon() override {}
};

std::string runDirectory() {
    wchar_t buffer[MAX_PATH];
    const DWORD n = GetTempPathW(MAX_PATH, buffer);
    std::wstring path(buffer, n);
    path += L"tarnwick-bench";
    CreateDirectoryW(path.c_str(), nullptr);
    return std::string(path.begin(), path.end()); // the temp path is ASCII here
}

void writeSteps(platform::Win32FileSystem& files, const DataPaths& paths, const std::string& name,
                int rows) {
    files.createDirectory(paths.dataDirectory());
    files.createDirectory(paths.scriptFolder(name));
    MemoryTable steps(step::columnCount);
    for (int i = 0; i < rows; ++i) {
        ScriptStep s = ScriptStep::withDefaults(std::to_string(100 + i % 400) + ",200");
        s[step::interval] = "0";
        appendStep(steps, s);
    }
    saveStepFile(steps, paths, name, files);
}

} // namespace

int main() {
    platform::Win32FileSystem files;
    const DataPaths paths(runDirectory());
    writeSteps(files, paths, "large", 10000);
    writeSteps(files, paths, "paced", 200);

    MemoryTable playback(step::playbackColumnCount);
    std::vector<double> loads;
    for (int i = 0; i < 20; ++i) {
        const double start = bench::nowMs();
        loadStepFile(playback, paths, "large", files);
        loads.push_back(bench::nowMs() - start);
    }
    const bench::Spread load = bench::spreadOf(loads);
    std::printf("load 10000 steps into the playback list: median %.2f ms, p99 %.2f ms (20 loads, "
                "%d rows)\n",
                load.median, load.p99, playback.rowCount());

    MemoryTable scripts(8);
    scripts.appendRow("1000001", {});
    scripts.setCellText(0, 1, "paced");
    scripts.setCellText(0, 3, "1");
    RunFlags flags;
    platform::Win32InputPrimitives input;
    platform::Win32Waiter waiter;
    NoShell shell;
    ScriptRunner runner({scripts, playback, files, paths, flags, input, waiter, shell});
    flags.markIdle();
    const double start = bench::nowMs();
    runner.playFromHotkey(1000001);
    const double played = bench::nowMs() - start;
    const double due = 200 * 100.0;
    std::printf("play 200 rows, zero intervals, plain moves: %.1f ms for %.0f ms due, %.3f%% over "
                "(limit 1%%)\n",
                played, due, (played - due) * 100.0 / due);

    // Where the time over goes: the same waits, plain and paced as a run paces them, and the
    // moves on their own.
    double partStart = bench::nowMs();
    for (int i = 0; i < 200; ++i)
        waiter.wait(100);
    const double waits = bench::nowMs() - partStart - due;
    partStart = bench::nowMs();
    RunPace pace(waiter);
    for (int i = 0; i < 200; ++i)
        pace.wait(100);
    const double pacedWaits = bench::nowMs() - partStart - due;
    partStart = bench::nowMs();
    for (int i = 0; i < 200; ++i)
        input.moveCursor(100 + i, 200);
    const double moves = bench::nowMs() - partStart;
    std::printf("of which: 200 waits of 100 ms alone %.1f ms over plain, %.1f ms paced; 200 "
                "cursor moves alone %.1f ms\n",
                waits, pacedWaits, moves);
    files.removeTree(paths.dataDirectory());
    return 0;
}
