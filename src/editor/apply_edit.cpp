// ApplyEdit, UndoEdit and RedoEdit. The history never loses a state: before a new edit, every
// undone transaction is re-appended as its inverse, so undo walks back through the new edit,
// the inverses and then the older edits.
#include "editor/apply_edit.h"

#include "editor/edit_memory.h"
#include "editor/editor_ui.h"

#include <algorithm>
#include <new>

namespace zped {

namespace {

void show(const char* text) {
    editor_ui().message_box(kErrorTitle, text);
}

int resolve_top(const EditBuffer& buffer, int cursor_line, int code) {
    int visible = std::max(buffer.visible_lines, 1);
    int top = buffer.view.top_line;
    switch (code) {
    case kKeepTop:
        break;
    case kScrollToCursor:
        if (cursor_line < top)
            top = cursor_line;
        else if (cursor_line - visible + 1 > top)
            top = cursor_line - visible + 1;
        break;
    case kKeepOrCentre:
        if (cursor_line < top || cursor_line >= top + visible) top = cursor_line - visible / 2;
        break;
    case kCentre:
        top = cursor_line - visible / 2;
        break;
    default:
        if (code >= 0)
            top = code;
        else
            show("LineScroll Bug");
    }
    return std::max({top, 0, cursor_line - visible + 1});
}

DisplayColumn scroll_left(const EditBuffer& buffer, int from, DisplayColumn cursor_column) {
    int visible = std::max(buffer.visible_columns, 1);
    int left = from;
    if (cursor_column.value < left)
        left = cursor_column.value;
    else if (cursor_column.value - visible + 1 > left)
        left = cursor_column.value - visible + 1;
    return DisplayColumn{left};
}

DisplayColumn resolve_left(const EditBuffer& buffer, TextPosition cursor, int code) {
    if (code == kKeep) return buffer.view.left;
    DisplayColumn column = buffer.display_column(cursor);
    if (code == kScrollToCursor) return scroll_left(buffer, buffer.view.left.value, column);
    if (code >= 0) return scroll_left(buffer, code, column);
    show("ColumnScroll Bug");
    return buffer.view.left;
}

int resolve_coordinate(int requested, int current) {
    if (requested >= 0) return requested;
    if (requested != kKeep) show("Illegal Select code");
    return current;
}

// Cursor, view and selection of a record become the buffer's.
void show_state(EditBuffer& buffer, const EditTransaction& state) {
    buffer.cursor = buffer.clamp(state.cursor);
    buffer.view = state.view;
    buffer.selection_anchor = buffer.clamp(state.selection_anchor);
    buffer.selection_end = buffer.clamp(state.selection_end);
    buffer.has_selection = buffer.selection_anchor != buffer.selection_end;
}

// Whole window, or only the start line when the view stayed and the change kept to one line.
void repaint_after(EditBuffer& buffer, const ViewOrigin& before, const EditTransaction& record,
                   std::string_view inserted, std::string_view removed) {
    bool one_line = before == buffer.view && inserted.find('\n') == std::string_view::npos &&
                    removed.find('\n') == std::string_view::npos;
    editor_ui().repaint(buffer, one_line ? record.start.line : -1);
}

// The text a transaction expects at its start, checked before it is replayed; the start itself
// must still exist.
bool text_fits(const EditBuffer& buffer, TextPosition start, const std::string& expected) {
    if (buffer.clamp(start) != start) return false;
    return buffer.text_between(start, end_of_inserted(start, expected)) == expected;
}

void reinit_history(EditBuffer& buffer) {
    ClearHistory(buffer);
    InitHistory(buffer);
}

// Appends the inverses of the undone records, newest first. When memory runs out on the way,
// the undone records are dropped instead, as when the memory layer refuses a record.
void keep_undone_states(EditBuffer& buffer) {
    EditHistory& history = buffer.history;
    if (!history.can_redo()) return;
    EditHistory::Record current = history.current();
    EditHistory::Record last = history.tail();
    for (EditHistory::Record it = last;; --it) {
        const EditTransaction& undone = *it;
        const EditTransaction& before = *std::prev(it);
        bool appended = false;
        try {
            EditTransaction inverse = before;
            inverse.start = undone.start;
            inverse.removed = undone.inserted;
            inverse.inserted = undone.removed;
            appended = history.append(std::move(inverse));
        } catch (const std::bad_alloc&) {
            EditMemory::report_exhausted(undone.inserted.size() + undone.removed.size());
        }
        if (!appended) {
            history.free_after(current);
            return;
        }
        if (std::prev(it) == current) break;
    }
    history.set_current(history.tail());
}

// Negative view codes of a fresh record are resolved once its change is in the text, so that
// the cursor's display column is that of the new text.
struct PendingView {
    bool pending = false;
    ViewRequest view;
    SelectionRequest selection;
    TextPosition selection_before_anchor;
    TextPosition selection_before_end;
};

// The text a record expects, compared without letting a failed allocation escape: false
// (reported) when memory ran out.
bool compare_text(const EditBuffer& buffer, TextPosition start, const std::string& expected,
                  bool& fits) {
    try {
        fits = text_fits(buffer, start, expected);
        return true;
    } catch (const std::bad_alloc&) {
        EditMemory::report_exhausted(expected.size());
        return false;
    }
}

int redo_next(EditBuffer& buffer, PendingView* pending) {
    EditHistory& history = buffer.history;
    if (!history.initialised() || !history.can_redo()) return 1;
    EditHistory::Record record = std::next(history.current());
    EditTransaction& t = *record;
    // Out of memory: a fresh record is dropped, an undone one stays to be redone later.
    auto out_of_memory = [&] {
        if (pending) history.free_after(history.current());
        return 1;
    };
    bool fits = false;
    if (!compare_text(buffer, t.start, t.removed, fits)) return out_of_memory();
    history.set_current(record);
    if (!fits) {
        show("Inconsistency between redo transaction and text");
        show("Transaction ignored; undo-redo history cleared");
        reinit_history(buffer);
        return 1;
    }
    switch (buffer.replace_range(t.start, end_of_inserted(t.start, t.removed), t.inserted)) {
    case ReplaceResult::Done:
        break;
    case ReplaceResult::LineTooLong:
        show("Transaction ignored because\nresulting line would become too long. ");
        history.set_current(std::prev(record));
        history.free_after(history.current());
        return 1;
    case ReplaceResult::OutOfMemory:
        history.set_current(std::prev(record));
        return out_of_memory();
    }
    ViewOrigin before = buffer.view;
    if (pending && pending->pending) {
        t.cursor = buffer.clamp(t.cursor);
        t.view = resolve_view(buffer, t.cursor, pending->view);
        const SelectionRequest& s = pending->selection;
        t.selection_anchor = {
            resolve_coordinate(s.anchor.line, pending->selection_before_anchor.line),
            resolve_coordinate(s.anchor.column, pending->selection_before_anchor.column)};
        t.selection_end = {resolve_coordinate(s.end.line, pending->selection_before_end.line),
                           resolve_coordinate(s.end.column, pending->selection_before_end.column)};
    }
    show_state(buffer, t);
    if (!buffer.has_selection) buffer.desired = buffer.cursor;
    repaint_after(buffer, before, t, t.inserted, t.removed);
    return 0;
}

// Drops a "\r" right before each "\n", as the text will be stored, so that the record matches
// the text it produces.
std::string normalised(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) result += text[i];
    return result;
}

} // namespace

