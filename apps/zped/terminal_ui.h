// The ncurses front end of zped: the menu bar built from the menu table, the button bar, the
// tab line of open buffers, the edit windows (the active one alone, or all of them tiled), the
// status line, modal message boxes, prompts and dialogs, and the main loop that maps keys and
// mouse clicks to commands. While a modal box, menu or dialog is open, files handed over by
// another zped are taken at once and opened when it closes.
#pragma once

#include "editor/editor_ui.h"
#include "editor/line_colouring.h"
#include "editor/status_line.h"
#include "editor/window_layout.h"
#include "terminal_colours.h"
#include "terminal_keys.h"

#include <chrono>
#include <deque>
#include <string>
#include <vector>

namespace zped {
class EditorSession;
class InstanceServer;
struct DialogField;
struct MenuEntry;
} // namespace zped

namespace zped::terminal {

// A popup or item of the menu bar, as a tree.
struct MenuNode {
    std::string label;
    int command = -1;
    bool separator = false;
    std::vector<MenuNode> children;
    bool popup = false;
};

std::vector<MenuNode> menu_tree(const std::vector<MenuEntry>& entries);

// A window's number (from 1, as `index` from 0), its name ("[name]" for a result window) and
// "*" when it is modified, as its tab and its title line show it.
std::string window_label(const EditBuffer& buffer, int index);

class TerminalUi : public EditorUi {
  public:
    TerminalUi() = default;
    ~TerminalUi() override;

    // Takes the terminal; false when it is no terminal.
    bool open();
    void close();
    void attach(EditorSession& session) { session_ = &session; }
    // Hand-overs from other instances arrive here, also while a modal box is open.
    void listen_to(InstanceServer& server) { server_ = &server; }

    // Runs until the session asks to exit.
    void run();

    void message_box(const std::string& title, const std::string& text) override;
    Answer ask_yes_no(const std::string& title, const std::string& question) override;
    Answer ask_yes_no_cancel(const std::string& title, const std::string& question) override;
    std::optional<std::string> prompt(const std::string& title, const std::string& label,
                                      const std::string& proposal) override;
    std::optional<std::string> file_dialog(const std::string& title, const std::string& proposal,
                                           bool save) override;
    std::optional<int> run_dialog(Dialog& dialog) override;
    void status(const std::string& text, bool beep) override;
    void progress(const std::string& text) override;
    void repaint(const EditBuffer&, int) override {}
    // Shows the result window as the program writes into it; Esc stops the program.
    bool program_running(const EditBuffer& window) override;

    // Puts a copied text on the clipboard of the terminal (OSC 52), which also reaches the
    // user's desktop over ssh when the terminal allows it.
    void set_terminal_clipboard(const std::string& text);

  private:
    // The text area is shared by the edit windows; each one's line numbers are its own.
    struct Layout {
        int text_top = 2, text_left = 0, text_rows = 1, text_cols = 1;
        int tab_row = 1;
        int buttons_row = -1;  // bar on top
        int buttons_width = 0; // bar on the left
    };
    struct ButtonSpot {
        int row, col, width, command;
    };

    void compute_layout();
    void draw();
    void draw_menu_bar();
    void draw_buttons();
    void draw_tabs();
    void draw_text();
    void draw_pane(const WindowPane& pane);
    void draw_pane_title(const WindowPane& pane);
    void draw_line(const EditBuffer& b, int index, int row, const CellArea& text);
    void draw_status();
    void draw_tooltip();
    void place_cursor();
    std::vector<std::string> box_lines(const std::string& text) const;
    // Draws a centred box; returns its top-left corner and width.
    void draw_box(const std::string& title, const std::vector<std::string>& lines,
                  const std::string& footer, int& top, int& left, int& width);
    Answer question(const std::string& title, const std::string& text, bool with_cancel);

    // The next key of a modal loop or the main loop. Meanwhile hand-overs are answered and
    // queued; ERR means that one arrived (redraw; the main loop opens it).
    int wait_key(bool main_loop);
    // Answers the other instances that asked; true when one did.
    bool take_hand_overs(bool modal);
    void open_handed_over();

    void handle(const KeyEvent& event);
    void handle_mouse();
    // A click or a wheel turn over an edit window makes it the active one; a click on its text
    // puts the cursor there, the wheel scrolls its view. False when no window is there.
    bool click_in_pane(int row, int column);
    bool wheel_in_pane(int row, int column, int lines);
    void paste(const std::string& text);
    void run_menu(int top_index);
    void run_command(int index);
    std::string item_label(const MenuNode& item) const;
    int menu_title_at(int col) const;

    // Dialogs: one row per field (lists take more), then the buttons.
    struct DialogSpot {
        int row = 0, col = 0, width = 0;
        int field = -1, button = -1, item = -1;
    };
    void draw_dialog(const Dialog& dialog, std::vector<DialogSpot>& spots, int& cursor_row,
                     int& cursor_col);
    bool dialog_key(Dialog& dialog, const KeyEvent& event, std::optional<int>& pressed);
    bool dialog_click(Dialog& dialog, const std::vector<DialogSpot>& spots,
                      std::optional<int>& pressed);
    std::vector<int> dialog_focus_order(const Dialog& dialog) const;

    EditorSession* session_ = nullptr;
    InstanceServer* server_ = nullptr;
    bool open_ = false;
    bool utf8_ = false;        // the terminal shows UTF-8
    SCREEN* screen_ = nullptr; // a 24-bit colour screen made with newterm
    TerminalColours colours_;
    std::vector<ColourRun> runs_;
    Layout layout_;
    std::vector<MenuNode> menu_;
    std::vector<int> title_cols_;
    std::vector<ButtonSpot> button_spots_;
    std::vector<std::pair<int, int>> tab_spots_; // start column, end column per buffer
    std::string status_text_;
    StatusLine status_line_;
    std::deque<std::string> handed_over_; // files to open when no modal box is open
    int tooltip_button_ = -1;             // the button the mouse rests on
    bool program_runs_ = false;
    std::chrono::steady_clock::time_point last_program_draw_;
};

} // namespace zped::terminal
