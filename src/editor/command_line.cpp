// Parsing of the zped command line.
#include "editor/command_line.h"

namespace zped {

namespace {
std::string unquoted(const std::string& word) {
    if (word.size() >= 2 && word.front() == '"' && word.back() == '"')
        return word.substr(1, word.size() - 2);
    return word;
}
} // namespace

CommandLine parse_command_line(const std::vector<std::string>& args) {
    CommandLine line;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (word == "--help" || word == "-h") {
            line.help = true;
        } else if (word == "--version") {
            line.version = true;
        } else if (word == "--batch") {
            if (i + 1 >= args.size()) {
                line.error = "--batch needs a script";
                break;
            }
            line.batch = args[++i];
        } else if (word == "/n") {
            line.new_instance = true;
        } else if (word == "/p") {
            std::string rest;
            for (std::size_t j = i + 1; j < args.size(); ++j)
                rest += (rest.empty() ? "" : " ") + args[j];
            line.print = unquoted(rest);
            break;
        } else if (word.size() > 1 && word[0] == '-' && word[1] == '-') {
            line.error = "unknown option '" + word + "'";
        } else if (!word.empty()) {
            line.files.push_back(unquoted(word));
        }
    }
    return line;
}

} // namespace zped
