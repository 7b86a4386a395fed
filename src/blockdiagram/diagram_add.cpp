// Adding components of new entities, processes, generics, ports and free texts.
#include "blockdiagram/diagram_add.h"

#include "blockdiagram/default_names.h"
#include "blockdiagram/diagram_hit.h"
#include "blockdiagram/diagram_labels.h"
#include "blockdiagram/diagram_messages.h"
#include "blockdiagram/diagram_settings.h"
#include "blockdiagram/entity_interface.h"
#include "blockdiagram/name_index.h"
#include "blockdiagram/name_prompt.h"
#include "blockdiagram/port_geometry.h"
#include "blockdiagram/symbol_geometry.h"
#include "blockdiagram/undo_captures.h"
#include "design/design_constructors.h"
#include "design/name_limits.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/strings.h"
#include "hdl/identifier_rules.h"

#include <algorithm>

namespace zeph {

namespace {
constexpr const char* kToplevel = "Toplevel";
constexpr int kNameLabelRise = 48; // a box's name label sits this far above the box

template <class Records>
bool name_used(const Records& records, const std::string& name, int rules) {
    for (const auto& record : records)
        if (names_equal(record->name, name, rules)) return true;
    return false;
}

LabelDisplay box_label(const DiagramLabelStyle& style, LabelKind kind, const Box& box) {
    LabelDisplay label = make_label(style, kind, {(box.x1 + box.x2) / 2, box.y1 - kNameLabelRise});
    label.alignment = kAlignCentred;
    return label;
}

int architecture_kind_of(NewEntityKind kind) {
    switch (kind) {
    case NewEntityKind::BlockDiagram:
        return kArchitectureBlockDiagram;
    case NewEntityKind::StateDiagram:
        return kArchitectureStateDiagram;
    default:
        return kArchitectureHdlFile;
    }
}

bool entity_name_acceptable(const DiagramEditor& editor, const std::string& name,
                            const NameIndex& entities) {
    const int rules = editor.name_rules();
    ui::Platform& platform = editor.platform();
    if (int code = check_identifier(name, kHdlNameLimit, rules); code != 0) {
        refuse_identifier(platform, code, name);
        return false;
    }
    if (names_equal(name, kToplevel, rules)) {
        refuse(platform,
               format_text("%s name '%s' not allowed.",
                           kind_name(editor.language(), kKindEntity, kKindCapital, 1).c_str(),
                           name.c_str()));
        return false;
    }
    if (entities.contains(name)) {
        refuse_duplicate(platform, editor.language(), kKindEntity);
        return false;
    }
    return true;
}

std::unique_ptr<Entity> new_component_entity(const DiagramEditor& editor, const std::string& name,
                                             NewEntityKind kind) {
    Design& design = editor.design();
    std::unique_ptr<Entity> entity = new_entity(design, name);
    entity->external = kind == NewEntityKind::External;
    add_architecture(*entity, new_architecture(architecture_kind_of(kind), "", entity.get(),
                                               editor.defaults(), design.synthesis_tool));
    return entity;
}

// The port's name: the given one after its checks, or the first free default name.
std::optional<std::string> new_port_name(const DiagramEditor& editor, const Entity& entity,
                                         int kind, const std::optional<std::string>& given) {
    const int rules = editor.name_rules();
    if (!given) return default_port_name(entity, rules);
    NameCheck check = identifier_check(
        editor.platform(), rules, editor.language(), kind,
        [&](const std::string& name) { return name_used(entity.ports, name, rules); });
    return check(*given) ? given : std::nullopt;
}

// A new port like the model (mode, type, range and the other fields of the dialog), without
// its place, name, tag or special function (which only one port of an entity may hold).
std::unique_ptr<Port> port_like(const Port& model, const std::string& name) {
    std::unique_ptr<Port> port = new_port();
    port->mode = model.mode;
    port->type_name = model.type_name;
    port->range = model.range;
    port->default_value = model.default_value;
    port->comment = model.comment;
    port->signal_kind = model.signal_kind;
    port->register_flag = model.register_flag;
    port->sensitivity = model.sensitivity;
    port->name = bounded(name, kMaxHdlName);
    return port;
}

void label_symbol_port(const DiagramLabelStyle& style, Port& port) {
    port.name_label =
        make_label(style, LabelKind::Port, port_label_point(port.position, port.side));
    port.name_label.text = port_label_text(port, port.name_label.options);
}

Outcome place_component_port(Edit& edit, Component& component, const Port& model, Point at,
                             const std::optional<std::string>& name) {
    DiagramEditor& editor = edit.editor();
    Entity& entity = *component.entity;
    if (entity.is_library_module()) return refuse(editor.platform(), kReadOnlyComponent);
    std::optional<std::string> port_name = new_port_name(editor, entity, kKindComponentPort, name);
    if (!port_name) return Outcome::Refused;
    capture_entity_interface(edit.step(), editor.design(), entity);
    edit.step().changes_interface_of(entity);
    BorderPlace place = nearest_border(component_box(component), at);
    std::unique_ptr<Port> port = port_like(model, *port_name);
    port->side = place.side;
    port->position = {place.origin.x - component.position.x, place.origin.y - component.position.y};
    label_symbol_port(editor.label_style(), *port);
    add_entity_port(editor.label_style(), editor.design(), entity, std::move(port), nullptr, {});
    return Outcome::Done;
}

Outcome place_process_port(Edit& edit, Process& process, const Port& model, Point at) {
    capture_process_ports(edit.step(), process);
    edit.step().changes_heading_of(process);
    BorderPlace place = nearest_border(process.box, at);
    std::unique_ptr<Port> port = port_like(model, "");
    port->side = place.side;
    port->position = place.origin;
    port->connect_by_name = {};
    // Nameless, but a real label: the design file keeps its size, colour and option word.
    label_symbol_port(edit.editor().label_style(), *port);
    zeph::add_process_port(process, std::move(port));
    return Outcome::Done;
}

Outcome place_diagram_port(Edit& edit, const Port& model, Point at,
                           const std::optional<std::string>& name) {
    DiagramEditor& editor = edit.editor();
    Entity& entity = editor.entity();
    std::optional<std::string> port_name = new_port_name(editor, entity, kKindDiagramPort, name);
    if (!port_name) return Outcome::Refused;
    capture_entity_interface(edit.step(), editor.design(), entity);
    edit.step().changes_interface_of(entity);
    std::unique_ptr<Port> port = port_like(model, *port_name);
    port->side = symbol_side_for_mode(port->mode);
    port->position = free_symbol_place(entity, port->side, editor.sheet().grid_step);
    label_symbol_port(editor.label_style(), *port);
    add_entity_port(editor.label_style(), editor.design(), entity, std::move(port),
                    &editor.architecture(), at);
    // A grown symbol moved the ports of the far side on every component.
    for (Component* component : components_of(editor.design(), entity))
        place_component_port_labels(*component);
    return Outcome::Done;
}
} // namespace

Outcome add_component_of_new_entity(DiagramEditor& editor, Point at, NewEntityKind kind,
                                    const std::optional<std::string>& name,
                                    const std::optional<std::string>& entity_name) {
    Design& design = editor.design();
    BlockDiagram& diagram = editor.diagram();
    int rules = editor.name_rules();
    // The editor's name sets: a script adding thousands of components checks each name at the
    // same cost (a linear scan per name would make drawing quadratic).
    NameIndex& entities = editor.entity_names();
    NameIndex& components = editor.component_names();
    std::string entity_word = entity_name ? *entity_name : entities.first_free(kOtherPrefix);
    if (entity_name && !entity_name_acceptable(editor, *entity_name, entities))
        return Outcome::Refused;
    NameCheck check = identifier_check(
        editor.platform(), rules, editor.language(), kKindComponent,
        [&](const std::string& candidate) { return components.contains(candidate); });
    std::string proposal = name ? std::string() : components.first_free(kComponentPrefix);
    std::optional<std::string> component_name =
        ask_name(editor.platform(),
                 format_text("Enter %s identifier:",
                             kind_name(editor.language(), kKindComponent, 0, 1).c_str()),
                 proposal, check, name);
    if (!component_name) return name ? Outcome::Refused : Outcome::Cancelled;

    Edit edit(editor, "add component");
    Entity& entity = add_entity_in_order(design, new_component_entity(editor, entity_word, kind));
    capture_added_entity(edit.step(), design, entity);
    std::unique_ptr<Component> component = new_component();
    component->name = *component_name;
    component->position = at;
    Component& added = add_component(diagram, editor.architecture(), &entity,
                                     entity.architectures.front().get(), std::move(component));
    capture_added_component(edit.step(), diagram, added);
    added.name_label = box_label(editor.label_style(), LabelKind::Component, component_box(added));
    added.name_label.text = component_label_text(added, added.name_label.options);
    entities.insert(entity.name);
    components.insert(added.name);
    return edit.finish(Outcome::Done);
}

Outcome add_process(DiagramEditor& editor, Point at, int kind,
                    const std::optional<std::string>& name) {
    BlockDiagram& diagram = editor.diagram();
    int rules = editor.name_rules();
    std::string process_name = name.value_or(default_process_name(diagram, rules));
    if (name) {
        NameCheck check =
            identifier_check(editor.platform(), rules, editor.language(), kKindProcess,
                             [&](const std::string& candidate) {
                                 return name_used(diagram.processes, candidate, rules);
                             });
        if (!check(*name)) return Outcome::Refused;
    }
    Edit edit(editor, "add process");
    capture_processes(edit.step(), diagram);
    std::unique_ptr<Process> process =
        new_process(process_name, kind, editor.defaults(), editor.design().synthesis_tool);
    process->box = {at.x, at.y, at.x + kDefaultProcessWidth, at.y + kDefaultProcessHeight};
    process->name_label = box_label(editor.label_style(), LabelKind::Process, process->box);
    process->name_label.text = process_label_text(*process, process->name_label.options);
    zeph::add_process(diagram, editor.architecture(), std::move(process));
    return edit.finish(Outcome::Done);
}

Outcome add_generic(DiagramEditor& editor, Point at, const std::optional<std::string>& name) {
    Entity& entity = editor.entity();
    int rules = editor.name_rules();
    std::string generic_name = name.value_or(default_generic_name(entity, rules));
    if (name) {
        NameCheck check = identifier_check(
            editor.platform(), rules, editor.language(), kKindDiagramGeneric,
            [&](const std::string& n) { return name_used(entity.generics, n, rules); });
        if (!check(*name)) return Outcome::Refused;
    }
    Edit edit(editor, "add generic");
    capture_entity_interface(edit.step(), editor.design(), entity);
    edit.step().changes_interface_of(entity);
    std::unique_ptr<Generic> generic = new_generic();
    generic->name = generic_name;
    add_entity_generic(editor.label_style(), editor.design(), entity, std::move(generic),
                       &editor.architecture(), at);
    return edit.finish(Outcome::Done);
}

Outcome place_port(Edit& edit, const Port& model, Point at, const std::optional<std::string>& name,
                   bool onto_process_only) {
    Architecture& architecture = edit.editor().architecture();
    if (port_origin_near(architecture, at))
        return refuse(edit.editor().platform(), kPositionOccupied);
    Process* process = process_at(architecture, at);
    if (process != nullptr) {
        if (name && !name->empty())
            return refuse(edit.editor().platform(), kIllegalPosition); // process ports have none
        return place_process_port(edit, *process, model, at);
    }
    if (onto_process_only) return refuse(edit.editor().platform(), kIllegalPosition);
    if (Component* component = component_at(architecture, at))
        return place_component_port(edit, *component, model, at, name);
    return place_diagram_port(edit, model, at, name);
}

Outcome add_port(DiagramEditor& editor, Point at, int mode,
                 const std::optional<std::string>& name) {
    Edit edit(editor, "add port");
    Port model;
    model.mode = mode;
    return edit.finish(place_port(edit, model, at, name, false));
}

Outcome add_free_text(DiagramEditor& editor, Point at, const std::optional<std::string>& text) {
    std::optional<std::string> typed = text;
    if (!typed)
        typed = editor.platform().prompt_text(
            format_text("Enter %s:", kind_name(editor.language(), kKindText, 0, 1).c_str()), "",
            kMaxTextLine);
    if (!typed || typed->empty()) return Outcome::Cancelled;
    const DiagramSettings& settings = editor.settings();
    if (settings.colour(DiagramColour::FreePlacedTexts) ==
        settings.colour(DiagramColour::Background))
        return refuse(editor.platform(), "Specified color equals background.");
    Edit edit(editor, "add text");
    capture_sheet(edit.step(), editor.sheet());
    editor.sheet().texts.push_back(make_label(editor.label_style(), LabelKind::FreePlacedText, at,
                                              bounded(*typed, kMaxTextLine)));
    return edit.finish(Outcome::Done);
}

} // namespace zeph
