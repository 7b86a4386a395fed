// The state-diagram commands of the shell: the current machine, states, transitions, undo,
// the listing, and their registration.
#include "shell/machine_commands.h"

#include "shell/machine_command_args.h"

#include "blockdiagram/diagram_messages.h"
#include "blockdiagram/undo_history.h"
#include "design/architecture.h"
#include "design/block_diagram.h"
#include "design/design.h"
#include "design/design_constructors.h"
#include "design/entity.h"
#include "design/process.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/strings.h"
#include "shell/level_navigation.h"
#include "shell/machine_settings.h"
#include "shell/session.h"
#include "shell/state_diagram_edits.h"
#include "statemachine/diagram_geometry.h"
#include "statemachine/machine_history.h"
#include "statemachine/machine_listing.h"
#include "statemachine/state_edits.h"
#include "statemachine/transition_edits.h"

#include <optional>
#include <string>
#include <vector>

namespace zeph::machine_commands {

using diagram_commands::Fields;
using diagram_commands::kMany;

// ---- the current machine -------------------------------------------------------------------

StateMachine* current_machine(Session& session) {
    std::optional<Level> level = current_level(session);
    if (!level) return nullptr;
    if (level->process != nullptr) return level->process->state_machine.get();
    return level->architecture->state_machine.get();
}

bool edit(Invocation& inv, CurrentMachine& current, const char* description,
          const std::function<Outcome()>& operation) {
    MachineEdit step(inv.session.machine_histories(), current.machine, description,
                     inv.session.diagram_settings().max_undos);
    Outcome outcome = step.finish(operation());
    if (outcome == Outcome::Done) inv.session.mark_modified();
    return outcome != Outcome::Refused;
}

State* state_named(Invocation& inv, CurrentMachine& current, const std::string& name) {
    State* state = find_state(current.machine, name, current.context.rules());
    if (state == nullptr) inv.shell.error("no state '" + name + "'");
    return state;
}

Transition* transition_numbered(Invocation& inv, CurrentMachine& current, const std::string& word) {
    std::optional<int> n = diagram_commands::integer(word);
    auto& transitions = current.machine.transitions;
    if (!n || *n < 0 || static_cast<std::size_t>(*n) >= transitions.size()) {
        inv.shell.error("no transition '" + word + "' (list-diagram shows their numbers)");
        return nullptr;
    }
    return transitions[static_cast<std::size_t>(*n)].get();
}

std::string multi_line(const std::string& word) {
    std::string text;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (word[i] == '\\' && i + 1 < word.size() && word[i + 1] == 'n') {
            text += '\n';
            ++i;
        } else {
            text += word[i];
        }
    }
    return text;
}

