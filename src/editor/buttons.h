// The button bar: read from the button file, lines of a command name and a bitmap name; the
// word "separator" puts a gap before the next button.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zped {

class CommandTable;
class StartupErrors;

inline constexpr const char* kButtonKind = "Button";

struct Button {
    int command = -1;
    std::string bitmap;
    bool gap_before = false;
};

std::vector<Button> read_buttons(std::string_view text, const CommandTable& table,
                                 StartupErrors& errors);

} // namespace zped
