// The file commands: each takes its path as an argument, or asks with a file dialog.
#include "shell/file_commands.h"

#include "design/name_limits.h"
#include "foundation/strings.h"
#include "shell/command_table.h"
#include "shell/session.h"

#include <optional>

namespace zeph {

namespace {
std::optional<std::string> path_argument(const Invocation& inv) {
    if (inv.args.empty()) return std::nullopt;
    return inv.args.front();
}

// Changes the design information text, so that scripts (the crash test among them) have a
// change to save without drawing; without a text it shows the current one.
bool touch(Invocation& inv) {
    Design* design = inv.session.design();
    if (design == nullptr) {
        inv.shell.error("touch: no design is open");
        return false;
    }
    if (!inv.args.empty()) {
        design->design_information = bounded(inv.args.front(), kMaxComment);
        inv.session.mark_modified();
    }
    inv.shell.print("touch", design->design_information);
    return true;
}
} // namespace

void add_file_commands(CommandTable& table) {
    table.add({"new", "", "Start a New Design", 0, 0,
               [](Invocation& inv) { return inv.session.new_design(); }});
    table.add({"open", "[PROJECT]", "Locate and Open an Existing Design", 0, 1,
               [](Invocation& inv) { return inv.session.open(path_argument(inv)); }});
    table.add({"save", "", "Save the Current Design", 0, 0,
               [](Invocation& inv) { return inv.session.save(); }});
    table.add({"save-as", "[PROJECT]", "Save the Current Design under a New Name", 0, 1,
               [](Invocation& inv) { return inv.session.save_as(path_argument(inv)); }});
    table.add({"view", "[FILE]", "Display a File in the Report Window", 0, 1,
               [](Invocation& inv) { return inv.session.view(path_argument(inv)); }});
    table.add({"touch", "[TEXT]", "Set the design information text (a test aid), or show it", 0, 1,
               touch});
}

void add_settings_commands(CommandTable& table) {
    table.add({"load-settings", "", "Load the Original Options Settings", 0, 0,
               [](Invocation& inv) { return inv.session.load_settings(); }});
    table.add({"save-settings", "", "Save the Current Options Settings", 0, 0,
               [](Invocation& inv) { return inv.session.save_settings(); }});
}

} // namespace zeph
