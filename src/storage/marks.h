#pragma once
// The fixed texts the lists hold for states and marks, compared byte for byte (GBK).

namespace tarnwick::marks {

inline constexpr const char* enabled = "启用";
inline constexpr const char* disabled = "停用";
inline constexpr const char* yes = "√";
inline constexpr const char* no = "×";
inline constexpr const char* noEvent = "无事件";
inline constexpr const char* noContent = "无内容";

} // namespace tarnwick::marks
