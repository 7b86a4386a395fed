// The structure and state-diagram lists of the colour dialog.
#include "shell/colour_lists.h"

#include "foundation/kind_vocabulary.h"

namespace zeph {

namespace {
constexpr int kCapitalised = 4; // the flag of kind_name
} // namespace

std::vector<ListedColour> structure_colour_list(Settings::Colours& c, int language) {
    return {{kind_name(language, kKindComponent, kCapitalised, 1), &c.component_leaves},
            {"External", &c.external_leaves},
            {"Block Diagram", &c.block_leaves},
            {"HDL File", &c.vhdl_leaves},
            {"State Diagram", &c.state_leaves},
            {"Current", &c.current_leaf},
            {"Highlight", &c.highlight_leaf},
            {"Foreground", &c.leaves_foreground},
            {"Background", &c.leaves_background}};
}

std::vector<ListedColour> state_diagram_colour_list(Settings::Colours& c) {
    return {{"States", &c.states},
            {"StateBackground", &c.state_background},
            {"Transitions", &c.transitions},
            {"Actions", &c.actions}};
}

} // namespace zeph
