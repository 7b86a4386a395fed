// The block-diagram commands of the shell: argument parsing and the calls of the diagram
// editor's operations.
#include "shell/blockdiagram_commands.h"

#include "shell/blockdiagram_command_args.h"

#include "blockdiagram/diagram_add.h"
#include "blockdiagram/diagram_colours.h"
#include "blockdiagram/diagram_editor.h"
#include "blockdiagram/diagram_hit.h"
#include "blockdiagram/diagram_listing.h"
#include "blockdiagram/diagram_wiring.h"
#include "blockdiagram/free_texts.h"
#include "blockdiagram/label_options.h"
#include "blockdiagram/net_lookup.h"
#include "blockdiagram/port_dialog.h"
#include "blockdiagram/process_dialog.h"
#include "blockdiagram/selection_edits.h"
#include "blockdiagram/sheet_defaults.h"
#include "blockdiagram/sheet_sizes.h"
#include "blockdiagram/stretch.h"
#include "blockdiagram/symbol_geometry.h"
#include "blockdiagram/view_highlight.h"
#include "design/block_diagram.h"
#include "design/design_constructors.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/strings.h"
#include "shell/command_table.h"
#include "shell/session.h"
#include "shell/state_diagram_edits.h"
#include "ui/platform.h"

#include <charconv>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace zeph {

