// The 16-colour palette.
#include "drawing/palette.h"

#include <array>

namespace zeph {

namespace {
constexpr std::array<Rgb, kPaletteSize> kPalette = {{
    {0x00, 0x00, 0x00}, // 0 black
    {0x00, 0x00, 0xaa}, // 1 blue
    {0x00, 0xaa, 0x00}, // 2 green
    {0x00, 0xaa, 0xaa}, // 3 cyan
    {0xaa, 0x00, 0x00}, // 4 red
    {0xaa, 0x00, 0xaa}, // 5 magenta
    {0xaa, 0x55, 0x00}, // 6 brown
    {0xaa, 0xaa, 0xaa}, // 7 light grey
    {0x55, 0x55, 0x55}, // 8 dark grey
    {0x55, 0x55, 0xff}, // 9 light blue
    {0x55, 0xff, 0x55}, // 10 light green
    {0x55, 0xff, 0xff}, // 11 light cyan
    {0xff, 0x55, 0x55}, // 12 light red
    {0xff, 0x55, 0xff}, // 13 light magenta
    {0xff, 0xff, 0x55}, // 14 yellow
    {0xff, 0xff, 0xff}, // 15 white
}};
} // namespace

bool is_palette_colour(int number) {
    return number >= 0 && number < kPaletteSize;
}

Rgb palette_colour(int number) {
    return kPalette[static_cast<std::size_t>(is_palette_colour(number) ? number
                                                                       : kPaletteSize - 1)];
}

std::string colour_hex(Rgb colour) {
    constexpr const char* kDigits = "0123456789abcdef";
    std::string text = "#";
    for (std::uint8_t part : {colour.red, colour.green, colour.blue}) {
        text += kDigits[part >> 4];
        text += kDigits[part & 15];
    }
    return text;
}

} // namespace zeph
