#pragma once
// A script's settings file (data\<name>\<name>.ini): four sections of one key each.
#include <string>

namespace tarnwick {

class FileSystem;

namespace settings {
inline constexpr const char* startHotkeySection = "启动热键";
inline constexpr const char* stopHotkeySection = "停止热键";
inline constexpr const char* hotkeyKey = "热键";
inline constexpr const char* insertDirectlySection = "直接插入";
inline constexpr const char* yesNoKey = "是否";
inline constexpr const char* endlessLoopSection = "无限循环";
inline constexpr const char* loopKey = "循环";
// Values are read into a buffer of this many bytes, terminator included.
inline constexpr size_t valueBufferSize = 10240;
} // namespace settings

// Silent on failure: a missing folder writes nothing.
void writeSetting(FileSystem& files, const std::string& path, const std::string& section,
                  const std::string& key, const std::string& value);
// The empty text for a missing file, section or key, or an empty path, section or key.
std::string readSetting(FileSystem& files, const std::string& path, const std::string& section,
                        const std::string& key);
// The four sections in their order, with the values a new script starts with.
void writeNewScriptSettings(FileSystem& files, const std::string& path);

} // namespace tarnwick
