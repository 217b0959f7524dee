#include "player/script_runner.h"

#include "editor/script_step.h"
#include "player/input_primitives.h"
#include "player/run_flags.h"
#include "player/run_pace.h"
#include "player/runner_shell.h"
#include "player/waiter.h"
#include "storage/find_row.h"
#include "storage/lenient_integer.h"
#include "storage/list_file.h"
#include "storage/list_table.h"
#include "storage/marks.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace tarnwick {
namespace {

namespace column {
constexpr int binding = 0;
constexpr int name = 1;
constexpr int loopCount = 3;
} // namespace column

namespace pause {
constexpr int32_t beforeRow = 100;
constexpr int32_t beforeButton = 20;
constexpr int32_t beforeNotch = 50;
constexpr int32_t beforeText = 50;
constexpr int32_t beforeTextEntry = 50;
} // namespace pause

struct ButtonAction {
    const char* name;
    int32_t button;
    int32_t kind;
};
// The actions after the plain move, in the drop-down's order.
const std::array<ButtonAction, 8> buttonActions{{
    {step::mouseActionNames[1], mouse::left, mouse::click},
    {step::mouseActionNames[2], mouse::left, mouse::doubleClick},
    {step::mouseActionNames[3], mouse::left, mouse::down},
    {step::mouseActionNames[4], mouse::left, mouse::up},
    {step::mouseActionNames[5], mouse::right, mouse::click},
    {step::mouseActionNames[6], mouse::right, mouse::doubleClick},
    {step::mouseActionNames[7], mouse::right, mouse::down},
    {step::mouseActionNames[8], mouse::right, mouse::up},
}};

struct Point {
    int32_t x;
    int32_t y;
};

// The position cell split at every ","; a final empty piece is dropped, so "100," has no y.
std::optional<Point> positionOf(const std::string& cell) {
    std::vector<std::string_view> pieces;
    std::string_view rest = cell;
    for (size_t comma; (comma = rest.find(',')) != std::string_view::npos;) {
        pieces.push_back(rest.substr(0, comma));
        rest.remove_prefix(comma + 1);
    }
    if (!rest.empty())
        pieces.push_back(rest);
    if (pieces.size() < 2)
        return std::nullopt;
    return Point{lenientInteger(pieces[0]), lenientInteger(pieces[1])};
}

} // namespace

void ScriptRunner::playFromHotkey(int32_t identifier) {
    beginRun();
    const Lookup script{column::binding, std::to_string(identifier)};
    const int row = findRow(parts_.scriptTable, script.column, script.text);
    const std::string loops = parts_.scriptTable.cellText(row, column::loopCount);
    const bool started = parts_.flags.toggleFromHotkey() == RunFlags::Toggle::started;
    parts_.shell.setCaption(started ? runner::runningCaption : runner::stoppedCaption);
    loadPlaybackList(script);
    playPasses(lenientInteger(loops), TextEntry::typed);
    endRun();
}

void ScriptRunner::playScheduled(const std::string& name) {
    beginRun();
    const Lookup script{column::name, name};
    const int row = findRow(parts_.scriptTable, script.column, script.text);
    const std::string loops = parts_.scriptTable.cellText(row, column::loopCount);
    parts_.shell.setCaption(runner::runningCaption);
    loadPlaybackList(script);
    playPasses(lenientInteger(loops), TextEntry::pasted);
    endRun();
}

void ScriptRunner::beginRun() {
    parts_.shell.setWindowVisible(false);
    parts_.shell.showTrayIcon(runner::trayTip);
}

void ScriptRunner::loadPlaybackList(const Lookup& script) {
    // Found again: the table may have changed since the loop count was read.
    const int row = findRow(parts_.scriptTable, script.column, script.text);
    const std::string name = parts_.scriptTable.cellText(row, column::name);
    std::lock_guard<std::mutex> hold(playbackLock_);
    loadStepFile(parts_.playbackList, parts_.paths, name, parts_.files);
}

