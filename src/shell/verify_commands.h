// The shell's verification commands: "verify" (the current diagram), "verify-design" (the
// entire design) and "report" (shows the report window again).
#pragma once

namespace zeph {

class CommandTable;

void add_verify_commands(CommandTable& table);

} // namespace zeph
