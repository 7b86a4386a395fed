// Menus, tool bar, invoke, levels and included texts as shell commands.
#include "shell/window_commands.h"

#include "blockdiagram/design_levels.h"
#include "foundation/command_words.h"
#include "foundation/strings.h"
#include "shell/about_box.h"
#include "shell/blockdiagram_command_args.h"
#include "shell/command_table.h"
#include "shell/included_texts.h"
#include "shell/level_navigation.h"
#include "shell/main_window_dispatch.h"
#include "shell/main_window_state.h"
#include "shell/session.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace zeph {

namespace {

using namespace diagram_commands;

// Width of the label column of "menu" and "tools" lines.
constexpr int kLabelColumn = 34;

// A label as the menu shows it: the short-cut text right of the label.
std::string shown_label(const std::string& label) {
    std::size_t tab = label.find('\t');
    if (tab == std::string::npos) return label;
    return label.substr(0, tab) + "  " + label.substr(tab + 1);
}

void print_items(CommandShell& out, const std::vector<MenuItem>& items, int depth) {
    for (const MenuItem& item : items) {
        std::string label = std::string(static_cast<std::size_t>(depth) * 2, ' ') +
                            shown_label(item.label) +
                            (item.handling == Handling::Popup ? " >" : "");
        out.print("menu", format_text("%-*s %-3s %s", kLabelColumn, label.c_str(),
                                      item.enabled ? "" : "off", item.description.c_str()));
        print_items(out, item.items, depth + 1);
    }
}

bool menu_command(Invocation& inv) {
    print_items(inv.shell, main_menus(inv.session), 0);
    return true;
}

const char* kind_word(ToolKind kind) {
    switch (kind) {
    case ToolKind::Immediate:
        return "immediate";
    case ToolKind::Mode:
        return "mode";
    case ToolKind::OnSelection:
        return "selection";
    case ToolKind::Variants:
        return "variants";
    case ToolKind::FreeText:
        return "free text";
    }
    return "";
}

bool tools_command(Invocation& inv) {
    for (const Tool& tool : tool_bar(inv.session)) {
        inv.shell.print("tools", format_text("%-9s %-10s %-7s %-3s %s", tool.bitmap.c_str(),
                                             kind_word(tool.kind), tool.key.c_str(),
                                             tool.enabled ? "" : "off", tool.tip.c_str()));
        for (std::size_t i = 0; i < tool.variants.size(); ++i)
            inv.shell.print("tools",
                            format_text("  %-7s %zu %s %s", tool.variants_bitmap.c_str(), i + 1,
                                        static_cast<int>(i) == tool.chosen_variant ? "*" : " ",
                                        tool.variants[i].c_str()));
    }
    return true;
}

std::string path_text(const std::vector<std::string>& path) {
    std::string text;
    for (const std::string& name : path)
        text += (text.empty() ? "" : " ") + quote_word(name);
    return text;
}

// Runs the command of a menu item or a tool as a click on it does; errors start with the
// command's name and `what` the item is.
bool run_item(Invocation& inv, const std::string& command, const std::string& what, CommandId id,
              Handling handling, bool enabled, const char* shell_command) {
    const std::string prefix = command + ": ";
    switch (handling) {
    case Handling::Popup:
        inv.shell.error(prefix + what + " is a menu of further items");
        return false;
    case Handling::NotBuilt:
        inv.shell.error(prefix + what + " is not available yet");
        return false;
    case Handling::Dialog:
        inv.shell.error(prefix + what + " opens a dialog" +
                        (shell_command != nullptr
                             ? std::string("; the shell's command is '") + shell_command + "'"
                             : std::string()));
        return false;
    case Handling::Mode:
    case Handling::Operation:
        break;
    }
    if (!enabled) {
        inv.shell.error(prefix + what + " is disabled");
        return false;
    }
    switch (run_operation(inv.session, id)) {
    case CommandOutcome::Done:
        return true;
    case CommandOutcome::Exit:
        inv.shell.request_exit();
        return true;
    case CommandOutcome::NotAnOperation:
        inv.shell.error(prefix + what + " needs the mouse in the diagram");
        return false;
    case CommandOutcome::Failed:
        break;
    }
    return false;
}

// A label typed with "\t" before its short-cut text, as the menu table writes it.
std::string typed_label(std::string word) {
    for (std::size_t at; (at = word.find("\\t")) != std::string::npos;)
        word.replace(at, 2, "\t");
    return word;
}

bool invoke_command(Invocation& inv) {
    std::vector<MenuItem> menus = main_menus(inv.session);
    std::vector<std::string> path;
    for (const std::string& word : inv.args)
        path.push_back(typed_label(word));
    const MenuItem* item = find_menu_item(menus, path);
    std::string what = path_text(inv.args);
    if (item == nullptr) {
        inv.shell.error("invoke: no menu item " + what);
        return false;
    }
    return run_item(inv, "invoke", what, item->id, item->handling, item->enabled,
                    item->shell_command);
}

// A click on a tool of the current tool bar: the tool runs as its menu item does; with a
// number, a variants tool takes that variant and remembers it.
bool tool_command(Invocation& inv) {
    std::vector<Tool> tools = tool_bar(inv.session);
    auto tool = std::find_if(tools.begin(), tools.end(),
                             [&](const Tool& t) { return t.bitmap == inv.args[0]; });
    if (tool == tools.end()) {
        inv.shell.error("tool: no tool '" + inv.args[0] + "' on the tool bar");
        return false;
    }
    if (inv.args.size() == 1)
        return run_item(inv, "tool", inv.args[0], tool->id, tool->handling, tool->enabled, nullptr);
    std::optional<int> variant = integer(inv.args[1]);
    if (tool->variants.empty() || !variant || *variant < 1 ||
        *variant > static_cast<int>(tool->variants.size())) {
        inv.shell.error(
            format_text("tool: '%s' has no variant %s", inv.args[0].c_str(), inv.args[1].c_str()));
        return false;
    }
    if (!tool->enabled) {
        inv.shell.error("tool: " + inv.args[0] + " is disabled");
        return false;
    }
    inv.session.choose_tool_variant(tool->variants_bitmap, *variant - 1);
    inv.shell.print("tools",
                    format_text("%s %d %s", tool->variants_bitmap.c_str(), *variant,
                                tool->variants[static_cast<std::size_t>(*variant - 1)].c_str()));
    return true;
}

bool down_command(Invocation& inv) {
    std::optional<Point> at = point(inv, 0);
    return at && level_down(inv.session, *at);
}

bool trap_command(Invocation& inv) {
    std::optional<Point> at = point(inv, 0);
    return at && trap_click(inv.session, *at);
}

void show_level(Invocation& inv) {
    if (std::optional<Level> here = current_level(inv.session))
        inv.shell.print("level", level_text(*here));
}

// "jump" lists the levels; "jump N" or "jump ENTITY [ARCHITECTURE [PROCESS]]" goes there.
bool jump_command(Invocation& inv) {
    Design* design = inv.session.design();
    if (design == nullptr) {
        inv.shell.error("jump: no design is open");
        return false;
    }
    std::vector<Level> levels = design_levels(*design);
    if (inv.args.empty()) {
        for (std::size_t i = 0; i < levels.size(); ++i)
            inv.shell.print("level", format_text("%zu %s", i + 1, level_text(levels[i]).c_str()));
        return true;
    }
    std::optional<Level> chosen;
    std::optional<int> number = integer(inv.args[0]);
    if (inv.args.size() == 1 && number) {
        if (*number >= 1 && static_cast<std::size_t>(*number) <= levels.size())
            chosen = levels[static_cast<std::size_t>(*number) - 1];
    } else {
        for (const Level& level : levels) {
            if (level.entity->name != inv.args[0]) continue;
            if (inv.args.size() > 1 && level.architecture->name != inv.args[1]) continue;
            if (inv.args.size() > 2 ? level.process == nullptr || level.process->name != inv.args[2]
                                    : level.process != nullptr)
                continue;
            chosen = level;
            break;
        }
    }
    if (!chosen) {
        inv.shell.error("jump: no level " + path_text(inv.args));
        return false;
    }
    make_current(inv.session, *chosen);
    show_level(inv);
    return true;
}

CommandHandler level_move(bool (*move)(Session&)) {
    return [move](Invocation& inv) {
        bool moved = move(inv.session);
        if (moved) show_level(inv);
        return moved;
    };
}

CommandHandler text_command(IncludedText text) {
    return [text](Invocation& inv) {
        Design* design = inv.session.design();
        if (design == nullptr || !included_text_offered(*design, text)) {
            inv.shell.error("the current diagram has no such included text");
            return false;
        }
        return edit_included_text(inv.session, text);
    };
}

} // namespace

