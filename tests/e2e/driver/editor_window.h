#pragma once
// The editor "脚本管理" of a running Tarnwick and its controls, found the way a user finds
// them: buttons by caption, each field by the caption written beside it, the step list as the
// window's list view.
#include <functional>
#include <optional>
#include <string>

#include "driver/list_view.h"
#include "driver/polling.h"

struct HWND__;
typedef HWND__* HWND;

namespace e2e {

class Process;

inline constexpr wchar_t editorCaption[] = L"脚本管理";

class EditorWindow {
  public:
    explicit EditorWindow(HWND window) : window_(window) {}

    HWND handle() const { return window_; }
    bool isVisible() const;
    // The first control of the class whose top edge lines up with the caption and that starts
    // right of it; null if there is none.
    HWND fieldBeside(const std::wstring& caption, const std::wstring& className) const;
    // The first control of the class that starts below the caption, nearest first.
    HWND fieldBelow(const std::wstring& caption, const std::wstring& className) const;
    // Null when the window has no button (or check box, or group box) with this caption.
    HWND button(const std::wstring& caption) const;
    HWND label(const std::wstring& caption) const;
    RemoteListView stepTable() const;

    HWND nameEdit() const;
    HWND startHotkeyCombo() const;
    HWND loopEdit() const;
    HWND cursorLabel() const;
    HWND positionEdit() const;
    HWND mouseActionCombo() const;
    HWND intervalEdit() const;
    HWND wheelActionCombo() const;
    HWND wheelCountEdit() const;
    HWND keyEdit() const;
    HWND keyCountEdit() const;
    HWND textEdit() const;
    HWND noKeyCheck() const;
    // The button that reads "确定保存" or "确定修改", whichever it shows now.
    HWND confirmButton() const;

  private:
    // How far the field starts beyond the caption, empty when it is not in line with it.
    using FieldGap = std::function<std::optional<int>(const Rect& caption, const Rect& field)>;
    HWND nearestField(const std::wstring& caption, const std::wstring& className,
                      const FieldGap& gapTo) const;

    HWND window_;
};

// The process's editor window once it shows; a null handle if it does not show in time.
EditorWindow waitForEditorWindow(const Process& process, milliseconds timeout = defaultTimeout);

} // namespace e2e
