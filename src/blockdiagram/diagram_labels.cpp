// Label defaults and label texts of diagram objects.
#include "blockdiagram/diagram_labels.h"

#include "design/block_diagram.h"
#include "design/entity.h"
#include "foundation/message_table.h"

namespace zeph {

namespace {

char letter(const char* letters, int kind, int count) {
    return kind >= 0 && kind < count ? letters[kind] : letters[0];
}

int object_colour(const DiagramSettings& s, LabelKind kind, bool bus) {
    switch (kind) {
    case LabelKind::Component:
        return s.colour(DiagramColour::Components);
    case LabelKind::Process:
        return s.colour(DiagramColour::Processes);
    case LabelKind::Generic:
        return s.colour(DiagramColour::Generics);
    case LabelKind::Port:
    case LabelKind::ConnectLabel:
        return s.colour(DiagramColour::Ports);
    case LabelKind::Net:
        return s.colour(bus ? DiagramColour::Buses : DiagramColour::Wires);
    case LabelKind::BusEntry:
        return s.colour(DiagramColour::Buses);
    case LabelKind::FreePlacedText:
        return s.colour(DiagramColour::FreePlacedTexts);
    default:
        return s.colour(DiagramColour::Foreground);
    }
}
} // namespace

int label_colour_for(const DiagramSettings& settings, LabelKind kind, bool object_coloured,
                     bool bus) {
    if (kind == LabelKind::FreePlacedText || object_coloured)
        return object_colour(settings, kind, bus);
    return settings.colour(DiagramColour::Foreground);
}

int label_colour(const DiagramSettings& settings, LabelKind kind, bool bus) {
    return label_colour_for(settings, kind, settings.object_colour_for(kind), bus);
}

LabelDisplay make_label(const DiagramLabelStyle& style, LabelKind kind, Point anchor,
                        std::string text) {
    LabelDisplay label;
    label.anchor = anchor;
    label.size = style.defaults.text_size_of(kind);
    label.options = style.defaults.label_format_of(kind);
    label.colour = label_colour(style.settings, kind);
    label.text = std::move(text);
    return label;
}

std::string component_label_text(const Component& component, unsigned options) {
    std::string text;
    if (options & kShowName) text = component.name;
    if ((options & kShowEntity) && component.entity != nullptr)
        text += ":" + component.entity->name;
    if ((options & kShowArchitecture) && component.bound_architecture != nullptr) {
        const Architecture& bound = *component.bound_architecture;
        text += ":" + bound.name + "(" + letter(kArchitectureLetters, bound.kind, 5) + ")";
    }
    return text;
}

std::string process_label_text(const Process& process, unsigned options) {
    std::string text;
    if (options & kShowName) text = process.name;
    if (options & kShowProcessKind)
        text += std::string("(") + letter(kProcessLetters, process.kind, 3) + ")";
    return text;
}

std::string port_label_text(const Port& port, unsigned options) {
    std::string text;
    if (options & kShowName) text = port.name;
    if ((options & kShowPortRange) && port.range.has_range)
        text += "(" + port.range.left + ":" + port.range.right + ")";
    if ((options & kShowFunction) && port.special_function != kFunctionNone)
        text += std::string("<") + special_function_word(port.special_function) + ">";
    return text;
}

std::string generic_label_text(const Generic& generic, unsigned options) {
    std::string text;
    if (options & kShowName) text = generic.name;
    if ((options & kShowValue) && !generic.default_value.empty())
        text += "(" + generic.default_value + ")";
    return text;
}

std::string generic_value_label_text(const GenericValue& value) {
    if (!value.actual_value.empty()) return value.actual_value;
    return value.generic != nullptr ? value.generic->default_value : std::string();
}

void refresh_label(LabelDisplay& label, const std::string& shown) {
    if (label.options != kLabelHidden) label.text = shown;
}

void refresh_diagram_labels(Architecture& architecture) {
    Entity* entity = architecture.entity;
    if (entity != nullptr) {
        for (std::size_t i = 0; i < architecture.port_placements.size() && i < entity->ports.size();
             ++i) {
            LabelDisplay& label = architecture.port_placements[i].name_label;
            refresh_label(label, port_label_text(*entity->ports[i], label.options));
        }
        for (std::size_t i = 0;
             i < architecture.generic_placements.size() && i < entity->generics.size(); ++i) {
            LabelDisplay& label = architecture.generic_placements[i].label;
            refresh_label(label, generic_label_text(*entity->generics[i], label.options));
        }
    }
    if (architecture.block_diagram == nullptr) return;
    for (auto& component : architecture.block_diagram->components) {
        refresh_label(component->name_label,
                      component_label_text(*component, component->name_label.options));
        for (PortInstance& instance : component->port_instances)
            if (instance.port != nullptr)
                refresh_label(instance.label,
                              port_label_text(*instance.port, instance.label.options));
        for (GenericValue& value : component->generic_values)
            refresh_label(value.label, generic_value_label_text(value));
    }
    for (auto& process : architecture.block_diagram->processes)
        refresh_label(process->name_label,
                      process_label_text(*process, process->name_label.options));
}

} // namespace zeph
