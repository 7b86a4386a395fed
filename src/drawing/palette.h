// The 16-colour palette behind the colour numbers of the settings (section "ColoursRef") and of
// labels: the colours of the classic PC text display, 0 black to 15 white.
#pragma once

#include <cstdint>
#include <string>

namespace zeph {

inline constexpr int kPaletteSize = 16;

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Rgb&) const = default;
};

bool is_palette_colour(int number);
// The colour of a number; a number outside 0 to 15 gives the colour of 15.
Rgb palette_colour(int number);
// "#rrggbb" in lower case.
std::string colour_hex(Rgb colour);

} // namespace zeph
