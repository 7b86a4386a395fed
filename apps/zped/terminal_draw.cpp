// Drawing helpers of the terminal front end.
#include "terminal_draw.h"

#include "editor/utf8.h"

namespace zped::terminal {

int mnemonic_index(const std::string& label) {
    std::size_t amp = label.find('&');
    return amp == std::string::npos || amp + 1 >= label.size() ? -1 : static_cast<int>(amp);
}

char upper(char ch) {
    return ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch;
}

char mnemonic_of(const std::string& label) {
    int i = mnemonic_index(label);
    return i < 0 ? 0 : upper(label[static_cast<std::size_t>(i + 1)]);
}

int draw_label(int row, int col, const std::string& label, attr_t base, int width_limit) {
    int x = col;
    int mnemonic = mnemonic_index(label);
    for (int i = 0; i < static_cast<int>(label.size()) && x - col < width_limit; ++i) {
        if (label[static_cast<std::size_t>(i)] == '&') continue;
        attr_t attr = base | (i == mnemonic + 1 && mnemonic >= 0 ? A_UNDERLINE : 0);
        mvaddch(
            row, x++,
            static_cast<chtype>(static_cast<unsigned char>(label[static_cast<std::size_t>(i)])) |
                attr);
    }
    return x - col;
}

void draw_text_at(int row, int col, const std::string& text, int width, attr_t attr) {
    if (width <= 0) return;
    attr_set(attr, 0, nullptr);
    std::string shown;
    int columns = 0;
    for (std::size_t i = 0; i < text.size() && columns < width;) {
        int length = utf8_character_bytes(text, i);
        shown.append(text, i, static_cast<std::size_t>(length));
        columns += length > 1 ? code_point_columns(utf8_code_point(text, i)) : 1;
        i += static_cast<std::size_t>(length);
    }
    mvaddstr(row, col, shown.c_str());
    attr_set(A_NORMAL, 0, nullptr);
}

} // namespace zped::terminal
