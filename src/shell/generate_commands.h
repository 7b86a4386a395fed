// The shell's "generate" command: the generation run of the open design's language, with
// the generate dialog's choices given as words, for scripts and batch runs.
#pragma once

namespace zeph {

class CommandTable;

void add_generate_commands(CommandTable& table);

} // namespace zeph
