#pragma once
// The clipboard's text. Written as CF_TEXT and as CF_UNICODETEXT, so Unicode windows get
// Chinese right on any system code page.
#include <string>

namespace tarnwick::platform {

// A GBK text: CF_TEXT holds its bytes as they are, CF_UNICODETEXT their code page 936
// conversion. Owned by the foreground window. Silent when the clipboard cannot be opened.
void setClipboardText(const std::string& text);
// Text read back with clipboardWideText, put back without loss (GBK cannot hold every
// character another program may have placed).
void setClipboardWideText(const std::wstring& text);
// Preferring CF_UNICODETEXT. The empty text when the clipboard holds no text or cannot be
// opened.
std::wstring clipboardWideText();

} // namespace tarnwick::platform
