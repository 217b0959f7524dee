#include "platform/list_view.h"

#include "platform/text_conversion.h"
#include "platform/win32.h"
#include "platform/window.h"

#include <commctrl.h>

namespace tarnwick::platform {

bool ListView::create(Window& parent, const ControlArgs& args,
                      const std::vector<ListColumn>& columns) {
    const int id = parent.addCommandHandler([](int) {});
    parent.addNotifyHandler(id, [this](const void* header) { return notify(header); });
    if (!createChild(parent, WC_LISTVIEWW, WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS,
                     WS_EX_CLIENTEDGE, args, id))
        return false;
    SendMessageW(handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                 LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_DOUBLEBUFFER);
    for (const ListColumn& column : columns) {
        std::wstring title = widen(column.title);
        LVCOLUMNW lvc{};
        lvc.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        lvc.fmt = column.alignment == ColumnAlignment::centre ? LVCFMT_CENTER : LVCFMT_LEFT;
        lvc.cx = column.width;
        lvc.pszText = title.data();
        SendMessageW(handle(), LVM_INSERTCOLUMNW, WPARAM(columns_), LPARAM(&lvc));
        ++columns_;
    }
    return true;
}

int ListView::rowCount() const {
    return int(SendMessageW(handle(), LVM_GETITEMCOUNT, 0, 0));
}

std::string ListView::cellText(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columns_)
        return {};
    // Cell texts have no length limit: grow the buffer until the text fits.
    std::wstring buffer(256, L'\0');
    for (;;) {
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = buffer.data();
        item.cchTextMax = int(buffer.size());
        const auto n = size_t(SendMessageW(handle(), LVM_GETITEMTEXTW, WPARAM(row), LPARAM(&item)));
        if (n + 1 < buffer.size()) {
            buffer.resize(n);
            return narrow(buffer);
        }
        buffer.assign(buffer.size() * 2, L'\0');
    }
}

int32_t ListView::itemValue(int row) const {
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    if (!SendMessageW(handle(), LVM_GETITEMW, 0, LPARAM(&item)))
        return 0;
    return int32_t(item.lParam);
}

void ListView::removeAllRows() {
    SendMessageW(handle(), LVM_DELETEALLITEMS, 0, 0);
}

int ListView::appendRow(const std::string& firstCell, const RowHead& head) {
    std::wstring text = widen(firstCell);
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_INDENT;
    item.iItem = rowCount();
    item.pszText = text.data();
    item.lParam = head.itemValue;
    item.iIndent = head.indent;
    return int(SendMessageW(handle(), LVM_INSERTITEMW, 0, LPARAM(&item)));
}

void ListView::setCellText(int row, int column, const std::string& text) {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columns_)
        return;
    std::wstring wide = widen(text);
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = wide.data();
    SendMessageW(handle(), LVM_SETITEMTEXTW, WPARAM(row), LPARAM(&item));
}

int ListView::selectedRow() const {
    return int(SendMessageW(handle(), LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED));
}

void ListView::removeRow(int row) {
    if (row >= 0 && row < rowCount())
        SendMessageW(handle(), LVM_DELETEITEM, WPARAM(row), 0);
}

void ListView::selectRow(int row) {
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(handle(), LVM_SETITEMSTATE, WPARAM(row), LPARAM(&item));
}

intptr_t ListView::notify(const void* header) {
    const auto* nm = static_cast<const NMHDR*>(header);
    switch (nm->code) {
    case LVN_ITEMCHANGED: {
        const auto* change = reinterpret_cast<const NMLISTVIEW*>(nm);
        if ((change->uChanged & LVIF_STATE) &&
            ((change->uOldState ^ change->uNewState) & (LVIS_FOCUSED | LVIS_SELECTED)) &&
            onFocusedRowChanged)
            onFocusedRowChanged();
        break;
    }
    case NM_DBLCLK:
        if (onDoubleClick)
            onDoubleClick(reinterpret_cast<const NMITEMACTIVATE*>(nm)->iItem);
        break;
    case NM_RCLICK:
        if (onRightClick)
            onRightClick(reinterpret_cast<const NMITEMACTIVATE*>(nm)->iItem);
        break;
    default:
        break;
    }
    return 0;
}

} // namespace tarnwick::platform
