#pragma once
// Finding windows of another process: top-level windows by caption and owning process,
// controls by class and caption.
#include <cstdint>
#include <string>
#include <vector>

#include "driver/polling.h"

struct HWND__;
typedef HWND__* HWND;

namespace e2e {

// A top-level window of the process with exactly this caption, visible or not; null if none.
HWND findTopWindow(uint32_t processId, const std::wstring& caption);
HWND waitForTopWindow(uint32_t processId, const std::wstring& caption,
                      milliseconds timeout = defaultTimeout);
// Top-level windows of any process with this class name, in z-order.
std::vector<HWND> topWindowsOfClass(const std::wstring& className);

// Every descendant of the parent with this class name (any caption), in z-order.
std::vector<HWND> descendantsOfClass(HWND parent, const std::wstring& className);
// The first descendant with this class name and caption; null if none.
HWND findDescendant(HWND parent, const std::wstring& className, const std::wstring& caption);

std::wstring windowClassName(HWND window);
// The caption, read through WM_GETTEXT so a control's text comes from its owner.
std::wstring windowText(HWND window);
// Whether the window itself has the visible style, whatever its parent's state.
bool hasVisibleStyle(HWND window);
bool isEnabled(HWND window);

} // namespace e2e