int ScriptRunner::playbackRowCount() {
    std::lock_guard<std::mutex> hold(playbackLock_);
    return parts_.playbackList.rowCount();
}

ScriptStep ScriptRunner::playbackRow(int row) {
    std::lock_guard<std::mutex> hold(playbackLock_);
    return readStep(parts_.playbackList, row);
}

void ScriptRunner::playPasses(int32_t passes, TextEntry entry) {
    RunPace pace(parts_.waiter);
    for (int32_t pass = 0; pass < passes; ++pass) {
        const int rows = playbackRowCount();
        for (int row = 0; row < rows; ++row) {
            pace.wait(pause::beforeRow);
            if (!parts_.flags.playing()) {
                parts_.flags.markIdle();
                break;
            }
            playRow(playbackRow(row), entry, pace);
        }
    }
}

void ScriptRunner::playRow(const ScriptStep& s, TextEntry entry, RunPace& pace) {
    if (s[step::position].empty())
        return;
    const int32_t interval = lenientInteger(s[step::interval]);
    playMousePart(s, interval, pace);
    playWheelPart(s, pace);
    if (s[step::text] != marks::noContent)
        playTextPart(s[step::text], entry, pace);
    if (s[step::key] != marks::noEvent)
        playKeyPart(s, interval, pace);
}

void ScriptRunner::playMousePart(const ScriptStep& s, int32_t interval, RunPace& pace) {
    const std::string& action = s[step::mouseAction];
    const std::optional<Point> point = positionOf(s[step::position]);
    // Without both coordinates there is no point to act on.
    if (action == marks::noEvent || !point || !parts_.flags.playing())
        return;
    pace.wait(interval);
    parts_.input.moveCursor(point->x, point->y);
    const auto button = std::find_if(buttonActions.begin(), buttonActions.end(),
                                     [&](const ButtonAction& b) { return action == b.name; });
    if (button != buttonActions.end() && parts_.flags.playing()) {
        pace.wait(pause::beforeButton);
        parts_.input.clickButton(button->button, button->kind);
    }
}

void ScriptRunner::playWheelPart(const ScriptStep& s, RunPace& pace) {
    const std::string& action = s[step::wheelAction];
    WheelDirection direction;
    if (action == step::wheelUp)
        direction = WheelDirection::up;
    else if (action == step::wheelDown)
        direction = WheelDirection::down;
    else
        return;
    const int32_t notches = lenientInteger(s[step::wheelCount]);
    for (int32_t i = 0; i < notches; ++i) {
        pace.wait(pause::beforeNotch);
        if (parts_.flags.playing())
            parts_.input.postWheel(parts_.input.windowUnderCursor(), direction);
    }
}

void ScriptRunner::playTextPart(const std::string& text, TextEntry entry, RunPace& pace) {
    pace.wait(pause::beforeText);
    if (!parts_.flags.playing())
        return;
    if (entry == TextEntry::typed) {
        parts_.input.setClipboardText(text);
        pace.wait(pause::beforeTextEntry);
        parts_.input.typeText(parts_.input.windowUnderCursor(), text);
    } else {
        parts_.input.setClipboardText(runner::scheduledClipboardText);
        pace.wait(pause::beforeTextEntry);
        parts_.input.pasteText(parts_.input.windowUnderCursor(), text, true);
    }
}

void ScriptRunner::playKeyPart(const ScriptStep& s, int32_t interval, RunPace& pace) {
    const int32_t code = lenientInteger(s[step::key]);
    const int32_t presses = lenientInteger(s[step::keyCount]);
    for (int32_t i = 0; i < presses; ++i) {
        pace.wait(interval);
        if (parts_.flags.playing())
            parts_.input.postKey(parts_.input.windowUnderCursor(), code, KeyKind::press);
    }
}

void ScriptRunner::endRun() {
    parts_.flags.markIdle();
    parts_.shell.setWindowVisible(true);
    parts_.shell.removeTrayIcon();
}

} // namespace tarnwick
