#pragma once
// The e2e target program: a plain Unicode window that logs every input message it gets.
// Tests put it under the cursor and read back what the program under test sent it.
#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "driver/program_run.h"
#include "driver/window_geometry.h"

struct HWND__;
typedef HWND__* HWND;

namespace e2e {

struct TargetEvent {
    int64_t ticks = 0; // QueryPerformanceCounter when the window got the message
    std::string kind;  // lbuttondown, lbuttonup, lbuttondblclk, rbutton..., mbutton...,
                       // mousewheel, keydown, keyup, syskeydown, syskeyup, char, paste
    uint64_t wParam = 0;
    uint64_t lParam = 0;
    Point position;    // client coordinates, button messages only
    std::wstring text; // the clipboard text at a paste
};

std::ostream& operator<<(std::ostream& out, const TargetEvent& event);

class TargetWindow {
  public:
    // Starts the target with the caption at the screen rectangle and waits for its window.
    TargetWindow(const std::wstring& caption, Rect placement);

    HWND handle() const { return window_; }
    // Every event logged so far, in order.
    std::vector<TargetEvent> events() const;
    // Waits until the log holds at least this many events; gives what it holds then.
    std::vector<TargetEvent> waitForEvents(size_t count,
                                           milliseconds timeout = defaultTimeout) const;
    // Ticks of QueryPerformanceCounter per second, the unit of TargetEvent::ticks.
    int64_t ticksPerSecond() const { return ticksPerSecond_; }

  private:
    ProgramRun run_;
    std::filesystem::path log_;
    HWND window_ = nullptr;
    int64_t ticksPerSecond_ = 0;
};

} // namespace e2e
