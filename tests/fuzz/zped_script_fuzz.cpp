// Runs the input as a script of zped's script mode on a session with two buffers: every line
// is split into words, its escapes resolved, and run, answers (and repeat counts in the
// thousands) left out so that no dialog can name a file to read or write. Whatever the lines,
// every buffer must keep its invariants and the windows must share the text area. The word
// splitting and the field values of dialogs are checked for what they promise.
#include "editor/batch_editor_ui.h"
#include "editor/buffer_files.h"
#include "editor/dialog.h"
#include "editor/edit_buffer.h"
#include "editor/editor_script.h"
#include "editor/editor_session.h"
#include "editor/script_words.h"
#include "foundation/command_words.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {
void check(bool ok) {
    if (!ok) std::abort();
}

// Every kind of field takes the text or refuses it; what it takes it gives back.
void check_field_values(const std::string& text) {
    for (zped::FieldKind kind :
         {zped::FieldKind::Check, zped::FieldKind::Choice, zped::FieldKind::Number,
          zped::FieldKind::Text, zped::FieldKind::List, zped::FieldKind::Key}) {
        zped::DialogField field;
        field.kind = kind;
        field.items = {"&On top", "&Left side"};
        field.maximum = 16;
        std::string problem;
        if (!zped::set_field_from_text(field, text, problem)) continue;
        std::string shown = zped::field_value_text(field);
        zped::DialogField again = field;
        check(zped::set_field_from_text(again, shown, problem));
        check(zped::field_value_text(again) == shown);
    }
}
// The shown windows lie inside the text area and cover it, the active one among them, and
// every shown buffer has at least one line and column to show.
void check_windows(const zped::EditorSession& session) {
    const zped::WindowLayout& windows = session.windows();
    const zped::CellArea& area = windows.area();
    auto inside = [](const zped::CellArea& inner, const zped::CellArea& outer) {
        return inner.top >= outer.top && inner.left >= outer.left &&
               inner.top + inner.rows <= outer.top + outer.rows &&
               inner.left + inner.columns <= outer.left + outer.columns;
    };
    bool active_shown = session.active() == nullptr;
    long covered = 0;
    for (const zped::WindowPane& pane : windows.panes()) {
        check(inside(pane.frame, area) && inside(pane.text, pane.frame));
        check(pane.buffer->visible_lines >= 1 && pane.buffer->visible_columns >= 1);
        covered += static_cast<long>(pane.frame.rows) * pane.frame.columns;
        active_shown = active_shown || pane.buffer == session.active();
    }
    check(active_shown);
    check(windows.panes().empty() || covered == static_cast<long>(area.rows) * area.columns);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    zped::Settings settings("/nonexistent/zped-fuzz/zped.ini", "/nonexistent");
    zped::EditorSession session(settings);
    std::ostringstream out;
    zped::BatchEditorUi ui(out);
    zped::set_editor_ui(&ui);
    for (int i = 0; i < 2; ++i) {
        zped::EditBuffer* b = zped::LoadBuffer(session, "", true, false, zped::kEditWindow);
        b->set_lines({"entity e is", "\tport (a : in bit);", "end;"});
    }
    zped::EditorScript script(session, ui);
    std::istringstream lines(text);
    std::string line;
    for (int count = 0; count < 64 && std::getline(lines, line); ++count) {
        zeph::CommandWords split = zeph::split_command_words(line);
        if (!split.error.empty()) check(split.words.empty());
        std::string unescaped, problem;
        zped::unescape_text(line, unescaped, problem);
        if (!split.words.empty() && split.words[0] == "answer") continue;
        // Repeat counts of thousands only take time.
        bool big_number = false;
        for (std::size_t d = 0, run = 0; d < line.size() && !big_number; ++d) {
            run = line[d] >= '0' && line[d] <= '9' ? run + 1 : 0;
            big_number = run >= 4;
        }
        if (big_number) continue;
        if (count < 4) check_field_values(line);
        script.run_line(line);
        for (const auto& b : session.buffers)
            check(b->invariants_hold(0, b->line_count()));
        check_windows(session);
        if (session.exit_requested) break;
    }
    zped::set_editor_ui(nullptr);
    return 0;
}
