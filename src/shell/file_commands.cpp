// The file commands: each takes its path as an argument, or asks with a file dialog.
#include "shell/file_commands.h"

#include "design/name_limits.h"
#include "foundation/strings.h"
#include "shell/command_table.h"
#include "shell/design_project_session.h"
#include "shell/shell.h"

#include <optional>

namespace zeph {

namespace {
std::optional<std::string> path_argument(const Invocation& inv) {
    if (inv.args.empty()) return std::nullopt;
    return inv.args.front();
}

// Changes the design information text, so that scripts (the crash test among them) have a
// change to save before the diagram commands exist; without a text it shows the current one.
bool touch(Invocation& inv, DesignProjectSession& session) {
    Design* design = session.design();
    if (design == nullptr) {
        inv.shell.error("touch: no design is open");
        return false;
    }
    if (!inv.args.empty()) {
        design->design_information = bounded(inv.args.front(), kMaxComment);
        session.mark_modified();
    }
    inv.shell.print("touch", design->design_information);
    return true;
}
} // namespace

void add_file_commands(CommandTable& table, DesignProjectSession& session) {
    DesignProjectSession* s = &session;
    table.add({"new", "", "Start a New Design", 0, 0, [s](Invocation&) { return s->new_design(); }});
    table.add({"open", "[PROJECT]", "Locate and Open an Existing Design", 0, 1,
               [s](Invocation& inv) { return s->open(path_argument(inv)); }});
    table.add({"save", "", "Save the Current Design", 0, 0, [s](Invocation&) { return s->save(); }});
    table.add({"save-as", "[PROJECT]", "Save the Current Design under a New Name", 0, 1,
               [s](Invocation& inv) { return s->save_as(path_argument(inv)); }});
    table.add({"view", "[FILE]", "Display a File in the Report Window", 0, 1,
               [s](Invocation& inv) { return s->view(path_argument(inv)); }});
    table.add({"touch", "[TEXT]", "Set the design information text (a test aid), or show it", 0,
               1, [s](Invocation& inv) { return touch(inv, *s); }});
}

} // namespace zeph
