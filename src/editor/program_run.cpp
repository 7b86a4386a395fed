// The result window, the read loop over the program's pipe and the error list after it.
#include "editor/program_run.h"

#include "editor/apply_edit.h"
#include "editor/edit_buffer.h"
#include "editor/editor_session.h"
#include "editor/editor_ui.h"
#include "editor/line_list.h"
#include "foundation/strings.h"
#include "ui/child_stream.h"

namespace zped {

using zeph::format_text;

namespace {

bool is_continuation_byte(char ch) {
    return (static_cast<unsigned char>(ch) & 0xC0) == 0x80;
}

// Moves the cursor to the end of the window's text, scrolled into view, so the window follows
// the output.
void follow_output(EditBuffer& window) {
    TextPosition end = window.end_of_text();
    ApplyEdit(window, end, end, "", end, {kScrollToCursor, kScrollToCursor},
              SelectionRequest::empty_at(end));
}

} // namespace

bool append_output(EditBuffer& window, std::string_view output) {
    std::string text;
    text.reserve(output.size());
    int length = window.line_length(window.line_count() - 1);
    for (std::size_t i = 0; i < output.size(); ++i) {
        char ch = output[i];
        if (ch == '\r' || ch == '\0') continue;
        if (ch == '\n') {
            text += '\n';
            length = 0;
            continue;
        }
        if (length >= kMaxLineLength) {
            // Break before the UTF-8 character this byte belongs to when its lead byte is
            // still in this piece.
            std::size_t cut = text.size();
            if (is_continuation_byte(ch)) {
                std::size_t lead = text.size();
                while (lead > 0 && text.size() - lead < 3 && is_continuation_byte(text[lead - 1]))
                    --lead;
                if (lead > 0 && static_cast<unsigned char>(text[lead - 1]) >= 0xC0) cut = lead - 1;
            }
            length = static_cast<int>(text.size() - cut);
            text.insert(cut, 1, '\n');
        }
        text += ch;
        ++length;
    }
    if (text.empty()) return true;
    bool was_modified = window.modified;
    TextPosition end = window.end_of_text();
    ReplaceResult result = window.replace_range(end, end, text);
    window.modified = was_modified;
    return result == ReplaceResult::Done;
}

namespace {

// Empties (or makes) the result window with the run's title lines and brings it to the front;
// the run belongs to the source window that was active.
EditBuffer* prepare_result_window(EditorSession& session, const std::string& title) {
    ToolResults& results = session.tool_results;
    EditBuffer* source = session.active();
    // Run from the result window itself, the run stays with the file of the run before.
    if (source && source == results.result_window) source = results.source_window;
    if (source && source->window_kind != kEditWindow) source = nullptr;

    results.errors.clear();
    EditBuffer* window = session.show_result_window(kToolResultWindow, {"", title, "", ""});
    window->window_title = title;
    results.result_window = window;
    results.source_window = source;
    follow_output(*window);
    return window;
}

enum class RunEnd { Ended, Stopped, OutOfMemory };

// Reads the program's output into the window until the pipe closes, the user stops the
// program, or the window cannot take more.
RunEnd read_output(ui::ChildStream& child, EditBuffer& window) {
    for (;;) {
        std::string piece;
        ui::ChildStream::Read got = child.read(piece, kOutputPiece, kOutputWaitMilliseconds);
        if (got == ui::ChildStream::Read::Closed) return RunEnd::Ended;
        if (got == ui::ChildStream::Read::Data) {
            if (!append_output(window, piece)) {
                child.stop();
                return RunEnd::OutOfMemory;
            }
            follow_output(window);
        }
        if (!editor_ui().program_running(window)) {
            child.stop();
            return RunEnd::Stopped;
        }
    }
}

void build_list(ToolResults& results, const ProgramRun& run) {
    EditBuffer& window = *results.result_window;
    results.errors = build_error_list(window, run.parser, run.compiled_file);
    editor_ui().repaint(*results.source_window, -1);
    if (results.errors.empty()) return;
    // From the end of the output NextError would find nothing: the walk starts on top.
    window.cursor = window.desired = {0, 0};
    window.selection_anchor = window.selection_end = {0, 0};
    window.has_selection = false;
    window.view = resolve_view(window, window.cursor, {kScrollToCursor, kScrollToCursor});
    editor_ui().repaint(window, -1);
}

} // namespace

int run_program(EditorSession& session, const ProgramRun& run) {
    EditBuffer* window = prepare_result_window(session, run.title);
    ui::ChildStream child;
    if (!child.start({run.command.argv, run.command.working_directory}, true)) {
        editor_ui().message_box(
            kErrorTitle, format_text("Can not create process '%s'", run.command.text.c_str()));
        editor_ui().status(child.error(), false);
        return 1;
    }
    RunEnd end = read_output(child, *window);
    int exit_code = child.wait();
    editor_ui().repaint(*window, -1);

    ToolResults& results = session.tool_results;
    if (run.parser != ErrorParser::None && results.source_window) build_list(results, run);

    const char* program =
        run.command.argv.empty() ? run.command.text.c_str() : run.command.argv[0].c_str();
    if (end == RunEnd::Stopped)
        editor_ui().status(format_text("'%s' was stopped.", program), false);
    else if (end == RunEnd::OutOfMemory)
        editor_ui().message_box(
            kErrorTitle,
            format_text("Out of memory: '%s' was stopped and its output is cut short.", program));
    else if (run.parser != ErrorParser::None)
        editor_ui().status(format_text("'%s' ended with exit code %d; %d line(s) reported.",
                                       program, exit_code, static_cast<int>(results.errors.size())),
                           false);
    else
        editor_ui().status(format_text("'%s' ended with exit code %d.", program, exit_code), false);
    return 0;
}

} // namespace zped
