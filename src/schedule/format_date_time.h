#pragma once
// The program's own date-time patterns: y year, m month, d day, h hour, t minute, s second.
// What a letter yields depends on how often it occurs in the whole pattern: once gives the
// plain field ("y" the two-digit year), twice side by side the field padded to two digits
// ("yy" the two-digit year), "yyy" and "yyyy" the whole year. Any other count, or the letters
// not side by side, leaves them as they are.
#include "schedule/date_time.h"

#include <string>
#include <string_view>

namespace tarnwick {

std::string formatDateTime(const DateTime& value, std::string_view pattern);

} // namespace tarnwick
