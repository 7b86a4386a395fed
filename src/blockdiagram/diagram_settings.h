// The program settings that diagram editing reads: grid factor, undo depth, colours, whether
// labels take their object's colour, and the type-check switch. The session copies them from
// "zeph.ini" and takes back what the Sheet Defaults, Label Options and Colors operations change.
// Label text sizes and option words live with the record defaults (DesignDefaults).
#pragma once

#include "design/label_display.h"

#include <array>

namespace zeph {

// The drawing elements of the colour dialog's block-diagram list, in the dialog's order.
enum class DiagramColour {
    Components,
    ComponentBackground,
    Processes,
    ProcessBackground,
    Generics,
    Ports,
    Wires,
    Buses,
    Grid,
    FreePlacedTexts,
    Selected,
    SelectedBackground,
    Foreground,
    Background,
};
inline constexpr int kDiagramColourCount = 14;

inline constexpr int kMinUndos = 1;
inline constexpr int kMaxUndos = 50;

struct DiagramSettings {
    int grid_factor = 1; // 1 to 9
    int max_undos = 50;  // 1 to 50
    // Colour numbers 0 to 15, indexed by DiagramColour.
    std::array<int, kDiagramColourCount> colours = {1, 11, 6, 2, 5, 5, 3, 4, 8, 15, 15, 14, 15, 0};
    // Per LabelKind: the label is drawn in its object's colour (else in the foreground colour).
    std::array<bool, kLabelKindCount> label_in_object_colour = {
        true, true, false, false, false, true, true, false, false, false, false, false};
    bool disable_type_checks = false; // "Disable &type and range checks"

    int colour(DiagramColour element) const { return colours[static_cast<int>(element)]; }
    bool object_colour_for(LabelKind kind) const {
        return label_in_object_colour[static_cast<int>(kind)];
    }
};

} // namespace zeph
