// Splitting a command line of the shell, or a script line of zped, into words: words are
// separated by blanks or tabs, a double-quoted part may hold blanks ("" inside quotes stands for
// one quote), and a "#" at the start of a word begins a comment that runs to the end of the line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zeph {

struct CommandWords {
    std::vector<std::string> words;
    std::string error; // not empty: the line is malformed (an unterminated quote)
};

CommandWords split_command_words(std::string_view line);

// A word as it must be written so that splitting gives it back (quoted when needed).
std::string quote_word(std::string_view word);

} // namespace zeph
