// The dialogs of the block diagrams as shell commands: the fields given as FIELD=VALUE words
// replace the dialog's starting values, and OK runs the dialog's checks.
#include "shell/blockdiagram_command_args.h"

#include "blockdiagram/diagram_add.h"
#include "blockdiagram/diagram_colours.h"
#include "blockdiagram/diagram_editor.h"
#include "blockdiagram/diagram_hit.h"
#include "blockdiagram/diagram_listing.h"
#include "blockdiagram/diagram_wiring.h"
#include "blockdiagram/free_texts.h"
#include "blockdiagram/generic_dialog.h"
#include "blockdiagram/label_options.h"
#include "blockdiagram/net_lookup.h"
#include "blockdiagram/port_dialog.h"
#include "blockdiagram/process_dialog.h"
#include "blockdiagram/selection_edits.h"
#include "blockdiagram/sheet_defaults.h"
#include "blockdiagram/sheet_sizes.h"
#include "blockdiagram/stretch.h"
#include "blockdiagram/symbol_geometry.h"
#include "design/block_diagram.h"
#include "design/design_constructors.h"
#include "design/design_defaults.h"
#include "design/generic.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/strings.h"
#include "shell/command_table.h"
#include "shell/session.h"
#include "shell/state_diagram_edits.h"

#include <charconv>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace zeph::diagram_commands {

