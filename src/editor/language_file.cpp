// Reading a language specification file. Each section is looked for from the start of the
// file, so the first "[Group1]" line wins and the sections may come in any order.
#include "editor/language_file.h"

#include "foundation/strings.h"

#include <vector>

namespace zped {

namespace {

// The file's lines with their line breaks removed.
std::vector<std::string_view> file_lines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t nl = text.find('\n', pos);
        std::size_t end = nl == std::string_view::npos ? text.size() : nl;
        std::string_view line = text.substr(pos, end - pos);
        while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
            line.remove_suffix(1);
        lines.push_back(line);
        pos = end + 1;
    }
    return lines;
}

// The lines after the line `header` up to the next line that begins with "[".
std::vector<std::string_view> section(const std::vector<std::string_view>& lines,
                                      std::string_view header) {
    std::vector<std::string_view> body;
    std::size_t i = 0;
    while (i < lines.size() && lines[i] != header)
        ++i;
    if (i == lines.size()) return body;
    for (++i; i < lines.size() && !(lines[i].size() > 0 && lines[i][0] == '['); ++i)
        body.push_back(lines[i]);
    return body;
}

} // namespace

void read_language_file(std::string_view text, Language& language) {
    std::vector<std::string_view> lines = file_lines(text);
    for (int k = 1; k <= kKeywordCategories; ++k) {
        std::vector<std::string>& list = language.keywords[static_cast<std::size_t>(k - 1)];
        list.clear();
        for (std::string_view line : section(lines, zeph::format_text("[Group%d]", k)))
            if (!line.empty() && line[0] != '#' && line[0] != ';') list.emplace_back(line);
    }
    language.expanders.clear();
    for (std::string_view line : section(lines, "[Expander]")) {
        std::size_t eq = line.find('=');
        if (eq == std::string_view::npos) continue;
        language.expanders.push_back(
            {std::string(line.substr(0, eq)), std::string(line.substr(eq + 1))});
    }
    language.prepare();
}

} // namespace zped
