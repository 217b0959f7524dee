#include "app/script_name_rules.h"

#include <array>
#include <string>

namespace tarnwick {
namespace {

bool isGbkLeadByte(unsigned char b) {
    return b >= 0x81 && b <= 0xFE;
}
bool isGbkTrailByte(unsigned char b) {
    return b >= 0x40 && b <= 0xFE && b != 0x7F;
}

bool isForbiddenByte(unsigned char b) {
    if (b < 32)
        return true;
    constexpr std::string_view forbidden = "\\/:*?\"<>|";
    return forbidden.find(char(b)) != std::string_view::npos;
}

// The lower-case letters of a GBK row: its trail bytes and how far below them the capitals lie.
struct LowerCaseRun {
    unsigned char lead;
    unsigned char first;
    unsigned char last;
    unsigned char offset;
};
constexpr std::array<LowerCaseRun, 3> lowerCaseRuns{{
    {0xA3, 0xE1, 0xFA, 0x20}, // full-width Latin
    {0xA6, 0xC1, 0xD8, 0x20}, // Greek
    {0xA7, 0xD1, 0xF1, 0x30}, // Cyrillic
}};

// The name with every letter a capital, characters kept whole.
std::string capitalised(std::string_view name) {
    std::string out(name);
    for (size_t i = 0; i < out.size(); ++i) {
        const auto b = static_cast<unsigned char>(out[i]);
        if (isGbkLeadByte(b) && i + 1 < out.size()) {
            const auto trail = static_cast<unsigned char>(out[i + 1]);
            for (const LowerCaseRun& run : lowerCaseRuns) {
                if (b == run.lead && trail >= run.first && trail <= run.last)
                    out[i + 1] = char(trail - run.offset);
            }
            ++i;
        } else if (b >= 'a' && b <= 'z') {
            out[i] = char(b - 'a' + 'A');
        }
    }
    return out;
}

// Windows opens a device for these names, also with an extension ("nul.txt").
bool isDeviceName(std::string_view name) {
    std::string_view base = name.substr(0, name.find('.'));
    while (!base.empty() && base.back() == ' ')
        base.remove_suffix(1);
    const std::string upper = capitalised(base);
    constexpr std::array<std::string_view, 6> plain{"CON", "PRN",    "AUX",
                                                    "NUL", "CONIN$", "CONOUT$"};
    for (std::string_view device : plain) {
        if (upper == device)
            return true;
    }
    return upper.size() == 4 && (upper.starts_with("COM") || upper.starts_with("LPT")) &&
           upper[3] >= '1' && upper[3] <= '9';
}

} // namespace

bool shareFolder(std::string_view a, std::string_view b) {
    return capitalised(a) == capitalised(b);
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
