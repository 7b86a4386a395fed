// The line colouring rules, tried in order at each position: line comment, keyword, expander
// word, double-quoted string, character literal, the rest of an identifier, plain character.
#include "editor/line_colouring.h"

namespace zped {

namespace {

class RunBuilder {
  public:
    explicit RunBuilder(std::vector<ColourRun>& runs) : runs_(runs) { runs_.clear(); }

    void add(std::size_t start, std::size_t length, SyntaxItem item) {
        if (length == 0) return;
        if (item == SyntaxItem::Text && !runs_.empty() && runs_.back().item == SyntaxItem::Text &&
            static_cast<std::size_t>(runs_.back().start + runs_.back().length) == start) {
            runs_.back().length += static_cast<int>(length);
            return;
        }
        runs_.push_back({static_cast<int>(start), static_cast<int>(length), item});
    }

  private:
    std::vector<ColourRun>& runs_;
};

} // namespace

void plain_line(std::string_view line, std::vector<ColourRun>& runs) {
    RunBuilder(runs).add(0, line.size(), SyntaxItem::Text);
}

void colour_line(const Language& language, std::string_view line, std::vector<ColourRun>& runs) {
    RunBuilder out(runs);
    const std::string& line_comment = language.line_comment;
    std::size_t p = 0;
    const std::size_t n = line.size();
    while (p < n) {
        char ch = line[p];
        if (!line_comment.empty() && line.substr(p, line_comment.size()) == line_comment) {
            out.add(p, n - p, SyntaxItem::Comment);
            return;
        }
        if (is_letter(ch)) {
            KeywordMatch match = language.lookup.keyword_at(line, p);
            if (match.category > 0) {
                out.add(p, static_cast<std::size_t>(match.length), keyword_item(match.category));
                p += static_cast<std::size_t>(match.length);
                continue;
            }
        }
        if (language.lookup.is_expander_word(line.substr(p))) {
            out.add(p, n - p, SyntaxItem::Expander);
            return;
        }
        if (ch == '"') {
            std::size_t close = line.find('"', p + 1);
            std::size_t end = close == std::string_view::npos ? n : close + 1;
            out.add(p, end - p, SyntaxItem::String);
            p = end;
        } else if (ch == '\'' && p + 2 < n && line[p + 2] == '\'') {
            out.add(p, 3, SyntaxItem::String);
            p += 3;
        } else if (is_letter(ch)) {
            std::size_t end = p;
            while (end < n && is_word_char(line[end]))
                ++end;
            out.add(p, end - p, SyntaxItem::Text);
            p = end;
        } else {
            out.add(p, 1, SyntaxItem::Text);
            ++p;
        }
    }
}

} // namespace zped
