// The block-diagram colour list.
#include "blockdiagram/diagram_colours.h"

namespace zeph {

namespace {
constexpr const char* kNames[kDiagramColourCount] = {"Components", "ComponentBackground",
                                                     "Processes",  "ProcessBackground",
                                                     "Generics",   "Ports",
                                                     "Wires",      "Buses",
                                                     "Grid",       "FreePlacedTexts",
                                                     "Selected",   "SelectedBackground",
                                                     "Foreground", "Background"};
} // namespace

const char* diagram_colour_name(DiagramColour element) {
    return kNames[static_cast<int>(element)];
}

std::optional<DiagramColour> diagram_colour_from_name(std::string_view name) {
    for (int i = 0; i < kDiagramColourCount; ++i)
        if (name == kNames[i]) return static_cast<DiagramColour>(i);
    return std::nullopt;
}

bool set_diagram_colour(DiagramSettings& settings, DiagramColour element, int colour) {
    if (colour < 0 || colour >= kColourCount) return false;
    settings.colours[static_cast<int>(element)] = colour;
    return true;
}

} // namespace zeph
