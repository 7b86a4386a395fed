// The words of a script line of zped's script mode: words are separated by blanks or tabs, a
// double-quoted part may hold blanks ("" inside quotes stands for one quote), and a "#" at the
// start of a word begins a comment that runs to the end of the line. The texts of "type" and
// "paste" may hold escapes for what a line cannot: \n, \r, \t, \e (Esc), \\ and \xHH.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zped {

struct ScriptWords {
    std::vector<std::string> words;
    std::string error; // not empty: the line is malformed (an unterminated quote)
};

ScriptWords split_script_words(std::string_view line);

// Resolves the escapes of a text; false (with the reason) for an unknown or cut-off escape.
bool unescape_text(std::string_view text, std::string& out, std::string& problem);

} // namespace zped
