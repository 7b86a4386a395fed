// Drawing helpers shared by the screen, the menus and the dialogs of the terminal front end:
// labels with their "&" mnemonic, and UTF-8 text cut to a number of columns.
#pragma once

#include <curses.h>
#include <string>

namespace zped::terminal {

// Index of the "&" that marks the mnemonic, or -1.
int mnemonic_index(const std::string& label);
// The mnemonic letter in upper case, or 0.
char mnemonic_of(const std::string& label);
char upper(char ch);
// Draws a label without its "&" marks, the mnemonic underlined; returns the width drawn.
int draw_label(int row, int col, const std::string& label, attr_t base, int width_limit);
// Draws UTF-8 text from a column, at most `width` columns.
void draw_text_at(int row, int col, const std::string& text, int width, attr_t attr = A_NORMAL);

} // namespace zped::terminal
