#include "editor/script_step.h"

#include "storage/data_paths.h"
#include "storage/list_file.h"
#include "storage/list_table.h"
#include "storage/marks.h"

namespace tarnwick {
namespace step {
namespace {

template <size_t N> int indexIn(const std::array<const char*, N>& names, std::string_view name) {
    for (size_t i = 0; i < N; ++i) {
        if (name == names[i])
            return int(i);
    }
    return -1;
}

} // namespace

std::vector<std::string> mouseActionEntries() {
    std::vector<std::string> entries(mouseActionNames.begin(), mouseActionNames.end());
    entries.resize(emptyMouseActionIndex + 1);
    return entries;
}

int mouseActionIndex(std::string_view name) {
    if (name.empty())
        return emptyMouseActionIndex;
    return indexIn(mouseActionNames, name);
}

int wheelActionIndex(std::string_view name) {
    return indexIn(wheelActionNames, name);
}

} // namespace step

ScriptStep ScriptStep::withDefaults(std::string position) {
    ScriptStep s;
    s[step::position] = std::move(position);
    s[step::mouseAction] = step::mouseMove;
    s[step::interval] = "600";
    s[step::wheelAction] = marks::noEvent;
    s[step::wheelCount] = "0";
    s[step::text] = marks::noContent;
    s[step::key] = marks::noEvent;
    s[step::keyCount] = "1";
    return s;
}

ScriptStep readStep(const ListTable& table, int row) {
    ScriptStep s;
    for (int c = 0; c < step::columnCount; ++c)
        s.cells[size_t(c)] = table.cellText(row, c);
    return s;
}

int appendStep(ListTable& table, const ScriptStep& s) {
    const int row = table.appendRow(s.cells[0], {});
    writeStep(table, row, s);
    return row;
}

void writeStep(ListTable& table, int row, const ScriptStep& s) {
    for (int c = 0; c < step::columnCount; ++c)
        table.setCellText(row, c, s.cells[size_t(c)]);
}

void saveStepFile(const ListTable& steps, const DataPaths& paths, const std::string& name,
                  FileSystem& files) {
    saveList(steps, paths.stepsFile(name), files);
}

void loadStepFile(ListTable& steps, const DataPaths& paths, const std::string& name,
                  FileSystem& files) {
    loadList(steps, paths.stepsFile(name), files);
}

} // namespace tarnwick
