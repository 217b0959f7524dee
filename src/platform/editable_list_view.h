#pragma once
// A list view whose rows the commands can also remove one by one.
#include "platform/list_view.h"
#include "storage/list_selection.h"

namespace tarnwick::platform {

class EditableListView : public ListView, public ListSelection {
  public:
    int selectedRow() const override { return ListView::selectedRow(); }
    void removeRow(int row) override;
};

} // namespace tarnwick::platform