namespace {

const Args kPortFieldNames = {"name",    "mode",        "type",      "register",
                              "left",    "right",       "direction", "default",
                              "comment", "sensitivity", "signal",    "function"};

bool take_range(Invocation& inv, const Fields& f, std::string& left, std::string& right,
                int& direction) {
    return take(f, "left", left, text_value()) && take(f, "right", right, text_value()) &&
           take(f, "direction", direction, chooser(inv, kDirectionWords, 0));
}

bool edit_port_command(Invocation& inv, DiagramEditor& editor) {
    std::size_t next = 0;
    std::optional<DiagramObject> object = target(inv, editor, &next);
    if (!object) return false;
    std::optional<Fields> f = fields(inv, next, kPortFieldNames);
    if (!f) return false;
    const Args& sensitivity_words =
        editor.design().target_language == kLanguageVerilog ? kEventWords : kFlagWords;
    if (object->type == Type::ProcessPort) {
        ProcessPortFields p = process_port_fields(*object->process->ports[object->index]);
        if (!take(*f, "mode", p.mode, chooser(inv, kModeWords, kModeIn)) ||
            !take(*f, "sensitivity", p.sensitivity, chooser(inv, sensitivity_words, 0)) ||
            !take(*f, "function", p.special_function, chooser(inv, kFunctionWords, 0)) ||
            !take(*f, "comment", p.comment, text_value()))
            return false;
        return outcome_ok(edit_process_port(editor, *object->process, object->index, p).outcome);
    }
    if (object->type != Type::DiagramPort && object->type != Type::ComponentPort) {
        inv.shell.error("not a port: " + object_text(editor, *object));
        return false;
    }
    Entity& entity =
        object->type == Type::DiagramPort ? editor.entity() : *object->component->entity;
    PortFields p = port_fields(*entity.ports[object->index]);
    if (!take(*f, "name", p.name, text_value()) ||
        !take(*f, "mode", p.mode, chooser(inv, kModeWords, kModeIn)) ||
        !take(*f, "type", p.type_name, text_value()) ||
        !take(*f, "register", p.register_flag, flag_value(inv)) ||
        !take_range(inv, *f, p.left, p.right, p.direction) ||
        !take(*f, "default", p.default_value, text_value()) ||
        !take(*f, "comment", p.comment, text_value()) ||
        !take(*f, "sensitivity", p.sensitivity, chooser(inv, sensitivity_words, 0)) ||
        !take(*f, "signal", p.signal_kind, chooser(inv, kSignalKindWords, 0)) ||
        !take(*f, "function", p.special_function, chooser(inv, kFunctionWords, 0)))
        return false;
    return outcome_ok(edit_port(editor, *object, p).outcome);
}

bool edit_process_command(Invocation& inv, DiagramEditor& editor) {
    std::size_t next = 0;
    std::optional<DiagramObject> object = target(inv, editor, &next);
    if (!object) return false;
    if (object->type != Type::Process) {
        inv.shell.error("not a process: " + object_text(editor, *object));
        return false;
    }
    std::optional<Fields> f = fields(inv, next, {"name", "contents", "sensitivity"});
    if (!f) return false;
    ProcessFields p = process_fields(*object->process);
    if (!take(*f, "name", p.name, text_value()) ||
        !take(*f, "contents", p.kind, chooser(inv, kProcessKindWords, kProcessHdlFile)) ||
        !take(*f, "sensitivity", p.sensitivity_list, flag_value(inv)))
        return false;
    return outcome_ok(edit_process(editor, *object->process, p).outcome);
}

const Args kGenericTypeNames = {"-",       "bit",      "bit_vector", "boolean",    "integer",
                                "natural", "positive", "time",       "userdefined"};
const Args kTimeUnitNames = {"-", "fs", "ps", "ns", "us", "ms", "sec", "min", "hr"};

bool edit_generic_command(Invocation& inv, DiagramEditor& editor) {
    std::size_t next = 0;
    std::optional<DiagramObject> object = target(inv, editor, &next);
    if (!object) return false;
    if (object->type != Type::DiagramGeneric) {
        inv.shell.error("not a generic: " + object_text(editor, *object));
        return false;
    }
    std::optional<Fields> f =
        fields(inv, next, {"name", "type", "user-type", "default", "unit", "comment"});
    if (!f) return false;
    GenericFields g = generic_fields(*editor.entity().generics[object->index]);
    if (!take(*f, "name", g.name, text_value()) ||
        !take(*f, "type", g.type, chooser(inv, kGenericTypeNames, 0)) ||
        !take(*f, "user-type", g.user_type, text_value()) ||
        !take(*f, "default", g.default_value, text_value()) ||
        !take(*f, "unit", g.unit, chooser(inv, kTimeUnitNames, 0)) ||
        !take(*f, "comment", g.comment, text_value()))
        return false;
    return outcome_ok(edit_generic(editor, object->index, g).outcome);
}

// "edit-generic-value [X Y] GENERIC FIELD=VALUE...": the component at the point (or the
// selected one) and a generic of its entity by name.
bool edit_generic_value_command(Invocation& inv, DiagramEditor& editor) {
    std::size_t next = 0;
    std::optional<DiagramObject> object = target(inv, editor, &next);
    if (!object) return false;
    if (object->type != Type::Component || object->component->entity == nullptr) {
        inv.shell.error("not a component: " + object_text(editor, *object));
        return false;
    }
    Component& component = *object->component;
    if (next >= inv.args.size() || inv.args[next].find('=') != std::string::npos) {
        inv.shell.error("edit-generic-value needs the name of a generic of '" +
                        component.entity->name + "'");
        return false;
    }
    const auto& generics = component.entity->generics;
    std::size_t index = 0;
    while (index < generics.size() &&
           !names_equal(generics[index]->name, inv.args[next], editor.name_rules()))
        ++index;
    if (index >= generics.size() || index >= component.generic_values.size()) {
        inv.shell.error("'" + component.entity->name + "' has no generic '" + inv.args[next] + "'");
        return false;
    }
    std::optional<Fields> f = fields(inv, next + 1, {"value", "unit"});
    if (!f) return false;
    GenericValueFields v = generic_value_fields(component.generic_values[index]);
    if (!take(*f, "value", v.value, text_value()) ||
        !take(*f, "unit", v.unit, chooser(inv, kTimeUnitNames, 0)))
        return false;
    return outcome_ok(edit_generic_value(editor, component, index, v));
}

// The net of an edit-net command: a point on it, a name or "Net_N", or the selected segment.
std::optional<std::size_t> net_target(Invocation& inv, DiagramEditor& editor, std::size_t* next) {
    *next = 0;
    if (!inv.args.empty() && inv.args[0].find('=') == std::string::npos &&
        !is_point_at(inv.args, 0)) {
        *next = 1;
        std::optional<std::size_t> n = find_net_index(editor.diagram(), inv.args[0]);
        if (!n)
            editor.platform().status(
                format_text("No %s found.", kind_name(editor.language(), kKindNet, 0, 1).c_str()),
                true);
        return n;
    }
    std::optional<DiagramObject> object = target(inv, editor, next);
    if (!object) return std::nullopt;
    if (object->type != Type::Segment && object->type != Type::BusEntry) {
        inv.shell.error("not a net: " + object_text(editor, *object));
        return std::nullopt;
    }
    return object->index;
}

bool edit_net_command(Invocation& inv, DiagramEditor& editor) {
    std::size_t next = 0;
    std::optional<std::size_t> net = net_target(inv, editor, &next);
    if (!net) return false;
    std::optional<Fields> f = fields(
        inv, next, {"name", "type", "register", "left", "right", "direction", "default", "signal"});
    if (!f) return false;
    NetFields n = net_fields(*editor.diagram().nets[*net]);
    if (!take(*f, "name", n.name, text_value()) || !take(*f, "type", n.type_name, text_value()) ||
        !take(*f, "register", n.register_flag, flag_value(inv)) ||
        !take_range(inv, *f, n.left, n.right, n.direction) ||
        !take(*f, "default", n.default_value, text_value()) ||
        !take(*f, "signal", n.signal_kind, chooser(inv, kSignalKindWords, 0)))
        return false;
    return outcome_ok(edit_net(editor, *net, n).outcome);
}

bool edit_entry_command(Invocation& inv, DiagramEditor& editor) {
    std::size_t next = 0;
    std::optional<DiagramObject> object = target(inv, editor, &next);
    if (!object) return false;
    if (object->type != Type::BusEntry) {
        inv.shell.error("not a bus entry: " + object_text(editor, *object));
        return false;
    }
    std::optional<Fields> f = fields(inv, next, {"slice", "index", "left", "right"});
    if (!f) return false;
    BusEntryRef ref = {object->index, object->entry};
    EntryFields e = entry_fields(entry_at(editor.diagram(), ref));
    if (!take(*f, "slice", e.slice, flag_value(inv)) || !take(*f, "index", e.index, text_value()) ||
        !take(*f, "left", e.left, text_value()) || !take(*f, "right", e.right, text_value()))
        return false;
    return outcome_ok(edit_bus_entry(editor, ref, e).outcome);
}

// The text's fields with those the command gives; nullopt after an error line.
std::optional<TextFields> text_fields_given(Invocation& inv, std::size_t next,
                                            const LabelDisplay& text) {
    std::optional<Fields> f = fields(inv, next, {"text", "scale", "colour"});
    if (!f) return std::nullopt;
    TextFields t = text_fields(text);
    if (!take(*f, "text", t.text, text_value()) || !take(*f, "scale", t.scale, number_value(inv)) ||
        !take(*f, "colour", t.colour, number_value(inv)))
        return std::nullopt;
    return t;
}

bool edit_text_command(Invocation& inv, DiagramEditor& editor) {
    std::size_t next = 0;
    std::optional<DiagramObject> object = target(inv, editor, &next);
    if (!object) return false;
    if (object->type != Type::FreeText) {
        inv.shell.error("not a text: " + object_text(editor, *object));
        return false;
    }
    std::optional<TextFields> t = text_fields_given(inv, next, editor.sheet().texts[object->index]);
    return t && outcome_ok(edit_free_text(editor, object->index, *t));
}

// ---- options -------------------------------------------------------------------------------

std::optional<LabelKind> label_kind(Invocation& inv, const std::string& word) {
    for (LabelKind kind : block_diagram_label_kinds())
        if (to_lower_ascii(word) == to_lower_ascii(label_kind_name(kind))) return kind;
    std::string list;
    for (LabelKind kind : block_diagram_label_kinds())
        list += (list.empty() ? "" : ", ") + std::string(label_kind_name(kind));
    inv.shell.error("'" + word + "' is not one of " + list);
    return std::nullopt;
}

auto format_value(Invocation& inv) {
    return [&inv](const std::string& w) -> std::optional<unsigned> {
        if (to_lower_ascii(w) == "hidden") return kLabelHidden;
        std::optional<int> v = integer(w);
        if (!v || *v < 1) {
            inv.shell.error("'" + w + "' is not a label format (a number from 1, or hidden)");
            return std::nullopt;
        }
        return static_cast<unsigned>(*v);
    };
}

const Args kColourModeWords = {"foreground", "object"};

bool take_label_options(Invocation& inv, const Fields& f, LabelOptions& o) {
    return take(f, "size", o.size, number_value(inv)) &&
           take(f, "format", o.format, format_value(inv)) &&
           take(f, "colour", o.object_colour, [&inv](const std::string& w) -> std::optional<bool> {
               std::optional<int> v = choice(inv, w, kColourModeWords, 0);
               if (!v) return std::nullopt;
               return *v == 1;
           });
}

bool label_options_command(Invocation& inv, DiagramEditor& editor) {
    std::optional<LabelKind> kind = label_kind(inv, inv.args[0]);
    if (!kind) return false;
    std::optional<Fields> f = fields(inv, 1, {"size", "format", "colour", "apply", "defaults"});
    if (!f) return false;
    LabelOptions o = default_label_options(editor, *kind);
    if (!take_label_options(inv, *f, o) ||
        !take(*f, "apply", o.apply_to_diagram, flag_value(inv)) ||
        !take(*f, "defaults", o.set_as_defaults, flag_value(inv)))
        return false;
    return outcome_ok(set_label_options(editor, o));
}

bool object_label_options_command(Invocation& inv, DiagramEditor& editor) {
    std::size_t next = 0;
    std::optional<DiagramObject> object = target(inv, editor, &next);
    if (!object) return false;
    std::optional<Fields> f = fields(inv, next, {"size", "format", "colour"});
    if (!f) return false;
    LabelKind kind = LabelKind::FreePlacedText;
    switch (object->type) {
    case Type::Component:
        kind = LabelKind::Component;
        break;
    case Type::Process:
        kind = LabelKind::Process;
        break;
    case Type::DiagramGeneric:
        kind = LabelKind::Generic;
        break;
    case Type::DiagramPort:
    case Type::ComponentPort:
    case Type::ProcessPort:
        kind = LabelKind::Port;
        break;
    case Type::Segment:
        kind = LabelKind::Net;
        break;
    case Type::BusEntry:
        kind = LabelKind::BusEntry;
        break;
    case Type::FreeText:
        kind = LabelKind::FreePlacedText;
        break;
    }
    LabelOptions o = default_label_options(editor, kind);
    if (!take_label_options(inv, *f, o)) return false;
    return outcome_ok(set_object_label_options(editor, *object, o));
}

bool sheet_defaults_command(Invocation& inv, DiagramEditor& editor) {
    std::optional<Fields> f = fields(inv, 0, {"size", "grid", "factor"});
    if (!f) return false;
    SheetDefaults d = sheet_defaults(editor);
    if (!take(*f, "size", d.size,
              [&inv](const std::string& w) -> std::optional<int> {
                  if (std::optional<int> named = size_table_index(w)) return named;
                  std::optional<int> n = integer(w);
                  if (n && *n >= 1 && *n <= kSheetSizeCount) return n;
                  inv.shell.error("'" + w + "' is not a sheet size (1 to 8 or a size name)");
                  return std::nullopt;
              }) ||
        !take(*f, "grid", d.display_grid, flag_value(inv)) ||
        !take(*f, "factor", d.grid_factor, number_value(inv)))
        return false;
    if (f->empty())
        inv.shell.print("diagram", format_text("sheet size \"%s\", grid %s, grid factor %d",
                                               size_table_name(d.size),
                                               d.display_grid ? "yes" : "no", d.grid_factor));
    return outcome_ok(set_sheet_defaults(editor, d));
}

bool colour_command(Invocation& inv, DiagramEditor& editor) {
    std::optional<DiagramColour> element = diagram_colour_from_name(inv.args[0]);
    if (!element) {
        inv.shell.error("'" + inv.args[0] + "' is not a colour of the block-diagram list");
        return false;
    }
    if (inv.args.size() == 1) {
        inv.shell.print("diagram", format_text("colour %s %d", inv.args[0].c_str(),
                                               editor.settings().colour(*element)));
        return true;
    }
    std::optional<int> value = integer(inv.args[1]);
    if (!value || !set_diagram_colour(editor.settings(), *element, *value)) {
        inv.shell.error("'" + inv.args[1] + "' is not a colour number from 0 to 15");
        return false;
    }
    return true;
}

} // namespace

