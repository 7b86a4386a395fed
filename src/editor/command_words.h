// Command lines of outside programs: the text shown to the user and the words the program is
// started with. Words are separated by blanks or tabs; double quotes group blanks into a word
// and are not part of it ("a b"c gives the word a bc).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zped {

std::vector<std::string> split_command_words(std::string_view text);

// A word as it is written into a command line: in double quotes when it holds a blank or tab
// (or is empty), so that split_command_words gives it back whole.
std::string quote_command_word(std::string_view word);

// A program to run: the command line as the user sees it, the words it is started with, the
// working directory (empty: the editor's own).
struct ProgramCommand {
    std::string text;
    std::vector<std::string> argv;
    std::string working_directory;
};

// A command whose words are those of its text.
ProgramCommand command_from_text(std::string text, std::string working_directory);

} // namespace zped
