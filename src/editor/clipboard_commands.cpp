// Copy, cut, paste and clear. Pasted text loses every carriage return; its line feeds break
// lines, and it goes in as one transaction, over the selection if there is one.
#include "editor/clipboard_commands.h"

#include "editor/clipboard.h"
#include "editor/editing.h"
#include "editor/editor_session.h"
#include "editor/editor_ui.h"

namespace zped {

std::string selection_text(const EditBuffer& buffer) {
    TextPosition from, to;
    ordered_selection(buffer, from, to);
    return buffer.text_between(buffer.clamp(from), buffer.clamp(to), true);
}

int copy_selection(EditorSession& session) {
    EditBuffer* buffer = session.active();
    if (!buffer || !buffer->has_selection) return 1;
    session.clipboard().set_text(selection_text(*buffer));
    return 0;
}

int cut_selection(EditorSession& session) {
    EditBuffer* buffer = session.active();
    if (!buffer || !buffer->has_selection) return 1;
    if (buffer->read_only) {
        editor_ui().status("Window is opened readonly.", true);
        return 1;
    }
    session.clipboard().set_text(selection_text(*buffer));
    return delete_selection(*buffer) ? 0 : 1;
}

int clear_selection(EditorSession& session) {
    EditBuffer* buffer = session.active();
    if (!buffer || !buffer->has_selection) return 1;
    if (buffer->read_only) {
        editor_ui().status("Window is opened readonly.", true);
        return 1;
    }
    return delete_selection(*buffer) ? 0 : 1;
}

int paste_clipboard(EditorSession& session) {
    EditBuffer* buffer = session.active();
    if (!buffer) return 1;
    std::optional<std::string> text = session.clipboard().text();
    if (!text || text->empty()) {
        editor_ui().status("The clipboard holds no text.", true);
        return 1;
    }
    std::string lines;
    lines.reserve(text->size());
    for (char ch : *text)
        if (ch != '\r') lines += ch;
    return paste_text(*buffer, lines) >= 0 ? 0 : 1;
}

} // namespace zped
