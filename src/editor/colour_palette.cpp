// Nearest colours in the terminal palettes.
#include "editor/colour_palette.h"

#include <array>
#include <climits>

namespace zped {

namespace {

// xterm's values of the 16 standard colours.
constexpr std::array<Colour, 16> kStandard = {{{0, 0, 0},
                                               {205, 0, 0},
                                               {0, 205, 0},
                                               {205, 205, 0},
                                               {0, 0, 238},
                                               {205, 0, 205},
                                               {0, 205, 205},
                                               {229, 229, 229},
                                               {127, 127, 127},
                                               {255, 0, 0},
                                               {0, 255, 0},
                                               {255, 255, 0},
                                               {92, 92, 255},
                                               {255, 0, 255},
                                               {0, 255, 255},
                                               {255, 255, 255}}};

constexpr std::array<int, 6> kCubeLevels = {0, 95, 135, 175, 215, 255};

int distance(Colour a, Colour b) {
    int r = a.red - b.red, g = a.green - b.green, bl = a.blue - b.blue;
    return r * r + g * g + bl * bl;
}

int nearest(Colour colour, int first, int last) {
    int best = first, best_distance = INT_MAX;
    for (int n = first; n <= last; ++n) {
        int d = distance(colour, xterm_colour(n));
        if (d < best_distance) {
            best = n;
            best_distance = d;
        }
    }
    return best;
}

// A colour that comes out black is drawn in the terminal's text colour like black itself.
int or_default(int number) {
    return xterm_colour(number) == Colour{0, 0, 0} ? kDefaultForeground : number;
}

} // namespace

Palette palette_for(int colours) {
    if (colours >= 0x1000000) return Palette::Direct;
    if (colours >= 256) return Palette::Xterm256;
    if (colours >= 16) return Palette::Sixteen;
    return Palette::Eight;
}

Colour xterm_colour(int number) {
    if (number < 16) return kStandard[static_cast<std::size_t>(number)];
    if (number < 232) {
        int n = number - 16;
        return {kCubeLevels[static_cast<std::size_t>(n / 36)],
                kCubeLevels[static_cast<std::size_t>(n / 6 % 6)],
                kCubeLevels[static_cast<std::size_t>(n % 6)]};
    }
    int grey = 8 + 10 * (number - 232);
    return {grey, grey, grey};
}

int terminal_colour(Colour colour, Palette palette) {
    if (colour == Colour{0, 0, 0}) return kDefaultForeground;
    switch (palette) {
    case Palette::Direct: {
        int value = colour.red << 16 | colour.green << 8 | colour.blue;
        // Direct-colour terminal descriptions keep the numbers below 8 for the standard colours.
        return value < 8 ? 8 : value;
    }
    case Palette::Xterm256:
        // The first 16 differ between terminals and themes; the cube and the greys do not.
        return or_default(nearest(colour, 16, 255));
    case Palette::Sixteen:
        return or_default(nearest(colour, 0, 15));
    case Palette::Eight:
        return or_default(nearest(colour, 0, 7));
    }
    return kDefaultForeground;
}

} // namespace zped
