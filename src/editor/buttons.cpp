// Parsing of button files.
#include "editor/buttons.h"

#include "editor/command_table.h"
#include "editor/definition_lines.h"
#include "editor/startup_errors.h"

namespace zped {

std::vector<Button> read_buttons(std::string_view text, const CommandTable& table,
                                 StartupErrors& errors) {
    std::vector<Button> buttons;
    bool gap = false;
    for (const DefinitionLine& line : definition_lines(text, kButtonLineLength)) {
        if (line.too_long) {
            errors.add(kErrorSyntax, kButtonKind, line.text);
            continue;
        }
        std::vector<std::string> words = split_words(line.text);
        if (words.empty()) continue;
        if (words[0] == "separator") {
            gap = true;
            continue;
        }
        int command = table.find(words[0]);
        if (command < 0) {
            errors.add(kErrorNoFunction, kButtonKind, words[0]);
            continue;
        }
        if (words.size() < 2) {
            errors.add(kErrorNoBitmap, "", words[0]);
            continue;
        }
        buttons.push_back({command, words[1], gap});
        gap = false;
    }
    return buttons;
}

} // namespace zped
