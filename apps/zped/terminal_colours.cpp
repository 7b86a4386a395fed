// Colour pairs of the terminal front end.
#include "terminal_colours.h"

#include <algorithm>
#include <cstdlib>

namespace zped::terminal {

void TerminalColours::start() {
    pairs_.clear();
    enabled_ = has_colors() && start_color() == OK;
    if (!enabled_) return;
    use_default_colors();
    palette_ = palette_for(COLORS);
    // Pair numbers are handed to attr_set as a short.
    pair_limit_ = std::min(COLOR_PAIRS, 32767);
}

short TerminalColours::text_pair(Colour colour) {
    if (!enabled_) return 0;
    int number = terminal_colour(colour, palette_);
    if (number == kDefaultForeground) return 0;
    for (const auto& [known, pair] : pairs_)
        if (known == number) return static_cast<short>(pair);
    int pair = static_cast<int>(pairs_.size()) + 1;
    if (pair >= pair_limit_ || init_extended_pair(pair, number, -1) != OK) return 0;
    pairs_.emplace_back(number, pair);
    return static_cast<short>(pair);
}

std::string direct_colour_terminal() {
    const char* colorterm = std::getenv("COLORTERM");
    const char* term = std::getenv("TERM");
    if (!colorterm || !term) return "";
    std::string says = colorterm;
    if (says != "truecolor" && says != "24bit") return "";
    std::string name = term;
    if (name.size() >= 7 && name.compare(name.size() - 7, 7, "-direct") == 0) return "";
    std::size_t dash = name.find('-');
    return name.substr(0, dash) + "-direct";
}

} // namespace zped::terminal
