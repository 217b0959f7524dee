#include "storage/profile_text.h"

#include <vector>

namespace tarnwick {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool isLeadByte(unsigned char c) {
    return c >= 0x81 && c <= 0xFE;
}

// Folds a double-byte GBK letter to its lower-case partner.
unsigned foldDoubleByte(unsigned char lead, unsigned char trail) {
    const unsigned code = unsigned(lead) << 8 | trail;
    auto inRange = [&](unsigned first, unsigned last) { return code >= first && code <= last; };
    if (inRange(0xA3C1, 0xA3DA)) // full-width A-Z
        return code + 0x20;
    if (inRange(0xA6A1, 0xA6B8)) // Greek capitals
        return code + 0x20;
    if (inRange(0xA7A1, 0xA7C1)) // Cyrillic capitals
        return code + 0x30;
    return code;
}

unsigned char foldAscii(unsigned char c) {
    return c >= 'A' && c <= 'Z' ? c + 0x20 : c;
}

struct Line {
    size_t begin;      // first byte of the line
    size_t contentEnd; // before the line end
    size_t end;        // after the line end
};

std::vector<Line> splitLines(std::string_view text) {
    std::vector<Line> lines;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t nl = text.find('\n', pos);
        size_t end = nl == std::string_view::npos ? text.size() : nl + 1;
        size_t contentEnd = nl == std::string_view::npos ? text.size() : nl;
        if (contentEnd > pos && text[contentEnd - 1] == '\r')
            --contentEnd;
        lines.push_back({pos, contentEnd, end});
        pos = end;
    }
    return lines;
}

// The section name of a "[name]" line, or nothing for any other line.
std::optional<std::string_view> sectionName(std::string_view content) {
    content = trimBlanks(content);
    if (content.empty() || content.front() != '[')
        return std::nullopt;
    content.remove_prefix(1);
    return trimBlanks(content.substr(0, content.find(']')));
}

struct Entry {
    std::string_view key;
    std::string_view value;
};

Entry parseEntry(std::string_view content) {
    content = trimBlanks(content);
    const size_t eq = content.find('=');
    if (eq == std::string_view::npos)
        return {content, {}};
    return {trimBlanks(content.substr(0, eq)), trimBlanks(content.substr(eq + 1))};
}

std::string_view unquote(std::string_view v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    return v;
}

struct Location {
    std::optional<size_t> sectionLine;
    std::optional<size_t> keyLine;
    size_t lastEntryLine = 0; // the header or the section's last non-blank line
};

Location locate(std::string_view text, const std::vector<Line>& lines, std::string_view section,
                std::string_view key) {
    Location where;
    bool inSection = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string_view content =
            text.substr(lines[i].begin, lines[i].contentEnd - lines[i].begin);
        if (auto name = sectionName(content)) {
            if (inSection)
                break;
            if (profileNamesEqual(*name, section)) {
                inSection = true;
                where.sectionLine = i;
                where.lastEntryLine = i;
            }
            continue;
        }
        if (!inSection || trimBlanks(content).empty())
            continue;
        where.lastEntryLine = i;
        if (profileNamesEqual(parseEntry(content).key, key)) {
            where.keyLine = i;
            break;
        }
    }
    return where;
}

} // namespace

bool profileNamesEqual(std::string_view a, std::string_view b) {
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[j]);
        const bool wideA = isLeadByte(ca) && i + 1 < a.size();
        const bool wideB = isLeadByte(cb) && j + 1 < b.size();
        if (wideA != wideB)
            return false;
        if (wideA) {
            if (foldDoubleByte(ca, static_cast<unsigned char>(a[i + 1])) !=
                foldDoubleByte(cb, static_cast<unsigned char>(b[j + 1])))
                return false;
            i += 2;
            j += 2;
        } else {
            if (foldAscii(ca) != foldAscii(cb))
                return false;
            ++i;
            ++j;
        }
    }
    return i == a.size() && j == b.size();
}

std::optional<std::string> profileValue(std::string_view text, std::string_view section,
                                        std::string_view key) {
    const auto lines = splitLines(text);
    const Location where = locate(text, lines, section, key);
    if (!where.keyLine)
        return std::nullopt;
    const Line& line = lines[*where.keyLine];
    const Entry entry = parseEntry(text.substr(line.begin, line.contentEnd - line.begin));
    return std::string(unquote(entry.value));
}

std::string withProfileValue(std::string_view text, std::string_view section, std::string_view key,
                             std::string_view value) {
    const auto lines = splitLines(text);
    const Location where = locate(text, lines, section, key);
    const std::string entryLine = std::string(key) + "=" + std::string(value);
    std::string out;
    if (where.keyLine) {
        const Line& line = lines[*where.keyLine];
        const std::string_view content = text.substr(line.begin, line.contentEnd - line.begin);
        const std::string_view ownKey = parseEntry(content).key;
        out.append(text.substr(0, line.begin));
        out.append(ownKey).append("=").append(value);
        out.append(text.substr(line.contentEnd));
        return out;
    }
    if (where.sectionLine) {
        const Line& after = lines[where.lastEntryLine];
        out.append(text.substr(0, after.end));
        if (after.end == after.contentEnd)
            out.append("\r\n"); // the section's last line had no line end
        out.append(entryLine).append("\r\n");
        out.append(text.substr(after.end));
        return out;
    }
    out.append(text);
    if (!out.empty() && out.back() != '\n')
        out.append("\r\n");
    out.append("[").append(section).append("]\r\n");
    out.append(entryLine).append("\r\n");
    return out;
}

} // namespace tarnwick
