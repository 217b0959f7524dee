#pragma once
// Letter case in GBK texts, as Windows ignores it in profile names and file names: ASCII letters
// and the double-byte full-width, Greek and Cyrillic letters fold; every other byte, trail bytes
// in the ASCII letter range included, compares as it is.
#include <string_view>

namespace tarnwick {

bool equalIgnoringCase(std::string_view a, std::string_view b);

} // namespace tarnwick
