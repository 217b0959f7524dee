#include "driver/target_window.h"

#include "driver/files.h"
#include "driver/program_paths.h"
#include "platform/win32.h"

#include <sstream>
#include <stdexcept>

namespace e2e {

namespace {

std::vector<std::string> logLines(const std::filesystem::path& log) {
    std::vector<std::string> lines;
    std::istringstream in(readFileBytes(log).value_or(std::string()));
    // A line without its newline is still being written.
    for (std::string line; std::getline(in, line);)
        if (!in.eof())
            lines.push_back(line);
    return lines;
}

bool isButtonEvent(const std::string& kind) {
    return kind.find("button") != std::string::npos;
}

TargetEvent parseEvent(const std::string& line) {
    std::istringstream in(line);
    TargetEvent event;
    in >> event.ticks >> event.kind >> std::hex >> event.wParam >> event.lParam;
    if (isButtonEvent(event.kind))
        in >> std::dec >> event.position.x >> event.position.y;
    if (event.kind == "paste")
        for (unsigned unit; in >> std::hex >> unit;)
            event.text += static_cast<wchar_t>(unit);
    return event;
}

std::wstring targetArguments(const std::filesystem::path& log, const std::wstring& caption,
                             Rect placement) {
    return L"--log \"" + log.wstring() + L"\" --caption \"" + caption + L"\" --rect " +
           std::to_wstring(placement.x) + L"," + std::to_wstring(placement.y) + L"," +
           std::to_wstring(placement.width) + L"," + std::to_wstring(placement.height);
}

} // namespace

std::ostream& operator<<(std::ostream& out, const TargetEvent& event) {
    out << event.kind << std::hex << " w=" << event.wParam << " l=" << event.lParam << std::dec;
    if (isButtonEvent(event.kind))
        out << " at " << event.position;
    return out;
}

TargetWindow::TargetWindow(const std::wstring& caption, Rect placement)
    : run_(targetExePath()), log_(run_.directory() / L"target.log") {
    run_.start(targetArguments(log_, caption, placement));
    // The first line: "<ticks> start <frequency> <window handle>".
    std::string start;
    waitUntil([&] {
        const std::vector<std::string> lines = logLines(log_);
        return !lines.empty() && !(start = lines.front()).empty();
    });
    std::istringstream in(start);
    int64_t ticks = 0;
    std::string kind;
    uintptr_t handle = 0;
    in >> ticks >> kind >> ticksPerSecond_ >> std::hex >> handle;
    window_ = reinterpret_cast<HWND>(handle);
    if (kind != "start" || !IsWindow(window_))
        throw std::runtime_error("the target window did not start");
}

std::vector<TargetEvent> TargetWindow::events() const {
    std::vector<TargetEvent> result;
    const std::vector<std::string> lines = logLines(log_);
    for (size_t i = 1; i < lines.size(); ++i)
        result.push_back(parseEvent(lines[i]));
    return result;
}

std::vector<TargetEvent> TargetWindow::waitForEvents(size_t count, milliseconds timeout) const {
    std::vector<TargetEvent> result;
    waitUntil([&] { return (result = events()).size() >= count; }, timeout);
    return result;
}

} // namespace e2e
