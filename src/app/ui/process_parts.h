#pragma once
// The process-wide state every window and thread shares. Created once at start-up and never
// destroyed: runner and worker threads may still use it when the process ends, and the system
// reclaims it then.
#include "editor/edit_context.h"
#include "editor/editor_memory.h"
#include "editor/watcher_capture_keys.h"
#include "hotkeys/hotkey_watcher.h"
#include "platform/win32_file_system.h"
#include "platform/win32_hotkey_platform.h"
#include "platform/win32_input_primitives.h"
#include "platform/win32_precise_delay.h"
#include "platform/win32_thread_primitives.h"
#include "player/run_flags.h"
#include "schedule/schedule_slots.h"
#include "storage/data_paths.h"
#include "storage/memory_table.h"
#include "support/worker_thread.h"

namespace tarnwick {

struct ProcessParts {
    explicit ProcessParts(const std::string& runDirectory) : paths(runDirectory) {}

    platform::Win32FileSystem files;
    DataPaths paths;
    RunFlags runFlags;
    // Every run loads its steps here; nothing ever shows it. Nine columns: step files fill
    // eight of them.
    MemoryTable playbackList{9};
    EditContext editContext;
    EditorMemory editorMemory;
    platform::Win32ThreadPrimitives threadPrimitives;
    WorkerThread worker{threadPrimitives};
    ScheduleSlots scheduleSlots;
    platform::Win32KeyStates keyStates;
    platform::Win32ThreadTimers timers;
    platform::Win32Threads threads;
    // Created on the user-interface thread, which runs its poll. Reading only the modifiers
    // and the registry's keys fires exactly as reading all 255 does, at a fraction of the cost.
    HotkeyWatcher watcher{{keyStates, timers, threads}, KeySampling::registryKeys};
    WatcherCaptureKeys captureKeys{watcher};
    platform::Win32InputPrimitives input;
    platform::Win32Waiter waiter;
};

} // namespace tarnwick
