#pragma once
// The run time as the script list stores it (column 6): "2024-3-5 9:7:0", every field without
// leading zeros, hours 0 to 23.
#include "schedule/date_time.h"

#include <optional>
#include <string>
#include <string_view>

namespace tarnwick {

std::string runTimeText(const DateTime& value);
// Reads the stored form back (leading zeros are accepted too); nothing for a text that is not
// a real date and time, such as a hand-edited catalogue may hold.
std::optional<DateTime> parseRunTimeText(std::string_view text);

} // namespace tarnwick
