#include "storage/profile_text.h"

#include "storage/gbk_case.h"

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
            if (equalIgnoringCase(*name, section)) {
                inSection = true;
                where.sectionLine = i;
                where.lastEntryLine = i;
            }
            continue;
        }
        if (!inSection || trimBlanks(content).empty())
            continue;
        where.lastEntryLine = i;
        if (equalIgnoringCase(parseEntry(content).key, key)) {
            where.keyLine = i;
            break;
        }
    }
    return where;
}

} // namespace

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
