#pragma once
// The in-memory schedule: a fixed table of one slot, so at most one script is armed at a time.
// The user-interface thread arms and disarms, the worker thread takes what falls due, hence
// the mutex around every read and change. Nothing here is saved.
#include <array>
#include <functional>
#include <mutex>
#include <optional>
#include <string>

namespace tarnwick {

struct ScheduleSlot {
    std::string name; // empty: the slot is free
    std::string time; // the run time text as it was when the script was armed
};

class ScheduleSlots {
  public:
    static constexpr size_t slotCount = 1;

    // Puts the script into the first free slot; false when every slot is taken.
    bool arm(const std::string& name, const std::string& time);
    // Frees every slot that holds the name.
    void disarm(const std::string& name);
    // When slot `index` is armed and `due` says its time has come, frees it and returns what
    // it held. The mutex is not held while the caller plays the script.
    std::optional<ScheduleSlot> takeIfDue(size_t index,
                                          const std::function<bool(const ScheduleSlot&)>& due);

  private:
    mutable std::mutex mutex_;
    std::array<ScheduleSlot, slotCount> slots_;
};

} // namespace tarnwick
