#pragma once
// A date-time picker: a date and a time of day to the second, shown in a custom format.
#include "platform/child_control.h"
#include "schedule/date_time.h"

#include <string>

namespace tarnwick::platform {

class DateTimePicker : public ChildControl {
  public:
    // Starts at the current local date and time.
    bool create(Window& parent, const ControlArgs& args);
    // The control's own format letters ("yyyy-MM-dd HH:mm:ss"), GBK like every text here.
    void setFormat(const std::string& format);
    DateTime value() const;
    bool setValue(const DateTime& value);
};

} // namespace tarnwick::platform
