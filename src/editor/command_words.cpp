// Splitting and quoting the words of a command line.
#include "editor/command_words.h"

namespace zped {

std::vector<std::string> split_command_words(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    bool in_word = false;
    bool quoted = false;
    for (char ch : text) {
        if (ch == '"') {
            quoted = !quoted;
            in_word = true;
        } else if ((ch == ' ' || ch == '\t') && !quoted) {
            if (in_word) words.push_back(word);
            word.clear();
            in_word = false;
        } else {
            word += ch;
            in_word = true;
        }
    }
    if (in_word) words.push_back(word);
    return words;
}

std::string quote_command_word(std::string_view word) {
    if (!word.empty() && word.find_first_of(" \t") == std::string_view::npos)
        return std::string(word);
    return "\"" + std::string(word) + "\"";
}

ProgramCommand command_from_text(std::string text, std::string working_directory) {
    ProgramCommand command;
    command.argv = split_command_words(text);
    command.text = std::move(text);
    command.working_directory = std::move(working_directory);
    return command;
}

} // namespace zped