void add_window_commands(CommandTable& table) {
    table.add({"menu", "", "Show the menus as they are now (off: disabled)", 0, 0, menu_command});
    table.add({"about", "", "About ZEPH/HDL", 0, 0, [](Invocation& inv) {
                   show_about(inv.session.platform());
                   return true;
               }});
    table.add({"tools", "", "Show the tool bar of the current diagram", 0, 0, tools_command});
    table.add({"invoke", "MENU ITEM [SUBITEM...]",
               "Run a menu item by its labels (\"Save\" or \"&Save\\tF2\")", 2, 4, invoke_command});
    table.add({"tool", "NAME [VARIANT]",
               "Click a tool of the tool bar (VARIANT: choose that variant of a variants tool)", 1,
               2, tool_command});
    table.add({"down", "X Y", "Level Down into the component or process at X Y", 2, 2,
               [](Invocation& inv) {
                   bool moved = down_command(inv);
                   if (moved) show_level(inv);
                   return moved;
               }});
    table.add({"trap", "X Y", "Go Level Up / Level Down as a click of the trap tool at X Y", 2, 2,
               [](Invocation& inv) {
                   bool moved = trap_command(inv);
                   if (moved) show_level(inv);
                   return moved;
               }});
    table.add({"up", "", "Level Up to the parent diagram", 0, 0, level_move(level_up)});
    table.add({"top", "", "Level Top: the top-level diagram", 0, 0, level_move(level_top)});
    table.add({"jump", "[N|ENTITY [ARCHITECTURE [PROCESS]]]",
               "Level Jump: list the levels, or go to one", 0, 3, jump_command});
    const struct {
        const char* name;
        const char* help;
        IncludedText text;
    } texts[] = {
        {"entity-comment", "Edit the Entity Comment (Module Comment) in the editor",
         IncludedText::EntityComment},
        {"entity-declarations", "Edit the Entity Declarations in the editor",
         IncludedText::EntityDeclarations},
        {"architecture-comment", "Edit the Architecture Comment (Module Body Comment)",
         IncludedText::ArchitectureComment},
        {"declarations-before", "Edit the Arch. Declarations before signals",
         IncludedText::DeclarationsBefore},
        {"declarations-after", "Edit the Arch. Declarations after signals",
         IncludedText::DeclarationsAfter},
        {"statements", "Edit the Concurrent Statements of the architecture",
         IncludedText::Statements},
        {"process-comment", "Edit the Process Comment (Always Block Comment) of a state diagram",
         IncludedText::ProcessComment},
        {"process-declarations", "Edit the Process Declarations of a state diagram",
         IncludedText::ProcessDeclarations},
    };
    for (const auto& t : texts)
        table.add({t.name, "", t.help, 0, 0, text_command(t.text)});
}

} // namespace zeph
