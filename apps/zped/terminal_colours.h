// The colours of the terminal: colour pairs made on demand for the colours of the languages,
// each mapped to the nearest colour the terminal has (or itself on a 24-bit terminal).
#pragma once

#include "editor/colour_palette.h"

#include <curses.h>
#include <string>
#include <utility>
#include <vector>

namespace zped::terminal {

class TerminalColours {
  public:
    // After the screen is set up: starts colours when the terminal has them.
    void start();
    // The colour pair that draws text in this colour on the terminal's background; 0 (the
    // terminal's own colours) when the terminal has no colours or no pair is left.
    short text_pair(Colour colour);

  private:
    bool enabled_ = false;
    Palette palette_ = Palette::Eight;
    int pair_limit_ = 0;
    std::vector<std::pair<int, int>> pairs_; // terminal colour number, pair
};

// The description of the same terminal with 24-bit colours ("xterm-direct" for
// "xterm-256color") when COLORTERM says the terminal takes them, else empty.
std::string direct_colour_terminal();

} // namespace zped::terminal
