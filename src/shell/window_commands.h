// The shell's commands of the main window's vocabulary: "menu" and "tools" show the menus and
// the tool bar as the user sees them now, "invoke" runs any menu item by its labels, the level
// navigation ("down", "up", "top", "jump", "trap") and one command per included text.
#pragma once

namespace zeph {

class CommandTable;

void add_window_commands(CommandTable& table);

} // namespace zeph
