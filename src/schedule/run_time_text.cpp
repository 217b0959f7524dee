#include "schedule/run_time_text.h"

#include "schedule/format_date_time.h"

namespace tarnwick {
namespace {

// Reads up to 4 digits at `at`; enough for every field and never overflows.
std::optional<int> number(std::string_view text, size_t& at) {
    const size_t start = at;
    int value = 0;
    while (at < text.size() && at - start < 4 && text[at] >= '0' && text[at] <= '9')
        value = value * 10 + (text[at++] - '0');
    if (at == start || (at < text.size() && text[at] >= '0' && text[at] <= '9'))
        return std::nullopt;
    return value;
}

bool expect(std::string_view text, size_t& at, char separator) {
    if (at >= text.size() || text[at] != separator)
        return false;
    ++at;
    return true;
}

int daysInMonth(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

} // namespace

std::string runTimeText(const DateTime& value) {
    return formatDateTime(value, "yyyy-m-d h:t:s");
}

std::optional<DateTime> parseRunTimeText(std::string_view text) {
    const char separators[] = {'-', '-', ' ', ':', ':'};
    int fields[6] = {};
    size_t at = 0;
    for (int i = 0; i < 6; ++i) {
        if (i > 0 && !expect(text, at, separators[i - 1]))
            return std::nullopt;
        const auto field = number(text, at);
        if (!field)
            return std::nullopt;
        fields[i] = *field;
    }
    if (at != text.size())
        return std::nullopt;
    const DateTime value{fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]};
    if (value.year < 1 || value.month < 1 || value.month > 12 || value.day < 1 ||
        value.day > daysInMonth(value.year, value.month) || value.hour > 23 || value.minute > 59 ||
        value.second > 59)
        return std::nullopt;
    return value;
}

} // namespace tarnwick
