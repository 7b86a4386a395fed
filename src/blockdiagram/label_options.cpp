// The "Label Options" dialog.
#include "blockdiagram/label_options.h"

#include "blockdiagram/connect_by_name.h"
#include "blockdiagram/diagram_labels.h"
#include "blockdiagram/net_geometry.h"
#include "blockdiagram/net_lookup.h"
#include "blockdiagram/port_geometry.h"
#include "blockdiagram/undo_captures.h"
#include "design/entity.h"
#include "foundation/system_message.h"

#include <algorithm>
#include <functional>

namespace zeph {

namespace {
using Type = DiagramObjectType;
using Relabel = std::function<void(LabelDisplay&)>; // rebuilds the text after new options

constexpr int kMinTextSize = 2;
constexpr int kMaxTextSize = 50;

struct KindInfo {
    LabelKind kind;
    const char* name;
    unsigned max_format;
};

constexpr KindInfo kKinds[] = {
    {LabelKind::Component, "Components", 7},
    {LabelKind::Process, "Processes", 3},
    {LabelKind::Generic, "Generics", 3},
    {LabelKind::Port, "Ports", 7},
    {LabelKind::ConnectLabel, "ConnectLabels", 1},
    {LabelKind::Net, "Nets", 3},
    {LabelKind::BusEntry, "BusEntries", 3},
    {LabelKind::State, "States", 7},
    {LabelKind::Condition, "Conditions", 1},
    {LabelKind::Action, "Actions", 1},
    {LabelKind::Priority, "Priorities", 1},
    {LabelKind::FreePlacedText, "FreePlacedTexts", 1},
};

const KindInfo& info(LabelKind kind) {
    for (const KindInfo& k : kKinds)
        if (k.kind == kind) return k;
    return kKinds[0];
}

unsigned valid_format(LabelKind kind, unsigned format) {
    if (format == kLabelHidden) return format;
    return std::clamp(format, 1u, info(kind).max_format);
}

void apply(const DiagramSettings& settings, LabelDisplay& label, const LabelOptions& o, bool bus,
           const Relabel& relabel) {
    label.size = o.size;
    if (o.kind != LabelKind::FreePlacedText) label.options = o.format;
    label.colour = label_colour_for(settings, o.kind, o.object_colour, bus);
    relabel(label);
}

Relabel keep_text() {
    return [](LabelDisplay&) {};
}

// Calls `visit` for every label of the kind on the diagram, with how its text is rebuilt.
void for_each_label(DiagramEditor& editor, LabelKind kind,
                    const std::function<void(LabelDisplay&, bool bus, const Relabel&)>& visit) {
    Architecture& architecture = editor.architecture();
    Entity& entity = editor.entity();
    BlockDiagram& diagram = editor.diagram();
    switch (kind) {
    case LabelKind::Component:
        for (auto& c : diagram.components)
            visit(c->name_label, false,
                  [&c](LabelDisplay& l) { refresh_label(l, component_label_text(*c, l.options)); });
        break;
    case LabelKind::Process:
        for (auto& p : diagram.processes)
            visit(p->name_label, false,
                  [&p](LabelDisplay& l) { refresh_label(l, process_label_text(*p, l.options)); });
        break;
    case LabelKind::Generic:
        for (std::size_t i = 0;
             i < architecture.generic_placements.size() && i < entity.generics.size(); ++i)
            visit(architecture.generic_placements[i].label, false, [&, i](LabelDisplay& l) {
                refresh_label(l, generic_label_text(*entity.generics[i], l.options));
            });
        for (auto& c : diagram.components)
            for (GenericValue& value : c->generic_values)
                visit(value.label, false, [&value](LabelDisplay& l) {
                    refresh_label(l, generic_value_label_text(value));
                });
        break;
    case LabelKind::Port:
        for (std::size_t i = 0; i < architecture.port_placements.size() && i < entity.ports.size();
             ++i)
            visit(architecture.port_placements[i].name_label, false, [&, i](LabelDisplay& l) {
                refresh_label(l, port_label_text(*entity.ports[i], l.options));
            });
        for (auto& c : diagram.components)
            for (PortInstance& instance : c->port_instances)
                visit(instance.label, false, [&instance](LabelDisplay& l) {
                    if (instance.port != nullptr)
                        refresh_label(l, port_label_text(*instance.port, l.options));
                });
        break;
    case LabelKind::ConnectLabel:
        for (const PlacedPort& port : placed_ports(architecture)) {
            ConnectByName& tag = tag_of(port);
            if (tag.mode != kConnectNone) visit(tag.label, false, keep_text());
        }
        break;
    case LabelKind::Net:
        for (auto& net : diagram.nets)
            visit(net->label, net->bus, [&net](LabelDisplay&) { refresh_net_labels(*net); });
        break;
    case LabelKind::BusEntry:
        for (auto& net : diagram.nets)
            for (auto& entry : net->bus_entries)
                visit(entry->label, true, [&net](LabelDisplay&) { refresh_net_labels(*net); });
        break;
    case LabelKind::FreePlacedText:
        for (LabelDisplay& text : editor.sheet().texts)
            visit(text, false, keep_text());
        break;
    default:
        break;
    }
}

void capture_labels(Edit& edit) {
    DiagramEditor& editor = edit.editor();
    capture_components(edit.step(), editor.diagram());
    capture_processes(edit.step(), editor.diagram());
    capture_placements(edit.step(), editor.architecture());
    capture_component_tags(edit.step(), editor.architecture());
    capture_nets(edit.step(), editor.diagram());
    capture_sheet(edit.step(), editor.sheet());
}

bool differs_from_defaults(const DiagramEditor& editor, const LabelOptions& o) {
    LabelOptions d = default_label_options(editor, o.kind);
    return o.size != d.size || o.format != d.format || o.object_colour != d.object_colour;
}

void set_defaults(DiagramEditor& editor, const LabelOptions& o) {
    int k = static_cast<int>(o.kind);
    editor.defaults().text_size[k] = o.size;
    editor.defaults().label_format[k] = o.format;
    editor.settings().label_in_object_colour[k] = o.object_colour;
}

// The label of the object that the kind names: a component's name or the port's label, ...
LabelDisplay* object_label(DiagramEditor& editor, const DiagramObject& object, Relabel* relabel) {
    Architecture& architecture = editor.architecture();
    *relabel = keep_text();
    switch (object.type) {
    case Type::Component: {
        Component* c = object.component;
        *relabel = [c](LabelDisplay& l) { refresh_label(l, component_label_text(*c, l.options)); };
        return &c->name_label;
    }
    case Type::Process: {
        Process* p = object.process;
        *relabel = [p](LabelDisplay& l) { refresh_label(l, process_label_text(*p, l.options)); };
        return &p->name_label;
    }
    case Type::DiagramPort: {
        Port* port = editor.entity().ports[object.index].get();
        *relabel = [port](LabelDisplay& l) { refresh_label(l, port_label_text(*port, l.options)); };
        return &architecture.port_placements[object.index].name_label;
    }
    case Type::ComponentPort: {
        PortInstance& instance = object.component->port_instances[object.index];
        Port* port = instance.port;
        *relabel = [port](LabelDisplay& l) { refresh_label(l, port_label_text(*port, l.options)); };
        return &instance.label;
    }
    case Type::DiagramGeneric: {
        Generic* generic = editor.entity().generics[object.index].get();
        *relabel = [generic](LabelDisplay& l) {
            refresh_label(l, generic_label_text(*generic, l.options));
        };
        return &architecture.generic_placements[object.index].label;
    }
    case Type::Segment: {
        Net* net = editor.diagram().nets[object.index].get();
        *relabel = [net](LabelDisplay&) { refresh_net_labels(*net); };
        return &net->label;
    }
    case Type::BusEntry: {
        Net* net = editor.diagram().nets[object.index].get();
        *relabel = [net](LabelDisplay&) { refresh_net_labels(*net); };
        return &net->bus_entries[object.entry]->label;
    }
    case Type::FreeText:
        return &editor.sheet().texts[object.index];
    case Type::ProcessPort:
        return nullptr;
    }
    return nullptr;
}
} // namespace

std::vector<LabelKind> block_diagram_label_kinds() {
    return {LabelKind::Component, LabelKind::Process,       LabelKind::Generic,
            LabelKind::Port,      LabelKind::ConnectLabel,  LabelKind::Net,
            LabelKind::BusEntry,  LabelKind::FreePlacedText};
}

const char* label_kind_name(LabelKind kind) {
    return info(kind).name;
}

unsigned max_label_format(LabelKind kind) {
    return info(kind).max_format;
}

LabelOptions default_label_options(const DiagramEditor& editor, LabelKind kind) {
    LabelOptions o;
    o.kind = kind;
    o.size = editor.defaults().text_size_of(kind);
    o.format = editor.defaults().label_format_of(kind);
    o.object_colour = editor.settings().object_colour_for(kind);
    return o;
}

Outcome set_label_options(DiagramEditor& editor, LabelOptions o) {
    o.size = std::clamp(o.size, kMinTextSize, kMaxTextSize);
    o.format = valid_format(o.kind, o.format);
    if (!o.apply_to_diagram && !o.set_as_defaults) {
        if (!differs_from_defaults(editor, o)) return Outcome::Unchanged;
        editor.platform().message_box(
            program_name(), "Please apply changes to diagram\nand/or set them as new defaults.");
        return Outcome::Refused;
    }
    if (o.set_as_defaults) set_defaults(editor, o);
    if (!o.apply_to_diagram) return Outcome::Done;
    Edit edit(editor, "label options");
    capture_labels(edit);
    for_each_label(editor, o.kind, [&](LabelDisplay& label, bool bus, const Relabel& relabel) {
        apply(editor.settings(), label, o, bus, relabel);
    });
    return edit.finish(Outcome::Done);
}

Outcome set_object_label_options(DiagramEditor& editor, const DiagramObject& object,
                                 LabelOptions o) {
    o.size = std::clamp(o.size, kMinTextSize, kMaxTextSize);
    o.format = valid_format(o.kind, o.format);
    Relabel relabel;
    if (object_label(editor, object, &relabel) == nullptr) return Outcome::Unchanged;
    Edit edit(editor, "label options");
    capture_labels(edit);
    LabelDisplay* label = object_label(editor, object, &relabel);
    bool bus = object.type == Type::BusEntry ||
               (object.type == Type::Segment && editor.diagram().nets[object.index]->bus);
    apply(editor.settings(), *label, o, bus, relabel);
    return edit.finish(Outcome::Done);
}

} // namespace zeph
