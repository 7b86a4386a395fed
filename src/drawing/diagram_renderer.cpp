// The diagram renderer: the order in which a picture is drawn, the sheet and its grid, labels
// and free texts, and the area a picture covers.
#include "drawing/diagram_renderer.h"

#include "blockdiagram/connect_by_name.h"
#include "blockdiagram/segment_axis.h"
#include "blockdiagram/sheet_sizes.h"
#include "design/design_defaults.h"
#include "design/entity.h"
#include "drawing/diagram_painter.h"
#include "drawing/label_layout.h"
#include "drawing/palette.h"
#include "drawing/svg_canvas.h"

#include <algorithm>

namespace zeph {

SelectionIndex::SelectionIndex(const Selection* selection) {
    if (selection == nullptr) return;
    for (const DiagramObject& o : *selection) {
        switch (o.type) {
        case DiagramObjectType::Component:
            components.insert(o.component);
            break;
        case DiagramObjectType::Process:
            processes.insert(o.process);
            break;
        case DiagramObjectType::DiagramPort:
            diagram_ports.insert(o.index);
            break;
        case DiagramObjectType::DiagramGeneric:
            generics.insert(o.index);
            break;
        case DiagramObjectType::ComponentPort:
            component_ports.insert({o.component, o.index});
            break;
        case DiagramObjectType::ProcessPort:
            process_ports.insert({o.process, o.index});
            break;
        case DiagramObjectType::Segment:
            segments.insert({o.index, static_cast<int>(o.segment.orientation), o.segment.index});
            break;
        case DiagramObjectType::BusEntry:
            bus_entries.insert({o.index, o.entry});
            break;
        case DiagramObjectType::FreeText:
            texts.insert(o.index);
            break;
        }
    }
}

bool SelectionIndex::port(const PlacedPort& port) const {
    switch (port.owner) {
    case PortOwner::Diagram:
        return diagram_ports.contains(port.index);
    case PortOwner::Component:
        return component_ports.contains({port.component, port.index});
    default:
        return process_ports.contains({port.process, port.index});
    }
}

Point side_direction(int side) {
    switch (side) {
    case kSideBottom:
        return {0, 1};
    case kSideRight:
        return {1, 0};
    case kSideTop:
        return {0, -1};
    case kSideLeft:
        return {-1, 0};
    default:
        return {0, 0};
    }
}

Point local_point(Point origin, Point d, long long along, long long across) {
    // Sideways is the direction turned a quarter: (dx, dy) -> (-dy, dx).
    return axis::offset(origin, d.x * along - d.y * across, d.y * along + d.x * across);
}

DiagramPainter::DiagramPainter(const DrawingOptions& options, Canvas& canvas)
    : options_(options), canvas_(canvas), selected_(options.selection) {}

int DiagramPainter::text_colour(int label_colour) const {
    if (is_palette_colour(label_colour) && label_colour != colour(DiagramColour::Background))
        return label_colour;
    return colour(DiagramColour::Foreground);
}

int DiagramPainter::selected_or(bool selected, DiagramColour element) const {
    return colour(selected ? DiagramColour::Selected : element);
}

void DiagramPainter::draw_label(const LabelDisplay& label, LabelKind kind, int label_colour) {
    if (!label_shown(label)) return;
    int default_size = options_.defaults.text_size_of(kind);
    if (!canvas_.legible(font_height(label.size > 0 ? label.size : default_size))) return;
    LabelLayout layout = layout_label(label, default_size);
    layout.style.colour = label_colour;
    for (const LaidOutLine& line : layout.lines)
        if (!line.text.empty()) canvas_.text(line.baseline, line.text, layout.style);
}

void DiagramPainter::draw_free_texts(const Sheet& sheet) {
    canvas_.begin_layer("texts");
    for (std::size_t i = 0; i < sheet.texts.size(); ++i) {
        const LabelDisplay& text = sheet.texts[i];
        int c = selected_.texts.contains(i) ? colour(DiagramColour::Selected)
                                            : text_colour(text.colour);
        draw_label(text, LabelKind::FreePlacedText, c);
    }
    canvas_.end_layer();
}

void DiagramPainter::start_picture(const Box& shown, const Sheet& sheet, std::string_view title) {
    canvas_.begin(shown, colour(DiagramColour::Background), title);
    canvas_.begin_layer("sheet");
    Box paper = sheet_extent(sheet);
    canvas_.rectangle(paper, {colour(DiagramColour::Foreground), kOutlineWidth}, std::nullopt);
    long long visible = static_cast<long long>(shown.x2) - shown.x1;
    int factor = options_.settings.grid_factor;
    if (sheet.grid_step > 0 && visible <= INT32_MAX &&
        grid_visible(sheet, factor, static_cast<int>(visible)))
        canvas_.grid(paper, grid_spacing(sheet, factor), colour(DiagramColour::Grid));
    canvas_.end_layer();
}

void DiagramPainter::paint(Architecture& architecture) {
    std::string title =
        architecture.entity != nullptr ? architecture.entity->name + " " : std::string();
    title += architecture.name;
    // The extent walks every object: a view given saves that on every frame.
    start_picture(options_.view ? *options_.view : picture_extent(architecture), architecture.sheet,
                  title);
    if (const StateMachine* machine = architecture.state_machine.get()) {
        draw_state_machine(*machine);
        draw_free_texts(architecture.sheet);
        canvas_.end();
        return;
    }
    std::vector<PlacedPort> ports = placed_ports(architecture);
    if (const BlockDiagram* diagram = architecture.block_diagram.get()) {
        draw_processes(*diagram);
        draw_components(*diagram);
        draw_nets(*diagram);
    }
    draw_ports(ports);
    draw_tags(ports);
    canvas_.begin_layer("labels");
    if (const BlockDiagram* diagram = architecture.block_diagram.get()) draw_box_labels(*diagram);
    draw_generics(architecture);
    draw_port_labels(ports);
    if (const BlockDiagram* diagram = architecture.block_diagram.get()) draw_net_labels(*diagram);
    canvas_.end_layer();
    draw_free_texts(architecture.sheet);
    canvas_.end();
}

void DiagramPainter::paint(const Process& process) {
    start_picture(options_.view ? *options_.view : picture_extent(process), process.sheet,
                  process.name);
    if (const StateMachine* machine = process.state_machine.get()) draw_state_machine(*machine);
    draw_free_texts(process.sheet);
    canvas_.end();
}

namespace {

struct Extent {
    long long x1, y1, x2, y2;
    void add(long long x, long long y) {
        x1 = std::min(x1, x);
        y1 = std::min(y1, y);
        x2 = std::max(x2, x);
        y2 = std::max(y2, y);
    }
    void add(Point p, long long margin = 0) {
        add(p.x - margin, p.y - margin);
        add(p.x + margin, p.y + margin);
    }
    Box box() const {
        return {axis::clamped(x1), axis::clamped(y1), axis::clamped(x2), axis::clamped(y2)};
    }
};

// A state diagram's states and transitions with a margin for outlines, arrowheads and the
// first line of their labels.
void add_machine(Extent& e, const StateMachine& machine) {
    constexpr int kMargin = 64;
    constexpr int kArrowMargin = 128;
    auto add_state = [&](const State& state) {
        e.add({state.box.x1, state.box.y1}, kMargin);
        e.add({state.box.x2, state.box.y2}, kMargin);
        for (const auto& usage : state.action_usages)
            e.add(usage->display.anchor, kMargin);
    };
    if (machine.rest) add_state(*machine.rest);
    for (const auto& state : machine.states)
        add_state(*state);
    for (const auto& transition : machine.transitions) {
        for (Point p : transition->points)
            e.add(p, kArrowMargin);
        if (transition->condition.label != nullptr)
            e.add(transition->condition.display.anchor, kMargin);
        for (const auto& usage : transition->action_usages)
            e.add(usage->display.anchor, kMargin);
    }
}

} // namespace

Box picture_extent(const Process& process) {
    Box paper = sheet_extent(process.sheet);
    Extent e{paper.x1, paper.y1, paper.x2, paper.y2};
    if (process.state_machine != nullptr) add_machine(e, *process.state_machine);
    return e.box();
}

Box picture_extent(Architecture& architecture) {
    Box paper = sheet_extent(architecture.sheet);
    Extent e{paper.x1, paper.y1, paper.x2, paper.y2};
    if (architecture.state_machine != nullptr) {
        add_machine(e, *architecture.state_machine);
        return e.box();
    }
    constexpr int kPortMargin = kDiagramPortLength + kConnectionDistance;
    for (const PlacedPort& port : placed_ports(architecture))
        e.add(port.connection, kPortMargin);
    if (const BlockDiagram* diagram = architecture.block_diagram.get()) {
        for (const auto& component : diagram->components) {
            e.add(component->position);
            if (const Entity* entity = component->entity)
                e.add(
                    axis::offset(component->position, entity->symbol_width, entity->symbol_height));
        }
        for (const auto& process : diagram->processes) {
            e.add({process->box.x1, process->box.y1});
            e.add({process->box.x2, process->box.y2});
        }
        for (const auto& net : diagram->nets) {
            for (const auto* segments : {&net->horizontal, &net->vertical})
                for (const Segment& s : *segments) {
                    e.add({s.x1, s.y1}, kBusWidth);
                    e.add({s.x2, s.y2}, kBusWidth);
                }
            for (const auto& entry : net->bus_entries) {
                e.add(entry->bus_point, kBusWidth);
                e.add(entry->stub_end, kBusWidth);
            }
        }
    }
    return e.box();
}

void draw_block_diagram(Architecture& architecture, const DrawingOptions& options, Canvas& canvas) {
    DiagramPainter(options, canvas).paint(architecture);
}

void draw_process_diagram(const Process& process, const DrawingOptions& options, Canvas& canvas) {
    DiagramPainter(options, canvas).paint(process);
}

std::string block_diagram_svg(Architecture& architecture, const DrawingOptions& options) {
    SvgCanvas canvas;
    draw_block_diagram(architecture, options, canvas);
    return canvas.take_document();
}

std::string process_diagram_svg(const Process& process, const DrawingOptions& options) {
    SvgCanvas canvas;
    draw_process_diagram(process, options, canvas);
    return canvas.take_document();
}

} // namespace zeph
