#pragma once
// A table in memory with a selection, as a list view on screen has one.
#include "storage/list_selection.h"
#include "storage/memory_table.h"

#include <string>
#include <vector>

namespace tarnwick::testing {

class SelectableTable : public MemoryTable, public ListSelection {
  public:
    explicit SelectableTable(int columns) : MemoryTable(columns) {}

    int selected = -1;
    int selectedRow() const override { return selected; }
    void selectRow(int row) { selected = row; }
    void removeRow(int row) override {
        if (row < 0 || row >= rowCount())
            return;
        std::vector<std::vector<std::string>> kept;
        for (int r = 0; r < rowCount(); ++r) {
            if (r != row)
                kept.push_back(cells(r));
        }
        removeAllRows();
        for (const auto& cells : kept)
            addRow(cells);
        // A list view drops the selection of the row it removes.
        if (selected == row)
            selected = -1;
        else if (selected > row)
            --selected;
    }

    std::vector<std::string> cells(int row) const {
        std::vector<std::string> out;
        for (int c = 0; c < columnCount(); ++c)
            out.push_back(cellText(row, c));
        return out;
    }
    int addRow(const std::vector<std::string>& cells) {
        const int row = appendRow(cells.empty() ? std::string() : cells[0], {});
        for (size_t c = 1; c < cells.size(); ++c)
            setCellText(row, int(c), cells[c]);
        return row;
    }
    std::vector<std::vector<std::string>> allRows() const {
        std::vector<std::vector<std::string>> out;
        for (int r = 0; r < rowCount(); ++r)
            out.push_back(cells(r));
        return out;
    }
};

} // namespace tarnwick::testing
