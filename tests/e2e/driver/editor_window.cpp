#include "driver/editor_window.h"

#include "driver/process.h"
#include "driver/window_finding.h"
#include "driver/window_geometry.h"
#include "platform/win32.h"

#include <climits>
#include <cstdlib>
#include <optional>

namespace e2e {

namespace {

constexpr wchar_t editClass[] = L"Edit";
constexpr wchar_t comboClass[] = L"ComboBox";
constexpr wchar_t staticClass[] = L"Static";
constexpr wchar_t buttonClass[] = L"Button";
// A field's top may sit a few pixels off its caption's.
constexpr int rowTolerance = 4;

} // namespace

bool EditorWindow::isVisible() const {
    return IsWindowVisible(window_) != FALSE;
}

HWND EditorWindow::label(const std::wstring& caption) const {
    return findDescendant(window_, staticClass, caption);
}

HWND EditorWindow::fieldBeside(const std::wstring& caption, const std::wstring& className) const {
    return nearestField(caption, className, [](const Rect& text, const Rect& field) {
        const int gap = field.x - (text.x + text.width);
        return std::abs(field.y - text.y) <= rowTolerance ? std::optional(gap) : std::nullopt;
    });
}

HWND EditorWindow::fieldBelow(const std::wstring& caption, const std::wstring& className) const {
    return nearestField(caption, className, [](const Rect& text, const Rect& field) {
        const int gap = field.y - (text.y + text.height);
        const bool sameColumn = field.x < text.x + text.width && text.x < field.x + field.width;
        return sameColumn ? std::optional(gap) : std::nullopt;
    });
}

HWND EditorWindow::nearestField(const std::wstring& caption, const std::wstring& className,
                                const FieldGap& gapTo) const {
    HWND text = label(caption);
    if (!text)
        return nullptr;
    const Rect at = screenRect(text);
    HWND nearest = nullptr;
    int nearestGap = INT_MAX;
    for (HWND field : descendantsOfClass(window_, className)) {
        // A field may start a few pixels inside its caption's box.
        const std::optional<int> gap = gapTo(at, screenRect(field));
        if (gap && *gap >= -rowTolerance && *gap < nearestGap) {
            nearest = field;
            nearestGap = *gap;
        }
    }
    return nearest;
}

HWND EditorWindow::button(const std::wstring& caption) const {
    return findDescendant(window_, buttonClass, caption);
}

RemoteListView EditorWindow::stepTable() const {
    const std::vector<HWND> lists = descendantsOfClass(window_, L"SysListView32");
    return RemoteListView(lists.empty() ? nullptr : lists.front());
}

HWND EditorWindow::nameEdit() const {
    return fieldBeside(L"名称", editClass);
}
HWND EditorWindow::startHotkeyCombo() const {
    return fieldBeside(L"执行挂起", comboClass);
}
HWND EditorWindow::loopEdit() const {
    return fieldBeside(L"执行次数", editClass);
}
HWND EditorWindow::cursorLabel() const {
    return fieldBeside(L"当前坐标：", staticClass);
}
HWND EditorWindow::positionEdit() const {
    return fieldBeside(L"鼠标坐标：", editClass);
}
HWND EditorWindow::mouseActionCombo() const {
    return fieldBeside(L"脚本事件：", comboClass);
}
HWND EditorWindow::intervalEdit() const {
    return fieldBeside(L"间隔时间：", editClass);
}
HWND EditorWindow::wheelActionCombo() const {
    return fieldBeside(L"滚轮事件：", comboClass);
}
HWND EditorWindow::wheelCountEdit() const {
    return fieldBeside(L"滚动次数：", editClass);
}
HWND EditorWindow::keyEdit() const {
    return fieldBeside(L"键盘事件：", editClass);
}
HWND EditorWindow::keyCountEdit() const {
    return fieldBeside(L"次数：", editClass);
}
HWND EditorWindow::textEdit() const {
    return fieldBelow(L"输入内容：", editClass);
}
HWND EditorWindow::noKeyCheck() const {
    return button(L"无动作");
}

HWND EditorWindow::confirmButton() const {
    if (HWND save = button(L"确定保存"))
        return save;
    return button(L"确定修改");
}

EditorWindow waitForEditorWindow(const Process& process, milliseconds timeout) {
    return EditorWindow(waitFor(
        [&]() -> HWND {
            HWND window = findTopWindow(process.id(), editorCaption);
            return window && IsWindowVisible(window) ? window : nullptr;
        },
        timeout));
}

} // namespace e2e