namespace {

constexpr const char* kNotStateDiagram =
    "the current diagram is not a state diagram; choose one with 'diagram' or 'jump'";

CommandHandler on_machine(MachineCommand command) {
    return [command = std::move(command)](Invocation& inv) {
        Design* design = inv.session.design();
        StateMachine* machine = design != nullptr ? current_machine(inv.session) : nullptr;
        if (machine == nullptr) {
            inv.shell.error(design == nullptr ? "no design is open" : kNotStateDiagram);
            return false;
        }
        StateDiagramSettings settings = state_diagram_settings(inv.session);
        CurrentMachine current{inv.session, *machine, {*design, inv.session.platform(), settings}};
        return command(inv, current);
    };
}

// ---- states --------------------------------------------------------------------------------

void show_added(Invocation& inv, const char* kind, const std::string& what) {
    inv.shell.print("added", std::string(kind) + " " + what);
}

bool add_state_command(Invocation& inv, CurrentMachine& m) {
    std::optional<Point> at = diagram_commands::point(inv, 0);
    if (!at) return false;
    State* added = nullptr;
    std::optional<std::string> name = diagram_commands::optional_word(inv.args, 2);
    bool ok = edit(inv, m, "add state",
                   [&] { return add_state(m.machine, m.context, *at, name, &added); });
    if (ok && added != nullptr) show_added(inv, "state", added->name);
    return ok;
}

bool add_rest_command(Invocation& inv, CurrentMachine& m) {
    std::optional<Point> at = diagram_commands::point(inv, 0);
    return at && edit(inv, m, "add REST state",
                      [&] { return add_rest_state(m.machine, m.context, *at); });
}

bool edit_state_command(Invocation& inv, CurrentMachine& m) {
    State* state = state_named(inv, m, inv.args[0]);
    if (state == nullptr) return false;
    std::optional<Fields> f = diagram_commands::fields(inv, 1, {"name", "number", "code"});
    if (!f) return false;
    StateFields fields = state_fields(*state);
    if (!diagram_commands::take(*f, "name", fields.name, diagram_commands::text_value()) ||
        !diagram_commands::take(*f, "number", fields.number, diagram_commands::number_value(inv)) ||
        !diagram_commands::take(*f, "code", fields.code, diagram_commands::text_value()))
        return false;
    return edit(inv, m, "edit state",
                [&] { return edit_state(m.machine, m.context, *state, fields).outcome; });
}

bool copy_state_command(Invocation& inv, CurrentMachine& m) {
    State* state = state_named(inv, m, inv.args[0]);
    std::optional<Point> to = diagram_commands::point(inv, 1);
    if (state == nullptr || !to) return false;
    Point centre = box_centre(state->box);
    Point by{to->x - centre.x, to->y - centre.y};
    State* added = nullptr;
    std::optional<std::string> name = diagram_commands::optional_word(inv.args, 3);
    bool ok = edit(inv, m, "copy state",
                   [&] { return copy_state(m.machine, m.context, *state, by, name, &added); });
    if (ok && added != nullptr) show_added(inv, "state", added->name);
    return ok;
}

bool delete_state_command(Invocation& inv, CurrentMachine& m) {
    State* state = state_named(inv, m, inv.args[0]);
    return state != nullptr && edit(inv, m, "delete state", [&] {
               delete_state(m.machine, *state);
               return Outcome::Done;
           });
}

// ---- transitions ---------------------------------------------------------------------------

// The points of a transition from its ends and corners: each a state name (its centre, put
// on its outline by the operation) or a point X Y.
std::optional<std::vector<Point>> transition_points(Invocation& inv, CurrentMachine& m,
                                                    std::size_t from) {
    std::vector<Point> result;
    for (std::size_t i = from; i < inv.args.size(); ++i) {
        if (diagram_commands::integer(inv.args[i])) {
            std::optional<Point> p = diagram_commands::point(inv, i);
            if (!p) return std::nullopt;
            result.push_back(*p);
            ++i;
            continue;
        }
        State* state = state_named(inv, m, inv.args[i]);
        if (state == nullptr) return std::nullopt;
        result.push_back(box_centre(state->box));
    }
    return result;
}

void show_transition(Invocation& inv, CurrentMachine& m, const Transition* added) {
    for (std::size_t i = 0; i < m.machine.transitions.size(); ++i)
        if (m.machine.transitions[i].get() == added)
            show_added(inv, "transition", std::to_string(i));
}

bool add_transition_command(Invocation& inv, CurrentMachine& m) {
    std::optional<std::vector<Point>> points = transition_points(inv, m, 0);
    if (!points) return false;
    if (points->size() < 2) {
        inv.shell.error("a transition needs an origin and an end");
        return false;
    }
    Transition* added = nullptr;
    bool ok = edit(inv, m, "add transition",
                   [&] { return add_transition(m.machine, m.context, *points, &added); });
    if (ok && added != nullptr) show_transition(inv, m, added);
    return ok;
}

bool add_curve_command(Invocation& inv, CurrentMachine& m) {
    std::optional<std::vector<Point>> points = transition_points(inv, m, 0);
    if (!points) return false;
    if (points->size() != 2) {
        inv.shell.error("a curved transition takes an origin and an end");
        return false;
    }
    Transition* added = nullptr;
    bool ok = edit(inv, m, "add transition", [&] {
        return add_curved_transition(m.machine, m.context, (*points)[0], (*points)[1], &added);
    });
    if (ok && added != nullptr) show_transition(inv, m, added);
    return ok;
}

std::optional<std::size_t> point_index(Invocation& inv, const Transition& t,
                                       const std::string& word) {
    std::optional<int> i = diagram_commands::integer(word);
    if (!i || *i < 0 || static_cast<std::size_t>(*i) >= t.points.size()) {
        inv.shell.error(format_text("'%s' is not a point of the transition (0 to %zu)",
                                    word.c_str(), t.points.size() - 1));
        return std::nullopt;
    }
    return static_cast<std::size_t>(*i);
}

// "N I ..." of the point and segment commands; a segment index must leave a point after it.
template <class Operation>
bool on_point(Invocation& inv, CurrentMachine& m, const char* description, bool segment,
              Operation operation) {
    Transition* t = transition_numbered(inv, m, inv.args[0]);
    if (t == nullptr) return false;
    std::optional<std::size_t> index = point_index(inv, *t, inv.args[1]);
    if (!index) return false;
    if (segment && *index + 1 >= t->points.size()) {
        inv.shell.error("'" + inv.args[1] + "' is not a segment of the transition");
        return false;
    }
    std::optional<Point> p;
    if (inv.args.size() > 2 && !(p = diagram_commands::point(inv, 2))) return false;
    return edit(inv, m, description, [&] { return operation(*t, *index, p.value_or(Point{})); });
}

bool copy_transition_command(Invocation& inv, CurrentMachine& m) {
    Transition* t = transition_numbered(inv, m, inv.args[0]);
    std::optional<Point> by = diagram_commands::point(inv, 1);
    if (t == nullptr || !by) return false;
    Transition* added = nullptr;
    bool ok = edit(inv, m, "copy transition",
                   [&] { return copy_transition(m.machine, m.context, *t, *by, &added); });
    if (ok && added != nullptr) show_transition(inv, m, added);
    return ok;
}

bool delete_transition_command(Invocation& inv, CurrentMachine& m) {
    Transition* t = transition_numbered(inv, m, inv.args[0]);
    return t != nullptr && edit(inv, m, "delete transition", [&] {
               remove_transition(m.machine, *t);
               return Outcome::Done;
           });
}

std::vector<Entry> drawing_commands() {
    return {
        {"add-state", "X Y [NAME]",
         "Add State centred at X Y (without NAME asks \"Enter state name:\")", 2, 3,
         add_state_command},
        {"add-rest", "X Y", "Add a REST State centred at X Y", 2, 2, add_rest_command},
        {"edit-state", "STATE [name=N] [number=N] [code=C]", "Edit State", 1, 4,
         edit_state_command},
        {"copy-state", "STATE X Y [NAME]", "Copy a state with its actions, the copy centred at X Y",
         3, 4, copy_state_command},
        {"delete-state", "STATE", "Delete a state with its transitions", 1, 1,
         delete_state_command},
        {"add-transition", "FROM [X Y...] TO",
         "Add Transition through the points; FROM and TO are state names or points X Y", 2, kMany,
         add_transition_command},
        {"add-curve", "FROM TO", "Add a curved Transition between states (or points)", 2, 4,
         add_curve_command},
        {"move-point", "N I X Y", "Move point I of transition N to X Y", 4, 4,
         [](Invocation& inv, CurrentMachine& m) {
             return on_point(inv, m, "move point", false,
                             [&](Transition& t, std::size_t i, Point to) {
                                 return move_transition_point(m.machine, m.context, t, i, to);
                             });
         }},
        {"delete-point", "N I", "Delete point I of transition N", 2, 2,
         [](Invocation& inv, CurrentMachine& m) {
             return on_point(inv, m, "delete point", false,
                             [&](Transition& t, std::size_t i, Point) {
                                 return delete_transition_point(m.machine, m.context, t, i);
                             });
         }},
        {"move-segment", "N I DX DY", "Move segment I (points I and I+1) of transition N by DX DY",
         4, 4,
         [](Invocation& inv, CurrentMachine& m) {
             return on_point(inv, m, "move segment", true,
                             [&](Transition& t, std::size_t i, Point by) {
                                 return move_transition_segment(m.machine, m.context, t, i, by);
                             });
         }},
        {"delete-segment", "N I", "Delete segment I of transition N", 2, 2,
         [](Invocation& inv, CurrentMachine& m) {
             return on_point(inv, m, "delete segment", true,
                             [&](Transition& t, std::size_t i, Point) {
                                 return delete_transition_segment(m.machine, m.context, t, i);
                             });
         }},
        {"copy-transition", "N DX DY", "Copy transition N moved by DX DY", 3, 3,
         copy_transition_command},
        {"delete-transition", "N", "Delete transition N", 1, 1, delete_transition_command},
    };
}

// ---- commands shared with block diagrams ---------------------------------------------------

// The command of that name as registered so far (the block-diagram one).
CommandHandler registered(CommandTable& table, const char* name) {
    const CommandDescriptor* found = table.find(name);
    return found != nullptr ? found->handler : CommandHandler{};
}

// On a state diagram `machine_command`, otherwise the block-diagram command.
CommandHandler either(CommandHandler block, MachineCommand machine_command) {
    CommandHandler on_state = on_machine(std::move(machine_command));
    return [block = std::move(block), on_state = std::move(on_state)](Invocation& inv) {
        if (inv.session.design() != nullptr && current_machine(inv.session) != nullptr)
            return on_state(inv);
        return block ? block(inv) : false;
    };
}

bool undo_command(Invocation& inv, CurrentMachine& m) {
    std::optional<StateDiagramInEdit> diagram = current_state_diagram(inv.session);
    Sheet* sheet = diagram ? &diagram->sheet : nullptr;
    inv.session.state_selection().clear();
    if (!inv.session.machine_histories().undo(m.machine, sheet)) {
        refuse(inv.session.platform(), kNoUndo);
        return false;
    }
    inv.session.mark_modified();
    return true;
}

bool undo_info_command(Invocation& inv, CurrentMachine& m) {
    std::size_t depth = inv.session.machine_histories().depth(m.machine);
    inv.shell.print("undo", format_text("%s (%zu)", depth != 0 ? kUndoTip : kNoUndo, depth));
    return true;
}

bool list_machine(Invocation& inv, CurrentMachine& m) {
    for (const std::string& line : machine_listing(m.machine, m.context.verilog()))
        inv.shell.print("diagram", line);
    return true;
}

// "diagram": a state-diagram architecture (or a state-diagram process of a block diagram)
// becomes the current diagram; the rest is the block-diagram command's.
CommandHandler choose_diagram(CommandHandler block) {
    return [block = std::move(block)](Invocation& inv) {
        Design* design = inv.session.design();
        if (design == nullptr || inv.args.empty()) {
            std::optional<Level> level = current_level(inv.session);
            if (design != nullptr && level && current_machine(inv.session) != nullptr) {
                std::string where = level->architecture->name + " of " + level->entity->name;
                if (level->process != nullptr) where += " process " + level->process->name;
                inv.shell.print("diagram", where);
                return true;
            }
            return block(inv);
        }
        Entity* entity = find_entity(*design, inv.args[0]);
        Architecture* architecture = entity != nullptr && inv.args.size() > 1
                                         ? find_architecture(*entity, inv.args[1])
                                         : nullptr;
        if (architecture == nullptr) return block(inv);
        Process* process = nullptr;
        if (inv.args.size() > 2) {
            if (architecture->block_diagram != nullptr)
                for (auto& p : architecture->block_diagram->processes)
                    if (p->name == inv.args[2]) process = p.get();
            if (process == nullptr || process->state_machine == nullptr) {
                inv.shell.error("no state-diagram process '" + inv.args[2] + "' in " +
                                architecture->name + " of " + entity->name);
                return false;
            }
        } else if (architecture->state_machine == nullptr) {
            return block(inv);
        }
        make_current(inv.session, {entity, architecture, process});
        return true;
    };
}

} // namespace

} // namespace zeph::machine_commands

namespace zeph {

void add_machine_commands(CommandTable& table) {
    using namespace machine_commands;
    for (auto group : {drawing_commands(), label_commands()})
        for (machine_commands::Entry& entry : group)
            table.add({entry.name, entry.arguments, entry.help, entry.min_args, entry.max_args,
                       on_machine(std::move(entry.run))});
    table.add({"diagram", "[ENTITY [ARCHITECTURE [PROCESS]]]",
               "Choose the block or state diagram to edit (a state-diagram process of a block "
               "diagram), or show it",
               0, 3, choose_diagram(registered(table, "diagram"))});
    table.add({"undo", "", "Undo (Ctrl-Z) the last edit of this diagram", 0, 0,
               either(registered(table, "undo"), undo_command)});
    table.add({"undo-info", "", "Show the undo tool's text and the number of edits to undo", 0, 0,
               either(registered(table, "undo-info"), undo_info_command)});
    table.add({"list-diagram", "", "List what is on the diagram (block or state diagram)", 0, 0,
               either(registered(table, "list-diagram"), list_machine)});
}

} // namespace zeph
