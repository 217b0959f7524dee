#include "driver/play_scripts.h"

#include "driver/files.h"
#include "driver/list_file_bytes.h"
#include "driver/tarnwick_run.h"

namespace e2e {

void prepareScripts(const TarnwickRun& run, const std::vector<PreparedScript>& scripts) {
    std::vector<std::vector<std::wstring>> catalogue;
    for (const PreparedScript& script : scripts) {
        catalogue.push_back(
            {L"", script.name, script.hotkey, script.loops, L"停用", L"×", script.runTime, L"×"});
        std::vector<std::vector<std::wstring>> steps;
        for (const StepRow& s : script.steps)
            steps.push_back({s.position, s.mouseAction, s.interval, s.wheelAction, s.wheelCount,
                             s.text, s.key, s.keyCount});
        writeFileBytes(run.dataDirectory() / script.name / (script.name + L".dat"),
                       listFileBytes(steps));
    }
    writeFileBytes(run.catalogueFile(), listFileBytes(catalogue));
}

} // namespace e2e
