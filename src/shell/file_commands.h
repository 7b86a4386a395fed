// The file commands of the shell: new, open, save, save-as, view, and the test aid touch.
#pragma once

namespace zeph {

class CommandTable;
class DesignProjectSession;

void add_file_commands(CommandTable& table, DesignProjectSession& session);

} // namespace zeph
