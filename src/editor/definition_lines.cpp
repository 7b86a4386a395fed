// Line and word splitting of definition files.
#include "editor/definition_lines.h"

namespace zped {

std::vector<DefinitionLine> definition_lines(std::string_view text, std::size_t max_length) {
    std::vector<DefinitionLine> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t nl = text.find('\n', pos);
        std::string_view line =
            text.substr(pos, nl == std::string_view::npos ? std::string_view::npos : nl - pos);
        pos = nl == std::string_view::npos ? text.size() : nl + 1;
        while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
            line.remove_suffix(1);
        if (line.empty() || line.front() == '#' || line.front() == ';') continue;
        DefinitionLine entry;
        entry.too_long = line.size() > max_length;
        entry.text = std::string(line.substr(0, max_length));
        lines.push_back(std::move(entry));
    }
    return lines;
}

std::vector<std::string> split_words(std::string_view line) {
    std::vector<std::string> words;
    std::size_t pos = 0;
    while (pos < line.size()) {
        while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t'))
            ++pos;
        if (pos >= line.size()) break;
        if (line[pos] == '"') {
            std::size_t close = line.find('"', pos + 1);
            std::size_t end = close == std::string_view::npos ? line.size() : close;
            words.emplace_back(line.substr(pos + 1, end - pos - 1));
            pos = close == std::string_view::npos ? line.size() : close + 1;
        } else {
            std::size_t end = line.find_first_of(" \t", pos);
            if (end == std::string_view::npos) end = line.size();
            words.emplace_back(line.substr(pos, end - pos));
            pos = end;
        }
    }
    return words;
}

} // namespace zped
