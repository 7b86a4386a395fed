// The common reading of the menu, accelerator and button definition files: lines, with comments
// and empty lines skipped, split into words.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zped {

// Longest line of the menu and accelerator files, and of the button file.
inline constexpr std::size_t kDefinitionLineLength = 131;
inline constexpr std::size_t kButtonLineLength = 254;

struct DefinitionLine {
    std::string text;      // without its line end
    bool too_long = false; // longer than the file allows; such a line is reported and skipped
};

// The lines that carry definitions: trailing line feed and carriage return removed, empty lines
// and lines beginning with "#" or ";" left out.
std::vector<DefinitionLine> definition_lines(std::string_view text, std::size_t max_length);

// Words separated by blanks or tabs; a word that begins with a double quote runs to the next
// double quote, without the quotes.
std::vector<std::string> split_words(std::string_view line);

} // namespace zped
