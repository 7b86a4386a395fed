// Copying the selection.
#include "blockdiagram/selection_edits.h"

#include "blockdiagram/bus_entries.h"
#include "blockdiagram/default_names.h"
#include "blockdiagram/diagram_add.h"
#include "blockdiagram/diagram_hit.h"
#include "blockdiagram/diagram_labels.h"
#include "blockdiagram/entity_interface.h"
#include "blockdiagram/name_prompt.h"
#include "blockdiagram/net_geometry.h"
#include "blockdiagram/undo_captures.h"
#include "design/design_constructors.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/strings.h"
#include "hdl/identifier_rules.h"

namespace zeph {

namespace {
using Type = DiagramObjectType;

Outcome copy_component(Edit& edit, const Component& original, Point by) {
    DiagramEditor& editor = edit.editor();
    BlockDiagram& diagram = editor.diagram();
    int rules = editor.name_rules();
    NameCheck check = identifier_check(editor.platform(), rules, editor.language(), kKindComponent,
                                       [&](const std::string& name) {
                                           for (const auto& component : diagram.components)
                                               if (names_equal(component->name, name, rules))
                                                   return true;
                                           return false;
                                       });
    std::optional<std::string> name =
        ask_name(editor.platform(),
                 format_text("Enter name for copy of %s '%s':",
                             kind_name(editor.language(), kKindComponent, 0, 1).c_str(),
                             original.name.c_str()),
                 default_component_name(diagram, rules), check);
    if (!name) return Outcome::Cancelled;
    capture_components(edit.step(), diagram);
    auto copy = std::make_unique<Component>(original);
    copy->name = *name;
    copy->position = shifted(original.position, by);
    shift(copy->name_label, by);
    refresh_label(copy->name_label, component_label_text(*copy, copy->name_label.options));
    for (PortInstance& instance : copy->port_instances) {
        shift(instance.label, by);
        shift(instance.connect_by_name.label, by);
    }
    for (GenericValue& value : copy->generic_values)
        shift(value.label, by);
    add_component(diagram, editor.architecture(), original.entity, original.bound_architecture,
                  std::move(copy));
    return Outcome::Done;
}

Outcome copy_process(Edit& edit, const Process& original, Point by) {
    DiagramEditor& editor = edit.editor();
    BlockDiagram& diagram = editor.diagram();
    capture_processes(edit.step(), diagram);
    std::unique_ptr<Process> copy =
        new_process(default_process_name(diagram, editor.name_rules()), original.kind,
                    editor.defaults(), editor.design().synthesis_tool);
    copy->box = {original.box.x1 + by.x, original.box.y1 + by.y, original.box.x2 + by.x,
                 original.box.y2 + by.y};
    copy->name_label = original.name_label;
    shift(copy->name_label, by);
    refresh_label(copy->name_label, process_label_text(*copy, copy->name_label.options));
    for (const auto& port : original.ports) {
        auto copied = std::make_unique<Port>(*port);
        copied->position = shifted(port->position, by);
        shift(copied->name_label, by);
        copied->connect_by_name = {};
        add_process_port(*copy, std::move(copied));
    }
    zeph::add_process(diagram, editor.architecture(), std::move(copy));
    return Outcome::Done;
}

Outcome copy_generic(Edit& edit, std::size_t index, Point by) {
    DiagramEditor& editor = edit.editor();
    Entity& entity = editor.entity();
    Architecture& architecture = editor.architecture();
    capture_entity_interface(edit.step(), editor.design(), entity);
    edit.step().changes_interface_of(entity);
    auto copy = std::make_unique<Generic>(*entity.generics[index]);
    copy->name = default_generic_name(entity, editor.name_rules());
    Point at = shifted(architecture.generic_placements[index].position, by);
    add_entity_generic(editor.label_style(), editor.design(), entity, std::move(copy),
                       &architecture, at);
    return Outcome::Done;
}

Outcome copy_port(Edit& edit, const DiagramObject& object, Point by) {
    DiagramEditor& editor = edit.editor();
    Architecture& architecture = editor.architecture();
    Point at = shifted(port_origin(architecture, object), by);
    const Port* original = nullptr;
    switch (object.type) {
    case Type::DiagramPort:
        original = editor.entity().ports[object.index].get();
        break;
    case Type::ComponentPort:
        original = object.component->entity->ports[object.index].get();
        break;
    default:
        original = object.process->ports[object.index].get();
        break;
    }
    Port model = *original;
    return place_port(edit, model, at, std::nullopt, object.type == Type::ProcessPort);
}

Outcome copy_entry(Edit& edit, const DiagramObject& object, Point by) {
    BlockDiagram& diagram = edit.editor().diagram();
    capture_nets(edit.step(), diagram);
    BusEntry original = entry_at(diagram, {object.index, object.entry});
    return copy_bus_entry(edit.editor().platform(), edit.editor().language(), diagram, original,
                          shifted(original.bus_point, by))
               ? Outcome::Done
               : Outcome::Refused;
}

Outcome copy_one(Edit& edit, const DiagramObject& object, Point by) {
    DiagramEditor& editor = edit.editor();
    switch (object.type) {
    case Type::Component:
        return copy_component(edit, *object.component, by);
    case Type::Process:
        return copy_process(edit, *object.process, by);
    case Type::DiagramGeneric:
        return copy_generic(edit, object.index, by);
    case Type::DiagramPort:
    case Type::ComponentPort:
    case Type::ProcessPort:
        return copy_port(edit, object, by);
    case Type::BusEntry:
        return copy_entry(edit, object, by);
    case Type::FreeText: {
        capture_sheet(edit.step(), editor.sheet());
        LabelDisplay copy = editor.sheet().texts[object.index];
        shift(copy, by);
        editor.sheet().texts.push_back(copy);
        return Outcome::Done;
    }
    case Type::Segment:
        return Outcome::Unchanged;
    }
    return Outcome::Unchanged;
}
} // namespace

Point reference_point(DiagramEditor& editor, const DiagramObject& object) {
    switch (object.type) {
    case Type::Component:
        return object.component->position;
    case Type::Process:
        return {object.process->box.x1, object.process->box.y1};
    case Type::DiagramPort:
    case Type::ComponentPort:
    case Type::ProcessPort:
        return port_origin(editor.architecture(), object);
    case Type::DiagramGeneric:
        return editor.architecture().generic_placements[object.index].position;
    case Type::FreeText:
        return editor.sheet().texts[object.index].anchor;
    case Type::BusEntry:
        return entry_at(editor.diagram(), {object.index, object.entry}).bus_point;
    case Type::Segment: {
        const Segment& s = segment_at(*editor.diagram().nets[object.index], object.segment);
        return {s.x1, s.y1};
    }
    }
    return {};
}

Outcome copy_selection(DiagramEditor& editor, Point to) {
    if (editor.selection().empty()) return Outcome::Unchanged;
    // Copies add records and may move nets: work from a copy of the selection, whose
    // references stay valid because copies are only appended.
    Selection originals = editor.selection();
    Point from = reference_point(editor, originals.front());
    Point by = {to.x - from.x, to.y - from.y};
    Edit edit(editor, "copy");
    Outcome result = Outcome::Unchanged;
    for (const DiagramObject& object : originals) {
        Outcome copied = copy_one(edit, object, by);
        if (copied == Outcome::Refused || copied == Outcome::Cancelled) return edit.finish(copied);
        if (copied == Outcome::Done) result = Outcome::Done;
    }
    return edit.finish(result);
}

} // namespace zeph
