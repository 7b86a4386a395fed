// Component and process boxes, their labels, and the generic texts of a diagram.
#include "blockdiagram/diagram_labels.h"
#include "blockdiagram/segment_axis.h"
#include "design/design_defaults.h"
#include "design/entity.h"
#include "drawing/diagram_painter.h"

namespace zeph {

namespace {

Box box_of(const Component& component) {
    const Entity* entity = component.entity;
    Point corner = entity != nullptr ? axis::offset(component.position, entity->symbol_width,
                                                    entity->symbol_height)
                                     : component.position;
    return {component.position.x, component.position.y, corner.x, corner.y};
}

Point centre_of(const Box& box) {
    return {axis::clamped((static_cast<long long>(box.x1) + box.x2) / 2),
            axis::clamped((static_cast<long long>(box.y1) + box.y2) / 2)};
}

} // namespace

void DiagramPainter::draw_processes(const BlockDiagram& diagram) {
    canvas_.begin_layer("processes");
    for (const auto& process : diagram.processes) {
        bool selected = selected_.processes.contains(process.get());
        int fill =
            colour(selected ? DiagramColour::SelectedBackground : DiagramColour::ProcessBackground);
        canvas_.rectangle(process->box,
                          {selected_or(selected, DiagramColour::Processes), kOutlineWidth}, fill);
    }
    canvas_.end_layer();
}

void DiagramPainter::draw_components(const BlockDiagram& diagram) {
    canvas_.begin_layer("components");
    for (const auto& component : diagram.components) {
        bool selected = selected_.components.contains(component.get());
        Box box = box_of(*component);
        int fill = colour(selected ? DiagramColour::SelectedBackground
                                   : DiagramColour::ComponentBackground);
        int line = selected_or(selected, DiagramColour::Components);
        canvas_.rectangle(box, {line, kOutlineWidth}, fill);
        if (component->entity == nullptr) continue;
        // The entity's name in the middle of the box, whatever the name label shows.
        LabelDisplay name;
        name.anchor = centre_of(box);
        name.alignment = kAlignCentred;
        name.text = component->entity->name;
        draw_label(name, LabelKind::Component, line);
    }
    canvas_.end_layer();
}

void DiagramPainter::draw_box_labels(const BlockDiagram& diagram) {
    for (const auto& process : diagram.processes) {
        bool selected = selected_.processes.contains(process.get());
        draw_label(process->name_label, LabelKind::Process,
                   selected ? colour(DiagramColour::Selected)
                            : text_colour(process->name_label.colour));
    }
    for (const auto& component : diagram.components) {
        bool selected = selected_.components.contains(component.get());
        auto shown = [&](int label_colour) {
            return selected ? colour(DiagramColour::Selected) : text_colour(label_colour);
        };
        draw_label(component->name_label, LabelKind::Component,
                   shown(component->name_label.colour));
        for (const GenericValue& value : component->generic_values) {
            LabelDisplay label = value.label;
            if (label.text.empty() && label.options != kLabelHidden)
                label.text = generic_value_label_text(value);
            draw_label(label, LabelKind::Generic, shown(label.colour));
        }
    }
}

void DiagramPainter::draw_generics(const Architecture& architecture) {
    const Entity* entity = architecture.entity;
    for (std::size_t i = 0; i < architecture.generic_placements.size(); ++i) {
        LabelDisplay label = architecture.generic_placements[i].label;
        if (label.text.empty() && label.options != kLabelHidden && entity != nullptr &&
            i < entity->generics.size())
            label.text = generic_label_text(*entity->generics[i], label.options);
        bool selected = selected_.generics.contains(i);
        draw_label(label, LabelKind::Generic,
                   selected ? colour(DiagramColour::Selected) : text_colour(label.colour));
    }
}

} // namespace zeph
