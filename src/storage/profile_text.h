#pragma once
// The Windows profile ("ini") text format, on GBK bytes: "[section]" lines open sections,
// "key=value" lines below them set values, lines end in CR LF. Section and key names match
// without regard to letter case, as Windows matches them.
#include <optional>
#include <string>
#include <string_view>

namespace tarnwick {

// The value of the first matching key of the first matching section, or nothing.
std::optional<std::string> profileValue(std::string_view text, std::string_view section,
                                        std::string_view key);

// The text with the value set: an existing key's line is replaced in place, a new key goes
// after the last key of its section, a new section at the end. Every other byte is kept.
std::string withProfileValue(std::string_view text, std::string_view section, std::string_view key,
                             std::string_view value);

} // namespace tarnwick
