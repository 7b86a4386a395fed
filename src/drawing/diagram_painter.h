// The machinery behind the diagram renderer: one painter per picture, holding the canvas, the
// colours and the selection, with one drawing function per kind of object. Private to the
// drawing layer.
#pragma once

#include "blockdiagram/diagram_object.h"
#include "blockdiagram/port_geometry.h"
#include "design/architecture.h"
#include "design/block_diagram.h"
#include "drawing/canvas.h"
#include "drawing/diagram_renderer.h"

#include <cstddef>
#include <set>
#include <tuple>
#include <utility>

namespace zeph {

// Line widths and sizes in sheet units.
inline constexpr int kOutlineWidth = 8;
inline constexpr int kWireWidth = 8;
inline constexpr int kBusWidth = 24;
inline constexpr int kJunctionRadius = 24;
inline constexpr int kBusJunctionRadius = 36;
inline constexpr int kMarkerSize = 16; // half the length of a mode marker on a port stub
inline constexpr int kDiagramPortLength = 128;
inline constexpr int kDiagramPortHalfHeight = 32;
inline constexpr int kTagLength = 64;
inline constexpr int kTagHalfHeight = 24;

// The selection turned into lookups by object.
struct SelectionIndex {
    std::set<const Component*> components;
    std::set<const Process*> processes;
    std::set<std::size_t> diagram_ports;
    std::set<std::size_t> generics;
    std::set<std::size_t> texts;
    std::set<std::pair<const Component*, std::size_t>> component_ports;
    std::set<std::pair<const Process*, std::size_t>> process_ports;
    std::set<std::tuple<std::size_t, int, std::size_t>> segments; // net, orientation, index
    std::set<std::pair<std::size_t, std::size_t>> bus_entries;    // net, entry

    explicit SelectionIndex(const Selection* selection);
    bool port(const PlacedPort& port) const;
};

// A unit step outwards from a port's side; (0, 0) for side 0.
Point side_direction(int side);
// The point at `along` outwards and `across` sideways from `origin`, for the direction `d`.
Point local_point(Point origin, Point d, long long along, long long across);

class DiagramPainter {
  public:
    DiagramPainter(const DrawingOptions& options, Canvas& canvas);

    void paint(Architecture& architecture);
    void paint(const Process& process);

  private:
    int colour(DiagramColour element) const { return options_.settings.colour(element); }
    // A label's own colour, unless it cannot be seen on the background.
    int text_colour(int label_colour) const;
    int selected_or(bool selected, DiagramColour element) const;
    // `shown`: the area the picture shows.
    void start_picture(const Box& shown, const Sheet& sheet, std::string_view title);
    void draw_label(const LabelDisplay& label, LabelKind kind, int colour);
    void draw_free_texts(const Sheet& sheet);

    // painter_boxes.cpp
    void draw_processes(const BlockDiagram& diagram);
    void draw_components(const BlockDiagram& diagram);
    void draw_box_labels(const BlockDiagram& diagram);
    void draw_generics(const Architecture& architecture);

    // painter_nets.cpp
    void draw_nets(const BlockDiagram& diagram);
    void draw_net(const Net& net, std::size_t index);
    void draw_net_labels(const BlockDiagram& diagram);

    // painter_states.cpp
    void draw_state_machine(const StateMachine& machine);
    void draw_state(const State& state, bool rest);
    void draw_transition(const Transition& transition);
    void draw_machine_labels(const StateMachine& machine);
    int machine_label_colour(const LabelDisplay& label, LabelKind kind, int object_colour) const;

    // painter_ports.cpp
    void draw_ports(const std::vector<PlacedPort>& ports);
    void draw_diagram_port(const PlacedPort& port, const Pen& pen);
    void draw_port_stub(const PlacedPort& port, const Pen& pen);
    void draw_tags(const std::vector<PlacedPort>& ports);
    void draw_port_labels(const std::vector<PlacedPort>& ports);

    const DrawingOptions& options_;
    Canvas& canvas_;
    SelectionIndex selected_;
};

// The area a picture of the architecture covers: its sheet and everything placed beyond it.
Box picture_extent(Architecture& architecture);
Box picture_extent(const Process& process);

} // namespace zeph
