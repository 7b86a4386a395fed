// The defaults that new records and the design file reader take from the program settings.
// The session fills them from "zeph.ini"; a default-constructed one holds the documented
// defaults.
#pragma once

#include "design/label_display.h"

#include <array>
#include <string>

namespace zeph {

struct DesignDefaults {
    // Section "DefaultNames": architecture names per kind; empty means a generated name.
    std::string block_diagram_architecture_name; // "BlockDiagramArchs"
    std::string hdl_file_architecture_name;      // "VHDLFileArchs"
    std::string state_diagram_architecture_name; // "StateDiagramArchs"
    std::string external_architecture_name;      // "ExternalArchs"

    int sheet_size = 1; // "SheetSize", index 1 to 8
    bool display_grid = true;

    // Per LabelKind: text size (section "TextSize") and option word (section "LabelFormats";
    // kinds without a format setting show their text, option 1).
    std::array<int, kLabelKindCount> text_size = {16, 16, 12, 12, 12, 12, 10, 10, 10, 10, 10, 12};
    std::array<unsigned, kLabelKindCount> label_format = {7, 3, 3, 7, 1, 3, 3, 7, 1, 1, 1, 1};

    // Colours from section "ColoursRef" and the flag "TextsInForeGround".
    int foreground_colour = 15;
    int background_colour = 0;
    bool texts_in_foreground = false;

    int text_size_of(LabelKind kind) const { return text_size[static_cast<int>(kind)]; }
    unsigned label_format_of(LabelKind kind) const { return label_format[static_cast<int>(kind)]; }
};

// The documented defaults, for records made where no settings apply (tests, tools).
inline const DesignDefaults& documented_defaults() {
    static const DesignDefaults defaults;
    return defaults;
}

} // namespace zeph
