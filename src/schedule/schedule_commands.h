#pragma once
// The script list's schedule commands, on the user-interface thread: "开启定时" (arm),
// "关闭定时" (disarm) and the OK of the set-time window. They act on the selected row (-1:
// none).
#include "schedule/date_time.h"

#include <string>

namespace tarnwick {

class DataPaths;
class FileSystem;
class ListTable;
class Notice;
class ScheduleSlots;

class ScheduleCommands {
  public:
    struct Parts {
        ListTable& scripts;
        ScheduleSlots& slots;
        Notice& notice;
        const DataPaths& paths;
        FileSystem& files;
    };
    explicit ScheduleCommands(const Parts& parts) : parts_(parts) {}

    void arm(int selectedRow);
    void disarm(int selectedRow);
    // Stores the picked time in the row and saves the catalogue. It neither arms the script
    // nor moves a slot that is already armed.
    void setRunTime(int selectedRow, const DateTime& picked);

  private:
    bool isRow(int row) const;

    Parts parts_;
};

} // namespace tarnwick
