// The shell's commands that draw and edit block diagrams: choosing the diagram, placing
// components, processes, ports, generics, wires, bus entries, tags and texts, the operations
// on the selection, stretch and contract, zoom, the dialogs as commands, undo and a listing.
// Points are given as two numbers in sheet units; questions are answered with "answer". The
// commands work on the session's diagram editor; every edit marks the design modified.
#pragma once

namespace zeph {

class CommandTable;

void add_blockdiagram_commands(CommandTable& table);

} // namespace zeph
