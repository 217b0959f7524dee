#pragma once
// The skin's own data format, a short text block:
//
//   tarnwick-skin 1
//   window 1F2328        one line per colour, RRGGBB
//   font 9 Segoe UI      point size, then the face name (UTF-8)
//
// Lines starting with '#' and unknown keys are skipped; every colour and the font are needed.
#include <cstddef>
#include <cstdint>

namespace skin {

// Colours as 0x00BBGGRR, the layout of a COLORREF.
struct Palette {
    std::uint32_t window;
    std::uint32_t text;
    std::uint32_t field;
    std::uint32_t fieldText;
    std::uint32_t button;
    std::uint32_t buttonPressed;
    std::uint32_t buttonText;
    std::uint32_t border;
    int fontPoints;
    wchar_t fontFace[32];
};

// False, with the palette untouched, when the block is not a complete skin.
bool parsePalette(const void* data, std::size_t length, Palette& palette);

} // namespace skin
