// The "Edit Port" dialog: checks in the dialog's order, then the port and all its labels.
#include "blockdiagram/port_dialog.h"

#include "blockdiagram/diagram_labels.h"
#include "blockdiagram/diagram_messages.h"
#include "blockdiagram/diagram_settings.h"
#include "blockdiagram/entity_interface.h"
#include "blockdiagram/port_geometry.h"
#include "blockdiagram/undo_captures.h"
#include "design/entity.h"
#include "design/name_limits.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/message_table.h"
#include "foundation/strings.h"
#include "hdl/identifier_rules.h"

namespace zeph {

namespace {
DialogResult<PortField> refused(PortField field) {
    return {Outcome::Refused, field};
}

void bound_fields(PortFields& f) {
    f.name = bounded(f.name, kMaxHdlName);
    f.type_name = bounded(f.type_name, kMaxHdlName);
    f.left = bounded(f.left, kMaxHdlName);
    f.right = bounded(f.right, kMaxHdlName);
    f.default_value = bounded(f.default_value, kMaxValue);
    f.comment = bounded(f.comment, kMaxComment);
}

bool input_mode(int mode) {
    return mode == kModeIn || mode == kModeInout;
}
bool output_mode(int mode) {
    return mode == kModeOut || mode == kModeBuffer;
}

// The special-function rule shared by entity ports and process ports; `others_hold` tells
// whether another port already holds a function.
template <class Others>
DialogResult<PortField> check_function(ui::Platform& platform, int function, Others others_hold) {
    if (function != kFunctionNone && others_hold(function)) {
        refuse(platform, format_text("%s port already present.", special_function_word(function)));
        return refused(PortField::SpecialFunction);
    }
    return {Outcome::Done, PortField::None};
}

DialogResult<PortField> check_mode(ui::Platform& platform, int mode, int function) {
    if (input_mode(mode) && function == kFunctionStateRegister) {
        refuse(platform, "No state regster flag allowed on input mode ports.");
        return refused(PortField::Mode);
    }
    if (output_mode(mode) && (function == kFunctionClock || function == kFunctionReset)) {
        refuse(platform, "No clock or reset flag allowed on output ports.");
        return refused(PortField::Mode);
    }
    return {Outcome::Done, PortField::None};
}

DialogResult<PortField> check_name_and_type(ui::Platform& platform, PortFields& f,
                                            const Entity& entity, const Port& port, int kind,
                                            const NetRules& rules) {
    if (int code = check_identifier(f.name, kHdlNameLimit, rules.rules); code != 0) {
        refuse_identifier(platform, code, f.name);
        return refused(PortField::Name);
    }
    for (const auto& other : entity.ports)
        if (other.get() != &port && names_equal(other->name, f.name, rules.rules)) {
            refuse_duplicate(platform, rules.language, kind);
            return refused(PortField::Name);
        }
    if (rules.type_checks && !f.type_name.empty()) {
        if (int code = check_identifier(f.type_name, kHdlNameLimit, rules.rules); code != 0) {
            refuse_identifier(platform, code, f.type_name);
            return refused(PortField::Type);
        }
    }
    f.type_name = normalise_type_name(f.type_name);
    return {Outcome::Done, PortField::None};
}

DialogResult<PortField> check_range(ui::Platform& platform, PortFields& f, const NetRules& rules) {
    if (f.left.empty() != f.right.empty()) {
        refuse(platform, "Neither or both ranges must specified.");
        return refused(PortField::Range);
    }
    if (!f.left.empty() && !normalise_range_value(f.left, rules.rules)) {
        refuse_value(platform, f.left);
        return refused(PortField::LeftRange);
    }
    if (!f.right.empty() && !normalise_range_value(f.right, rules.rules)) {
        refuse_value(platform, f.right);
        return refused(PortField::RightRange);
    }
    return {Outcome::Done, PortField::None};
}

DialogResult<PortField> check_fields(ui::Platform& platform, PortFields& f, const Entity& entity,
                                     const Port& port, int kind, const NetRules& rules) {
    if (auto r = check_name_and_type(platform, f, entity, port, kind, rules);
        r.outcome == Outcome::Refused)
        return r;
    if (auto r = check_range(platform, f, rules); r.outcome == Outcome::Refused) return r;
    auto held_elsewhere = [&](int function) {
        for (const auto& other : entity.ports)
            if (other.get() != &port && other->special_function == function) return true;
        return false;
    };
    if (auto r = check_function(platform, f.special_function, held_elsewhere);
        r.outcome == Outcome::Refused)
        return r;
    bool ranged = !f.left.empty();
    if (!default_value_is_legal(f.default_value, effective_type_name(f.type_name, ranged, rules))) {
        refuse_value(platform, f.default_value);
        return refused(PortField::DefaultValue);
    }
    return check_mode(platform, f.mode, f.special_function);
}

void apply_fields(Port& port, const PortFields& f) {
    port.name = f.name;
    port.mode = f.mode;
    port.type_name = f.type_name;
    port.register_flag = f.register_flag;
    port.range.has_range = !f.left.empty();
    port.range.left = f.left;
    port.range.right = f.right;
    port.range.direction = f.direction;
    port.default_value = f.default_value;
    port.comment = f.comment;
    port.sensitivity = f.sensitivity;
    port.signal_kind = f.signal_kind;
    port.special_function = f.special_function;
}

// A diagram port's side follows its mode: its labels go to the new side.
void place_diagram_port_labels(Entity& entity, std::size_t index) {
    const Port& port = *entity.ports[index];
    for (auto& architecture : entity.architectures)
        if (index < architecture->port_placements.size()) {
            PortPlacement& placement = architecture->port_placements[index];
            placement.name_label.anchor =
                port_label_point(placement.position, diagram_port_side(port));
        }
}
} // namespace

PortFields port_fields(const Port& port) {
    PortFields f;
    f.name = port.name;
    f.mode = port.mode;
    f.type_name = port.type_name;
    f.register_flag = port.register_flag;
    if (port.range.has_range) {
        f.left = port.range.left;
        f.right = port.range.right;
    }
    f.direction = port.range.direction;
    f.default_value = port.default_value;
    f.comment = port.comment;
    f.sensitivity = port.sensitivity;
    f.signal_kind = port.signal_kind;
    f.special_function = port.special_function;
    return f;
}

DialogResult<PortField> edit_port(DiagramEditor& editor, const DiagramObject& object,
                                  PortFields fields) {
    bool component_port = object.type == DiagramObjectType::ComponentPort;
    Entity& entity = component_port ? *object.component->entity : editor.entity();
    if (component_port && entity.is_library_module()) {
        refuse(editor.platform(), kReadOnlyComponent);
        return refused(PortField::None);
    }
    Port& port = *entity.ports[object.index];
    bound_fields(fields);
    NetRules rules = editor.net_rules();
    int kind = component_port ? kKindComponentPort : kKindDiagramPort;
    if (auto r = check_fields(editor.platform(), fields, entity, port, kind, rules);
        r.outcome == Outcome::Refused)
        return r;
    if (fields == port_fields(port)) return {Outcome::Unchanged, PortField::None};
    Edit edit(editor, "edit port");
    capture_entity_interface(edit.step(), editor.design(), entity);
    edit.step().changes_interface_of(entity);
    bool mode_changed = port.mode != fields.mode;
    apply_fields(port, fields);
    refresh_label(port.name_label, port_label_text(port, port.name_label.options));
    refresh_entity_port_labels(editor.design(), entity, object.index);
    if (mode_changed) place_diagram_port_labels(entity, object.index);
    return {edit.finish(Outcome::Done), PortField::None};
}

ProcessPortFields process_port_fields(const Port& port) {
    return {port.mode, port.sensitivity, port.special_function, port.comment};
}

DialogResult<PortField> edit_process_port(DiagramEditor& editor, Process& process,
                                          std::size_t index, ProcessPortFields fields) {
    Port& port = *process.ports[index];
    fields.comment = bounded(fields.comment, kMaxComment);
    auto held_elsewhere = [&](int function) {
        for (const auto& other : process.ports)
            if (other.get() != &port && other->special_function == function) return true;
        return false;
    };
    if (auto r = check_function(editor.platform(), fields.special_function, held_elsewhere);
        r.outcome == Outcome::Refused)
        return r;
    if (auto r = check_mode(editor.platform(), fields.mode, fields.special_function);
        r.outcome == Outcome::Refused)
        return r;
    if (fields == process_port_fields(port)) return {Outcome::Unchanged, PortField::None};
    Edit edit(editor, "edit process port");
    capture_process_ports(edit.step(), process);
    edit.step().changes_heading_of(process);
    port.mode = fields.mode;
    port.sensitivity = fields.sensitivity;
    port.special_function = fields.special_function;
    port.comment = fields.comment;
    return {edit.finish(Outcome::Done), PortField::None};
}

} // namespace zeph
