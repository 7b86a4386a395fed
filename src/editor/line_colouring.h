// Colouring one line of text by a language: the line is split into runs of syntax items
// (plain text, a comment to the end of the line, strings, keywords of the five categories and
// an expander word at the end of the line).
#pragma once

#include "editor/language.h"

#include <string_view>
#include <vector>

namespace zped {

struct ColourRun {
    int start = 0; // byte column
    int length = 0;
    SyntaxItem item = SyntaxItem::Text;
    bool operator==(const ColourRun&) const = default;
};

// Replaces `runs` by the runs of `line`, in order, covering every byte; neighbouring plain
// characters make one Text run. An empty line has no runs.
void colour_line(const Language& language, std::string_view line, std::vector<ColourRun>& runs);

// The whole line as one Text run (colouring off, or a window without a language).
void plain_line(std::string_view line, std::vector<ColourRun>& runs);

} // namespace zped
