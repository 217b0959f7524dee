#pragma once
// A report-view list view as a ListTable. Every operation is a message to the control, so any
// thread may call it: the system carries it out on the thread that owns the control.
#include "platform/child_control.h"
#include "storage/list_selection.h"
#include "storage/list_table.h"

#include <functional>
#include <vector>

namespace tarnwick::platform {

enum class ColumnAlignment { left, centre };

struct ListColumn {
    std::string title;
    int width = 0;
    ColumnAlignment alignment = ColumnAlignment::left;
};

class ListView : public ChildControl, public ListTable, public ListSelection {
  public:
    bool create(Window& parent, const ControlArgs& args, const std::vector<ListColumn>& columns);

    int rowCount() const override;
    int columnCount() const override { return columns_; }
    std::string cellText(int row, int column) const override;
    int32_t itemValue(int row) const override;
    void removeAllRows() override;
    int appendRow(const std::string& firstCell, const RowHead& head) override;
    void setCellText(int row, int column, const std::string& text) override;

    int selectedRow() const override;
    void removeRow(int row) override;
    void selectRow(int row);

    std::function<void()> onFocusedRowChanged;
    std::function<void(int row)> onDoubleClick;
    std::function<void(int row)> onRightClick;

  private:
    intptr_t notify(const void* header);
    int columns_ = 0;
};

} // namespace tarnwick::platform
