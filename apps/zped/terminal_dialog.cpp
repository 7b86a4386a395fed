// Dialogs in the terminal: a box with one row per field (lists take more), the buttons, and the
// focused field's line of help; keys and clicks change the fields until a button is pressed.
#include "terminal_ui.h"

#include "editor/accelerators.h"
#include "editor/dialog.h"
#include "editor/display_columns.h"
#include "editor/menu_definitions.h"
#include "editor/utf8.h"
#include "terminal_draw.h"

#include <algorithm>
#include <curses.h>

namespace zped::terminal {

// Dialogs. The focus walks over the fields that take input and then the buttons: a value v >= 0
// in the order is field v, a value v < 0 is button -v - 1.
std::vector<int> TerminalUi::dialog_focus_order(const Dialog& dialog) const {
    std::vector<int> order;
    for (std::size_t i = 0; i < dialog.fields.size(); ++i)
        if (dialog.fields[i].kind != FieldKind::Note) order.push_back(static_cast<int>(i));
    for (std::size_t b = 0; b < dialog.buttons.size(); ++b)
        order.push_back(-static_cast<int>(b) - 1);
    return order;
}

namespace {
constexpr int kListRows = 6;
constexpr int kTextFieldWidth = 24;

constexpr int kShortListRows = 3;

// Rows of a list box: its items, at least 3 and at most `limit`.
int list_rows(const DialogField& f, int limit) {
    return std::clamp(static_cast<int>(f.items.size()), kShortListRows, limit);
}

// The first row of a list shown so that its selected item is in sight.
int list_offset(const DialogField& f, int limit) {
    return std::max(0, f.selected - list_rows(f, limit) + 1);
}

std::vector<std::string> wrapped(const std::string& text, int width) {
    std::vector<std::string> lines;
    std::string rest = text;
    while (static_cast<int>(rest.size()) > width) {
        std::size_t cut = rest.rfind(' ', static_cast<std::size_t>(width));
        if (cut == std::string::npos || cut == 0) cut = static_cast<std::size_t>(width);
        lines.push_back(rest.substr(0, cut));
        rest = rest.substr(cut == rest.size() ? cut : cut + (rest[cut] == ' ' ? 1 : 0));
    }
    lines.push_back(rest);
    return lines;
}
} // namespace

void TerminalUi::draw_dialog(const Dialog& dialog, std::vector<DialogSpot>& spots, int& cursor_row,
                             int& cursor_col) {
    std::vector<int> order = dialog_focus_order(dialog);
    int focused = order.empty() ? 0 : order[static_cast<std::size_t>(dialog.focus) % order.size()];
    int width = std::min(COLS, 72);
    int inner = width - 4;
    // Rows of every field, to size the box; lists are made short when a tall dialog would not
    // fit the terminal.
    auto rows_with = [&](int limit) {
        int rows = 0;
        for (const DialogField& f : dialog.fields) {
            if (f.kind == FieldKind::List)
                rows += 1 + list_rows(f, limit);
            else if (f.kind == FieldKind::Note)
                rows += static_cast<int>(
                    wrapped(without_ampersands(f.label) + " " + f.text, inner).size());
            else
                rows += 1;
        }
        return rows;
    };
    int limit = kListRows;
    int rows = rows_with(limit);
    if (rows + 5 > LINES) {
        limit = kShortListRows;
        rows = rows_with(limit);
    }
    int height = std::min(LINES, rows + 5);
    std::vector<std::string> blank(static_cast<std::size_t>(std::max(1, height - 4)),
                                   std::string(static_cast<std::size_t>(inner), ' '));
    int box_top = 0, box_left = 0, box_width = 0;
    draw_box(dialog.title, blank, "", box_top, box_left, box_width);
    spots.clear();
    cursor_row = cursor_col = -1;
    int row = box_top + 1;
    int col = box_left + 2;
    for (std::size_t i = 0; i < dialog.fields.size(); ++i) {
        const DialogField& f = dialog.fields[i];
        bool has_focus = focused == static_cast<int>(i);
        attr_t focus_attr = has_focus ? A_REVERSE : A_NORMAL;
        int index = static_cast<int>(i);
        switch (f.kind) {
        case FieldKind::Check: {
            std::string box = f.checked ? "[x] " : "[ ] ";
            mvaddstr(row, col, box.c_str());
            mvchgat(row, col, 3, focus_attr, 0, nullptr);
            int w = draw_label(row, col + 4, f.label, A_NORMAL, inner - 4);
            spots.push_back({row, col, w + 4, index, -1, -1});
            if (has_focus) cursor_row = row, cursor_col = col + 1;
            ++row;
            break;
        }
        case FieldKind::Choice: {
            int x = col + draw_label(row, col, f.label, A_NORMAL, inner) + 1;
            for (std::size_t k = 0; k < f.items.size(); ++k) {
                bool on = static_cast<int>(k) == f.selected;
                mvaddstr(row, x, on ? "(*) " : "( ) ");
                if (has_focus && on) {
                    mvchgat(row, x, 3, A_REVERSE, 0, nullptr);
                    cursor_row = row, cursor_col = x + 1;
                }
                int w = draw_label(row, x + 4, f.items[k], A_NORMAL, inner);
                spots.push_back({row, x, w + 4, index, -1, static_cast<int>(k)});
                x += w + 6;
            }
            ++row;
            break;
        }
        case FieldKind::Number:
        case FieldKind::Text:
        case FieldKind::Key: {
            int x = col + draw_label(row, col, f.label, A_NORMAL, inner) + 1;
            int w = f.kind == FieldKind::Number ? 6 : kTextFieldWidth;
            w = std::min(w, col + inner - x - 2);
            std::string value = f.kind == FieldKind::Key
                                    ? (f.has_key ? combo_text(f.key, true) : std::string())
                                    : f.text;
            mvaddch(row, x, '[');
            draw_text_at(row, x + 1, value, w, focus_attr);
            mvchgat(row, x + 1, w, has_focus ? A_REVERSE : A_UNDERLINE, 0, nullptr);
            mvaddch(row, x + 1 + w, ']');
            spots.push_back({row, x, w + 2, index, -1, -1});
            if (has_focus)
                cursor_row = row,
                cursor_col =
                    x + 1 +
                    std::min(w - 1, display_width(value, static_cast<int>(value.size()), 8).value);
            ++row;
            break;
        }
        case FieldKind::List: {
            draw_label(row, col, f.label, A_NORMAL, inner);
            ++row;
            int offset = list_offset(f, limit);
            for (int r = 0; r < list_rows(f, limit); ++r) {
                int item = offset + r;
                move(row + r, col + 1);
                if (item < static_cast<int>(f.items.size())) {
                    bool on = item == f.selected;
                    attr_t attr = on ? (has_focus ? A_REVERSE : A_BOLD | A_UNDERLINE) : A_NORMAL;
                    draw_text_at(row + r, col + 2, f.items[static_cast<std::size_t>(item)],
                                 inner - 4, attr);
                    spots.push_back({row + r, col + 1, inner - 2, index, -1, item});
                    if (on && has_focus) cursor_row = row + r, cursor_col = col + 2;
                }
            }
            mvvline(row, col, '|', list_rows(f, limit));
            row += list_rows(f, limit);
            break;
        }
        case FieldKind::Note:
            for (const std::string& line :
                 wrapped(without_ampersands(f.label) + " " + f.text, inner)) {
                draw_text_at(row, col, line, inner);
                ++row;
            }
            break;
        }
    }
    // The buttons, then the focused field's tip.
    ++row;
    int x = col;
    for (std::size_t b = 0; b < dialog.buttons.size(); ++b) {
        bool has_focus = focused == -static_cast<int>(b) - 1;
        attr_t attr = has_focus ? A_REVERSE : A_NORMAL;
        mvaddstr(row, x, "< ");
        int w = draw_label(row, x + 2, dialog.buttons[b], attr, inner);
        mvaddstr(row, x + 2 + w, " >");
        spots.push_back({row, x, w + 4, -1, static_cast<int>(b), -1});
        if (has_focus) cursor_row = row, cursor_col = x + 2;
        x += w + 6;
    }
    if (focused >= 0) {
        const std::string& tip = dialog.fields[static_cast<std::size_t>(focused)].tip;
        draw_text_at(row + 1, col, tip, inner, A_DIM);
    }
}

bool TerminalUi::dialog_key(Dialog& dialog, const KeyEvent& event, std::optional<int>& pressed) {
    std::vector<int> order = dialog_focus_order(dialog);
    if (order.empty()) return true;
    int& focus = dialog.focus;
    focus = ((focus % static_cast<int>(order.size())) + static_cast<int>(order.size())) %
            static_cast<int>(order.size());
    int target = order[static_cast<std::size_t>(focus)];
    DialogField* f = target >= 0 ? &dialog.fields[static_cast<std::size_t>(target)] : nullptr;
    const KeyCombo& k = event.combo();
    auto step = [&](int by) {
        focus = (focus + by + static_cast<int>(order.size())) % static_cast<int>(order.size());
    };
    auto changed = [&] { dialog.notify_changed(target); };
    bool leaves = k.key == vk::Tab || k.key == vk::Enter || (k.key == vk::Esc && !k.alt);
    if (f && f->kind == FieldKind::Key && !leaves && !event.paste && k.key != 0) {
        f->key = k;
        f->has_key = true;
        changed();
        return false;
    }
    if (k.key == vk::Esc && !k.alt) {
        pressed = std::nullopt;
        return true;
    }
    if (k.key == vk::Tab) {
        step(k.shift ? -1 : 1);
        return false;
    }
    if (k.key == vk::Enter) {
        pressed = target < 0 ? -target - 1 : dialog.default_button;
        return true;
    }
    if (k.alt && !k.ctrl) {
        char letter = upper(static_cast<char>(k.key));
        for (std::size_t i = 0; i < order.size(); ++i) {
            int t = order[i];
            const std::string& label = t >= 0 ? dialog.fields[static_cast<std::size_t>(t)].label
                                              : dialog.buttons[static_cast<std::size_t>(-t - 1)];
            if (mnemonic_of(label) != letter) continue;
            focus = static_cast<int>(i);
            if (t < 0) {
                pressed = -t - 1;
                return true;
            }
            DialogField& g = dialog.fields[static_cast<std::size_t>(t)];
            if (g.kind == FieldKind::Check) {
                g.checked = !g.checked;
                dialog.notify_changed(t);
            }
            return false;
        }
        return false;
    }
    if (!f) {
        if (k.key == vk::Left || k.key == vk::Up) step(-1);
        if (k.key == vk::Right || k.key == vk::Down) step(1);
        if (k.key == vk::Space) {
            pressed = -target - 1;
            return true;
        }
        return false;
    }
    switch (f->kind) {
    case FieldKind::List: {
        int count = static_cast<int>(f->items.size());
        int before = f->selected;
        if (k.key == vk::Up) f->selected = std::max(0, f->selected - 1);
        if (k.key == vk::Down) f->selected = std::min(count - 1, f->selected + 1);
        if (k.key == vk::PgUp) f->selected = std::max(0, f->selected - kListRows);
        if (k.key == vk::PgDn) f->selected = std::min(count - 1, f->selected + kListRows);
        if (k.key == vk::Home) f->selected = 0;
        if (k.key == vk::End) f->selected = count - 1;
        if (event.input.typed.size() == 1 && !k.ctrl) {
            // Type-ahead: the next item that starts with the letter.
            char wanted = upper(event.input.typed[0]);
            for (int i = 1; i <= count; ++i) {
                int candidate = (f->selected + i) % count;
                const std::string& item = f->items[static_cast<std::size_t>(candidate)];
                if (!item.empty() && upper(item[0]) == wanted) {
                    f->selected = candidate;
                    break;
                }
            }
        }
        if (count > 0 && f->selected < 0) f->selected = 0;
        if (f->selected != before) changed();
        return false;
    }
    case FieldKind::Check:
        if (k.key == vk::Space) {
            f->checked = !f->checked;
            changed();
        } else if (k.key == vk::Up || k.key == vk::Left) {
            step(-1);
        } else if (k.key == vk::Down || k.key == vk::Right) {
            step(1);
        }
        return false;
    case FieldKind::Choice: {
        int count = static_cast<int>(f->items.size());
        if (k.key == vk::Left || k.key == vk::Space || k.key == vk::Right) {
            f->selected = (f->selected + (k.key == vk::Left ? count - 1 : 1)) % count;
            changed();
        } else if (k.key == vk::Up) {
            step(-1);
        } else if (k.key == vk::Down) {
            step(1);
        }
        return false;
    }
    case FieldKind::Number:
    case FieldKind::Text: {
        std::string typed = event.paste ? event.pasted.substr(0, event.pasted.find_first_of("\r\n"))
                                        : event.input.typed;
        if (k.key == vk::BackSpace && !f->text.empty()) {
            f->text.erase(utf8_previous_start(f->text, f->text.size()));
            changed();
        } else if (k.key == vk::Up) {
            step(-1);
        } else if (k.key == vk::Down) {
            step(1);
        } else if (!typed.empty() && !k.ctrl && f->text.size() + typed.size() <= 255) {
            bool digits_only = typed.find_first_not_of("0123456789") == std::string::npos;
            if (f->kind == FieldKind::Number && !digits_only) return false;
            f->text += typed;
            changed();
        }
        return false;
    }
    case FieldKind::Key:
    case FieldKind::Note:
        return false;
    }
    return false;
}

bool TerminalUi::dialog_click(Dialog& dialog, const std::vector<DialogSpot>& spots,
                              std::optional<int>& pressed) {
    MEVENT m;
    if (getmouse(&m) != OK || !(m.bstate & (BUTTON1_PRESSED | BUTTON1_CLICKED))) return false;
    std::vector<int> order = dialog_focus_order(dialog);
    for (const DialogSpot& spot : spots) {
        if (m.y != spot.row || m.x < spot.col || m.x >= spot.col + spot.width) continue;
        int target = spot.button >= 0 ? -spot.button - 1 : spot.field;
        auto at = std::find(order.begin(), order.end(), target);
        if (at != order.end()) dialog.focus = static_cast<int>(at - order.begin());
        if (spot.button >= 0) {
            pressed = spot.button;
            return true;
        }
        DialogField& f = dialog.fields[static_cast<std::size_t>(spot.field)];
        if (f.kind == FieldKind::Check) f.checked = !f.checked;
        if (spot.item >= 0) f.selected = spot.item;
        dialog.notify_changed(spot.field);
        return false;
    }
    return false;
}

std::optional<int> TerminalUi::run_dialog(Dialog& dialog) {
    if (!open_) return std::nullopt;
    std::vector<DialogSpot> spots;
    for (;;) {
        draw();
        int cursor_row = -1, cursor_col = -1;
        draw_dialog(dialog, spots, cursor_row, cursor_col);
        if (cursor_row >= 0) {
            curs_set(1);
            move(cursor_row, cursor_col);
        } else {
            curs_set(0);
        }
        refresh();
        int ch = wait_key(false);
        if (ch == ERR || ch == KEY_RESIZE) continue;
        KeyEvent event = translate_key(ch);
        std::optional<int> pressed;
        bool done =
            event.mouse ? dialog_click(dialog, spots, pressed) : dialog_key(dialog, event, pressed);
        if (done) return pressed;
    }
}

} // namespace zped::terminal
