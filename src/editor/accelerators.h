// Keyboard accelerators: the table, its built-in list, the accelerator file ("KEY keyspec
// function" lines) and the window mappings every table ends with.
#pragma once

#include "editor/key_names.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zped {

class CommandTable;
class StartupErrors;

inline constexpr std::size_t kMaxAccelerators = 128;
inline constexpr const char* kKeyboardMapper = "Keyboard mapper";

struct Accelerator {
    KeyCombo combo;
    int command = -1; // index in the command table
};

// The list used when there is no accelerator file.
std::vector<Accelerator> builtin_accelerators(const CommandTable& table);

// Parses a keyspec of the accelerator file ("CTRL+SHIFT+S", "F3", "ALT+BackSpace"); returns the
// error text, or empty on success.
std::string parse_keyspec(const std::string& spec, KeyCombo& combo);
// The keyspec that reads back as this key, or empty for a key the file cannot name.
std::string keyspec_text(const KeyCombo& combo);
// An accelerator file holding the list, without the window mappings every table gets anyway.
std::string accelerator_file_text(const std::vector<Accelerator>& list, const CommandTable& table);

// Ctrl+F4, Shift+F4, Alt+F4, Shift+F5, Ctrl+F6 and Ctrl+Shift+F6 belong to the window layer.
bool is_reserved_combo(const KeyCombo& combo);

// Reads the text of an accelerator file; every problem is a report line and the line is
// skipped. The window mappings are appended while there is room.
std::vector<Accelerator> read_accelerators(std::string_view text, const CommandTable& table,
                                           StartupErrors& errors);

// The first accelerator of a command, for the menu item's text.
const Accelerator* accelerator_of(const std::vector<Accelerator>& table, int command);
// The command of a key, or -1.
int command_of_combo(const std::vector<Accelerator>& table, const KeyCombo& combo);

} // namespace zped
