#pragma once
// A list of text rows as the list file stores it: the one model saveList and loadList work on,
// whether it is backed by a real list view or kept in memory.
#include <cstdint>
#include <string>

namespace tarnwick {

struct RowHead {
    int32_t itemValue = 0;
    int32_t indent = 0;
};

class ListTable {
  public:
    virtual ~ListTable() = default;
    virtual int rowCount() const = 0;
    virtual int columnCount() const = 0;
    // Empty for a cell the table does not have.
    virtual std::string cellText(int row, int column) const = 0;
    virtual int32_t itemValue(int row) const = 0;
    virtual void removeAllRows() = 0;
    // Returns the new row's index.
    virtual int appendRow(const std::string& firstCell, const RowHead& head) = 0;
    // Does nothing for a cell the table does not have.
    virtual void setCellText(int row, int column, const std::string& text) = 0;
};

} // namespace tarnwick
