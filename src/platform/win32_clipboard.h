#pragma once
// The clipboard's text, GBK inside. Written as CF_TEXT (the bytes as stored) and as
// CF_UNICODETEXT (converted with code page 936), so Unicode windows get Chinese right on any
// system code page; read back preferring CF_UNICODETEXT.
#include <string>

namespace tarnwick::platform {

// Owned by the foreground window. Silent when the clipboard cannot be opened.
void setClipboardText(const std::string& text);
// The empty text when the clipboard holds no text or cannot be opened.
std::string clipboardText();

} // namespace tarnwick::platform
