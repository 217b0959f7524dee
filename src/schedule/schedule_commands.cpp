#include "schedule/schedule_commands.h"

#include "schedule/run_time_text.h"
#include "schedule/schedule_slots.h"
#include "storage/data_paths.h"
#include "storage/list_file.h"
#include "storage/list_table.h"
#include "storage/marks.h"
#include "storage/script_table.h"
#include "support/notice.h"

namespace tarnwick {

bool ScheduleCommands::isRow(int row) const {
    return row >= 0 && row < parts_.scripts.rowCount();
}

void ScheduleCommands::arm(int selectedRow) {
    if (!isRow(selectedRow))
        return;
    ListTable& scripts = parts_.scripts;
    const std::string armed = scripts.cellText(selectedRow, scriptColumn::armed);
    const std::string time = scripts.cellText(selectedRow, scriptColumn::runTime);
    if (armed.empty() || time.empty()) {
        parts_.notice.show("请先设定执行时间!");
        return;
    }
    if (armed == marks::yes)
        return;
    if (!parts_.slots.arm(scripts.cellText(selectedRow, scriptColumn::name), time)) {
        parts_.notice.show("限制定时任务数!");
        return;
    }
    scripts.setCellText(selectedRow, scriptColumn::armed, marks::yes);
}

void ScheduleCommands::disarm(int selectedRow) {
    ListTable& scripts = parts_.scripts;
    if (!isRow(selectedRow) || scripts.cellText(selectedRow, scriptColumn::armed) == marks::no)
        return;
    scripts.setCellText(selectedRow, scriptColumn::armed, marks::no);
    parts_.slots.disarm(scripts.cellText(selectedRow, scriptColumn::name));
}

void ScheduleCommands::setRunTime(int selectedRow, const DateTime& picked) {
    if (!isRow(selectedRow))
        return;
    parts_.scripts.setCellText(selectedRow, scriptColumn::runTime, runTimeText(picked));
    saveList(parts_.scripts, parts_.paths.catalogueFile(), parts_.files);
}

} // namespace tarnwick
