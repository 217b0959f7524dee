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

void placeText(const std::string& bytes, const std::wstring& units) {
    HGLOBAL narrowBlock = blockWith(bytes.c_str(), bytes.size() + 1);
    HGLOBAL wideBlock = blockWith(units.c_str(), (units.size() + 1) * sizeof(wchar_t));
    OpenClipboard(GetForegroundWindow());
    EmptyClipboard();
    putOnClipboard(CF_TEXT, narrowBlock);
    putOnClipboard(CF_UNICODETEXT, wideBlock);
    CloseClipboard();
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
    placeText(text, widen(text));
}

void setClipboardWideText(const std::wstring& text) {
    placeText(narrow(text), text);
}

std::wstring clipboardWideText() {
    if (!OpenClipboard(nullptr))
        return {};
    std::wstring text;
    if (IsClipboardFormatAvailable(CF_UNICODETEXT))
        text = lockedText<wchar_t>(CF_UNICODETEXT);
    else if (IsClipboardFormatAvailable(CF_TEXT))
        text = widen(lockedText<char>(CF_TEXT));
    CloseClipboard();
    return text;
}

} // namespace tarnwick::platform
