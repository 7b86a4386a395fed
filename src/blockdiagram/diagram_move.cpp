// Moving and resizing the selection.
#include "blockdiagram/selection_edits.h"

#include "blockdiagram/bus_entries.h"
#include "blockdiagram/connect_by_name.h"
#include "blockdiagram/diagram_messages.h"
#include "blockdiagram/entity_interface.h"
#include "blockdiagram/port_geometry.h"
#include "blockdiagram/symbol_geometry.h"
#include "blockdiagram/undo_captures.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/strings.h"

#include <algorithm>

namespace zeph {

namespace {
using Type = DiagramObjectType;

bool selected(const Selection& selection, Type type, const void* record) {
    for (const DiagramObject& object : selection)
        if (object.type == type && (object.component == record || object.process == record))
            return true;
    return false;
}

PlacedPort component_placed_port(Component& component, std::size_t index) {
    PlacedPort placed;
    placed.owner = PortOwner::Component;
    placed.port = component.entity->ports[index].get();
    placed.index = index;
    placed.component = &component;
    return placed;
}

void move_component(Edit& edit, Component& component, Point by) {
    capture_components(edit.step(), edit.editor().diagram());
    component.position = shifted(component.position, by);
    shift(component.name_label, by);
    for (PortInstance& instance : component.port_instances) {
        shift(instance.label, by);
        shift(instance.connect_by_name.label, by);
    }
    for (GenericValue& value : component.generic_values)
        shift(value.label, by);
}

void shift_port(Port& port, Point by) {
    port.position = shifted(port.position, by);
    shift(port.name_label, by);
    shift(port.connect_by_name.label, by);
}

void move_process(Edit& edit, Process& process, Point by) {
    capture_processes(edit.step(), edit.editor().diagram());
    process.box = {process.box.x1 + by.x, process.box.y1 + by.y, process.box.x2 + by.x,
                   process.box.y2 + by.y};
    shift(process.name_label, by);
    for (auto& port : process.ports)
        shift_port(*port, by);
}

// A component port slides along its box: the entity's symbol changes for every component.
void move_component_port(Edit& edit, Component& component, std::size_t index, Point by) {
    DiagramEditor& editor = edit.editor();
    Entity& entity = *component.entity;
    capture_entity_interface(edit.step(), editor.design(), entity);
    Port& port = *entity.ports[index];
    Point old_origin = component_port_origin(component, port);
    BorderPlace place = nearest_border(component_box(component), shifted(old_origin, by));
    Point old_offset = port.position;
    port.side = place.side;
    port.position = {place.origin.x - component.position.x, place.origin.y - component.position.y};
    Point moved = {port.position.x - old_offset.x, port.position.y - old_offset.y};
    shift(port.name_label, moved);
    for (Component* instance : components_of(editor.design(), entity))
        if (index < instance->port_instances.size())
            instance->port_instances[index].label.anchor =
                port_label_point(component_port_origin(*instance, port), port.side);
}

void move_process_port(Edit& edit, Process& process, std::size_t index, Point by) {
    capture_process_ports(edit.step(), process);
    Port& port = *process.ports[index];
    BorderPlace place = nearest_border(process.box, shifted(port.position, by));
    Point moved = {place.origin.x - port.position.x, place.origin.y - port.position.y};
    port.side = place.side;
    shift_port(port, moved);
}

Outcome move_one(Edit& edit, const DiagramObject& object, Point by, const Selection& selection) {
    DiagramEditor& editor = edit.editor();
    Architecture& architecture = editor.architecture();
    switch (object.type) {
    case Type::Component:
        move_component(edit, *object.component, by);
        break;
    case Type::Process:
        move_process(edit, *object.process, by);
        break;
    case Type::DiagramPort: {
        capture_placements(edit.step(), architecture);
        PortPlacement& placement = architecture.port_placements[object.index];
        placement.position = shifted(placement.position, by);
        shift(placement.name_label, by);
        shift(placement.connect_by_name.label, by);
        break;
    }
    case Type::DiagramGeneric: {
        capture_placements(edit.step(), architecture);
        GenericPlacement& placement = architecture.generic_placements[object.index];
        placement.position = shifted(placement.position, by);
        shift(placement.label, by);
        break;
    }
    case Type::ComponentPort:
        if (!selected(selection, Type::Component, object.component))
            move_component_port(edit, *object.component, object.index, by);
        break;
    case Type::ProcessPort:
        if (!selected(selection, Type::Process, object.process))
            move_process_port(edit, *object.process, object.index, by);
        break;
    case Type::FreeText:
        capture_sheet(edit.step(), editor.sheet());
        shift(editor.sheet().texts[object.index], by);
        break;
    case Type::BusEntry: {
        capture_nets(edit.step(), editor.diagram());
        BusEntryRef ref = {object.index, object.entry};
        Point to = shifted(entry_at(editor.diagram(), ref).bus_point, by);
        if (!move_bus_entry(editor.platform(), editor.language(), editor.diagram(), ref, to))
            return Outcome::Refused;
        break;
    }
    case Type::Segment:
        return Outcome::Unchanged;
    }
    return Outcome::Done;
}

bool ports_fit(const std::vector<const Port*>& ports, Point origin, int width, int height) {
    for (const Port* port : ports) {
        Point offset = {port->position.x - origin.x, port->position.y - origin.y};
        bool along_fits = port->side == kSideLeft || port->side == kSideRight ? offset.y <= height
                                                                              : offset.x <= width;
        if (!along_fits) return false;
    }
    return true;
}

// Ports of the right and bottom sides follow the moved border.
void follow_border(Port& port, Point origin, int width, int height) {
    if (port.side == kSideRight) port.position.x = origin.x + width;
    if (port.side == kSideBottom) port.position.y = origin.y + height;
}

Outcome resize_component(Edit& edit, Component& component, Point corner) {
    DiagramEditor& editor = edit.editor();
    Entity& entity = *component.entity;
    if (entity.is_library_module()) return refuse(editor.platform(), kReadOnlyComponent);
    int width = corner.x - component.position.x;
    int height = corner.y - component.position.y;
    std::vector<const Port*> ports;
    for (const auto& port : entity.ports)
        ports.push_back(port.get());
    int step = editor.sheet().grid_step;
    if (width < step || height < step || !ports_fit(ports, {0, 0}, width, height))
        return refuse(editor.platform(), kIllegalPosition);
    capture_entity_interface(edit.step(), editor.design(), entity);
    entity.symbol_width = width;
    entity.symbol_height = height;
    for (auto& port : entity.ports)
        follow_border(*port, {0, 0}, width, height);
    for (Component* instance : components_of(editor.design(), entity))
        place_component_port_labels(*instance);
    return Outcome::Done;
}

Outcome resize_process(Edit& edit, Process& process, Point corner) {
    int width = corner.x - process.box.x1;
    int height = corner.y - process.box.y1;
    std::vector<const Port*> ports;
    for (const auto& port : process.ports)
        ports.push_back(port.get());
    Point origin = {process.box.x1, process.box.y1};
    int step = edit.editor().sheet().grid_step;
    if (width < step || height < step || !ports_fit(ports, origin, width, height))
        return refuse(edit.editor().platform(), kIllegalPosition);
    capture_processes(edit.step(), edit.editor().diagram());
    process.box.x2 = corner.x;
    process.box.y2 = corner.y;
    for (auto& port : process.ports) {
        Point before = port->position;
        follow_border(*port, origin, width, height);
        Point moved = {port->position.x - before.x, port->position.y - before.y};
        shift(port->name_label, moved);
        shift(port->connect_by_name.label, moved);
    }
    return Outcome::Done;
}
} // namespace

Outcome move_selection(DiagramEditor& editor, Point to) {
    if (editor.selection().empty()) return Outcome::Unchanged;
    Selection selection = editor.selection();
    Point from = reference_point(editor, selection.front());
    Point by = {to.x - from.x, to.y - from.y};
    if (by.x == 0 && by.y == 0) return Outcome::Unchanged;
    Edit edit(editor, "move");
    Outcome result = Outcome::Unchanged;
    // Bus entries that change owner change the references of the later entries of their bus:
    // they go last, the later ones of a bus first.
    std::stable_partition(selection.begin(), selection.end(),
                          [](const DiagramObject& o) { return o.type != Type::BusEntry; });
    auto entries = std::find_if(selection.begin(), selection.end(),
                                [](const DiagramObject& o) { return o.type == Type::BusEntry; });
    std::sort(entries, selection.end(), [](const DiagramObject& a, const DiagramObject& b) {
        return a.index != b.index ? a.index > b.index : a.entry > b.entry;
    });
    for (const DiagramObject& object : selection) {
        Outcome moved = move_one(edit, object, by, selection);
        if (moved == Outcome::Refused) return edit.finish(moved);
        if (moved == Outcome::Done) result = Outcome::Done;
    }
    // Entries that changed owner are no longer where the selection says.
    std::erase_if(editor.selection(),
                  [](const DiagramObject& o) { return o.type == Type::BusEntry; });
    return edit.finish(result);
}

Outcome resize_selection(DiagramEditor& editor, Point corner) {
    const Selection& selection = editor.selection();
    bool one_box = selection.size() == 1 && (selection.front().type == Type::Component ||
                                             selection.front().type == Type::Process);
    if (!one_box) {
        std::string words =
            format_text("%s or %s", kind_name(editor.language(), kKindComponent, 0, 1).c_str(),
                        kind_name(editor.language(), kKindProcess, 0, 1).c_str());
        return refuse(editor.platform(), format_text("Select one %s for resizing.", words.c_str()));
    }
    Edit edit(editor, "resize");
    const DiagramObject& object = selection.front();
    Outcome result = object.type == Type::Component
                         ? resize_component(edit, *object.component, corner)
                         : resize_process(edit, *object.process, corner);
    return edit.finish(result);
}

Outcome rotate_selection(DiagramEditor& editor) {
    std::vector<Entity*> entities;
    for (const DiagramObject& object : editor.selection()) {
        if (object.type != Type::Component || object.component->entity == nullptr) continue;
        Entity* entity = object.component->entity;
        if (entity->is_library_module()) return refuse(editor.platform(), kReadOnlyComponent);
        if (std::find(entities.begin(), entities.end(), entity) == entities.end())
            entities.push_back(entity);
    }
    if (entities.empty()) return Outcome::Unchanged;
    Edit edit(editor, "rotate");
    Design& design = editor.design();
    for (Entity* entity : entities) {
        capture_entity_interface(edit.step(), design, *entity);
        // Tags turn with their ports like the port labels that rotate_symbol turns.
        std::vector<std::pair<Component*, std::vector<Point>>> origins;
        for (Component* component : components_of(design, *entity)) {
            std::vector<Point> points;
            for (auto& port : entity->ports)
                points.push_back(component_port_origin(*component, *port));
            origins.push_back({component, points});
        }
        rotate_symbol(design, *entity);
        for (auto& [component, points] : origins)
            for (std::size_t i = 0; i < points.size(); ++i) {
                LabelDisplay& tag = tag_of(component_placed_port(*component, i)).label;
                Point v = turned_vector({tag.anchor.x - points[i].x, tag.anchor.y - points[i].y});
                Point origin = component_port_origin(*component, *entity->ports[i]);
                tag.anchor = {origin.x + v.x, origin.y + v.y};
            }
    }
    return edit.finish(Outcome::Done);
}

} // namespace zeph
