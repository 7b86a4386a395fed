// The shell command that names the HDL file of an HDL-file architecture and makes its skeleton:
// what the architecture's dialog and "Edit" do in the main window, so that a script can give a
// leaf of the hierarchy its hand-written text; and the command that opens it in the editor.
#pragma once

namespace zeph {

class CommandTable;

void add_hdl_file_commands(CommandTable& table);

} // namespace zeph
