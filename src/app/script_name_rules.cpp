#include "app/script_name_rules.h"

#include "storage/gbk_case.h"

#include <array>

namespace tarnwick {
namespace {

bool isGbkTrailByte(unsigned char b) {
    return b >= 0x40 && b <= 0xFE && b != 0x7F;
}

bool isForbiddenByte(unsigned char b) {
    if (b < 32)
        return true;
    constexpr std::string_view forbidden = "\\/:*?\"<>|";
    return forbidden.find(char(b)) != std::string_view::npos;
}

// Windows opens a device for these names, also with an extension ("nul.txt").
bool isDeviceName(std::string_view name) {
    std::string_view base = name.substr(0, name.find('.'));
    while (!base.empty() && base.back() == ' ')
        base.remove_suffix(1);
    constexpr std::array<std::string_view, 6> plain{"CON", "PRN",    "AUX",
                                                    "NUL", "CONIN$", "CONOUT$"};
    for (std::string_view device : plain) {
        if (equalIgnoringCase(base, device))
            return true;
    }
    return base.size() == 4 &&
           (equalIgnoringCase(base.substr(0, 3), "COM") ||
            equalIgnoringCase(base.substr(0, 3), "LPT")) &&
           base[3] >= '1' && base[3] <= '9';
}

} // namespace

bool shareFolder(std::string_view a, std::string_view b) {
    return equalIgnoringCase(a, b);
}

ScriptNameProblem checkScriptName(std::string_view name) {
    if (name.find_first_not_of(" \t") == std::string_view::npos)
        return ScriptNameProblem::blank;
    for (size_t i = 0; i < name.size(); ++i) {
        const auto b = static_cast<unsigned char>(name[i]);
        if (isGbkLeadByte(b) && i + 1 < name.size() &&
            isGbkTrailByte(static_cast<unsigned char>(name[i + 1]))) {
            ++i;
            continue;
        }
        if (isForbiddenByte(b))
            return ScriptNameProblem::unusable;
    }
    if (name.back() == ' ' || name.back() == '.' || isDeviceName(name))
        return ScriptNameProblem::unusable;
    return ScriptNameProblem::none;
}

} // namespace tarnwick