ViewOrigin resolve_view(const EditBuffer& buffer, TextPosition cursor, ViewRequest request) {
    return {resolve_top(buffer, cursor.line, request.top),
            resolve_left(buffer, cursor, request.left)};
}

void ClearHistory(EditBuffer& buffer) {
    buffer.history.clear();
}

bool InitHistory(EditBuffer& buffer) {
    EditTransaction head;
    head.cursor = buffer.cursor;
    head.view = buffer.view;
    head.selection_anchor = buffer.has_selection ? buffer.selection_anchor : buffer.cursor;
    head.selection_end = buffer.has_selection ? buffer.selection_end : buffer.cursor;
    head.start = buffer.cursor;
    return buffer.history.init(head);
}

void ApplyEdit(EditBuffer& buffer, TextPosition start, TextPosition end, std::string_view text,
               TextPosition cursor, ViewRequest view, SelectionRequest selection) {
    if (!buffer.history.initialised() && !InitHistory(buffer)) return;
    keep_undone_states(buffer);
    start = buffer.clamp(start);
    end = end.line >= buffer.line_count() ? buffer.end_of_text() : buffer.clamp(end);
    if (end < start) end = start;
    EditTransaction record;
    try {
        record.inserted = normalised(text);
        record.removed = buffer.text_between(start, end);
    } catch (const std::bad_alloc&) {
        EditMemory::report_exhausted(text.size());
        return;
    }
    if (buffer.read_only && (!record.removed.empty() || !record.inserted.empty())) return;

    record.start = start;
    record.cursor = cursor;
    if (!buffer.history.append(std::move(record))) {
        show("Out of memory; transaction ignored ; history cleared");
        reinit_history(buffer);
        return;
    }
    PendingView pending{true, view, selection, buffer.selection_anchor, buffer.selection_end};
    redo_next(buffer, &pending);
}

int RedoEdit(EditBuffer& buffer) {
    return redo_next(buffer, nullptr);
}

int UndoEdit(EditBuffer& buffer) {
    EditHistory& history = buffer.history;
    if (!history.can_undo()) return 1;
    EditHistory::Record record = history.current();
    const EditTransaction& t = *record;
    bool fits = false;
    if (!compare_text(buffer, t.start, t.inserted, fits)) return 1;
    if (!fits) {
        show("Inconsistency between undo transaction and text");
        show("Transaction ignored");
        return 1;
    }
    switch (buffer.replace_range(t.start, end_of_inserted(t.start, t.inserted), t.removed)) {
    case ReplaceResult::Done:
        break;
    case ReplaceResult::LineTooLong:
        show("Impossible that this undo transaction failed");
        show("Transaction ignored; undo-redo history cleared");
        reinit_history(buffer);
        return 1;
    case ReplaceResult::OutOfMemory:
        // Reported by the memory layer; text and history stay, the undo can be tried again.
        return 1;
    }
    ViewOrigin before = buffer.view;
    show_state(buffer, *std::prev(record));
    buffer.desired = buffer.cursor;
    repaint_after(buffer, before, t, t.inserted, t.removed);
    history.set_current(std::prev(record));
    return 0;
}

} // namespace zped
