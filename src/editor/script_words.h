// Script lines of zped's script mode split into words as the shell's command lines do
// (foundation/command_words.h). The texts of "type" and "paste" may hold escapes for what a line
// cannot: \n, \r, \t, \e (Esc), \\ and \xHH.
#pragma once

#include <string>
#include <string_view>

namespace zped {

// Resolves the escapes of a text; false (with the reason) for an unknown or cut-off escape.
bool unescape_text(std::string_view text, std::string& out, std::string& problem);

} // namespace zped
