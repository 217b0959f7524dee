#pragma once
// Plays one script: loads its step file into the playback list, then walks the rows as many
// times as its loop count says, turning each into waits and injections. Two entries share
// the work: a start-hotkey press (each on a thread of its own) and a scheduled run (on the
// worker thread). One runner serves the whole process; every run reads the same run flags.
#include "storage/data_paths.h"

#include <cstdint>
#include <mutex>
#include <string>

namespace tarnwick {

class FileSystem;
class InputPrimitives;
class ListTable;
class RunPace;
class RunnerShell;
class Waiter;
struct RunFlags;
struct ScriptStep;

namespace runner {
inline constexpr const char* runningCaption = "Tarnwick1.0--运行";
inline constexpr const char* stoppedCaption = "Tarnwick1.0--停止";
inline constexpr const char* trayTip = "Tarnwick";
// What a scheduled run leaves on the clipboard while it pastes.
inline constexpr const char* scheduledClipboardText = "1111111";
} // namespace runner

class ScriptRunner {
  public:
    struct Parts {
        ListTable& scriptTable;  // the script list; must be safe to use from runner threads
        ListTable& playbackList; // 9 columns; only the runner touches it
        FileSystem& files;
        DataPaths paths;
        RunFlags& flags;
        InputPrimitives& input;
        Waiter& waiter;
        RunnerShell& shell;
    };
    explicit ScriptRunner(Parts parts) : parts_(std::move(parts)) {}

    // The routine bound to a start hotkey, with the binding identifier. Starts the script whose
    // column 0 holds the identifier, or stops whatever run is active.
    void playFromHotkey(int32_t identifier);
    // The script with this name; the caller has set both run flags to 1. Returns at run end.
    void playScheduled(const std::string& name);

  private:
    enum class TextEntry { typed, pasted };
    struct Lookup {
        int column;
        std::string text;
    };

    void beginRun();
    void loadPlaybackList(const Lookup& script);
    void playPasses(int32_t passes, TextEntry entry);
    int playbackRowCount();
    ScriptStep playbackRow(int row);
    void playRow(const ScriptStep& step, TextEntry entry, RunPace& pace);
    void playMousePart(const ScriptStep& step, int32_t interval, RunPace& pace);
    void playWheelPart(const ScriptStep& step, RunPace& pace);
    void playTextPart(const std::string& text, TextEntry entry, RunPace& pace);
    void playKeyPart(const ScriptStep& step, int32_t interval, RunPace& pace);
    void endRun();

    Parts parts_;
    // The playback list is shared by every run. A reload must neither mix with another nor
    // change a row while a stopped run is still reading it, so loads and reads take turns.
    std::mutex playbackLock_;
};

} // namespace tarnwick
