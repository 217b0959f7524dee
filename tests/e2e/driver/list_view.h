#pragma once
// Reads and selects rows of a list view in another process. The item and column records the
// messages point at are built in the other process's memory, so the driver must have the
// same bitness as the program (both are 64-bit here).
#include <string>
#include <vector>

#include "driver/window_geometry.h"

struct HWND__;
typedef HWND__* HWND;

namespace e2e {

enum class Alignment { left, right, centre };

struct ListColumn {
    std::wstring title;
    int width = 0;
    Alignment alignment = Alignment::left;
};

using ListRow = std::vector<std::wstring>;

class RemoteListView {
  public:
    explicit RemoteListView(HWND list) : list_(list) {}

    HWND handle() const { return list_; }
    int rowCount() const;
    int columnCount() const;
    ListColumn column(int index) const;
    std::vector<ListColumn> columns() const;
    std::wstring cellText(int row, int column) const;
    ListRow row(int index) const;
    std::vector<ListRow> rows() const;

    // Selects and focuses only this row, as a click on it would.
    void selectRow(int index) const;
    // The first selected row, -1 if none.
    int selectedRow() const;
    // The centre of the row on the screen, for real clicks.
    Point rowCentre(int index) const;

  private:
    HWND list_;
};

} // namespace e2e
