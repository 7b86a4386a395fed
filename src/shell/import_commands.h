// Importing a VHDL file into the open design ("&Import VHDL" of the File menu, the shell's
// "import-vhdl").
#pragma once

#include <optional>
#include <string>

namespace zeph {

class CommandTable;
class Session;

// The file named, or the one chosen in the file dialog "Import VHDL File" (which opens in the
// directory of the previous import), is read and its entities are taken over into the open
// design; the log goes to the report window "VHDL Import". True when the file was read, or the
// dialog cancelled.
bool import_vhdl(Session& session, const std::optional<std::string>& path);

void add_import_commands(CommandTable& table);

} // namespace zeph
