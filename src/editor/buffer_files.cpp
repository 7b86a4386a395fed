// LoadBuffer, SaveBuffer, ReloadBuffer and CheckFileChanged. Saving writes a new file beside
// the old one and renames it into place only when every byte arrived, so a full disk never
// leaves a truncated file behind.
#include "editor/buffer_files.h"

#include "editor/apply_edit.h"
#include "editor/editor_session.h"
#include "editor/editor_ui.h"
#include "editor/file_text.h"
#include "foundation/file_names.h"
#include "foundation/strings.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zped {

using zeph::format_text;

namespace {

void error_box(const std::string& text) {
    editor_ui().message_box(kErrorTitle, text);
}

// Writes all of data to fd; returns the number of bytes that were written.
long write_all(int fd, const std::string& data) {
    std::size_t done = 0;
    while (done < data.size()) {
        ssize_t n = write(fd, data.data() + done, data.size() - done);
        if (n > 0)
            done += static_cast<std::size_t>(n);
        else if (n < 0 && errno == EINTR)
            continue;
        else
            break;
    }
    return static_cast<long>(done);
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

// A plain copy in place of the compressed-file copy service, with that service's texts.
bool copy_for_backup(const std::string& from, const std::string& to) {
    int in = open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) {
        error_box(format_text("Error: Unable to read file '%s'.", from.c_str()));
        return false;
    }
    int out = open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (out < 0) {
        close(in);
        error_box(format_text("Error: Unable to write backup file '%s'.", to.c_str()));
        return false;
    }
    const char* problem = nullptr;
    char chunk[65536];
    for (;;) {
        ssize_t n = read(in, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) problem = "The handle identifying the source file was not valid.";
        if (n <= 0) break;
        if (write_all(out, std::string(chunk, static_cast<std::size_t>(n))) != n) {
            problem = "There is insufficient space for the output file.";
            break;
        }
    }
    close(in);
    if (close(out) != 0 && !problem) problem = "There is insufficient space for the output file.";
    if (problem) error_box(format_text("Error(s) copying file '%s'.\n", from.c_str()) + problem);
    return problem == nullptr;
}

// The file that is really written: the target of a symbolic link.
std::string write_target(const std::string& name) {
    char resolved[PATH_MAX];
    if (realpath(name.c_str(), resolved)) return resolved;
    return name;
}

mode_t new_file_mode() {
    mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// Writes the text to a temporary file beside `name` and renames it over `name`.
bool write_text_file(const std::string& shown_name, const std::string& name,
                     const std::string& text) {
    std::string target = write_target(name);
    std::string dir = target.substr(0, target.size() - zeph::file_part(target).size());
    std::string pattern = (dir.empty() ? std::string("./") : dir) + ".zped-save-XXXXXX";
    int fd = mkstemp(pattern.data());
    if (fd < 0) {
        error_box(format_text("Cannot open %s file '%s'.", "source", shown_name.c_str()));
        return false;
    }
    struct stat old {};
    fchmod(fd, stat(target.c_str(), &old) == 0 ? old.st_mode & 07777 : new_file_mode());
    long written = write_all(fd, text);
    bool synced = fsync(fd) == 0;
    struct stat st {};
    long on_disk = fstat(fd, &st) == 0 ? static_cast<long>(st.st_size) : -1;
    bool closed = close(fd) == 0;
    if (on_disk != static_cast<long>(text.size()) || written != on_disk || !synced || !closed) {
        unlink(pattern.c_str());
        error_box(
            format_text("Error(s) writing file '%s'\n.Expected %d bytes, actually wrote %ld bytes.",
                        shown_name.c_str(), static_cast<int>(text.size()), written));
        return false;
    }
    if (rename(pattern.c_str(), target.c_str()) != 0) {
        unlink(pattern.c_str());
        error_box(format_text("Cannot open %s file '%s'.", "source", shown_name.c_str()));
        return false;
    }
    return true;
}

std::string buffer_text(const EditBuffer& buffer) {
    std::vector<std::string_view> lines;
    lines.reserve(static_cast<std::size_t>(buffer.line_count()));
    for (int i = 0; i < buffer.line_count(); ++i)
        lines.emplace_back(buffer.line(i));
    return join_for_save(lines);
}

} // namespace

bool read_buffer_file(EditBuffer& buffer, const std::string& name) {
    FileContents contents = read_file(name);
    if (!contents.opened) return false;
    long read_bytes = static_cast<long>(contents.data.size());
    buffer.set_lines(split_file_text(contents.data));
    buffer.modification_time = contents.modification_time;
    if (read_bytes != contents.expected_size)
        error_box(
            format_text("Error(s) reading file '%s'.\nExpected %d bytes, actually read %ld bytes.",
                        name.c_str(), static_cast<int>(contents.expected_size), read_bytes));
    return true;
}

EditBuffer* LoadBuffer(EditorSession& session, const std::string& requested, bool create,
                       bool read_only, std::uint32_t window_kind) {
    std::string name =
        requested.empty() ? session.next_untitled_name() : zeph::bounded(requested, kMaxFileName);
    bool unnamed = is_untitled(name);
    std::string absolute = unnamed ? name : zeph::bounded(absolute_file_name(name), kMaxFileName);
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
    auto buffer = std::make_unique<EditBuffer>();
    buffer->read_only = read_only;
    buffer->window_kind = window_kind;
    buffer->file_name = name;
    buffer->absolute_name = absolute;
    buffer->tab_size = session.options.tab_size;
    buffer->language = 0;
    if (!create && !unnamed && !read_buffer_file(*buffer, name)) {
        error_box(format_text("Cannot open %s file '%s'.", "", name.c_str()));
        // The file exists but could not be read: an empty buffer must not be saved over it.
        buffer->read_only = true;
    }
    if (create && !unnamed) file_modification_time(name, buffer->modification_time);
    EditBuffer* added = session.add_buffer(std::move(buffer));
    InitHistory(*added);
    return added;
}

bool SaveBuffer(EditorSession& session, EditBuffer& buffer, const std::string* new_name) {
    if (buffer.read_only) {
        editor_ui().status("Window is opened readonly.", false);
        return false;
    }
    std::string name = new_name ? *new_name : buffer.file_name;
    if (name.empty() || is_untitled(name)) {
        auto chosen = editor_ui().file_dialog(
            "Save As", is_untitled(buffer.file_name) ? "" : buffer.file_name, true);
        if (!chosen || chosen->empty()) return false;
        name = zeph::bounded(*chosen, kMaxFileName);
    }
    if (session.options.backup_file && file_exists(name)) {
        if (has_bak_extension(name)) {
            error_box(format_text(
                "Cannot backup file '%s'\nthe backup has the same name as original  file.",
                name.c_str()));
            return false;
        }
        if (!copy_for_backup(name, backup_name(name))) return false;
    }
    if (buffer.line_count() > 1000) editor_ui().progress("Saving file.");
    if (!write_text_file(name, name, buffer_text(buffer))) return false;

    buffer.modified = false;
    buffer.file_name = name;
    buffer.absolute_name = zeph::bounded(absolute_file_name(name), kMaxFileName);
    ClearHistory(buffer);
    InitHistory(buffer);
    file_modification_time(name, buffer.modification_time);
    editor_ui().repaint(buffer, -1);
    editor_ui().status(format_text("Saved file: '%s'", name.c_str()), false);
    return true;
}

bool ReloadBuffer(EditBuffer& buffer) {
    if (!read_buffer_file(buffer, buffer.file_name)) {
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
