// The shell's picture command: the picture of the current diagram, or of a named entity and
// architecture, written to an SVG file; with --all, one picture per block diagram of the whole
// design written into a folder. Scripts call it as "picture FILE [ENTITY [ARCHITECTURE]]" and
// "picture --all FOLDER". Relative paths are taken from the directory the program started in:
// the program itself moves into the project's directory, and an untitled project's directory
// is deleted when the design is not saved, pictures and all.
#pragma once

namespace zeph {

class CommandTable;

void add_picture_commands(CommandTable& table);

} // namespace zeph
