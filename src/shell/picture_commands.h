// The shell's picture command: the picture of the current diagram, or of a named entity and
// architecture, written to an SVG file; with --all, one picture per block diagram of the whole
// design written into a folder. Scripts call it as "picture FILE [ENTITY [ARCHITECTURE]]" and
// "picture --all FOLDER".
#pragma once

namespace zeph {

class Shell;
class SettingsFile;
class ProjectSession;

void add_picture_commands(Shell& shell, SettingsFile& settings, ProjectSession& session);

} // namespace zeph
