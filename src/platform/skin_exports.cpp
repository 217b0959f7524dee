#include "platform/skin_exports.h"

#include "platform/skin_api.h"

namespace tarnwick::platform {
namespace {

template <typename Function> Function exported(std::uint64_t address) {
    return reinterpret_cast<Function>(static_cast<std::uintptr_t>(address));
}

} // namespace

void callSkinAttachData(std::uint64_t address, const void* data, std::size_t length) {
    exported<SkinAttachDataFunction>(address)(data, int(length), nullptr, 0, 0, 0);
}

void callSkinSetWindowAlpha(std::uint64_t address, HWND window, int alpha) {
    exported<SkinSetWindowAlphaFunction>(address)(window, alpha);
}

} // namespace tarnwick::platform
