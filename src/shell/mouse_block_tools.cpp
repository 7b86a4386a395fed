// The mouse tools on block diagrams: the placing tools, the Move, Copy and Resize tools, and
// the outline of the selection while it is dragged.
#include "shell/mouse_tools.h"

#include "blockdiagram/bus_entries.h"
#include "blockdiagram/diagram_add.h"
#include "blockdiagram/diagram_editor.h"
#include "blockdiagram/diagram_hit.h"
#include "blockdiagram/diagram_wiring.h"
#include "blockdiagram/net_geometry.h"
#include "blockdiagram/selection_edits.h"
#include "blockdiagram/symbol_geometry.h"
#include "blockdiagram/view_area.h"
#include "design/port.h"
#include "design/process.h"
#include "shell/main_window_dispatch.h"
#include "shell/mouse_outline.h"
#include "shell/session.h"

namespace zeph {

namespace {
// The port mode of each variant of the "port" tool ("ports4").
constexpr int kPortToolModes[] = {kModeIn, kModeOut, kModeInout, kModeBuffer};
// The entity kind of each variant of the "entity" tool ("comps4").
constexpr NewEntityKind kEntityToolKinds[] = {NewEntityKind::BlockDiagram, NewEntityKind::HdlFile,
                                              NewEntityKind::StateDiagram, NewEntityKind::External};
// The process kind of each variant of the "process" tool ("procs2").
constexpr int kProcessToolKinds[] = {kProcessHdlFile, kProcessStateDiagram};

template <class Table> auto tool_variant_choice(const Table& table, int variant) {
    std::size_t count = std::size(table);
    std::size_t i = variant >= 0 && static_cast<std::size_t>(variant) < count
                        ? static_cast<std::size_t>(variant)
                        : 0;
    return table[i];
}

Box moved_box(const Box& b, Point by) {
    return {b.x1 + by.x, b.y1 + by.y, b.x2 + by.x, b.y2 + by.y};
}

} // namespace

bool MouseTools::block_press(DiagramEditor& editor, const SheetMouse& mouse) {
    if (gesture_ == Gesture::Wire || tool_ == CommandId::AddWire) return wire_press(editor, mouse);
    if (!tool_) return selection_press(editor, mouse);
    switch (*tool_) {
    case CommandId::ToolZoom:
        zoom_on_point(editor.platform(), editor.view(), editor.sheet(), mouse.at, mouse.shift);
        return true;
    case CommandId::SelectionMove:
    case CommandId::SelectionCopy:
    case CommandId::SelectionResize:
        if (editor.selection().empty()) {
            // Resizing says what it needs; moving or copying nothing does nothing.
            if (*tool_ != CommandId::SelectionResize) return false;
            resize_selection(editor, on_grid(mouse.at));
            return true;
        }
        gesture_ = Gesture::Destination;
        anchor_ = reference_point(editor, editor.selection().front());
        cursor_ = on_grid(mouse.at);
        return true;
    case CommandId::AddComponent:
    case CommandId::AddProcess:
    case CommandId::AddGeneric:
    case CommandId::AddPort:
    case CommandId::AddBusEntry:
    case CommandId::AddConnectLabel:
    case CommandId::AddText:
        gesture_ = Gesture::Place;
        anchor_ = cursor_ = on_grid(mouse.at);
        return true;
    default:
        return false;
    }
}

bool MouseTools::block_release(DiagramEditor& editor, const SheetMouse& mouse) {
    switch (gesture_) {
    case Gesture::Wire:
        return wire_release(editor, mouse);
    case Gesture::Place: {
        cancel();
        return place(editor, on_grid(mouse.at));
    }
    case Gesture::Destination: {
        cancel();
        return destination(editor, on_grid(mouse.at));
    }
    default:
        return selection_release(editor, mouse);
    }
}

// The placing tools act where the button is released.
bool MouseTools::place(DiagramEditor& editor, Point at) {
    switch (*tool_) {
    case CommandId::AddComponent:
        add_component_of_new_entity(editor, at, tool_variant_choice(kEntityToolKinds, variant_));
        break;
    case CommandId::AddProcess:
        add_process(editor, at, tool_variant_choice(kProcessToolKinds, variant_));
        break;
    case CommandId::AddGeneric:
        add_generic(editor, at);
        break;
    case CommandId::AddPort:
        add_port(editor, at, tool_variant_choice(kPortToolModes, variant_));
        break;
    case CommandId::AddBusEntry:
        add_bus_entry(editor, at);
        break;
    case CommandId::AddConnectLabel:
        place_tag(editor, at);
        break;
    case CommandId::AddText:
        add_free_text(editor, at);
        break;
    default:
        return false;
    }
    return true;
}

// The Move, Copy and Resize tools: the selection's first object (or the box's corner) goes to
// the point.
bool MouseTools::destination(DiagramEditor& editor, Point at) {
    if (editor.selection().empty()) return false;
    switch (*tool_) {
    case CommandId::SelectionMove:
        move_selection(editor, at);
        return true;
    case CommandId::SelectionCopy:
        copy_selection(editor, at);
        return true;
    case CommandId::SelectionResize:
        resize_selection(editor, at);
        return true;
    default:
        return false;
    }
}

// The selection as outlines moved by `by`: boxes, segments, and a square around everything
// else's place.
std::vector<OverlayLine> MouseTools::selection_outline(Point by) const {
    std::vector<OverlayLine> lines;
    DiagramEditor& editor = session_.editor();
    if (!on_block_diagram() || !editor.is_open()) return lines;
    bool resizing = gesture_ == Gesture::Resize ||
                    (gesture_ == Gesture::Destination && tool_ == CommandId::SelectionResize);
    if (resizing && !editor.selection().empty()) {
        const DiagramObject& first = editor.selection().front();
        Point from = reference_point(editor, first);
        add_box_outline(lines, normalised_box(from, cursor_));
        return lines;
    }
    for (const DiagramObject& object : editor.selection()) {
        switch (object.type) {
        case DiagramObjectType::Component:
            add_box_outline(lines, moved_box(component_box(*object.component), by));
            break;
        case DiagramObjectType::Process:
            add_box_outline(lines, moved_box(object.process->box, by));
            break;
        case DiagramObjectType::Segment: {
            const Segment& s = segment_at(*editor.diagram().nets[object.index], object.segment);
            lines.push_back({{s.x1 + by.x, s.y1 + by.y}, {s.x2 + by.x, s.y2 + by.y}});
            break;
        }
        default:
            add_place_mark(lines, shifted(reference_point(editor, object), by));
            break;
        }
    }
    return lines;
}

} // namespace zeph
