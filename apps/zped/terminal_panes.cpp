// The edit windows on the screen: the active one over the whole text area, or every tiled
// window in its band with a title line, each with its own line numbers, colours and selection;
// the terminal's cursor in the active window; clicks and wheel turns on the window under the
// pointer.
#include "terminal_ui.h"

#include "terminal_draw.h"

#include "editor/display_columns.h"
#include "editor/editing.h"
#include "editor/editor_session.h"
#include "editor/utf8.h"
#include "foundation/file_names.h"
#include "foundation/strings.h"

#include <algorithm>
#include <curses.h>

namespace zped::terminal {

std::string window_label(const EditBuffer& b, int index) {
    const std::string& title = b.window_title.empty() ? b.file_name : b.window_title;
    std::string name = b.window_kind == kResultWindow ? "[" + title + "]" : b.file_name;
    return std::to_string(index + 1) + " " + name + (b.modified ? "*" : "");
}

// One line of text: tabs as blanks, UTF-8 characters as themselves, control characters as a
// dim "?" and bytes that are no UTF-8 as a dim replacement character, each in its own column.
void TerminalUi::draw_line(const EditBuffer& b, int index, int row, const CellArea& text_area) {
    TextPosition from, to;
    ordered_selection(b, from, to);
    std::string_view text = b.line(index);
    // Only the visible lines are coloured, each as it is drawn.
    const Language& language = session_->languages.entry(b.language);
    bool coloured = session_->options.colors && b.window_kind == kEditWindow;
    if (coloured)
        colour_line(language, text, runs_);
    else
        plain_line(text, runs_);
    std::size_t run = 0;
    short run_pair = 0;
    int left = text_area.left;
    int column = 0;
    for (std::size_t i = 0; i < text.size();) {
        int length = utf8_character_bytes(text, i);
        int width = character_columns(text, i, column, b.tab_size);
        unsigned char ch = static_cast<unsigned char>(text[i]);
        int at = static_cast<int>(i);
        while (run < runs_.size() && runs_[run].start + runs_[run].length <= at)
            ++run;
        if (coloured && run < runs_.size() && runs_[run].start <= at)
            run_pair = colours_.text_pair(language.style(runs_[run].item).colour);
        bool selected =
            b.has_selection && TextPosition{index, at} >= from && TextPosition{index, at} < to;
        // Selected text is drawn inverse in the terminal's own colours.
        attr_t attr = selected ? A_REVERSE : A_NORMAL;
        short pair = selected || !coloured ? 0 : run_pair;
        bool valid = utf8_sequence_length(text, i) > 0;
        int x = column - b.view.left.value;
        if (x >= text_area.columns) break;
        if (x >= 0 || x + width > 0) {
            attr_set(attr, pair, nullptr);
            if (ch == '\t') {
                for (int k = std::max(0, -x); k < width && x + k < text_area.columns; ++k)
                    mvaddch(row, left + x + k, ' ');
            } else if (!valid || ch < 32 || ch == 127) {
                attr_set(attr | A_DIM, pair, nullptr);
                if (x >= 0) mvaddstr(row, left + x, !valid && utf8_ ? "\xEF\xBF\xBD" : "?");
            } else if (length == 1 || !utf8_) {
                if (x >= 0) mvaddch(row, left + x, length == 1 ? ch : '?');
            } else if (x < 0 || x + width > text_area.columns) {
                // A wide character cut by the window's edge.
                if (x >= 0) mvaddch(row, left + x, '>');
            } else {
                mvaddnstr(row, left + x, text.data() + i, length);
            }
            attr_set(A_NORMAL, 0, nullptr);
        }
        column += width;
        i += static_cast<std::size_t>(length);
    }
}

void TerminalUi::draw_text() {
    for (int r = 0; r < layout_.text_rows; ++r) {
        move(layout_.text_top + r, layout_.text_left);
        clrtoeol();
    }
    if (session_->buffers.empty()) {
        mvaddstr(layout_.text_top + 1, layout_.text_left + 2,
                 "No window is open: Ctrl+N makes a new one, Ctrl+O opens a file.");
        return;
    }
    for (const WindowPane& pane : session_->windows().panes())
        draw_pane(pane);
}

void TerminalUi::draw_pane(const WindowPane& pane) {
    const EditBuffer& b = *pane.buffer;
    if (pane.titled) draw_pane_title(pane);
    if (pane.right_border)
        mvvline(pane.frame.top, pane.frame.left + pane.frame.columns - 1, '|', pane.frame.rows);
    for (int r = 0; r < pane.text.rows; ++r) {
        int index = b.view.top_line + r;
        if (index >= b.line_count()) break;
        int row = pane.text.top + r;
        if (pane.gutter > 0) {
            std::string number = zeph::format_text("%*d ", pane.gutter - 1, index + 1);
            attr_set(A_DIM, 0, nullptr);
            mvaddnstr(row, pane.text.left - pane.gutter, number.c_str(), pane.gutter);
            attr_set(A_NORMAL, 0, nullptr);
        }
        draw_line(b, index, row, pane.text);
    }
}

// The active window's title is an inverse bar of "=", the others' a line of "-", so that the
// active one stands out on a terminal without colours too.
void TerminalUi::draw_pane_title(const WindowPane& pane) {
    bool active = pane.buffer == session_->active();
    attr_t attr = active ? A_REVERSE | A_BOLD : A_NORMAL;
    int width = pane.frame.columns - (pane.right_border ? 1 : 0);
    move(pane.frame.top, pane.frame.left);
    for (int x = 0; x < width; ++x)
        addch(static_cast<chtype>(active ? '=' : '-') | attr);
    int index = 0;
    for (std::size_t i = 0; i < session_->buffers.size(); ++i)
        if (session_->buffers[i].get() == pane.buffer) index = static_cast<int>(i);
    std::string label = " " + window_label(*pane.buffer, index) + " ";
    // A narrow window names its file without the directories.
    if (static_cast<int>(label.size()) > width - 2 && pane.buffer->window_kind == kEditWindow)
        label = " " + std::to_string(index + 1) + " " + zeph::file_part(pane.buffer->file_name) +
                (pane.buffer->modified ? "*" : "") + " ";
    draw_text_at(pane.frame.top, pane.frame.left + 1, label, width - 2, attr);
}

void TerminalUi::place_cursor() {
    EditBuffer* b = session_->active();
    const WindowPane* pane = b ? session_->windows().pane_of(b) : nullptr;
    if (!pane) {
        curs_set(0);
        return;
    }
    int row = pane->text.top + b->cursor.line - b->view.top_line;
    int col = pane->text.left + b->display_column(b->cursor).value - b->view.left.value;
    // The wheel may have scrolled the cursor out of its window.
    if (!pane->text.contains(row, col)) {
        curs_set(0);
        return;
    }
    curs_set(1);
    move(row, col);
}

bool TerminalUi::click_in_pane(int row, int column) {
    const WindowPane* pane = session_->windows().pane_at(row, column);
    if (!pane) return false;
    EditBuffer* b = pane->buffer;
    // Activating places the windows anew, so the pane is read before.
    CellArea text = pane->text;
    if (b != session_->active()) session_->activate(b);
    if (text.contains(row, column)) {
        int line = std::min(b->view.top_line + row - text.top, b->line_count() - 1);
        DisplayColumn wanted{b->view.left.value + column - text.left};
        move_cursor(*b, {line, byte_column_at(b->line(line), wanted, b->tab_size)}, false);
    }
    session_->refresh_enable_groups();
    return true;
}

bool TerminalUi::wheel_in_pane(int row, int column, int lines) {
    const WindowPane* pane = session_->windows().pane_at(row, column);
    if (!pane) return false;
    EditBuffer* b = pane->buffer;
    if (b != session_->active()) session_->activate(b);
    // The view moves, the cursor stays; the next move of the cursor brings it back in sight.
    int top = b->view.top_line;
    int last_top = std::max(top, b->line_count() - b->visible_lines);
    b->view.top_line = std::clamp(top + lines, 0, std::max(0, last_top));
    return true;
}

} // namespace zped::terminal
