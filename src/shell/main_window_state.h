// The main window's vocabulary as the session's state shapes it: the menus and the tool bar of
// the current diagram's kind, worded in the design's language, each item enabled or not by its
// rule (generation only after a whole-design verification, undo only with an edit to undo,
// selection tools only with a selection, parts not built yet never). A front end rebuilds them
// whenever the current diagram or the language changes, and shows them as they are.
#pragma once

#include "shell/main_window_vocabulary.h"

#include <string>
#include <string_view>
#include <vector>

namespace zeph {

class Session;

// The kind of the current diagram, which decides what the menus and the tool bar hold.
enum class DiagramKind { None, BlockDiagram, StateDiagram, HdlFile };
DiagramKind current_diagram_kind(const Session& session);

struct MenuItem {
    CommandId id = CommandId::FileNew;
    std::string label;       // with "&" and "\t" as the vocabulary writes it
    std::string description; // the status line while the item is highlighted
    Handling handling = Handling::Operation;
    bool enabled = false;
    const char* shell_command = nullptr;
    std::vector<MenuItem> items; // of a popup
};

// The menu bar: its menus as items whose `items` are the menu's entries.
std::vector<MenuItem> main_menus(const Session& session);

struct Tool {
    CommandId id = CommandId::FileOpen;
    std::string bitmap;
    std::string tip;
    ToolKind kind = ToolKind::Immediate;
    std::string key; // short-cut key, or ""
    Handling handling = Handling::Operation;
    bool enabled = false;
    std::string variants_bitmap;
    std::vector<std::string> variants;
    int chosen_variant = 0;
};

// The tool bar: the common part, then the tools of the current diagram's kind.
std::vector<Tool> tool_bar(const Session& session);

// A label as a command names it: without "&", without the short-cut text after "\t", and
// without a trailing "...".
std::string plain_label(std::string_view label);

// The item of a menu path ("File", "Save"; "Diagram", "Included Texts", "Entity Comment"),
// matched by plain label ignoring case; null when there is none.
const MenuItem* find_menu_item(const std::vector<MenuItem>& menus,
                               const std::vector<std::string>& path);

} // namespace zeph
