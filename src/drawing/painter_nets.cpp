// Nets: their segments (buses thicker than wires), junction dots, bus entries and labels.
#include "blockdiagram/net_lookup.h"
#include "drawing/diagram_painter.h"

#include <string>

namespace zeph {

void DiagramPainter::draw_nets(const BlockDiagram& diagram) {
    canvas_.begin_layer("nets");
    for (std::size_t i = 0; i < diagram.nets.size(); ++i)
        draw_net(*diagram.nets[i], i);
    canvas_.end_layer();
}

void DiagramPainter::draw_net(const Net& net, std::size_t index) {
    bool picked = (net.status & kNetPicked) != 0;
    DiagramColour own = net.bus ? DiagramColour::Buses : DiagramColour::Wires;
    int width = net.bus ? kBusWidth : kWireWidth;
    canvas_.begin_layer("net" + std::to_string(index));
    for (Orientation o : {Orientation::Horizontal, Orientation::Vertical}) {
        const std::vector<Segment>& segments =
            o == Orientation::Horizontal ? net.horizontal : net.vertical;
        for (std::size_t s = 0; s < segments.size(); ++s) {
            const Segment& segment = segments[s];
            bool selected = picked || (segment.flags & kSegmentSelected) != 0 ||
                            selected_.segments.contains({index, static_cast<int>(o), s});
            canvas_.line({segment.x1, segment.y1}, {segment.x2, segment.y2},
                         {selected_or(selected, own), width});
        }
    }
    int dot = selected_or(picked, own);
    for (const JunctionPoint& junction : net.junctions)
        canvas_.circle({junction.x, junction.y}, net.bus ? kBusJunctionRadius : kJunctionRadius,
                       {dot, 0}, dot);
    for (std::size_t e = 0; e < net.bus_entries.size(); ++e) {
        const BusEntry& entry = *net.bus_entries[e];
        bool selected = picked || selected_.bus_entries.contains({index, e});
        canvas_.line(
            entry.bus_point, entry.stub_end,
            {selected_or(selected, DiagramColour::Buses), entry.slice ? kBusWidth : kWireWidth});
    }
    canvas_.end_layer();
}

void DiagramPainter::draw_net_labels(const BlockDiagram& diagram) {
    for (std::size_t i = 0; i < diagram.nets.size(); ++i) {
        const Net& net = *diagram.nets[i];
        bool picked = (net.status & kNetPicked) != 0;
        draw_label(net.label, LabelKind::Net,
                   picked ? colour(DiagramColour::Selected) : text_colour(net.label.colour));
        for (std::size_t e = 0; e < net.bus_entries.size(); ++e) {
            const BusEntry& entry = *net.bus_entries[e];
            bool selected = picked || selected_.bus_entries.contains({i, e});
            LabelDisplay label = entry.label;
            if (label.text.empty() && label.options != kLabelHidden)
                label.text = bus_entry_label_text(entry);
            draw_label(label, LabelKind::BusEntry,
                       selected ? colour(DiagramColour::Selected) : text_colour(label.colour));
        }
    }
}

} // namespace zeph