namespace {

using namespace diagram_commands;

constexpr std::size_t kGotoAnswerLength = 64;

// ---- the session's diagram -----------------------------------------------------------------

Architecture* first_block_diagram(Entity& entity) {
    for (auto& architecture : entity.architectures)
        if (architecture->block_diagram != nullptr) return architecture.get();
    return nullptr;
}

// The design's current diagram when it is a block diagram, else the top level's.
Architecture* default_diagram(Design& design) {
    Architecture* current = design.current_architecture;
    if (current != nullptr && current->block_diagram != nullptr &&
        design.current_process == nullptr)
        return current;
    Entity* top = design.root != nullptr ? design.root : find_entity(design, "Toplevel");
    return top != nullptr ? first_block_diagram(*top) : nullptr;
}

// The editor on the session's design with a diagram open; null (an error shown) without one.
DiagramEditor* editor_for(Invocation& inv) {
    Design* design = inv.session.design();
    DiagramEditor& editor = inv.session.editor();
    if (design == nullptr) {
        inv.shell.error("no design is open");
        return nullptr;
    }
    if (editor.is_open() && &editor.design() == design) return &editor;
    Architecture* architecture = default_diagram(*design);
    if (architecture == nullptr || !editor.open(*design, *architecture)) {
        inv.shell.error("the design has no block diagram to edit; choose one with 'diagram'");
        return nullptr;
    }
    return &editor;
}

using EditorCommand = std::function<bool(Invocation&, DiagramEditor&)>;

CommandHandler on_diagram(EditorCommand command) {
    return [command = std::move(command)](Invocation& inv) {
        DiagramEditor* editor = editor_for(inv);
        return editor != nullptr && command(inv, *editor);
    };
}

// ---- choosing the diagram ------------------------------------------------------------------

bool choose_diagram(Invocation& inv) {
    Design* design = inv.session.design();
    if (design == nullptr) {
        inv.shell.error("no design is open");
        return false;
    }
    DiagramEditor& editor = inv.session.editor();
    if (inv.args.empty()) {
        DiagramEditor* open = editor_for(inv);
        if (open == nullptr) return false;
        inv.shell.print("diagram", format_text("%s of %s", open->architecture().name.c_str(),
                                               open->entity().name.c_str()));
        return true;
    }
    Entity* entity = find_entity(*design, inv.args[0]);
    if (entity == nullptr) {
        inv.shell.error("no entity '" + inv.args[0] + "'");
        return false;
    }
    Architecture* architecture = inv.args.size() > 1 ? find_architecture(*entity, inv.args[1])
                                                     : first_block_diagram(*entity);
    if (architecture == nullptr || architecture->block_diagram == nullptr) {
        inv.shell.error("entity '" + entity->name + "' has no block diagram" +
                        (inv.args.size() > 1 ? " '" + inv.args[1] + "'" : std::string()));
        return false;
    }
    return editor.open(*design, *architecture);
}

bool list_diagram(Invocation& inv, DiagramEditor& editor) {
    for (const std::string& line : diagram_listing(editor.architecture()))
        inv.shell.print("diagram", line);
    return true;
}

bool add_component_command(Invocation& inv, DiagramEditor& editor) {
    std::optional<Point> at = point(inv, 0);
    if (!at) return false;
    NewEntityKind kind = NewEntityKind::BlockDiagram;
    if (inv.args.size() > 4) {
        std::optional<int> k = choice(inv, inv.args[4], kEntityKindWords, 0);
        if (!k) return false;
        kind = static_cast<NewEntityKind>(*k);
    }
    return outcome_ok(add_component_of_new_entity(editor, *at, kind, optional_word(inv.args, 2),
                                                  optional_word(inv.args, 3)));
}

bool add_process_command(Invocation& inv, DiagramEditor& editor) {
    std::optional<Point> at = point(inv, 0);
    if (!at) return false;
    int kind = kProcessHdlFile;
    if (inv.args.size() > 2) {
        std::optional<int> k = choice(inv, inv.args[2], kProcessKindWords, kProcessHdlFile);
        if (!k) return false;
        kind = *k;
    }
    return outcome_ok(add_process(editor, *at, kind, optional_word(inv.args, 3)));
}

bool add_port_command(Invocation& inv, DiagramEditor& editor) {
    std::optional<int> mode = choice(inv, inv.args[0], kModeWords, kModeIn);
    if (!mode) return false;
    if (*mode == kModeBuffer && editor.design().target_language == kLanguageVerilog) {
        inv.shell.error("Verilog has no Buffer ports");
        return false;
    }
    std::optional<Point> at = point(inv, 1);
    if (!at) return false;
    return outcome_ok(add_port(editor, *at, *mode, optional_word(inv.args, 3)));
}

bool add_text_command(Invocation& inv, DiagramEditor& editor) {
    std::optional<Point> at = point(inv, 0);
    if (!at) return false;
    std::optional<std::string> text;
    if (inv.args.size() > 2) text = rest_of(inv.args, 2);
    return outcome_ok(add_free_text(editor, *at, text));
}

// On a state diagram a free text goes on the state diagram's sheet, not on a block diagram
// opened behind it.
bool add_text_anywhere(Invocation& inv) {
    if (!current_state_diagram(inv.session)) return on_diagram(add_text_command)(inv);
    std::optional<Point> at = point(inv, 0);
    if (!at) return false;
    std::optional<std::string> text;
    if (inv.args.size() > 2) text = rest_of(inv.args, 2);
    return outcome_ok(add_state_diagram_text(inv.session, *at, text));
}

bool wire_command(Invocation& inv, DiagramEditor& editor, bool vertical_first) {
    std::optional<std::vector<Point>> polyline = points(inv, 0);
    if (!polyline) return false;
    if (polyline->size() < 2) {
        inv.shell.error("a wire needs at least two points");
        return false;
    }
    return outcome_ok(add_wire(editor, *polyline, vertical_first));
}

// ---- selection -----------------------------------------------------------------------------

void show_selection(Invocation& inv, DiagramEditor& editor) {
    if (editor.selection().empty()) {
        inv.shell.print("selected", "nothing");
        return;
    }
    for (const DiagramObject& object : editor.selection())
        inv.shell.print("selected", object_text(editor, object));
}

void add_unique(Selection& selection, const DiagramObject& object) {
    if (std::find(selection.begin(), selection.end(), object) == selection.end())
        selection.push_back(object);
}

bool select_at(Invocation& inv, DiagramEditor& editor, bool adding) {
    std::optional<std::vector<Point>> at = points(inv, 0);
    if (!at) return false;
    clear_net_highlight(editor.diagram());
    if (!adding) editor.selection().clear();
    for (Point p : *at) {
        std::optional<DiagramObject> object = object_at(editor.architecture(), p);
        if (!object) {
            inv.shell.error(format_text("nothing at %d %d", p.x, p.y));
            return false;
        }
        add_unique(editor.selection(), *object);
    }
    show_selection(inv, editor);
    return true;
}

bool select_area(Invocation& inv, DiagramEditor& editor) {
    std::optional<std::vector<Point>> corners = points(inv, 0, 2);
    if (!corners) return false;
    clear_net_highlight(editor.diagram());
    Box area = normalised_box((*corners)[0], (*corners)[1]);
    editor.selection() = objects_in(editor.architecture(), area);
    show_selection(inv, editor);
    return true;
}

template <class Records>
std::optional<std::size_t> index_of_name(const Records& records, const std::string& name) {
    for (std::size_t i = 0; i < records.size(); ++i)
        if (records[i]->name == name) return i;
    return std::nullopt;
}

// "component NAME", "process NAME", "port NAME", "generic NAME", "net NAME|Net_N", "text N".
std::optional<Selection> named_objects(Invocation& inv, DiagramEditor& editor) {
    const std::string& kind = inv.args[0];
    const std::string& name = inv.args[1];
    BlockDiagram& diagram = editor.diagram();
    Selection found;
    auto one = [&](Type type, std::size_t index) {
        DiagramObject o;
        o.type = type;
        o.index = index;
        return o;
    };
    if (kind == "component") {
        for (auto& c : diagram.components)
            if (c->name == name) {
                DiagramObject o = one(Type::Component, 0);
                o.component = c.get();
                found.push_back(o);
            }
    } else if (kind == "process") {
        for (auto& p : diagram.processes)
            if (p->name == name) {
                DiagramObject o = one(Type::Process, 0);
                o.process = p.get();
                found.push_back(o);
            }
    } else if (kind == "port") {
        if (auto i = index_of_name(editor.entity().ports, name))
            found.push_back(one(Type::DiagramPort, *i));
    } else if (kind == "generic") {
        if (auto i = index_of_name(editor.entity().generics, name))
            found.push_back(one(Type::DiagramGeneric, *i));
    } else if (kind == "net") {
        if (std::optional<std::size_t> n = find_net_index(diagram, name)) {
            const Net& net = *diagram.nets[*n];
            for (std::size_t i = 0; i < net.horizontal.size() + net.vertical.size(); ++i) {
                DiagramObject o = one(Type::Segment, *n);
                bool horizontal = i < net.horizontal.size();
                o.segment = {horizontal ? Orientation::Horizontal : Orientation::Vertical,
                             horizontal ? i : i - net.horizontal.size()};
                found.push_back(o);
            }
        }
    } else if (kind == "text") {
        std::optional<int> i = integer(name);
        if (i && *i >= 0 && static_cast<std::size_t>(*i) < editor.sheet().texts.size())
            found.push_back(one(Type::FreeText, static_cast<std::size_t>(*i)));
    } else {
        inv.shell.error("'" + kind +
                        "' is not one of component, process, port, generic, net, text");
        return std::nullopt;
    }
    if (found.empty()) {
        inv.shell.error("no " + kind + " '" + name + "'");
        return std::nullopt;
    }
    return found;
}

bool select_named(Invocation& inv, DiagramEditor& editor) {
    std::optional<Selection> found = named_objects(inv, editor);
    if (!found) return false;
    clear_net_highlight(editor.diagram());
    editor.selection() = *found;
    show_selection(inv, editor);
    return true;
}

bool tag_command(Invocation& inv, DiagramEditor& editor) {
    std::optional<Point> at = point(inv, 0);
    return at && outcome_ok(place_tag(editor, *at));
}

bool edit_tag_command(Invocation& inv, DiagramEditor& editor) {
    std::optional<Point> at = point(inv, 0);
    if (!at) return false;
    return outcome_ok(edit_tag(editor, *at, inv.args.size() > 2 ? inv.args[2] : std::string()));
}

// ---- stretch, view -------------------------------------------------------------------------

// The line and the drag end from the arguments, or picked with "Select a position." and
// "Select width.".
bool stretch_command(Invocation& inv, DiagramEditor& editor, Axis axis, bool contracting) {
    std::optional<int> line;
    std::optional<int> drag;
    if (!inv.args.empty() && !(line = coordinate(inv.args[0]))) {
        inv.shell.error("'" + inv.args[0] + "' is not a coordinate");
        return false;
    }
    if (inv.args.size() > 1 && !(drag = coordinate(inv.args[1]))) {
        inv.shell.error("'" + inv.args[1] + "' is not a coordinate");
        return false;
    }
    auto along = [axis](ui::Point p) { return axis == Axis::Horizontal ? p.x : p.y; };
    if (!line) {
        std::optional<ui::Point> picked = editor.platform().pick_point("Select a position.");
        if (!picked) return true;
        line = along(*picked);
    }
    bool allowed = contracting ? contract_line_allowed(editor, axis, *line)
                               : stretch_line_allowed(editor, axis, *line);
    if (!allowed) return false;
    if (!drag) {
        std::optional<ui::Point> picked = editor.platform().pick_point("Select width.");
        if (!picked) return true;
        drag = along(*picked);
    }
    return outcome_ok(contracting ? contract(editor, axis, *line, *drag)
                                  : stretch(editor, axis, *line, *drag));
}

void show_view(Invocation& inv, DiagramEditor& editor) {
    const Box& a = editor.view().area;
    inv.shell.print("view", format_text("%d %d %d %d", a.x1, a.y1, a.x2, a.y2));
}

bool view_result(Invocation& inv, DiagramEditor& editor, Outcome outcome) {
    show_view(inv, editor);
    return outcome_ok(outcome);
}

bool goto_command(Invocation& inv, DiagramEditor& editor) {
    std::string answer;
    if (inv.args.empty()) {
        std::optional<std::string> typed =
            editor.platform().prompt_text(format_text("Enter %s:", "x, y"), "", kGotoAnswerLength);
        if (!typed) return true;
        answer = *typed;
    } else {
        answer = rest_of(inv.args, 0);
    }
    return view_result(inv, editor,
                       go_to(editor.platform(), editor.view(), editor.sheet(), answer));
}

// ---- registration --------------------------------------------------------------------------

std::vector<Entry> adding_commands() {
    return {
        {"add-component", "X Y [NAME [ENTITY [block|hdl|state|external]]]",
         "Add Component of New Entity (top-left corner at X Y)", 2, 5, add_component_command},
        {"add-process", "X Y [hdl|state [NAME]]", "Add Process with V-File or State Diagram", 2, 4,
         add_process_command},
        {"add-generic", "X Y [NAME]", "Add Generic", 2, 3,
         [](Invocation& inv, DiagramEditor& e) {
             std::optional<Point> at = point(inv, 0);
             return at && outcome_ok(add_generic(e, *at, optional_word(inv.args, 2)));
         }},
        {"add-port", "in|out|inout|buffer X Y [NAME]",
         "Add Port (on a component or process box: a port of it)", 3, 4, add_port_command},
        {"wire", "X1 Y1 X2 Y2 [X Y...]",
         "Add Wire/Net along a polyline (L corners: horizontal first)", 4, kMany,
         [](Invocation& inv, DiagramEditor& e) { return wire_command(inv, e, false); }},
        {"wire-vertical-first", "X1 Y1 X2 Y2 [X Y...]", "Add Wire/Net, L corners vertical first", 4,
         kMany, [](Invocation& inv, DiagramEditor& e) { return wire_command(inv, e, true); }},
        {"add-bus-entry", "X Y", "Add Bus Entry on the bus at X Y", 2, 2,
         [](Invocation& inv, DiagramEditor& e) {
             std::optional<Point> at = point(inv, 0);
             return at && outcome_ok(add_bus_entry(e, *at));
         }},
        {"tag", "X Y", "Add Connect-by-Name Label to the port connecting at X Y", 2, 2,
         tag_command},
        {"edit-tag", "X Y [NAME]", "Edit Connect-by-Name (empty: by the port's own name)", 2, 3,
         edit_tag_command},
        {"copy-tag", "X1 Y1 X2 Y2", "Copy the tag of the port at X1 Y1 to the port at X2 Y2", 4, 4,
         [](Invocation& inv, DiagramEditor& e) {
             std::optional<std::vector<Point>> p = points(inv, 0, 2);
             return p && outcome_ok(copy_tag(e, (*p)[0], (*p)[1]));
         }},
        {"untag", "X Y", "Remove the tag of the port connecting at X Y", 2, 2,
         [](Invocation& inv, DiagramEditor& e) {
             std::optional<Point> at = point(inv, 0);
             return at && outcome_ok(remove_tag(e, *at));
         }},
    };
}

std::vector<Entry> selection_commands() {
    return {
        {"select", "X Y [X Y...]", "Select the objects at the points", 2, kMany,
         [](Invocation& inv, DiagramEditor& e) { return select_at(inv, e, false); }},
        {"select-add", "X Y [X Y...]", "Add the objects at the points to the selection", 2, kMany,
         [](Invocation& inv, DiagramEditor& e) { return select_at(inv, e, true); }},
        {"select-area", "X1 Y1 X2 Y2", "Select the objects inside the rectangle", 4, 4,
         select_area},
        {"select-object", "KIND NAME", "Select a component, process, port, generic, net or text", 2,
         2, select_named},
        {"select-none", "", "Empty the selection", 0, 0,
         [](Invocation& inv, DiagramEditor& e) {
             clear_net_highlight(e.diagram());
             e.selection().clear();
             show_selection(inv, e);
             return true;
         }},
        {"selection", "", "Show the selection", 0, 0,
         [](Invocation& inv, DiagramEditor& e) {
             show_selection(inv, e);
             return true;
         }},
        {"delete", "", "Delete the selection", 0, 0,
         [](Invocation&, DiagramEditor& e) { return outcome_ok(delete_selection(e)); }},
        {"copy", "X Y", "Copy the selection (its first object to X Y)", 2, 2,
         [](Invocation& inv, DiagramEditor& e) {
             std::optional<Point> to = point(inv, 0);
             return to && outcome_ok(copy_selection(e, *to));
         }},
        {"move", "X Y", "Move the selection (its first object to X Y)", 2, 2,
         [](Invocation& inv, DiagramEditor& e) {
             std::optional<Point> to = point(inv, 0);
             return to && outcome_ok(move_selection(e, *to));
         }},
        {"resize", "X Y", "Resize the selected box (its bottom-right corner to X Y)", 2, 2,
         [](Invocation& inv, DiagramEditor& e) {
             std::optional<Point> to = point(inv, 0);
             return to && outcome_ok(resize_selection(e, *to));
         }},
        {"rotate", "", "Rotate the symbols of the selected components", 0, 0,
         [](Invocation&, DiagramEditor& e) { return outcome_ok(rotate_selection(e)); }},
        {"clear", "", "Clear the Current Diagram", 0, 0,
         [](Invocation&, DiagramEditor& e) { return outcome_ok(clear_diagram(e)); }},
        {"undo", "", "Undo (Ctrl-Z) the last edit of this diagram", 0, 0,
         [](Invocation&, DiagramEditor& e) { return outcome_ok(e.undo()); }},
        {"undo-info", "", "Show the undo tool's text and the number of edits to undo", 0, 0,
         [](Invocation& inv, DiagramEditor& e) {
             inv.shell.print("undo",
                             format_text("%s (%zu)", e.undo_text().c_str(), e.undo_depth()));
             return true;
         }},
    };
}

std::vector<Entry> area_commands() {
    auto stretching = [](Axis axis, bool contracting) {
        return [axis, contracting](Invocation& inv, DiagramEditor& e) {
            return stretch_command(inv, e, axis, contracting);
        };
    };
    return {
        {"stretch-h", "[X0 [X1]]", "Hor. Stretch at the line x = X0 by the drag to X1", 0, 2,
         stretching(Axis::Horizontal, false)},
        {"stretch-v", "[Y0 [Y1]]", "Vert. Stretch at the line y = Y0 by the drag to Y1", 0, 2,
         stretching(Axis::Vertical, false)},
        {"contract-h", "[X0 [X1]]", "Hor. Contract at the line x = X0 by the drag to X1", 0, 2,
         stretching(Axis::Horizontal, true)},
        {"contract-v", "[Y0 [Y1]]", "Vert. Contract at the line y = Y0 by the drag to Y1", 0, 2,
         stretching(Axis::Vertical, true)},
        {"zoom-in", "", "Zoom In", 0, 0,
         [](Invocation& inv, DiagramEditor& e) {
             return view_result(inv, e, zoom_in(e.platform(), e.view()));
         }},
        {"zoom-out", "", "Zoom Out", 0, 0,
         [](Invocation& inv, DiagramEditor& e) {
             return view_result(inv, e, zoom_out(e.platform(), e.view(), e.sheet()));
         }},
        {"zoom-area", "X1 Y1 X2 Y2", "Zoom Area", 4, 4,
         [](Invocation& inv, DiagramEditor& e) {
             std::optional<std::vector<Point>> p = points(inv, 0, 2);
             return p && view_result(inv, e, zoom_area(e.platform(), e.view(), (*p)[0], (*p)[1]));
         }},
        {"zoom-point", "X Y [out]", "Zoom In on Point (out: Zoom Out)", 2, 3,
         [](Invocation& inv, DiagramEditor& e) {
             std::optional<Point> at = point(inv, 0);
             if (inv.args.size() > 2 && inv.args[2] != "out") {
                 inv.shell.error("'" + inv.args[2] + "' is not 'out'");
                 return false;
             }
             return at && view_result(inv, e,
                                      zoom_on_point(e.platform(), e.view(), e.sheet(), *at,
                                                    inv.args.size() > 2));
         }},
        {"overview", "", "Overview", 0, 0,
         [](Invocation& inv, DiagramEditor& e) {
             e.view() = overview(e.sheet());
             return view_result(inv, e, Outcome::Done);
         }},
        {"goto", "[X, Y]", "Go to x, y (asks \"Enter x, y:\" without the point)", 0, kMany,
         goto_command},
        {"highlight-net", "NET", "Highlight Net by its name or Net_N", 1, 1,
         [](Invocation& inv, DiagramEditor& e) {
             std::optional<std::size_t> n = highlight_net(e, inv.args[0]);
             return n && view_result(inv, e, Outcome::Done);
         }},
        {"list-diagram", "", "List what is on the diagram", 0, 0, list_diagram},
    };
}

} // namespace

DiagramEditor* diagram_commands::session_diagram_editor(Invocation& inv) {
    return editor_for(inv);
}

void add_blockdiagram_commands(CommandTable& table) {
    table.add({"diagram", "[ENTITY [ARCHITECTURE]]", "Choose the block diagram to edit, or show it",
               0, 2, choose_diagram});
    table.add({"add-text", "X Y [TEXT...]", "Add Free Placed Text", 2, kMany, add_text_anywhere});
    for (auto group : {adding_commands(), selection_commands(), dialog_commands(), area_commands()})
        for (Entry& entry : group) {
            CommandHandler run = on_diagram(std::move(entry.run));
            // Free texts are edited on state diagrams too.
            if (std::string_view(entry.name) == "edit-text")
                run = [block = std::move(run)](Invocation& inv) {
                    return current_state_diagram(inv.session) ? edit_state_text_command(inv)
                                                              : block(inv);
                };
            table.add({entry.name, entry.arguments, entry.help, entry.min_args, entry.max_args,
                       std::move(run)});
        }
}

} // namespace zeph
