#include "driver/list_view.h"

#include "driver/remote_memory.h"
#include "driver/send_message.h"
#include "platform/win32.h"

#include <commctrl.h>

namespace e2e {

namespace {

int sendForInt(HWND window, unsigned message, uintptr_t wParam, intptr_t lParam) {
    return static_cast<int>(sendWithTimeout(window, message, wParam, lParam).value_or(-1));
}

// An item or column record followed by its text buffer, in the list's process.
template <class Record> class RemoteRecord {
  public:
    RemoteRecord(HWND list, size_t textUnits)
        : textUnits_(textUnits), memory_(list, sizeof(Record) + textUnits * sizeof(wchar_t)) {}

    intptr_t textAddress() const { return memory_.addressAt(sizeof(Record)); }
    int textUnits() const { return static_cast<int>(textUnits_); }
    intptr_t put(const Record& record) const {
        memory_.write(0, record);
        return memory_.address();
    }
    std::wstring text(size_t length) const {
        std::wstring result(std::min(length, textUnits_), L'\0');
        memory_.read(sizeof(Record), result.data(), result.size() * sizeof(wchar_t));
        return result;
    }
    Record record() const {
        Record result{};
        memory_.read(0, result);
        return result;
    }

  private:
    size_t textUnits_;
    RemoteMemory memory_;
};

Alignment alignmentOf(int format) {
    switch (format & LVCFMT_JUSTIFYMASK) {
    case LVCFMT_RIGHT:
        return Alignment::right;
    case LVCFMT_CENTER:
        return Alignment::centre;
    default:
        return Alignment::left;
    }
}

} // namespace

int RemoteListView::rowCount() const {
    return sendForInt(list_, LVM_GETITEMCOUNT, 0, 0);
}

int RemoteListView::columnCount() const {
    const auto header = sendWithTimeout(list_, LVM_GETHEADER, 0, 0);
    if (!header || !*header)
        return 0;
    return sendForInt(reinterpret_cast<HWND>(*header), HDM_GETITEMCOUNT, 0, 0);
}

ListColumn RemoteListView::column(int index) const {
    RemoteRecord<LVCOLUMNW> remote(list_, 1024);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH;
    column.pszText = reinterpret_cast<wchar_t*>(remote.textAddress());
    column.cchTextMax = remote.textUnits();
    if (sendForInt(list_, LVM_GETCOLUMNW, index, remote.put(column)) <= 0)
        return {};
    const LVCOLUMNW filled = remote.record();
    std::wstring title = remote.text(remote.textUnits());
    title.resize(title.find(L'\0') == std::wstring::npos ? title.size() : title.find(L'\0'));
    return {title, sendForInt(list_, LVM_GETCOLUMNWIDTH, index, 0), alignmentOf(filled.fmt)};
}

std::vector<ListColumn> RemoteListView::columns() const {
    std::vector<ListColumn> result;
    for (int i = 0; i < columnCount(); ++i)
        result.push_back(column(i));
    return result;
}

std::wstring RemoteListView::cellText(int row, int column) const {
    // The control reports the length it copied; a full buffer may mean a longer text.
    for (size_t units = 1024;; units *= 4) {
        RemoteRecord<LVITEMW> remote(list_, units);
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = reinterpret_cast<wchar_t*>(remote.textAddress());
        item.cchTextMax = remote.textUnits();
        const int length = sendForInt(list_, LVM_GETITEMTEXTW, row, remote.put(item));
        if (length < 0)
            return {};
        if (static_cast<size_t>(length) + 1 < units)
            return remote.text(static_cast<size_t>(length));
    }
}

ListRow RemoteListView::row(int index) const {
    ListRow cells;
    const int count = columnCount();
    for (int c = 0; c < count; ++c)
        cells.push_back(cellText(index, c));
    return cells;
}

std::vector<ListRow> RemoteListView::rows() const {
    std::vector<ListRow> result;
    const int count = rowCount();
    for (int r = 0; r < count; ++r)
        result.push_back(row(r));
    return result;
}

void RemoteListView::selectRow(int index) const {
    RemoteRecord<LVITEMW> remote(list_, 0);
    LVITEMW clear{};
    clear.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    sendWithTimeout(list_, LVM_SETITEMSTATE, static_cast<uintptr_t>(-1), remote.put(clear));
    LVITEMW select = clear;
    select.state = LVIS_SELECTED | LVIS_FOCUSED;
    sendWithTimeout(list_, LVM_SETITEMSTATE, static_cast<uintptr_t>(index), remote.put(select));
}

int RemoteListView::selectedRow() const {
    return sendForInt(list_, LVM_GETNEXTITEM, static_cast<uintptr_t>(-1), LVNI_SELECTED);
}

Point RemoteListView::rowCentre(int index) const {
    RemoteRecord<RECT> remote(list_, 0);
    RECT bounds{};
    bounds.left = LVIR_BOUNDS;
    sendWithTimeout(list_, LVM_GETITEMRECT, static_cast<uintptr_t>(index), remote.put(bounds));
    bounds = remote.record();
    POINT centre{(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
    ClientToScreen(list_, &centre);
    return {centre.x, centre.y};
}

} // namespace e2e
