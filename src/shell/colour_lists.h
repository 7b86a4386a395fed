// The structure and state-diagram lists of the colour dialog: each element's name and the colour
// setting (section "ColoursRef") it shows and sets. The block-diagram list belongs to the diagram
// settings (blockdiagram/diagram_colours.h).
#pragma once

#include "shell/settings.h"

#include <string>
#include <vector>

namespace zeph {

struct ListedColour {
    std::string name;
    int* colour; // a member of the settings' colours
};

// The hierarchy display's elements: the capitalised kind word for components in the design's
// language, "External", "Block Diagram", "HDL File", "State Diagram", "Current", "Highlight",
// "Foreground", "Background".
std::vector<ListedColour> structure_colour_list(Settings::Colours& colours, int language);
// "States", "StateBackground", "Transitions", "Actions".
std::vector<ListedColour> state_diagram_colour_list(Settings::Colours& colours);

} // namespace zeph
