// Verification commands of the shell.
#include "shell/verify_commands.h"

#include "shell/command_table.h"
#include "shell/session.h"
#include "shell/verification.h"

namespace zeph {

void add_verify_commands(CommandTable& table) {
    table.add({"verify", "", "Verify the current diagram (architecture or process)", 0, 0,
               [](Invocation& inv) {
                   if (verify_current_diagram(inv.session)) return true;
                   inv.shell.error("no diagram is open");
                   return false;
               }});
    table.add({"verify-design", "", "Verify the entire design", 0, 0, [](Invocation& inv) {
                   if (verify_entire_design(inv.session)) return true;
                   inv.shell.error("no design is open");
                   return false;
               }});
    table.add({"report", "", "Show the report window", 0, 0, [](Invocation& inv) {
                   inv.session.platform().report_bring_up();
                   return true;
               }});
}

} // namespace zeph
