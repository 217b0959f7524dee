#include "schedule/format_date_time.h"

#include <algorithm>
#include <optional>

namespace tarnwick {
namespace {

std::string padded(const std::string& digits) {
    return digits.size() == 1 ? "0" + digits : digits;
}

std::string lastTwo(const std::string& digits) {
    return digits.size() > 2 ? digits.substr(digits.size() - 2) : digits;
}

// The replacement of the run of `count` letters, or none where the count has no meaning.
std::optional<std::string> replacement(char letter, size_t count, const std::string& field) {
    if (letter == 'y') {
        if (count == 1 || count == 2)
            return lastTwo(field);
        if (count == 3 || count == 4)
            return field;
        return std::nullopt;
    }
    if (count == 1)
        return field;
    if (count == 2)
        return padded(field);
    return std::nullopt;
}

void replaceAll(std::string& text, const std::string& token, const std::string& by) {
    for (size_t at = text.find(token); at != std::string::npos; at = text.find(token, at)) {
        text.replace(at, token.size(), by);
        at += by.size();
    }
}

} // namespace

std::string formatDateTime(const DateTime& value, std::string_view pattern) {
    const struct {
        char letter;
        int field;
    } tokens[] = {{'y', value.year}, {'m', value.month},  {'d', value.day},
                  {'h', value.hour}, {'t', value.minute}, {'s', value.second}};
    std::string text(pattern);
    for (const auto& token : tokens) {
        const size_t count = size_t(std::count(text.begin(), text.end(), token.letter));
        if (count == 0)
            continue;
        const auto by = replacement(token.letter, count, std::to_string(token.field));
        if (by)
            replaceAll(text, std::string(count, token.letter), *by);
    }
    return text;
}

} // namespace tarnwick
