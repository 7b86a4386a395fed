// The block-diagram list of the colour dialog: the names of the drawing elements and setting
// their colour numbers (0 to 15). The structure and state-diagram lists belong to the
// hierarchy display and the state diagrams.
#pragma once

#include "blockdiagram/diagram_settings.h"

#include <optional>
#include <string_view>

namespace zeph {

inline constexpr int kColourCount = 16;

// "Components", "ComponentBackground", ... "Background", in the dialog's order.
const char* diagram_colour_name(DiagramColour element);
std::optional<DiagramColour> diagram_colour_from_name(std::string_view name);

// Sets one colour; false for a number outside 0 to 15.
bool set_diagram_colour(DiagramSettings& settings, DiagramColour element, int colour);

} // namespace zeph
