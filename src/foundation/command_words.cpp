// Word splitting of shell command lines.
#include "foundation/command_words.h"

namespace zeph {

namespace {
bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}
} // namespace

CommandWords split_command_words(std::string_view line) {
    CommandWords out;
    std::size_t i = 0;
    for (;;) {
        while (i < line.size() && is_blank(line[i]))
            ++i;
        if (i >= line.size() || line[i] == '#') return out;
        std::string word;
        while (i < line.size() && !is_blank(line[i])) {
            if (line[i] != '"') {
                word += line[i++];
                continue;
            }
            ++i; // opening quote
            for (;;) {
                if (i >= line.size()) {
                    out.error = "unterminated quote";
                    out.words.clear();
                    return out;
                }
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        word += '"';
                        i += 2;
                        continue;
                    }
                    ++i; // closing quote
                    break;
                }
                word += line[i++];
            }
        }
        out.words.push_back(std::move(word));
    }
}

std::string quote_word(std::string_view word) {
    bool plain = !word.empty() && word.front() != '#' &&
                 word.find_first_of(" \t\r\"") == std::string_view::npos;
    if (plain) return std::string(word);
    std::string out = "\"";
    for (char c : word) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

} // namespace zeph
