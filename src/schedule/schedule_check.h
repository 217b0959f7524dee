#pragma once
// The once-a-second check on the worker thread: plays every armed script that has fallen
// due, on this same thread, and marks its row as done. A slot is due when its date and hour
// equal the current ones and its minute and second have been reached, so a time whose hour
// has passed without a check never fires.
#include "schedule/date_time.h"

#include <cstdint>
#include <functional>
#include <string>

namespace tarnwick {

class ListTable;
class ScheduleSlots;
class WorkerThread;
struct RunFlags;

bool isDue(const DateTime& now, const DateTime& due);

class ScheduleCheck {
  public:
    static constexpr int32_t checkIntervalMs = 1000;
    static constexpr uint32_t workerParameter = 123;

    struct Parts {
        ScheduleSlots& slots;
        ListTable& scripts;
        RunFlags& flags;
        WorkerThread& worker;
        std::function<DateTime()> now;                              // the local date and time
        std::function<void(const std::string& name)> playScheduled; // returns when played
    };
    explicit ScheduleCheck(Parts parts) : parts_(std::move(parts)) {}

    // The worker's routine; its parameter is ignored.
    void checkSchedule(uint32_t parameter);

  private:
    void markPlayed(const std::string& name);

    Parts parts_;
};

} // namespace tarnwick
