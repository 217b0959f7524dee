#include "storage/memory_table.h"

namespace tarnwick {

std::string MemoryTable::cellText(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columns_)
        return {};
    return rows_[size_t(row)].cells[size_t(column)];
}

int32_t MemoryTable::itemValue(int row) const {
    if (row < 0 || row >= rowCount())
        return 0;
    return rows_[size_t(row)].head.itemValue;
}

int MemoryTable::appendRow(const std::string& firstCell, const RowHead& head) {
    Row row{head, std::vector<std::string>(size_t(columns_))};
    if (columns_ > 0)
        row.cells[0] = firstCell;
    rows_.push_back(std::move(row));
    return rowCount() - 1;
}

void MemoryTable::setCellText(int row, int column, const std::string& text) {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columns_)
        return;
    rows_[size_t(row)].cells[size_t(column)] = text;
}

} // namespace tarnwick
