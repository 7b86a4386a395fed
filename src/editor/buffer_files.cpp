// LoadBuffer, SaveBuffer, ReloadBuffer and CheckFileChanged. Files are read as a stream of
// lines straight into the buffer; saving goes through save_in_place, which keeps the file the
// same file and never leaves a half-written one as the only copy.
#include "editor/buffer_files.h"

#include "editor/apply_edit.h"
#include "editor/edit_memory.h"
#include "editor/editor_session.h"
#include "editor/editor_ui.h"
#include "editor/file_save.h"
#include "editor/file_text.h"
#include "foundation/file_names.h"
#include "foundation/strings.h"

#include <filesystem>
#include <new>

namespace zped {

using zeph::format_text;

namespace {

void error_box(const std::string& text) {
    editor_ui().message_box(kErrorTitle, text);
}

std::string backup_name(const std::string& name) {
    std::string file = zeph::file_part(name);
    std::size_t dot = file.rfind('.');
    std::string dir = name.substr(0, name.size() - file.size());
    return dir + (dot == std::string::npos ? file : file.substr(0, dot)) + ".bak";
}

bool has_bak_extension(const std::string& name) {
    std::string file = zeph::file_part(name);
    std::size_t dot = file.rfind('.');
    return dot != std::string::npos && file.substr(dot + 1) == "bak";
}

long expected_size(const EditBuffer& buffer) {
    long size = 0;
    for (int i = 0; i < buffer.line_count(); ++i)
        size += buffer.line_length(i);
    return size +
           static_cast<long>(line_end_text(buffer.line_end).size()) * (buffer.line_count() - 1);
}

void write_lines(const EditBuffer& buffer, FileSink& sink) {
    std::string_view line_end = line_end_text(buffer.line_end);
    for (int i = 0; i < buffer.line_count() && !sink.failed(); ++i) {
        if (i > 0) sink.write(line_end);
        sink.write(buffer.line(i));
    }
}

std::string not_regular_text(const std::string& name) {
    return format_text("'%s' is not a regular file; only regular files can be edited.",
                       name.c_str());
}

// Says where the text before an interrupted save of this file is kept.
void report_leftover_copy(const EditorSession& session, const std::string& name) {
    std::string left = leftover_safety_copy(name, session.state_directory);
    if (left.empty()) return;
    error_box(format_text("A save of '%s' did not finish.\nThe file as it was before that save "
                          "is kept in '%s'.",
                          name.c_str(), left.c_str()));
}

// Writes the buffer under `name`; false (reported) when the file was not written.
bool write_buffer(const EditorSession& session, const EditBuffer& buffer, const std::string& name) {
    SaveRequest request;
    request.path = name;
    if (session.options.backup_file && file_exists(name)) request.backup_name = backup_name(name);
    request.state_directory = session.state_directory;
    request.write_text = [&](FileSink& sink) { write_lines(buffer, sink); };
    long expected = expected_size(buffer);
    SaveOutcome outcome;
    try {
        outcome = save_in_place(request);
    } catch (const std::bad_alloc&) {
        EditMemory::report_exhausted(1 << 20);
        return false;
    }
    std::string written_text =
        format_text("Error(s) writing file '%s'\n.Expected %d bytes, actually wrote %ld bytes.",
                    name.c_str(), static_cast<int>(expected), outcome.written);
    switch (outcome.problem) {
    case SaveProblem::None:
        if (outcome.written == expected) return true;
        error_box(written_text);
        return false;
    case SaveProblem::NotRegular:
        error_box(not_regular_text(name));
        return false;
    case SaveProblem::CannotOpen:
        error_box(format_text("Cannot open %s file '%s'.", "source", name.c_str()));
        return false;
    case SaveProblem::CopyFailed:
        error_box(outcome.copy_message);
        return false;
    case SaveProblem::WriteFailed:
        error_box(written_text);
        return false;
    case SaveProblem::RestoreFailed:
        error_box(written_text + format_text("\nThe file as it was before is kept in '%s'.",
                                             outcome.kept_copy.c_str()));
        return false;
    }
    return false;
}

} // namespace

ReadOutcome read_buffer_file(EditBuffer& buffer, const std::string& name) {
    LineList fresh(buffer.lines.grow_step());
    LoadedLines loaded;
    try {
        loaded = read_file_lines(name, [&](std::string_view line) { return fresh.append(line); });
    } catch (const std::bad_alloc&) {
        std::error_code ignored;
        EditMemory::report_exhausted(std::filesystem::file_size(name, ignored));
        return ReadOutcome::OutOfMemory;
    }
    switch (loaded.problem) {
    case ReadProblem::None:
        break;
    case ReadProblem::NotRegular:
        return ReadOutcome::NotRegular;
    case ReadProblem::Stopped:
        return ReadOutcome::OutOfMemory;
    case ReadProblem::Missing:
    case ReadProblem::CannotOpen:
        return ReadOutcome::CannotOpen;
    }
    buffer.lines.swap(fresh);
    buffer.line_end = loaded.line_ends.convention();
    buffer.modification_time = loaded.modification_time;
    buffer.cursor = buffer.clamp(buffer.cursor);
    if (loaded.bytes_read != loaded.expected_size)
        error_box(
            format_text("Error(s) reading file '%s'.\nExpected %d bytes, actually read %ld bytes.",
                        name.c_str(), static_cast<int>(loaded.expected_size), loaded.bytes_read));
    return ReadOutcome::Read;
}

EditBuffer* LoadBuffer(EditorSession& session, const std::string& requested, bool create,
                       bool read_only, std::uint32_t window_kind) {
    std::string name =
        requested.empty() ? session.next_untitled_name() : zeph::bounded(requested, kMaxFileName);
    bool unnamed = is_untitled(name);
    std::string absolute = unnamed ? name : zeph::bounded(absolute_file_name(name), kMaxFileName);
    if (!unnamed && is_special_file(name)) {
        error_box(not_regular_text(name));
        return nullptr;
    }
    if (!unnamed && session.find_by_absolute_name(absolute)) {
        Answer answer = editor_ui().ask_yes_no(
            "Warning",
            format_text("File '%s' is already\nin an edit buffer, open a readonly copy ?",
                        name.c_str()));
        if (answer != Answer::Yes) return nullptr;
        read_only = true;
    }
    if (!create && !unnamed && !file_exists(name)) {
        Answer answer = editor_ui().ask_yes_no(
            "No such file",
            format_text("File '%s' does not exists.\nDo you want to create an empty file ?",
                        name.c_str()));
        if (answer != Answer::Yes) return nullptr;
        create = true;
    }
    std::unique_ptr<EditBuffer> buffer;
    try {
        buffer = std::make_unique<EditBuffer>();
    } catch (const std::bad_alloc&) {
        EditMemory::report_exhausted(sizeof(EditBuffer));
        return nullptr;
    }
    buffer->read_only = read_only;
    buffer->window_kind = window_kind;
    buffer->file_name = name;
    buffer->absolute_name = absolute;
    buffer->tab_size = session.options.tab_size;
    buffer->language = session.language_of(name);
    if (!create && !unnamed) {
        switch (read_buffer_file(*buffer, name)) {
        case ReadOutcome::Read:
            break;
        case ReadOutcome::OutOfMemory:
            return nullptr;
        case ReadOutcome::NotRegular:
            error_box(not_regular_text(name));
            return nullptr;
        case ReadOutcome::CannotOpen:
            error_box(format_text("Cannot open %s file '%s'.", "", name.c_str()));
            // The file exists but could not be read: an empty buffer must not be saved over it.
            buffer->read_only = true;
            break;
        }
        if (!buffer->read_only && !may_write_file(name)) {
            buffer->read_only = true;
            editor_ui().status(format_text("%s is write-protected: opened readonly.",
                                           zeph::file_part(name).c_str()),
                               false);
        }
        report_leftover_copy(session, name);
    }
    if (create && !unnamed) file_modification_time(name, buffer->modification_time);
    EditBuffer* added = session.add_buffer(std::move(buffer));
    if (!added) return nullptr;
    InitHistory(*added);
    return added;
}

bool SaveBuffer(EditorSession& session, EditBuffer& buffer, const std::string* new_name) {
    if (buffer.read_only) {
        editor_ui().status("Window is opened readonly.", true);
        return false;
    }
    std::string name = new_name ? *new_name : buffer.file_name;
    if (name.empty() || is_untitled(name)) {
        auto chosen = editor_ui().file_dialog(
            "Save As", is_untitled(buffer.file_name) ? "" : buffer.file_name, true);
        if (!chosen || chosen->empty()) return false;
        name = zeph::bounded(*chosen, kMaxFileName);
    }
    std::string absolute = zeph::bounded(absolute_file_name(name), kMaxFileName);
    if (absolute != buffer.absolute_name && file_exists(name)) {
        Answer answer = editor_ui().ask_yes_no(
            "Save As",
            format_text("File '%s' already exists.\nDo you want to replace it?", name.c_str()));
        if (answer != Answer::Yes) return false;
    }
    if (session.options.backup_file && file_exists(name) && has_bak_extension(name)) {
        error_box(
            format_text("Cannot backup file '%s'\nthe backup has the same name as original  file.",
                        name.c_str()));
        return false;
    }
    if (buffer.line_count() > 1000) editor_ui().progress("Saving file.");
    if (!write_buffer(session, buffer, name)) return false;

    bool renamed = name != buffer.file_name;
    buffer.modified = false;
    buffer.file_name = name;
    if (renamed) buffer.language = session.language_of(name);
    buffer.absolute_name = absolute;
    ClearHistory(buffer);
    InitHistory(buffer);
    file_modification_time(name, buffer.modification_time);
    editor_ui().repaint(buffer, -1);
    editor_ui().status(format_text("Saved file: '%s'", name.c_str()), false);
    return true;
}

bool ReloadBuffer(EditBuffer& buffer) {
    ReadOutcome outcome = read_buffer_file(buffer, buffer.file_name);
    if (outcome != ReadOutcome::Read) {
        if (outcome != ReadOutcome::OutOfMemory)
            error_box(format_text("Cannot open file '%s' to refresh the window contents.",
                                  buffer.file_name.c_str()));
        return false;
    }
    buffer.modified = false;
    buffer.cursor = buffer.clamp(buffer.cursor);
    buffer.selection_anchor = buffer.selection_end = buffer.cursor;
    buffer.has_selection = false;
    editor_ui().repaint(buffer, -1);
    return true;
}

void CheckFileChanged(EditBuffer& buffer) {
    if (is_untitled(buffer.file_name) || buffer.file_name.empty() ||
        buffer.window_kind == kResultWindow)
        return;
    std::int64_t now = 0;
    if (!file_modification_time(buffer.file_name, now) || now <= buffer.modification_time) return;
    Answer answer = editor_ui().ask_yes_no(
        "File changed", format_text("The file: %s has changed\nDo you want to reload it?",
                                    buffer.file_name.c_str()));
    if (answer == Answer::Yes && ReloadBuffer(buffer)) return;
    buffer.modification_time = now;
}

} // namespace zped
