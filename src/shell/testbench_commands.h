// The shell commands of testbenches and of the analysis tool: "testbench ENTITY [NAME]"
// creates an entity's testbench with the skeleton of its file, "go-testbench ENTITY" opens
// that file in the editor, and "compile [FILE...]" hands files (the last generation's when
// none are given) to the analysis tool of the settings.
#pragma once

namespace zeph {

class CommandTable;

void add_testbench_commands(CommandTable& table);

} // namespace zeph
