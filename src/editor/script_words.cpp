// Escapes in the texts of script lines.
#include "editor/script_words.h"

namespace zped {

namespace {
int hex_digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}
} // namespace

bool unescape_text(std::string_view text, std::string& out, std::string& problem) {
    out.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i >= text.size()) {
            problem = "a backslash ends the text";
            return false;
        }
        switch (text[i]) {
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case 't':
            out += '\t';
            break;
        case 'e':
            out += '\x1b';
            break;
        case '\\':
            out += '\\';
            break;
        case 'x': {
            int high = i + 1 < text.size() ? hex_digit(text[i + 1]) : -1;
            int low = i + 2 < text.size() ? hex_digit(text[i + 2]) : -1;
            if (high < 0 || low < 0) {
                problem = "\\x needs two hexadecimal digits";
                return false;
            }
            out += static_cast<char>(high * 16 + low);
            i += 2;
            break;
        }
        default:
            problem = std::string("unknown escape \\") + text[i];
            return false;
        }
    }
    return true;
}

} // namespace zped
