// Pictures of block diagrams: the sheet with its grid, component and process boxes, ports with
// their stubs and mode markers, connect-by-name tags, nets (buses thicker, junction dots, bus
// entries), generic texts, labels and free texts, in the colours of the settings. Selected
// objects and nets picked by the find-net command are drawn in the selection colours.
#pragma once

#include "blockdiagram/diagram_object.h"
#include "blockdiagram/diagram_settings.h"
#include "design/architecture.h"
#include "design/process.h"
#include "drawing/canvas.h"

#include <optional>
#include <string>

namespace zeph {

struct DrawingOptions {
    DiagramSettings settings; // colours and grid factor
    const Selection* selection = nullptr;
    // The visible area. Without one the picture shows the whole sheet and anything placed
    // beyond its edges.
    std::optional<Box> view;
};

// Options with the program's current diagram settings and nothing selected.
DrawingOptions current_drawing_options();

// Draws the block diagram of the architecture (an architecture of another kind gives its sheet
// with the free texts only). The architecture is not changed; it is taken as non-const only
// because the port lookups of the block-diagram code take it so.
void draw_block_diagram(Architecture& architecture, const DrawingOptions& options, Canvas& canvas);
// The diagram of a process: its own sheet with its free texts.
void draw_process_diagram(const Process& process, const DrawingOptions& options, Canvas& canvas);

// The same as complete SVG documents.
std::string block_diagram_svg(Architecture& architecture, const DrawingOptions& options);
std::string process_diagram_svg(const Process& process, const DrawingOptions& options);

} // namespace zeph
