// Key dispatch shared by the terminal front end and the script mode.
#include "editor/key_dispatch.h"

#include "editor/accelerators.h"
#include "editor/editing.h"
#include "editor/editor_session.h"
#include "editor/editor_ui.h"

namespace zped {

bool run_accelerator(EditorSession& session, const KeyCombo& combo) {
    int command = command_of_combo(session.accelerators, combo);
    if (command < 0)
        if (auto other = terminal_stand_in(combo))
            command = command_of_combo(session.accelerators, *other);
    if (command < 0) return false;
    session.run_command(command);
    return true;
}

namespace {
// A motion command; with Shift the selection grows from its anchor (or the old cursor).
void motion(EditorSession& session, const KeyCombo& k, const char* plain, const char* with_ctrl) {
    EditBuffer* b = session.active();
    if (!b) return;
    TextPosition before = b->cursor;
    bool had = b->has_selection;
    TextPosition anchor = b->selection_anchor;
    session.run_command(k.ctrl && with_ctrl ? with_ctrl : plain);
    if (!k.shift) return;
    b->selection_anchor = had ? anchor : before;
    b->selection_end = b->cursor;
    b->has_selection = b->selection_anchor != b->selection_end;
    session.refresh_enable_groups();
}

bool motion_key(EditorSession& session, const KeyCombo& k) {
    switch (k.key) {
    case vk::Up:
        motion(session, k, "GoLineUp", nullptr);
        return true;
    case vk::Down:
        motion(session, k, "GoLineDown", nullptr);
        return true;
    case vk::Left:
        motion(session, k, "GoCharLeft", "GoWordLeft");
        return true;
    case vk::Right:
        motion(session, k, "GoCharRight", "GoWordRight");
        return true;
    case vk::Home:
        motion(session, k, "GoBeginLine", "GoBeginDoc");
        return true;
    case vk::End:
        motion(session, k, "GoEndLine", "GoEndDoc");
        return true;
    case vk::PgUp:
        motion(session, k, "GoPageUp", nullptr);
        return true;
    case vk::PgDn:
        motion(session, k, "GoPageDown", nullptr);
        return true;
    default:
        return false;
    }
}
} // namespace

bool handle_editing_key(EditorSession& session, const KeyInput& key) {
    const KeyCombo& k = key.combo;
    if (k.alt) return false;
    if (motion_key(session, k)) return true;
    switch (k.key) {
    case vk::BackSpace:
        session.run_command("BackspaceChar");
        return true;
    case vk::Del:
        session.run_command("DeleteChar");
        return true;
    case vk::Ins:
        if (k.shift || k.ctrl) return false;
        session.overwrite = !session.overwrite;
        return true;
    default:
        break;
    }
    EditBuffer* b = session.active();
    if (k.ctrl || !b) return false;
    bool types = !key.typed.empty() || k.key == vk::Enter || (k.key == vk::Tab && !k.shift);
    if (!types) return false;
    if (b->read_only) {
        editor_ui().status("Window is opened readonly.", true);
        return true;
    }
    if (k.key == vk::Enter)
        new_line(*b, session.options.auto_indent);
    else if (k.key == vk::Tab)
        type_text(*b, "\t", session.overwrite);
    else
        type_text(*b, key.typed, session.overwrite);
    session.refresh_enable_groups();
    return true;
}

bool dispatch_key(EditorSession& session, const KeyInput& key) {
    return run_accelerator(session, key.combo) || handle_editing_key(session, key);
}

KeyInput key_of_typed(std::string_view character) {
    KeyInput input;
    if (character.empty()) return input;
    unsigned char first = static_cast<unsigned char>(character[0]);
    switch (first) {
    case 8:
    case 127:
        input.combo = {vk::BackSpace};
        return input;
    case 9:
        input.combo = {vk::Tab};
        return input;
    case 10:
    case 13:
        input.combo = {vk::Enter};
        return input;
    case 27:
        input.combo = {vk::Esc};
        return input;
    default:
        break;
    }
    if (first >= 1 && first <= 26) {
        input.combo = {'A' + first - 1, false, true};
        return input;
    }
    if (first < 32) return input;
    input.typed = std::string(character);
    if (first < 128) {
        char ch = static_cast<char>(first);
        input.combo = key_of_character(ch).value_or(KeyCombo{});
        // A capital letter arrives typed with Shift.
        if (ch >= 'A' && ch <= 'Z') input.combo.shift = true;
    }
    return input;
}

} // namespace zped
