#pragma once
// Calls into the skin library's two exports at the addresses the loader found for them.
#include <cstddef>
#include <cstdint>

struct HWND__;
typedef HWND__* HWND;

namespace tarnwick::platform {

void callSkinAttachData(std::uint64_t address, const void* data, std::size_t length);
void callSkinSetWindowAlpha(std::uint64_t address, HWND window, int alpha);

} // namespace tarnwick::platform
