// The file commands of the shell: new, open, save, save-as, view, the test aid touch, and the
// settings commands load-settings and save-settings.
#pragma once

namespace zeph {

class CommandTable;

void add_file_commands(CommandTable& table);
void add_settings_commands(CommandTable& table);

} // namespace zeph
