// Find, replace and their repetition. A replacement is one ApplyEdit; a run of replacements
// moves on after each replacement (forward) or before each match (backward), so that no match
// is replaced twice, and the limit on the line of a replacement moves with the text behind it.
#include "editor/find_replace.h"

#include "editor/apply_edit.h"
#include "editor/dialog.h"
#include "editor/dialog_fields.h"
#include "editor/editor_session.h"
#include "editor/editor_ui.h"
#include "editor/text_search.h"
#include "foundation/strings.h"

namespace zped {

using zeph::format_text;

namespace {

const std::vector<std::string> kRangeItems = {"&Entire Text", "F&rom Cursor", "&Selected text"};
const std::vector<std::string> kDirectionItems = {"&Forward", "&Backward"};

void add_search_fields(Dialog& d, const SearchState& state) {
    d.fields.push_back(choice_field("range", " Search range: ", kRangeItems,
                                    static_cast<int>(state.range),
                                    "Search the whole text, from the cursor or in the selection."));
    d.fields.push_back(choice_field("direction", " Search direction: ", kDirectionItems,
                                    static_cast<int>(state.direction),
                                    "Search towards the end or towards the start of the text."));
    d.fields.push_back(check_field("whole-words", "&Whole words", state.whole_words,
                                   "Match only where no letter, digit or _ is next to the text."));
    d.fields.push_back(check_field("case-sensitive", "&Case sensitive", state.case_sensitive,
                                   "Capitals and small letters must match as typed."));
}

void take_search_fields(const Dialog& d, SearchState& state) {
    state.range = static_cast<SearchRange>(d.field("range")->selected);
    state.direction = static_cast<SearchDirection>(d.field("direction")->selected);
    state.whole_words = d.field("whole-words")->checked;
    state.case_sensitive = d.field("case-sensitive")->checked;
}

MatchRule rule_of(const SearchState& state) {
    return {state.text, state.case_sensitive, state.whole_words};
}

ScanBounds bounds_of(const EditBuffer& buffer, const SearchState& state, bool repeated) {
    return repeated ? next_search_bounds(buffer, state.range, state.direction)
                    : first_search_bounds(buffer, state.range, state.direction);
}

std::optional<TextPosition> scan(const EditBuffer& buffer, const SearchState& state,
                                 const ScanBounds& bounds) {
    return state.direction == SearchDirection::Forward
               ? scan_forward(buffer, bounds.start, bounds.limit, rule_of(state))
               : scan_backward(buffer, bounds.start, bounds.limit, rule_of(state));
}

void not_found(const SearchState& state) {
    editor_ui().status(format_text("Search string '%s' not found.", state.text.c_str()), true);
}

// A selection coordinate on the line of a replacement follows the text behind the match.
void follow_replacement(TextPosition& p, TextPosition match, int old_length, int new_length) {
    if (p.line != match.line || p.column <= match.column) return;
    if (p.column >= match.column + old_length)
        p.column += new_length - old_length;
    else
        p.column = std::min(p.column, match.column + new_length);
}

// Shows a match selected, as the question about it is asked.
void select_match(EditBuffer& buffer, TextPosition match, int length) {
    TextPosition end{match.line, match.column + length};
    buffer.selection_anchor = match;
    buffer.selection_end = end;
    buffer.has_selection = true;
    buffer.cursor = end;
    buffer.view = resolve_view(buffer, end, {kKeepOrCentre, kScrollToCursor});
    editor_ui().repaint(buffer, -1);
}

} // namespace

Dialog find_dialog(const SearchState& state, const std::string& proposal) {
    Dialog d;
    d.title = "Find Text";
    d.fields.push_back(text_field("text", "Find&text:", proposal, "The text to search for."));
    add_search_fields(d, state);
    d.buttons = {"OK", "Cancel"};
    return d;
}

Dialog replace_dialog(const SearchState& state, const std::string& proposal) {
    Dialog d;
    d.title = "Replace Text";
    d.fields.push_back(text_field("old", "&Old text:", proposal, "The text to replace."));
    d.fields.push_back(
        text_field("new", "&New text:", state.replacement, "What every match is replaced by."));
    add_search_fields(d, state);
    d.fields.push_back(check_field("all", "Replace &all", state.replace_all,
                                   "Go on with the following matches after the first one."));
    d.fields.push_back(
        check_field("prompt", "&Prompt", state.prompt, "Ask before each match is replaced."));
    d.buttons = {"OK", "Cancel"};
    return d;
}

void take_find_dialog(const Dialog& d, SearchState& state) {
    state.text = zeph::bounded(d.field("text")->text, kMaxSearchText);
    take_search_fields(d, state);
}

void take_replace_dialog(const Dialog& d, SearchState& state) {
    state.text = zeph::bounded(d.field("old")->text, kMaxSearchText);
    state.replacement = zeph::bounded(d.field("new")->text, kMaxSearchText);
    take_search_fields(d, state);
    state.replace_all = d.field("all")->checked;
    state.prompt = d.field("prompt")->checked;
}

int find_in_buffer(EditBuffer& buffer, const SearchState& state, bool repeated) {
    std::optional<TextPosition> match = scan(buffer, state, bounds_of(buffer, state, repeated));
    if (!match) {
        not_found(state);
        return 1;
    }
    // Only the cursor moves: a selection searched in stays for the next search.
    if (state.range != SearchRange::SelectedText) {
        buffer.has_selection = false;
        buffer.selection_anchor = buffer.selection_end = *match;
    }
    buffer.cursor = *match;
    buffer.desired = *match;
    buffer.view = resolve_view(buffer, *match, {kKeepOrCentre, kScrollToCursor});
    editor_ui().repaint(buffer, -1);
    return 0;
}

int replace_in_buffer(EditBuffer& buffer, const SearchState& state, bool repeated) {
    if (buffer.read_only) {
        editor_ui().status("Window is opened readonly.", true);
        return -1;
    }
    const bool had_selection = buffer.has_selection;
    TextPosition anchor = buffer.selection_anchor, end = buffer.selection_end;
    const bool forward = state.direction == SearchDirection::Forward;
    const int old_length = static_cast<int>(state.text.size());
    const int new_length = static_cast<int>(state.replacement.size());
    ScanBounds bounds = bounds_of(buffer, state, repeated);
    int replaced = 0;
    bool found_any = false;
    TextPosition cursor = buffer.clamp(buffer.cursor);
    for (;;) {
        std::optional<TextPosition> match = scan(buffer, state, bounds);
        if (!match) break;
        found_any = true;
        TextPosition at = *match;
        select_match(buffer, at, old_length);
        Answer answer = Answer::Yes;
        if (state.prompt)
            answer = editor_ui().ask_yes_no_cancel(
                "Replace text:",
                format_text("Replace this occurence of:\n'%s'", state.text.c_str()));
        if (answer == Answer::Cancel) {
            cursor = at;
            break;
        }
        if (answer == Answer::Yes) {
            if (buffer.line_length(at.line) - old_length + new_length > kMaxLineLength) {
                // ApplyEdit refuses it and says why; the run ends there.
                ApplyEdit(buffer, at, {at.line, at.column + old_length}, state.replacement, at,
                          {kKeepOrCentre, kScrollToCursor}, SelectionRequest::empty_at(at));
                cursor = at;
                break;
            }
            cursor = forward ? TextPosition{at.line, at.column + std::max(new_length - 1, 0)} : at;
            ApplyEdit(buffer, at, {at.line, at.column + old_length}, state.replacement, cursor,
                      {kKeepOrCentre, kScrollToCursor}, SelectionRequest::empty_at(cursor));
            ++replaced;
            if (had_selection) {
                follow_replacement(anchor, at, old_length, new_length);
                follow_replacement(end, at, old_length, new_length);
            }
            if (forward) {
                if (bounds.limit.line == at.line && bounds.limit.column >= at.column)
                    bounds.limit.column += new_length - old_length;
                bounds.start = {at.line, at.column + new_length};
            } else {
                if (bounds.limit.line == at.line && bounds.limit.column > at.column)
                    bounds.limit.column += new_length - old_length;
                bounds.start = previous_byte(buffer, at);
            }
        } else {
            cursor = at;
            bounds.start = forward ? next_byte(buffer, at) : previous_byte(buffer, at);
        }
        if (!state.replace_all) break;
        if (!forward && at == TextPosition{0, 0}) break;
    }
    if (!found_any) {
        buffer.has_selection = had_selection;
        not_found(state);
        return -1;
    }
    cursor = buffer.clamp(cursor);
    buffer.cursor = cursor;
    buffer.desired = cursor;
    buffer.has_selection = had_selection;
    buffer.selection_anchor = had_selection ? buffer.clamp(anchor) : cursor;
    buffer.selection_end = had_selection ? buffer.clamp(end) : cursor;
    buffer.view = resolve_view(buffer, cursor, {kKeepOrCentre, kScrollToCursor});
    editor_ui().repaint(buffer, -1);
    return replaced;
}

int find_text(EditorSession& session) {
    EditBuffer* buffer = session.active();
    if (!buffer) return 1;
    std::string proposal = word_at_cursor(*buffer);
    if (proposal.empty()) proposal = session.search.text;
    Dialog d = find_dialog(session.search, proposal);
    std::optional<int> pressed = editor_ui().run_dialog(d);
    if (!pressed || *pressed != 0) return 1;
    take_find_dialog(d, session.search);
    session.search.last_was_replace = false;
    if (session.search.text.empty()) return 1;
    return find_in_buffer(*buffer, session.search, false);
}

int replace_text(EditorSession& session) {
    EditBuffer* buffer = session.active();
    if (!buffer) return 1;
    std::string proposal = word_at_cursor(*buffer);
    if (proposal.empty()) proposal = session.search.text;
    Dialog d = replace_dialog(session.search, proposal);
    std::optional<int> pressed = editor_ui().run_dialog(d);
    if (!pressed || *pressed != 0) return 1;
    take_replace_dialog(d, session.search);
    session.search.last_was_replace = true;
    if (session.search.text.empty()) return 1;
    return replace_in_buffer(*buffer, session.search, false) >= 0 ? 0 : 1;
}

int find_next_text(EditorSession& session) {
    EditBuffer* buffer = session.active();
    if (!buffer) return 1;
    if (session.search.text.empty()) return find_text(session);
    if (session.search.last_was_replace)
        return replace_in_buffer(*buffer, session.search, true) >= 0 ? 0 : 1;
    return find_in_buffer(*buffer, session.search, true);
}

} // namespace zped