bool edit_state_text_command(Invocation& inv) {
    std::optional<StateDiagramInEdit> diagram = current_state_diagram(inv.session);
    if (!diagram) return false;
    std::size_t next = 0;
    std::optional<std::size_t> index;
    if (is_point_at(inv.args, 0)) {
        std::optional<Point> at = point(inv, 0);
        if (!at) return false;
        next = 2;
        std::optional<StateDiagramObject> object =
            state_diagram_object_at(diagram->machine, diagram->sheet, *at);
        if (!object || !object->text) {
            inv.shell.error(format_text("no text at %d %d", at->x, at->y));
            return false;
        }
        index = object->text;
    } else {
        const StateDiagramObjects& selected = state_selection_of(inv.session, *diagram);
        if (selected.size() != 1 || !selected.front().text) {
            inv.shell.error("select one text, or give its point");
            return false;
        }
        index = selected.front().text;
    }
    std::optional<TextFields> t = text_fields_given(inv, next, diagram->sheet.texts[*index]);
    return t && outcome_ok(edit_state_diagram_text(inv.session, *index, *t));
}

std::vector<Entry> dialog_commands() {
    return {
        {"edit-port", "[X Y] FIELD=VALUE...",
         "Edit Port: name mode type register left right direction default comment sensitivity "
         "signal function",
         0, kMany, edit_port_command},
        {"edit-process", "[X Y] FIELD=VALUE...", "Edit Process: name contents sensitivity", 0,
         kMany, edit_process_command},
        {"edit-generic", "[X Y] FIELD=VALUE...",
         "Edit Generic: name type user-type default unit comment", 0, kMany, edit_generic_command},
        {"edit-generic-value", "[X Y] GENERIC FIELD=VALUE...",
         "Actual value of a component's generic: value unit", 1, kMany, edit_generic_value_command},
        {"edit-net", "[X Y|NET] FIELD=VALUE...",
         "Edit Net: name type register left right direction default signal", 0, kMany,
         edit_net_command},
        {"edit-entry", "[X Y] FIELD=VALUE...", "Edit Entry: slice index left right", 0, kMany,
         edit_entry_command},
        {"edit-text", "[X Y] FIELD=VALUE...", "Edit Text: text scale colour", 0, kMany,
         edit_text_command},
        {"label-options", "KIND FIELD=VALUE...",
         "Label Options for a kind: size format colour=object|foreground apply defaults", 1, kMany,
         label_options_command},
        {"label-options-object", "[X Y] FIELD=VALUE...",
         "Label Options of one object: size format colour", 0, kMany, object_label_options_command},
        {"sheet-defaults", "[FIELD=VALUE...]", "Sheet Defaults: size grid factor (none: show them)",
         0, 3, sheet_defaults_command},
        {"colour", "NAME [N]", "Set (or show) a colour of the block-diagram list", 1, 2,
         colour_command},
    };
}

} // namespace zeph::diagram_commands
