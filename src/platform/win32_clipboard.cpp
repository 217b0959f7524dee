#include "platform/win32_clipboard.h"

#include "platform/text_conversion.h"
#include "platform/win32.h"

#include <cstring>

namespace tarnwick::platform {
namespace {

// A movable block holding the bytes; the clipboard owns it once SetClipboardData accepts it.
HGLOBAL blockWith(const void* bytes, size_t size) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!block)
        return nullptr;
    if (void* p = GlobalLock(block)) {
        std::memcpy(p, bytes, size);
        GlobalUnlock(block);
    }
    return block;
}

void putOnClipboard(UINT format, HGLOBAL block) {
    if (block && !SetClipboardData(format, block))
        GlobalFree(block);
}

template <class Char> std::basic_string<Char> lockedText(UINT format) {
    HANDLE data = GetClipboardData(format);
    if (!data)
        return {};
    const auto* p = static_cast<const Char*>(GlobalLock(data));
    if (!p)
        return {};
    // The block may be larger than the text; never read past it.
    const size_t capacity = GlobalSize(data) / sizeof(Char);
    size_t n = 0;
    while (n < capacity && p[n] != 0)
        ++n;
    std::basic_string<Char> text(p, n);
    GlobalUnlock(data);
    return text;
}

} // namespace

void setClipboardText(const std::string& text) {
    HGLOBAL bytes = blockWith(text.c_str(), text.size() + 1);
    const std::wstring wide = widen(text);
    HGLOBAL units = blockWith(wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
    OpenClipboard(GetForegroundWindow());
    EmptyClipboard();
    putOnClipboard(CF_TEXT, bytes);
    putOnClipboard(CF_UNICODETEXT, units);
    CloseClipboard();
}

std::string clipboardText() {
    if (!OpenClipboard(nullptr))
        return {};
    std::string text;
    if (IsClipboardFormatAvailable(CF_UNICODETEXT))
        text = narrow(lockedText<wchar_t>(CF_UNICODETEXT));
    else if (IsClipboardFormatAvailable(CF_TEXT))
        text = lockedText<char>(CF_TEXT);
    CloseClipboard();
    return text;
}

} // namespace tarnwick::platform
