#pragma once
// A ListTable kept in memory: the never-shown playback list, and tables in tests.
#include "storage/list_table.h"

#include <vector>

namespace tarnwick {

class MemoryTable : public ListTable {
  public:
    explicit MemoryTable(int columns) : columns_(columns) {}

    int rowCount() const override { return int(rows_.size()); }
    int columnCount() const override { return columns_; }
    std::string cellText(int row, int column) const override;
    int32_t itemValue(int row) const override;
    void removeAllRows() override { rows_.clear(); }
    int appendRow(const std::string& firstCell, const RowHead& head) override;
    void setCellText(int row, int column, const std::string& text) override;

  private:
    struct Row {
        RowHead head;
        std::vector<std::string> cells;
    };
    int columns_;
    std::vector<Row> rows_;
};

} // namespace tarnwick
