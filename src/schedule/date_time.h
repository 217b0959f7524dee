#pragma once
// A local calendar date with a time of day, to the second: what the clock gives, the time
// picker holds and a stored run time reads back as.

namespace tarnwick {

struct DateTime {
    int year = 0;
    int month = 0; // 1 to 12
    int day = 0;   // 1 to 31
    int hour = 0;  // 0 to 23
    int minute = 0;
    int second = 0;

    friend bool operator==(const DateTime&, const DateTime&) = default;
};

} // namespace tarnwick
