#include "schedule/schedule_check.h"

#include "player/run_flags.h"
#include "schedule/format_date_time.h"
#include "schedule/run_time_text.h"
#include "schedule/schedule_slots.h"
#include "storage/find_row.h"
#include "storage/list_table.h"
#include "storage/marks.h"
#include "storage/script_table.h"
#include "support/worker_thread.h"

namespace tarnwick {

bool isDue(const DateTime& now, const DateTime& due) {
    if (formatDateTime(now, "yyyymmddhh") != formatDateTime(due, "yyyymmddhh"))
        return false;
    return std::stoi(formatDateTime(now, "ttss")) >= std::stoi(formatDateTime(due, "ttss"));
}

void ScheduleCheck::checkSchedule(uint32_t) {
    // The worker reads the interval only after this returns, so the next pause is the full
    // second however long a scheduled run took.
    parts_.worker.setInterval(0);
    const DateTime now = parts_.now();
    const auto due = [&](const ScheduleSlot& slot) {
        const auto time = parseRunTimeText(slot.time);
        return time && isDue(now, *time);
    };
    for (size_t index = 0; index < ScheduleSlots::slotCount; ++index) {
        const auto taken = parts_.slots.takeIfDue(index, due);
        if (!taken)
            continue;
        parts_.flags.enabled.store(1);
        parts_.flags.active.store(1);
        parts_.playScheduled(taken->name);
        markPlayed(taken->name);
    }
    parts_.worker.setInterval(checkIntervalMs);
}

void ScheduleCheck::markPlayed(const std::string& name) {
    // A script deleted while armed has no row to mark.
    const int row = findRow(parts_.scripts, scriptColumn::name, name);
    if (row < 0)
        return;
    parts_.scripts.setCellText(row, scriptColumn::done, marks::yes);
    parts_.scripts.setCellText(row, scriptColumn::armed, marks::no);
}

} // namespace tarnwick
