// The menu table: read from the menu file ("MENU", "ITEM", "SEPARATOR", "END" lines) or built
// in, and always ended by the "&Help" popup.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zped {

class CommandTable;
class StartupErrors;

inline constexpr std::size_t kMaxMenuEntries = 128;
inline constexpr std::size_t kMaxMenuLabel = 39;
inline constexpr const char* kMenuBuilder = "Menu Builder";

enum class MenuKind { PopupStart = 0, Item = 1, Separator = 2, PopupEnd = 3 };

struct MenuEntry {
    MenuKind kind = MenuKind::Item;
    std::string label;
    int command = -1; // index in the command table, for items
};

// The built-in menu (without the Help popup).
std::vector<MenuEntry> builtin_menu(const CommandTable& table);

// Reads the text of a menu file; every problem is a report line.
std::vector<MenuEntry> read_menu(std::string_view text, const CommandTable& table,
                                 StartupErrors& errors);

// Appends the "&Help" popup: one item per help file label (up to five), a separator when there
// was one, "&About the editor...".
void append_help_menu(std::vector<MenuEntry>& menu, const CommandTable& table,
                      const std::vector<std::string>& help_labels);

// A label without its "&" marks.
std::string without_ampersands(std::string_view label);

} // namespace zped
