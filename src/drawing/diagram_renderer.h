// Pictures of diagrams. A block diagram: the sheet with its grid, component and process boxes,
// ports with their stubs and mode markers, connect-by-name tags, nets (buses thicker, junction
// dots, bus entries), generic texts, labels and free texts, in the colours of the settings.
// Selected objects and nets picked by the find-net command are drawn in the selection colours.
// A state diagram: states with their names and codes (REST with a double outline),
// transitions with arrowheads, their conditions, actions and priorities, the origin of the
// reset transition as a dot and that of a global transition as a ring, and free texts.
#pragma once

#include "blockdiagram/diagram_object.h"
#include "blockdiagram/diagram_settings.h"
#include "design/architecture.h"
#include "design/design_defaults.h"
#include "design/process.h"
#include "drawing/canvas.h"
#include "statemachine/machine_context.h"

#include <optional>
#include <string>

namespace zeph {

// Colour numbers of the state diagram elements (section "ColoursRef").
struct StateDiagramColours {
    int states = 5;
    int state_background = 11;
    int transitions = 3;
    int actions = 1;
    bool operator==(const StateDiagramColours&) const = default;
};

// A default-constructed one has the documented settings and nothing selected.
struct DrawingOptions {
    DiagramSettings settings; // colours and grid factor
    DesignDefaults defaults;  // text sizes of labels that carry none
    StateDiagramColours state_colours;
    StateDiagramSettings state_settings; // arrowheads and state borders
    const Selection* selection = nullptr;
    // The visible area. Without one the picture shows the whole sheet and anything placed
    // beyond its edges.
    std::optional<Box> view;
};

// Draws the block diagram or the state diagram of the architecture (an HDL-file architecture
// gives its sheet with the free texts only). The architecture is not changed; it is taken as
// non-const only because the port lookups of the block-diagram code take it so.
void draw_block_diagram(Architecture& architecture, const DrawingOptions& options, Canvas& canvas);
// The diagram of a process: its own sheet with its state diagram and free texts.
void draw_process_diagram(const Process& process, const DrawingOptions& options, Canvas& canvas);

// The same as complete SVG documents.
std::string block_diagram_svg(Architecture& architecture, const DrawingOptions& options);
std::string process_diagram_svg(const Process& process, const DrawingOptions& options);

} // namespace zeph
