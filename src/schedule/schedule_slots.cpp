#include "schedule/schedule_slots.h"

#include <utility>

namespace tarnwick {

bool ScheduleSlots::arm(const std::string& name, const std::string& time) {
    std::lock_guard lock(mutex_);
    for (auto& slot : slots_) {
        if (slot.name.empty()) {
            slot = {name, time};
            return true;
        }
    }
    return false;
}

void ScheduleSlots::disarm(const std::string& name) {
    std::lock_guard lock(mutex_);
    for (auto& slot : slots_) {
        if (slot.name == name)
            slot = {};
    }
}

std::optional<ScheduleSlot>
ScheduleSlots::takeIfDue(size_t index, const std::function<bool(const ScheduleSlot&)>& due) {
    std::lock_guard lock(mutex_);
    if (index >= slots_.size() || slots_[index].name.empty() || !due(slots_[index]))
        return std::nullopt;
    return std::exchange(slots_[index], {});
}

} // namespace tarnwick
