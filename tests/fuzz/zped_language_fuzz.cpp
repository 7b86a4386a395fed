// Reads the input as a language specification file, then colours every line of the input with
// it, with keywords compared with and without case: the runs must cover each line exactly, in
// order, and every keyword run must be a keyword of its category followed by no word
// character.
#include "editor/language_file.h"
#include "editor/line_colouring.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void check(bool ok) {
    if (!ok) std::abort();
}

char lower(char ch) {
    return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
}

bool is_keyword(const zped::Language& language, int category, std::string_view text) {
    for (const std::string& keyword : language.keywords[static_cast<std::size_t>(category - 1)]) {
        if (keyword.size() != text.size()) continue;
        bool same = true;
        for (std::size_t i = 0; i < text.size() && same; ++i)
            same = language.case_sensitive ? keyword[i] == text[i]
                                           : lower(keyword[i]) == lower(text[i]);
        if (same) return true;
    }
    return false;
}

void colour_all(const zped::Language& language, std::string_view text) {
    std::vector<zped::ColourRun> runs;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t nl = text.find('\n', pos);
        std::size_t end = nl == std::string_view::npos ? text.size() : nl;
        std::string_view line = text.substr(pos, end - pos);
        zped::colour_line(language, line, runs);
        int next = 0;
        for (const zped::ColourRun& run : runs) {
            check(run.start == next && run.length > 0);
            next += run.length;
            int item = static_cast<int>(run.item);
            int first_keyword = static_cast<int>(zped::SyntaxItem::Keyword1);
            if (item >= first_keyword) {
                std::string_view word = line.substr(static_cast<std::size_t>(run.start),
                                                    static_cast<std::size_t>(run.length));
                check(is_keyword(language, item - first_keyword + 1, word));
                std::size_t after = static_cast<std::size_t>(next);
                check(after == line.size() || !zped::is_word_char(line[after]));
            }
        }
        check(static_cast<std::size_t>(next) == line.size());
        if (nl == std::string_view::npos) break;
        pos = nl + 1;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    zped::Language language;
    language.name = "Fuzz";
    language.line_comment = "--";
    zped::read_language_file(text, language);
    for (const auto& list : language.keywords)
        check(std::is_sorted(list.begin(), list.end()));
    colour_all(language, text);
    language.case_sensitive = false;
    language.line_comment.clear();
    language.prepare();
    colour_all(language, text);
    return 0;
}
