// Drawing, modal boxes and the main loop of the terminal front end.
#include "terminal_ui.h"

#include "terminal_draw.h"

#include "editor/apply_edit.h"
#include "editor/buffer_files.h"
#include "editor/desktop_clipboard.h"
#include "editor/dialog.h"
#include "editor/display_columns.h"
#include "editor/edit_memory.h"
#include "editor/editing.h"
#include "editor/editor_session.h"
#include "editor/menu_definitions.h"
#include "editor/single_instance.h"
#include "editor/utf8.h"
#include "foundation/strings.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <curses.h>
#include <langinfo.h>
#include <new>
#include <unistd.h>

namespace zped::terminal {

namespace {

constexpr int kMenuRow = 0;
constexpr int kIdleMilliseconds = 150;
constexpr int kWheelLines = 3; // lines a turn of the wheel scrolls
// The largest text handed to the terminal's clipboard (100,000 bytes of base64).
constexpr std::size_t kMaxTerminalClipboard = 74994;

std::size_t build_nodes(const std::vector<MenuEntry>& entries, std::size_t i,
                        std::vector<MenuNode>& into) {
    while (i < entries.size()) {
        const MenuEntry& e = entries[i++];
        if (e.kind == MenuKind::PopupEnd) return i;
        MenuNode node;
        node.label = e.label;
        node.command = e.command;
        node.separator = e.kind == MenuKind::Separator;
        if (e.kind == MenuKind::PopupStart) {
            node.popup = true;
            i = build_nodes(entries, i, node.children);
        }
        into.push_back(std::move(node));
    }
    return i;
}

bool selectable(const MenuNode& node) {
    return !node.separator;
}

} // namespace

std::vector<MenuNode> menu_tree(const std::vector<MenuEntry>& entries) {
    std::vector<MenuNode> tree;
    std::size_t i = 0;
    while (i < entries.size())
        i = build_nodes(entries, i, tree); // stray ENDs are skipped
    return tree;
}

TerminalUi::~TerminalUi() {
    close();
}

bool TerminalUi::open() {
    std::setlocale(LC_ALL, "");
    utf8_ = std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0;
    set_escdelay(40);
    std::string direct = direct_colour_terminal();
    if (!direct.empty()) screen_ = newterm(direct.c_str(), stdout, stdin);
    if (!screen_ && !initscr()) return false;
    raw();
    noecho();
    nonl();
    keypad(stdscr, TRUE);
    install_key_sequences();
    mousemask(BUTTON1_PRESSED | BUTTON1_CLICKED | BUTTON4_PRESSED | BUTTON5_PRESSED |
                  REPORT_MOUSE_POSITION,
              nullptr);
    mouseinterval(0);
    set_bracketed_paste(true);
    // Report mouse movement too, so that a button can show its tool tip.
    std::fputs("\033[?1003h", stdout);
    std::fflush(stdout);
    colours_.start();
    open_ = true;
    return true;
}

void TerminalUi::close() {
    if (!open_) return;
    std::fputs("\033[?1003l", stdout);
    set_bracketed_paste(false);
    endwin();
    if (screen_) delscreen(screen_);
    screen_ = nullptr;
    open_ = false;
}

void TerminalUi::compute_layout() {
    Layout l;
    int rows = LINES, cols = COLS;
    l.tab_row = 1;
    l.text_top = 2;
    l.text_left = 0;
    bool has_buttons = session_ && !session_->buttons.empty();
    if (has_buttons && !session_->options.buttons_left) {
        l.buttons_row = 1;
        l.tab_row = 2;
        l.text_top = 3;
    } else if (has_buttons) {
        l.buttons_width = 12;
        l.text_left = l.buttons_width + 1;
    }
    l.text_rows = std::max(1, rows - l.text_top - 1);
    l.text_cols = std::max(1, cols - l.text_left);
    layout_ = l;
    // A terminal that changed its size places the windows anew, each view refitted around its
    // cursor.
    if (session_) session_->set_text_area({l.text_top, l.text_left, l.text_rows, l.text_cols});
}

std::string TerminalUi::item_label(const MenuNode& item) const {
    std::string label = item.label;
    if (!session_ || item.command < 0) return label;
    const char* name = session_->commands.row(item.command).name;
    if (std::string(name).rfind("LoadMRUFile", 0) == 0) {
        int index = name[11] - '1';
        if (!session_->mru.entry(index).empty()) label = session_->mru.menu_label(index);
    }
    // A loaded user tool shows its name.
    if (std::string(name).rfind("RunTool", 0) == 0) {
        int slot = name[7] - '0';
        if (slot <= session_->tools.loaded)
            label = "&" + std::to_string(slot) + " " + session_->commands.label(item.command);
    }
    return label;
}

void TerminalUi::draw_menu_bar() {
    attr_t bar = A_REVERSE;
    move(kMenuRow, 0);
    for (int x = 0; x < COLS; ++x)
        addch(' ' | bar);
    title_cols_.clear();
    int col = 1;
    for (const MenuNode& node : menu_) {
        title_cols_.push_back(col);
        col += draw_label(kMenuRow, col + 1, node.label, bar, COLS) + 3;
    }
}

void TerminalUi::draw_buttons() {
    button_spots_.clear();
    if (!session_) return;
    int row = layout_.buttons_row >= 0 ? layout_.buttons_row : layout_.text_top - 1;
    int col = 0;
    for (const Button& b : session_->buttons) {
        std::string label = session_->commands.label(b.command);
        if (label.empty()) label = session_->commands.row(b.command).name;
        label = "[" + label.substr(0, 10) + "]";
        attr_t attr = session_->commands.enabled(b.command) ? A_NORMAL : A_DIM;
        if (layout_.buttons_row >= 0) {
            if (b.gap_before) col += 1;
            if (col + static_cast<int>(label.size()) > COLS) break;
            mvaddstr(row, col, label.c_str());
            mvchgat(row, col, static_cast<int>(label.size()), attr, 0, nullptr);
            button_spots_.push_back({row, col, static_cast<int>(label.size()), b.command});
            col += static_cast<int>(label.size());
        } else {
            row += b.gap_before ? 2 : 1;
            if (row >= LINES - 1) break;
            mvaddstr(row, 0, label.c_str());
            mvchgat(row, 0, static_cast<int>(label.size()), attr, 0, nullptr);
            button_spots_.push_back({row, 0, static_cast<int>(label.size()), b.command});
        }
    }
}

void TerminalUi::draw_tabs() {
    tab_spots_.clear();
    int col = layout_.text_left;
    move(layout_.tab_row, col);
    clrtoeol();
    for (std::size_t i = 0; i < session_->buffers.size(); ++i) {
        const EditBuffer& b = *session_->buffers[i];
        std::string tab = " " + window_label(b, static_cast<int>(i)) + " ";
        bool active = &b == session_->active();
        int end = std::min(COLS, col + static_cast<int>(tab.size()));
        draw_text_at(layout_.tab_row, col, tab, end - col);
        mvchgat(layout_.tab_row, col, end - col, active ? A_REVERSE | A_BOLD : A_UNDERLINE, 0,
                nullptr);
        tab_spots_.emplace_back(col, end);
        col = end + 1;
        if (col >= COLS) break;
    }
}

void TerminalUi::draw_status() {
    int row = LINES - 1;
    StatusFields fields =
        status_fields(session_ ? session_->active() : nullptr, session_ && session_->overwrite);
    status_line_.update(fields);
    std::string right = fields.position + " | " + fields.mode + " | " + fields.state + " ";
    move(row, 0);
    for (int x = 0; x < COLS; ++x)
        addch(' ' | A_REVERSE);
    int room = std::max(0, COLS - static_cast<int>(right.size()) - 1);
    std::string text = status_text_;
    if (program_runs_) text = "Esc stops the program. " + text;
    draw_text_at(row, 1, text, room - 1, A_REVERSE);
    mvaddnstr(row, std::max(0, COLS - static_cast<int>(right.size())), right.c_str(), COLS);
    mvchgat(row, 0, COLS, A_REVERSE, 0, nullptr);
}

// The description of the button the mouse rests on, in a box beside it.
void TerminalUi::draw_tooltip() {
    for (const ButtonSpot& spot : button_spots_) {
        if (spot.command != tooltip_button_) continue;
        std::string tip = session_->commands.row(spot.command).description;
        int row = layout_.buttons_row >= 0 ? spot.row + 1 : spot.row;
        int col = layout_.buttons_row >= 0 ? spot.col : spot.col + spot.width + 1;
        col = std::max(0, std::min(col, COLS - static_cast<int>(tip.size()) - 2));
        draw_text_at(row, col, " " + tip + " ", COLS - col, A_REVERSE | A_BOLD);
        return;
    }
}

void TerminalUi::draw() {
    if (!open_ || !session_) return;
    compute_layout();
    if (menu_.empty()) menu_ = menu_tree(session_->menu);
    erase();
    draw_menu_bar();
    draw_buttons();
    draw_tabs();
    draw_text();
    draw_status();
    draw_tooltip();
    place_cursor();
}

std::vector<std::string> TerminalUi::box_lines(const std::string& text) const {
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (;;) {
        std::size_t nl = text.find('\n', from);
        lines.push_back(text.substr(from, nl == std::string::npos ? std::string::npos : nl - from));
        if (nl == std::string::npos) return lines;
        from = nl + 1;
    }
}

void TerminalUi::draw_box(const std::string& title, const std::vector<std::string>& lines,
                          const std::string& footer, int& top, int& left, int& width) {
    width = static_cast<int>(std::max(title.size() + 4, footer.size() + 4));
    for (const std::string& l : lines)
        width = std::max(width, display_width(l, static_cast<int>(l.size()), 8).value + 4);
    width = std::min(width, COLS);
    int height = static_cast<int>(lines.size()) + 4;
    top = std::max(0, (LINES - height) / 2);
    left = std::max(0, (COLS - width) / 2);
    for (int r = 0; r < height; ++r) {
        move(top + r, left);
        for (int x = 0; x < width; ++x)
            addch(' ');
    }
    attron(A_BOLD);
    mvhline(top, left, '-', width);
    mvhline(top + height - 1, left, '-', width);
    mvvline(top, left, '|', height);
    mvvline(top, left + width - 1, '|', height);
    mvaddch(top, left, '+');
    mvaddch(top, left + width - 1, '+');
    mvaddch(top + height - 1, left, '+');
    mvaddch(top + height - 1, left + width - 1, '+');
    attroff(A_BOLD);
    draw_text_at(top, left + 2, " " + title + " ", width - 4, A_BOLD);
    for (std::size_t i = 0; i < lines.size(); ++i)
        draw_text_at(top + 1 + static_cast<int>(i), left + 2, lines[i], width - 4);
    mvaddnstr(top + height - 2, left + (width - static_cast<int>(footer.size())) / 2,
              footer.c_str(), width - 2);
}

int TerminalUi::wait_key(bool main_loop) {
    for (;;) {
        timeout(kIdleMilliseconds);
        int ch = getch();
        if (ch != ERR) return ch;
        if (take_hand_overs(!main_loop)) return ERR;
    }
}

bool TerminalUi::take_hand_overs(bool modal) {
    if (!server_) return false;
    std::vector<std::string> requests = server_->take_requests();
    for (std::string& name : requests) {
        if (name.empty()) {
            status("Another zped asked for this window.", false);
            continue;
        }
        if (modal)
            status(zeph::format_text("'%s' opens when this box closes.", name.c_str()), false);
        handed_over_.push_back(std::move(name));
    }
    return !requests.empty();
}

void TerminalUi::open_handed_over() {
    while (!handed_over_.empty()) {
        std::string name = std::move(handed_over_.front());
        handed_over_.pop_front();
        if (EditBuffer* open = session_->find_by_absolute_name(name))
            session_->activate(open);
        else
            LoadBuffer(*session_, name, false, false, kEditWindow);
        session_->refresh_enable_groups();
    }
}

void TerminalUi::message_box(const std::string& title, const std::string& text) {
    if (!open_) return;
    for (;;) {
        draw();
        int top, left, width;
        draw_box(title, box_lines(text), "[ OK ]", top, left, width);
        curs_set(0);
        refresh();
        int ch = wait_key(false);
        if (ch == ERR || ch == KEY_RESIZE) continue;
        if (ch == 13 || ch == 10 || ch == 27 || ch == ' ' || ch == KEY_ENTER) break;
        if (ch == KEY_MOUSE) {
            MEVENT m;
            if (getmouse(&m) == OK && (m.bstate & (BUTTON1_PRESSED | BUTTON1_CLICKED))) break;
        }
    }
}

Answer TerminalUi::question(const std::string& title, const std::string& text, bool with_cancel) {
    if (!open_) return with_cancel ? Answer::Cancel : Answer::No;
    std::string footer = with_cancel ? "[Y]es  [N]o  [C]ancel" : "[Y]es  [N]o";
    for (;;) {
        draw();
        int top, left, width;
        draw_box(title, box_lines(text), footer, top, left, width);
        curs_set(0);
        refresh();
        int ch = wait_key(false);
        if (ch == 'y' || ch == 'Y' || ch == 13 || ch == 10 || ch == KEY_ENTER) return Answer::Yes;
        if (ch == 'n' || ch == 'N') return Answer::No;
        if (ch == 'c' || ch == 'C' || ch == 27) return with_cancel ? Answer::Cancel : Answer::No;
    }
}

Answer TerminalUi::ask_yes_no(const std::string& title, const std::string& q) {
    return question(title, q, false);
}
Answer TerminalUi::ask_yes_no_cancel(const std::string& title, const std::string& q) {
    return question(title, q, true);
}

std::optional<std::string> TerminalUi::prompt(const std::string& title, const std::string& label,
                                              const std::string& proposal) {
    if (!open_) return std::nullopt;
    std::string text = proposal;
    std::size_t caret = text.size();
    for (;;) {
        draw();
        int field = std::max(40, static_cast<int>(label.size()));
        int top, left, width;
        draw_box(title, {label, std::string(static_cast<std::size_t>(field), ' ')},
                 "Enter: OK   Esc: Cancel", top, left, width);
        int room = width - 4;
        std::size_t first = 0;
        while (display_width(text.substr(first), static_cast<int>(caret - first), 8).value >= room)
            first += static_cast<std::size_t>(utf8_character_bytes(text, first));
        draw_text_at(top + 2, left + 2, text.substr(first), room);
        mvchgat(top + 2, left + 2, room, A_UNDERLINE, 0, nullptr);
        curs_set(1);
        move(top + 2,
             left + 2 +
                 display_width(text.substr(first), static_cast<int>(caret - first), 8).value);
        refresh();
        int ch = wait_key(false);
        if (ch == ERR || ch == KEY_RESIZE) continue;
        if (ch == 13 || ch == 10 || ch == KEY_ENTER) return text;
        KeyEvent e = translate_key(ch);
        const KeyCombo& k = e.combo();
        if (k.key == vk::Esc && !k.alt) return std::nullopt;
        if (e.paste) e.input.typed = e.pasted.substr(0, e.pasted.find_first_of("\r\n"));
        if (k.key == vk::BackSpace && caret > 0) {
            std::size_t start = utf8_previous_start(text, caret);
            text.erase(start, caret - start);
            caret = start;
        } else if (k.key == vk::Del && caret < text.size()) {
            text.erase(caret, static_cast<std::size_t>(utf8_character_bytes(text, caret)));
        } else if (k.key == vk::Left && caret > 0) {
            caret = utf8_previous_start(text, caret);
        } else if (k.key == vk::Right && caret < text.size()) {
            caret += static_cast<std::size_t>(utf8_character_bytes(text, caret));
        } else if (k.key == vk::Home) {
            caret = 0;
        } else if (k.key == vk::End) {
            caret = text.size();
        } else if (!e.input.typed.empty() && !k.ctrl && !k.alt &&
                   text.size() + e.input.typed.size() <= 255) {
            text.insert(caret, e.input.typed);
            caret += e.input.typed.size();
        }
    }
}

std::optional<std::string> TerminalUi::file_dialog(const std::string& title,
                                                   const std::string& proposal, bool) {
    return prompt(title, "File name:", proposal);
}

void TerminalUi::status(const std::string& text, bool beep_too) {
    status_text_ = text;
    if (beep_too && open_) beep();
}

void TerminalUi::progress(const std::string& text) {
    status_text_ = text;
    if (!open_ || !session_) return;
    draw_status();
    refresh();
}

bool TerminalUi::program_running(const EditBuffer&) {
    if (!open_ || !session_) return true;
    program_runs_ = true;
    // A fast program writes many pieces a second; the screen follows at a pace it can keep.
    auto now = std::chrono::steady_clock::now();
    if (now - last_program_draw_ >= std::chrono::milliseconds(40)) {
        last_program_draw_ = now;
        draw();
        refresh();
    }
    // Keys typed meanwhile are dropped; a lone Esc (not the start of a key sequence) stops.
    bool stop = false;
    timeout(0);
    for (int ch = getch(); ch != ERR; ch = getch())
        if (ch == 27) {
            int next = getch();
            if (next == ERR) stop = true;
        }
    timeout(150);
    program_runs_ = false;
    return !stop;
}

void TerminalUi::set_terminal_clipboard(const std::string& text) {
    // Terminals limit the sequence; a larger text stays on the desktop's or internal clipboard.
    if (!open_ || text.size() > kMaxTerminalClipboard) return;
    std::string sequence = osc52_sequence(text);
    std::fflush(stdout);
    for (std::size_t done = 0; done < sequence.size();) {
        ssize_t n = ::write(STDOUT_FILENO, sequence.data() + done, sequence.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
    }
}

void TerminalUi::run_command(int index) {
    if (index < 0) return;
    session_->run_command(index);
}

void TerminalUi::paste(const std::string& text) {
    EditBuffer* b = session_->active();
    if (!b) return;
    paste_text(*b, text);
    session_->refresh_enable_groups();
}

int TerminalUi::menu_title_at(int col) const {
    for (std::size_t i = 0; i < title_cols_.size(); ++i) {
        int end = i + 1 < title_cols_.size()
                      ? title_cols_[i + 1]
                      : title_cols_[i] + static_cast<int>(menu_[i].label.size()) + 2;
        if (col >= title_cols_[i] && col < end) return static_cast<int>(i);
    }
    return -1;
}

void TerminalUi::handle_mouse() {
    MEVENT m;
    if (getmouse(&m) != OK) return;
    if (m.bstate & (BUTTON4_PRESSED | BUTTON5_PRESSED)) {
        wheel_in_pane(m.y, m.x, m.bstate & BUTTON4_PRESSED ? -kWheelLines : kWheelLines);
        return;
    }
    if (!(m.bstate & (BUTTON1_PRESSED | BUTTON1_CLICKED))) {
        // The mouse moved: a button under it shows its description.
        int over = -1;
        for (const ButtonSpot& spot : button_spots_)
            if (m.y == spot.row && m.x >= spot.col && m.x < spot.col + spot.width)
                over = spot.command;
        tooltip_button_ = over;
        return;
    }
    tooltip_button_ = -1;
    if (m.y == kMenuRow) {
        int title = menu_title_at(m.x);
        if (title >= 0) run_menu(title);
        return;
    }
    for (const ButtonSpot& spot : button_spots_)
        if (m.y == spot.row && m.x >= spot.col && m.x < spot.col + spot.width) {
            run_command(spot.command);
            return;
        }
    if (m.y == layout_.tab_row) {
        for (std::size_t i = 0; i < tab_spots_.size(); ++i)
            if (m.x >= tab_spots_[i].first && m.x < tab_spots_[i].second)
                session_->activate(session_->buffers[i].get());
        return;
    }
    click_in_pane(m.y, m.x);
}

void TerminalUi::handle(const KeyEvent& e) {
    if (e.none || e.resize) return;
    if (e.mouse) {
        handle_mouse();
        return;
    }
    if (e.paste) {
        paste(e.pasted);
        return;
    }
    if (run_accelerator(*session_, e.combo())) return;
    if (e.combo() == KeyCombo{vk::F1 + 9}) {
        if (!menu_.empty()) run_menu(0);
        return;
    }
    if (e.combo().alt && !e.combo().ctrl)
        for (std::size_t i = 0; i < menu_.size(); ++i)
            if (mnemonic_of(menu_[i].label) == upper(static_cast<char>(e.combo().key))) {
                run_menu(static_cast<int>(i));
                return;
            }
    handle_editing_key(*session_, e.input);
}

void TerminalUi::run() {
    while (!session_->exit_requested) {
        try {
            open_handed_over();
            draw();
            refresh();
            int ch = wait_key(true);
            if (ch == ERR) continue;
            KeyEvent event = translate_key(ch);
            if (!event.mouse) status_text_.clear();
            handle(event);
        } catch (const std::bad_alloc&) {
            // Whatever asked for the memory gave up; the buffers are as they were.
            EditMemory::report_exhausted(0);
        }
    }
}

void TerminalUi::run_menu(int top_index) {
    struct Level {
        const std::vector<MenuNode>* items;
        int selected;
        int row = 0, col = 0, width = 0; // box of a popup level
    };
    auto first_selectable = [](const std::vector<MenuNode>& items) {
        for (std::size_t i = 0; i < items.size(); ++i)
            if (selectable(items[i])) return static_cast<int>(i);
        return 0;
    };
    std::vector<Level> levels{{&menu_, top_index}};
    levels.reserve(16);
    auto open_top = [&](int index) {
        levels.resize(1);
        levels[0].selected = index;
        const MenuNode& node = menu_[static_cast<std::size_t>(index)];
        if (node.popup && !node.children.empty())
            levels.push_back({&node.children, first_selectable(node.children)});
    };
    open_top(top_index);
    int run = -1;
    for (bool done = false; !done;) {
        // The status line describes the highlighted item, as a menu's help line does.
        const Level& shown = levels.back();
        const MenuNode& highlighted = (*shown.items)[static_cast<std::size_t>(shown.selected)];
        status_text_ = levels.size() > 1 && highlighted.command >= 0
                           ? session_->commands.row(highlighted.command).description
                           : "";
        draw();
        // The selected title, then every open popup.
        int top_sel = levels[0].selected;
        draw_label(kMenuRow, title_cols_[static_cast<std::size_t>(top_sel)] + 1,
                   menu_[static_cast<std::size_t>(top_sel)].label, A_NORMAL, COLS);
        for (std::size_t k = 1; k < levels.size(); ++k) {
            Level& level = levels[k];
            const Level& parent = levels[k - 1];
            int width = 10;
            for (const MenuNode& item : *level.items) {
                int w = static_cast<int>(item_label(item).size()) + 2;
                if (item.command >= 0)
                    if (const Accelerator* a = accelerator_of(session_->accelerators, item.command))
                        w += static_cast<int>(combo_text(a->combo).size()) + 3;
                width = std::max(width, w + 2);
            }
            level.width = std::min(width, COLS);
            level.row = k == 1 ? 1 : parent.row + 1 + parent.selected;
            level.col =
                k == 1 ? title_cols_[static_cast<std::size_t>(top_sel)] : parent.col + parent.width;
            level.col = std::max(0, std::min(level.col, COLS - level.width));
            int height = static_cast<int>(level.items->size()) + 2;
            for (int r = 0; r < height && level.row + r < LINES; ++r) {
                move(level.row + r, level.col);
                for (int x = 0; x < level.width; ++x)
                    addch(' ');
            }
            mvhline(level.row, level.col, '-', level.width);
            mvhline(level.row + height - 1, level.col, '-', level.width);
            mvvline(level.row, level.col, '|', height);
            mvvline(level.row, level.col + level.width - 1, '|', height);
            for (std::size_t i = 0; i < level.items->size(); ++i) {
                const MenuNode& item = (*level.items)[i];
                int row = level.row + 1 + static_cast<int>(i);
                if (item.separator) {
                    mvhline(row, level.col + 1, '-', level.width - 2);
                    continue;
                }
                bool enabled =
                    item.popup || (item.command >= 0 && session_->commands.enabled(item.command));
                attr_t attr =
                    (static_cast<int>(i) == level.selected ? A_REVERSE : 0) | (enabled ? 0 : A_DIM);
                mvchgat(row, level.col + 1, level.width - 2, attr, 0, nullptr);
                move(row, level.col + 1);
                for (int x = 0; x < level.width - 2; ++x)
                    addch(' ' | attr);
                draw_label(row, level.col + 2, item_label(item), attr, level.width - 4);
                std::string right = item.popup ? ">" : "";
                if (item.command >= 0)
                    if (const Accelerator* a = accelerator_of(session_->accelerators, item.command))
                        right = combo_text(a->combo);
                mvaddstr(row, level.col + level.width - 2 - static_cast<int>(right.size()),
                         right.c_str());
                mvchgat(row, level.col + level.width - 2 - static_cast<int>(right.size()),
                        static_cast<int>(right.size()), attr, 0, nullptr);
            }
        }
        curs_set(0);
        refresh();

        Level& deepest = levels.back();
        const std::vector<MenuNode>& items = *deepest.items;
        auto activate = [&](int index) {
            const MenuNode& item = items[static_cast<std::size_t>(index)];
            deepest.selected = index;
            if (item.popup) {
                if (!item.children.empty())
                    levels.push_back({&item.children, first_selectable(item.children)});
            } else if (item.command >= 0 && session_->commands.enabled(item.command)) {
                run = item.command;
                done = true;
            } else if (item.command >= 0) {
                beep();
            }
        };
        auto step = [&](int direction) {
            int n = static_cast<int>(items.size());
            for (int i = 1; i <= n; ++i) {
                int candidate = ((deepest.selected + direction * i) % n + n) % n;
                if (selectable(items[static_cast<std::size_t>(candidate)])) {
                    deepest.selected = candidate;
                    return;
                }
            }
        };
        int ch = wait_key(false);
        int tops = static_cast<int>(menu_.size());
        if (ch == ERR || ch == KEY_RESIZE) {
            continue;
        } else if (ch == 27) {
            KeyEvent e = translate_key(27);
            if (e.combo().alt) continue;
            if (levels.size() <= 2)
                done = true;
            else
                levels.pop_back();
        } else if (ch == KEY_LEFT) {
            if (levels.size() > 2)
                levels.pop_back();
            else
                open_top((levels[0].selected - 1 + tops) % tops);
        } else if (ch == KEY_RIGHT) {
            if (levels.size() > 1 && items[static_cast<std::size_t>(deepest.selected)].popup)
                activate(deepest.selected);
            else
                open_top((levels[0].selected + 1) % tops);
        } else if (ch == KEY_UP && levels.size() > 1) {
            step(-1);
        } else if (ch == KEY_DOWN) {
            if (levels.size() > 1)
                step(1);
            else
                open_top(levels[0].selected);
        } else if (ch == 13 || ch == 10 || ch == KEY_ENTER) {
            activate(deepest.selected);
        } else if (ch == KEY_F(10)) {
            done = true;
        } else if (ch == KEY_MOUSE) {
            MEVENT m;
            if (getmouse(&m) != OK || !(m.bstate & (BUTTON1_PRESSED | BUTTON1_CLICKED))) continue;
            if (m.y == kMenuRow) {
                int title = menu_title_at(m.x);
                if (title >= 0)
                    open_top(title);
                else
                    done = true;
                continue;
            }
            bool inside = false;
            for (std::size_t k = levels.size(); k-- > 1;) {
                Level& level = levels[k];
                int index = m.y - level.row - 1;
                if (m.x > level.col && m.x < level.col + level.width - 1 && index >= 0 &&
                    index < static_cast<int>(level.items->size())) {
                    levels.resize(k + 1);
                    inside = true;
                    if (selectable((*level.items)[static_cast<std::size_t>(index)])) {
                        Level& now = levels.back();
                        now.selected = index;
                        const MenuNode& item = (*now.items)[static_cast<std::size_t>(index)];
                        if (item.popup) {
                            if (!item.children.empty())
                                levels.push_back({&item.children, first_selectable(item.children)});
                        } else if (item.command >= 0 && session_->commands.enabled(item.command)) {
                            run = item.command;
                            done = true;
                        }
                    }
                    break;
                }
            }
            if (!inside) done = true;
        } else if (ch >= 32 && ch < 127) {
            for (std::size_t i = 0; i < items.size(); ++i)
                if (mnemonic_of(items[i].label) == upper(static_cast<char>(ch))) {
                    activate(static_cast<int>(i));
                    break;
                }
        }
        if (levels.size() == 1 && !done &&
            !menu_[static_cast<std::size_t>(levels[0].selected)].popup &&
            (ch == 13 || ch == 10 || ch == KEY_ENTER)) {
            run = menu_[static_cast<std::size_t>(levels[0].selected)].command;
            done = true;
        }
    }
    status_text_.clear();
    if (run >= 0) run_command(run);
}

} // namespace zped::terminal
