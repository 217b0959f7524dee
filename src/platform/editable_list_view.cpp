#include "platform/editable_list_view.h"

#include "platform/win32.h"

#include <commctrl.h>

namespace tarnwick::platform {

void EditableListView::removeRow(int row) {
    if (row >= 0 && row < rowCount())
        SendMessageW(handle(), LVM_DELETEITEM, WPARAM(row), 0);
}

} // namespace tarnwick::platform
