// Adding and deleting entity ports and generics everywhere the entity appears.
#include "blockdiagram/entity_interface.h"

#include "blockdiagram/diagram_labels.h"
#include "blockdiagram/port_geometry.h"
#include "blockdiagram/sheet_sizes.h"
#include "blockdiagram/symbol_geometry.h"
#include "design/block_diagram.h"

#include <cstdlib>

namespace zeph {

namespace {
constexpr int kEdgeInset = 256;
constexpr int kPortRowStep = 128;
constexpr int kGenericColumnX = 128;
constexpr int kNear = 64; // places closer than this are taken

bool near(Point a, Point b) {
    return std::abs(a.x - b.x) < kNear && std::abs(a.y - b.y) < kNear;
}

LabelDisplay component_port_label(const DiagramLabelStyle& style, const Component& component,
                                  const Port& port) {
    LabelDisplay label =
        make_label(style, LabelKind::Port,
                   port_label_point(component_port_origin(component, port), port.side));
    label.text = port_label_text(port, label.options);
    return label;
}

LabelDisplay generic_value_label(const DiagramLabelStyle& style, const Component& component,
                                 std::size_t index) {
    // A column of values below the box, one text line apart.
    constexpr int kValueLine = 96;
    Box box = component_box(component);
    return make_label(style, LabelKind::Generic,
                      {box.x1, box.y2 + kValueLine * static_cast<int>(index + 1)});
}
} // namespace

Point free_diagram_port_position(const Architecture& architecture, int mode) {
    Box extent = sheet_extent(architecture.sheet);
    int x = mode == kModeIn ? kEdgeInset : extent.x2 - kEdgeInset;
    int y = kEdgeInset;
    for (; y < extent.y2 - kEdgeInset; y += kPortRowStep) {
        bool taken = false;
        for (const PortPlacement& placement : architecture.port_placements)
            if (near(placement.position, {x, y})) taken = true;
        if (!taken) break;
    }
    return {x, y};
}

Point free_diagram_generic_position(const Architecture& architecture) {
    Box extent = sheet_extent(architecture.sheet);
    int y = kPortRowStep;
    for (; y < extent.y2 - kPortRowStep; y += kPortRowStep) {
        bool taken = false;
        for (const GenericPlacement& placement : architecture.generic_placements)
            if (near(placement.position, {kGenericColumnX, y})) taken = true;
        if (!taken) break;
    }
    return {kGenericColumnX, y};
}

void label_component_interface(const DiagramLabelStyle& style, Component& component) {
    for (PortInstance& instance : component.port_instances)
        if (instance.port != nullptr)
            instance.label = component_port_label(style, component, *instance.port);
    for (std::size_t i = 0; i < component.generic_values.size(); ++i) {
        GenericValue& value = component.generic_values[i];
        value.label = generic_value_label(style, component, i);
        value.label.text = generic_value_label_text(value);
    }
}

void place_interface(const DiagramLabelStyle& style, const Entity& entity,
                     Architecture& architecture) {
    architecture.port_placements.clear();
    for (const auto& port : entity.ports) {
        PortPlacement placement;
        placement.position = free_diagram_port_position(architecture, port->mode);
        placement.name_label = make_label(
            style, LabelKind::Port, port_label_point(placement.position, diagram_port_side(*port)));
        placement.name_label.text = port_label_text(*port, placement.name_label.options);
        architecture.port_placements.push_back(placement);
    }
    architecture.generic_placements.clear();
    for (const auto& generic : entity.generics) {
        GenericPlacement placement;
        placement.position = free_diagram_generic_position(architecture);
        placement.label = make_label(style, LabelKind::Generic, placement.position);
        placement.label.text = generic_label_text(*generic, placement.label.options);
        architecture.generic_placements.push_back(placement);
    }
}

void place_component_port_labels(Component& component) {
    for (PortInstance& instance : component.port_instances)
        if (instance.port != nullptr)
            instance.label.anchor = port_label_point(
                component_port_origin(component, *instance.port), instance.port->side);
}

Port& add_entity_port(const DiagramLabelStyle& style, Design& design, Entity& entity,
                      std::unique_ptr<Port> port, const Architecture* placed_in, Point position) {
    std::size_t index = entity.ports.size();
    entity.ports.push_back(std::move(port));
    Port& added = *entity.ports.back();
    for (auto& architecture : entity.architectures) {
        PortPlacement placement;
        placement.position = architecture.get() == placed_in
                                 ? position
                                 : free_diagram_port_position(*architecture, added.mode);
        placement.name_label = make_label(
            style, LabelKind::Port, port_label_point(placement.position, diagram_port_side(added)));
        placement.name_label.text = port_label_text(added, placement.name_label.options);
        architecture->port_placements.resize(index);
        architecture->port_placements.push_back(placement);
    }
    for (Component* component : components_of(design, entity)) {
        component->port_instances.resize(index);
        PortInstance instance;
        instance.port = &added;
        instance.component = component;
        instance.label = component_port_label(style, *component, added);
        component->port_instances.push_back(instance);
    }
    return added;
}

void delete_entity_port(Design& design, Entity& entity, std::size_t index, UndoStep& step) {
    if (index >= entity.ports.size()) return;
    step.keep(std::move(entity.ports[index]));
    entity.ports.erase(entity.ports.begin() + static_cast<std::ptrdiff_t>(index));
    for (auto& architecture : entity.architectures) {
        auto& placements = architecture->port_placements;
        if (index < placements.size())
            placements.erase(placements.begin() + static_cast<std::ptrdiff_t>(index));
    }
    for (Component* component : components_of(design, entity)) {
        auto& instances = component->port_instances;
        if (index < instances.size())
            instances.erase(instances.begin() + static_cast<std::ptrdiff_t>(index));
    }
}

Generic& add_entity_generic(const DiagramLabelStyle& style, Design& design, Entity& entity,
                            std::unique_ptr<Generic> generic, const Architecture* placed_in,
                            Point position) {
    std::size_t index = entity.generics.size();
    entity.generics.push_back(std::move(generic));
    Generic& added = *entity.generics.back();
    for (auto& architecture : entity.architectures) {
        GenericPlacement placement;
        placement.position = architecture.get() == placed_in
                                 ? position
                                 : free_diagram_generic_position(*architecture);
        placement.label = make_label(style, LabelKind::Generic, placement.position);
        placement.label.text = generic_label_text(added, placement.label.options);
        architecture->generic_placements.resize(index);
        architecture->generic_placements.push_back(placement);
    }
    for (Component* component : components_of(design, entity)) {
        component->generic_values.resize(index);
        GenericValue value;
        value.generic = &added;
        value.label = generic_value_label(style, *component, index);
        value.label.text = generic_value_label_text(value);
        component->generic_values.push_back(value);
    }
    return added;
}

void delete_entity_generic(Design& design, Entity& entity, std::size_t index, UndoStep& step) {
    if (index >= entity.generics.size()) return;
    step.keep(std::move(entity.generics[index]));
    entity.generics.erase(entity.generics.begin() + static_cast<std::ptrdiff_t>(index));
    for (auto& architecture : entity.architectures) {
        auto& placements = architecture->generic_placements;
        if (index < placements.size())
            placements.erase(placements.begin() + static_cast<std::ptrdiff_t>(index));
    }
    for (Component* component : components_of(design, entity)) {
        auto& values = component->generic_values;
        if (index < values.size())
            values.erase(values.begin() + static_cast<std::ptrdiff_t>(index));
    }
}

void refresh_entity_port_labels(Design& design, Entity& entity, std::size_t index) {
    if (index >= entity.ports.size()) return;
    const Port& port = *entity.ports[index];
    for (auto& architecture : entity.architectures)
        if (index < architecture->port_placements.size()) {
            LabelDisplay& label = architecture->port_placements[index].name_label;
            refresh_label(label, port_label_text(port, label.options));
        }
    for (Component* component : components_of(design, entity))
        if (index < component->port_instances.size()) {
            LabelDisplay& label = component->port_instances[index].label;
            refresh_label(label, port_label_text(port, label.options));
        }
}

} // namespace zeph
