#include "storage/find_row.h"

#include "storage/list_table.h"

namespace tarnwick {

int findRow(const ListTable& table, int column, std::string_view text) {
    const int rows = table.rowCount();
    for (int r = 0; r < rows; ++r) {
        if (table.cellText(r, column) == text)
            return r;
    }
    return -1;
}

} // namespace tarnwick
