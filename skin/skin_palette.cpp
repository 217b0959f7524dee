#include "skin_palette.h"

namespace skin {
namespace {

// A view of one line of the block; nothing here is zero-terminated.
struct Text {
    const char* begin;
    const char* end;

    bool empty() const { return begin == end; }
    bool equals(const char* word) const {
        const char* p = begin;
        for (; *word; ++word, ++p)
            if (p == end || *p != *word)
                return false;
        return p == end;
    }
};

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

Text trimmed(Text t) {
    while (!t.empty() && isBlank(*t.begin))
        ++t.begin;
    while (!t.empty() && isBlank(t.end[-1]))
        --t.end;
    return t;
}

// Splits off the first word; the rest keeps its inner blanks.
Text firstWord(Text& line) {
    Text word{line.begin, line.begin};
    while (word.end != line.end && !isBlank(*word.end))
        ++word.end;
    line = trimmed(Text{word.end, line.end});
    return word;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool parseColour(Text t, std::uint32_t& colour) {
    if (t.end - t.begin != 6)
        return false;
    std::uint32_t rgb = 0;
    for (const char* p = t.begin; p != t.end; ++p) {
        const int digit = hexDigit(*p);
        if (digit < 0)
            return false;
        rgb = rgb << 4 | std::uint32_t(digit);
    }
    colour = (rgb >> 16 & 0xFF) | (rgb & 0xFF00) | (rgb & 0xFF) << 16;
    return true;
}

bool parseSmallNumber(Text t, int& number) {
    if (t.empty() || t.end - t.begin > 3)
        return false;
    number = 0;
    for (const char* p = t.begin; p != t.end; ++p) {
        if (*p < '0' || *p > '9')
            return false;
        number = number * 10 + (*p - '0');
    }
    return true;
}

// UTF-8 to UTF-16 for the face name; refuses what a face name cannot hold.
bool parseFace(Text t, wchar_t (&face)[32]) {
    std::size_t n = 0;
    for (const auto* p = reinterpret_cast<const unsigned char*>(t.begin);
         p != reinterpret_cast<const unsigned char*>(t.end);) {
        unsigned code = *p++;
        int more = code < 0x80 ? 0 : (code & 0xE0) == 0xC0 ? 1 : (code & 0xF0) == 0xE0 ? 2 : -1;
        if (more < 0)
            return false;
        code &= more == 0 ? 0x7F : more == 1 ? 0x1F : 0x0F;
        for (; more > 0; --more) {
            if (p == reinterpret_cast<const unsigned char*>(t.end) || (*p & 0xC0) != 0x80)
                return false;
            code = code << 6 | (*p++ & 0x3F);
        }
        if (code == 0 || n + 1 >= sizeof face / sizeof face[0])
            return false;
        face[n++] = wchar_t(code);
    }
    face[n] = 0;
    return n > 0;
}

struct ColourKey {
    const char* name;
    std::uint32_t Palette::*field;
};

constexpr ColourKey colourKeys[] = {
    {"window", &Palette::window},
    {"text", &Palette::text},
    {"field", &Palette::field},
    {"field-text", &Palette::fieldText},
    {"button", &Palette::button},
    {"button-pressed", &Palette::buttonPressed},
    {"button-text", &Palette::buttonText},
    {"border", &Palette::border},
};
constexpr unsigned colourCount = sizeof colourKeys / sizeof colourKeys[0];
constexpr unsigned allKeys = (1u << (colourCount + 1)) - 1; // the colours and the font

} // namespace

bool parsePalette(const void* data, std::size_t length, Palette& palette) {
    if (!data)
        return false;
    const char* p = static_cast<const char*>(data);
    const char* const end = p + length;
    Palette read{};
    bool versionSeen = false;
    unsigned seen = 0;
    while (p != end) {
        const char* lineEnd = p;
        while (lineEnd != end && *lineEnd != '\n')
            ++lineEnd;
        Text line = trimmed(Text{p, lineEnd});
        p = lineEnd == end ? end : lineEnd + 1;
        if (line.empty() || *line.begin == '#')
            continue;
        const Text key = firstWord(line);
        if (!versionSeen) {
            if (!key.equals("tarnwick-skin") || !line.equals("1"))
                return false;
            versionSeen = true;
            continue;
        }
        if (key.equals("font")) {
            int points = 0;
            if (!parseSmallNumber(firstWord(line), points) || points < 6 || points > 72 ||
                !parseFace(line, read.fontFace))
                return false;
            read.fontPoints = points;
            seen |= 1u << colourCount;
            continue;
        }
        for (unsigned i = 0; i < colourCount; ++i) {
            if (!key.equals(colourKeys[i].name))
                continue;
            if (!parseColour(line, read.*colourKeys[i].field))
                return false;
            seen |= 1u << i;
        }
    }
    if (seen != allKeys)
        return false;
    palette = read;
    return true;
}

} // namespace skin
