// Choosing a terminal colour for a language colour: the nearest entry of the xterm 256-colour
// palette or of the 16 or 8 standard colours, or the colour itself where the terminal takes
// 24-bit colours. Black stands for the terminal's own text colour, so that plain text stays
// readable on dark and light terminals alike.
#pragma once

#include "editor/settings.h"

namespace zped {

enum class Palette { Eight, Sixteen, Xterm256, Direct };

// The palette of a terminal that offers `colours` colours.
Palette palette_for(int colours);

// The number of the terminal colour to use, or kDefaultForeground.
inline constexpr int kDefaultForeground = -1;
int terminal_colour(Colour colour, Palette palette);

// The red, green and blue values of a colour number of the xterm 256-colour palette.
Colour xterm_colour(int number);

} // namespace zped
