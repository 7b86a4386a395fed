// The shell's commands that draw and edit block diagrams: choosing the diagram, placing
// components, processes, ports, generics, wires, bus entries, tags and texts, the operations
// on the selection, stretch and contract, zoom, the dialogs as commands, undo and a listing.
// Points are given as two numbers in sheet units; questions are answered with "answer".
#pragma once

namespace zeph {

class Shell;
class SettingsFile;
class ProjectSession;

// The commands work on the session's design; every edit marks it modified, a save empties
// the undo histories and a new or opened design makes the editor forget the old one.
void add_blockdiagram_commands(Shell& shell, SettingsFile& settings, ProjectSession& session);

} // namespace zeph
