// The block edit commands and the HDL Edits dialog: an action, which way it goes, and the lines:
// the selection, all of them, or a range of line numbers (from 1).
#include "editor/hdl_edits.h"

#include "editor/line_colouring.h"

#include "editor/dialog.h"
#include "editor/dialog_fields.h"
#include "editor/editor_session.h"
#include "editor/editor_ui.h"
#include "foundation/strings.h"

#include <charconv>

namespace zped {

namespace {

const std::vector<std::string> kActions = {"Comment", "Indent", "Reserved words"};
const std::vector<std::vector<std::string>> kDirections = {
    {"A&dd", "&Remove"}, {"&Indent", "&Un-indent"}, {"&Uppercase", "Lo&wercase"}};
const LineEdit kEdits[3][2] = {{LineEdit::AddComment, LineEdit::RemoveComment},
                               {LineEdit::AddIndent, LineEdit::RemoveIndent},
                               {LineEdit::Uppercase, LineEdit::Lowercase}};

enum RangeChoice { kSelection = 0, kAll = 1, kNumbers = 2 };

bool line_number(const std::string& text, int& value) {
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

EditBuffer* editable(EditorSession& session) {
    EditBuffer* buffer = session.active();
    if (!buffer || buffer->window_kind == kResultWindow) return nullptr;
    if (buffer->read_only) {
        editor_ui().status("Window is opened readonly.", true);
        return nullptr;
    }
    return buffer;
}

int finish(const BlockEditResult& result) {
    if (result.too_long > 0)
        editor_ui().status(zeph::format_text("%d line(s) left unchanged: longer than %d bytes "
                                             "with the edit.",
                                             result.too_long, kMaxLineLength),
                           true);
    return 0;
}

} // namespace

BlockLanguage block_language(const EditorSession& session, const EditBuffer& buffer) {
    const Language& language = session.languages.entry(buffer.language);
    if (language.empty()) return {};
    BlockLanguage result;
    result.line_comment = language.line_comment;
    // The session outlives a block edit, so the language can be held by reference.
    result.reserved_word = [&language](std::string_view line, std::size_t at) {
        std::vector<ColourRun> runs;
        colour_line(language, line, runs);
        for (const ColourRun& run : runs)
            if (static_cast<std::size_t>(run.start) == at && run.item == SyntaxItem::Keyword1)
                return run.length;
        return 0;
    };
    return result;
}

int edit_selected_lines(EditorSession& session, LineEdit edit) {
    EditBuffer* buffer = editable(session);
    if (!buffer) return 1;
    std::optional<LineRange> lines = selected_lines(*buffer);
    if (!lines) return 1;
    return finish(edit_lines(*buffer, *lines, edit, block_language(session, *buffer)));
}

Dialog hdl_edits_dialog(bool has_selection) {
    Dialog d;
    d.title = "HDL Edits";
    d.fields.push_back(choice_field("action", "Actio&n:", kActions, 0,
                                    "Comment lines out, indent them, or set the case of the "
                                    "reserved words."));
    d.fields.push_back(choice_field("how", "", kDirections[0], 0, "Which way the action goes."));
    d.fields.push_back(choice_field("text", " Text: ", {"&Selection", "A&ll", "Line &numbers"},
                                    has_selection ? kSelection : kAll,
                                    "The selected lines, every line, or the lines below."));
    d.fields.push_back(text_field("start", "S&tart at line:", "", "The first line (from 1)."));
    d.fields.push_back(text_field("end", "&End at line:", "", "The last line (from 1)."));
    d.buttons = {"OK", "Cancel"};
    d.changed = [](Dialog& dialog, int field) {
        if (dialog.fields[static_cast<std::size_t>(field)].name != "action") return;
        int action = dialog.field("action")->selected;
        dialog.field("how")->items = kDirections[static_cast<std::size_t>(action)];
    };
    return d;
}

int hdl_edits(EditorSession& session) {
    EditBuffer* buffer = editable(session);
    if (!buffer) return 1;
    Dialog d = hdl_edits_dialog(buffer->has_selection);
    std::optional<int> pressed = editor_ui().run_dialog(d);
    if (!pressed || *pressed != 0) return 1;
    int action = d.field("action")->selected;
    int how = d.field("how")->selected;
    std::optional<LineRange> range;
    switch (d.field("text")->selected) {
    case kSelection:
        range = selected_lines(*buffer);
        break;
    case kAll:
        range = LineRange{0, buffer->line_count() - 1};
        break;
    default: {
        int first = 0, last = 0;
        if (line_number(d.field("start")->text, first) && line_number(d.field("end")->text, last))
            range = LineRange{first - 1, last - 1};
    }
    }
    if (!range) {
        editor_ui().status("No valid range specified.", true);
        return 1;
    }
    LineEdit edit = kEdits[action][how];
    return finish(edit_lines(*buffer, *range, edit, block_language(session, *buffer)));
}

} // namespace zped
