#pragma once
// Process-wide services: where the program runs from, how it ends, its message loop.
#include <cstdint>
#include <string>

namespace tarnwick::platform {

// The executable's folder as GBK text, without a trailing backslash.
std::string runDirectory();
void setCurrentDirectory(const std::string& path);
// Registers the common controls (list views, date-time pickers) of version 6.
void initialiseCommonControls();
// Ends the process at once: no destructor runs, so no thread still playing or checking the
// schedule can touch state that is being torn down.
[[noreturn]] void exitProcess(int code);
// Starts GDI+ (version 1) under the token, unless the token shows it started already.
void startGdiPlus(uintptr_t& token);
// Runs until the process ends; Tab, Enter and Esc work in every window of the program.
int runMessageLoop();

// The named event whose existence marks a running instance.
bool instanceEventExists(const char* name);
// Creates the event and keeps it until the process ends.
void createInstanceEvent(const char* name);

} // namespace tarnwick::platform
