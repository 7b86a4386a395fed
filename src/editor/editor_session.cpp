// Start-up of the editor session, its buffers and the enable groups.
#include "editor/editor_session.h"

#include "editor/apply_edit.h"
#include "editor/buffer_files.h"
#include "editor/edit_memory.h"
#include "editor/editor_ui.h"
#include "editor/file_text.h"
#include "foundation/file_names.h"
#include "foundation/strings.h"

#include <algorithm>
#include <new>

namespace zped {

using zeph::format_text;

void EditorOptions::load(const Settings& s) {
    colors = s.read_bool("Options", "Colors", true);
    line_numbers = s.read_bool("Options", "LineNumbers", false);
    auto_indent = s.read_bool("Options", "AutoIndent", true);
    save_on_exit = s.read_bool("Options", "SaveOnExit", true);
    backup_file = s.read_bool("Options", "BackupFile", false);
    buttons_left = s.read_bool("Options", "ButtonsLeft", true);
    first_child_maximized = s.read_bool("Options", "FirstChildMaximized", false);
    font_size = s.read_string("Options", "FontSize", "10");
    font = s.read_string("Options", "Font", "Courier New");
    tab_size = std::clamp(s.read_int("Options", "TabSize", kDefaultTabSize), 1, 16);
}

void EditorOptions::save(Settings& s) const {
    s.write_bool("Options", "Colors", colors);
    s.write_bool("Options", "LineNumbers", line_numbers);
    s.write_bool("Options", "AutoIndent", auto_indent);
    s.write_bool("Options", "SaveOnExit", save_on_exit);
    s.write_bool("Options", "BackupFile", backup_file);
    s.write_bool("Options", "ButtonsLeft", buttons_left);
    s.write_bool("Options", "FirstChildMaximized", first_child_maximized);
    s.write_string("Options", "FontSize", font_size);
    s.write_string("Options", "Font", font);
    s.write_int("Options", "TabSize", tab_size);
}

EditorSession::EditorSession(Settings& s) : settings(s) {}
EditorSession::~EditorSession() = default;

std::string EditorSession::definition_path(const char* key, const char* fallback) const {
    std::string path = settings.read_path("GUI", key, fallback);
    if (!path.empty() && path[0] != '/') path = settings.directory() + "/" + path;
    return path;
}

void EditorSession::read_definition_files() {
    std::string buttons_file = definition_path("Buttons", "buttons.ini");
    FileContents text = read_file(buttons_file);
    if (text.opened())
        buttons = read_buttons(text.data, commands, startup_errors);
    else
        startup_errors.add(kErrorCannotOpen, "Button definition", buttons_file);

    accelerators = builtin_accelerators(commands);
    std::string accel_file = accelerator_file();
    text = read_file(accel_file);
    if (text.opened())
        accelerators = read_accelerators(text.data, commands, startup_errors);
    else
        startup_errors.add(kErrorCannotOpen, "Keyboard definition", accel_file);

    std::string menu_file = definition_path("Menu", "menu.ini");
    text = read_file(menu_file);
    if (text.opened()) {
        menu = read_menu(text.data, commands, startup_errors);
    } else {
        startup_errors.add(kErrorCannotOpen, "Menu definition", menu_file);
        menu = builtin_menu(commands);
    }
    std::vector<std::string> labels;
    for (const std::string& file : help_files)
        labels.push_back(zeph::file_part(file));
    append_help_menu(menu, commands, labels);
}

void EditorSession::start() {
    options.load(settings);
    tools.load(settings);
    tools.apply_labels(commands);
    vsystem.load(settings);
    leonardo.load(settings);
    compilers.load(settings);
    languages.load(settings, startup_errors);
    templates.load_listed(settings, startup_errors);
    print.load(settings);
    for (int i = 1; i <= 5; ++i) {
        std::string file = settings.read_path("Help", format_text("HelpFile%d", i), "");
        if (file.empty()) break;
        help_files.push_back(file);
    }
    read_definition_files();
    mru.load(settings);
    refresh_enable_groups();
    if (!startup_errors.empty()) show_result_window(kStartupErrorWindow, startup_errors.lines());
}

EditBuffer* EditorSession::active() const {
    if (active_index_ < 0 || active_index_ >= static_cast<int>(buffers.size())) return nullptr;
    return buffers[static_cast<std::size_t>(active_index_)].get();
}

void EditorSession::activate_without_check(EditBuffer* buffer) {
    for (std::size_t i = 0; i < buffers.size(); ++i)
        if (buffers[i].get() == buffer) active_index_ = static_cast<int>(i);
    arrange_windows();
    refresh_enable_groups();
}

void EditorSession::activate(EditBuffer* buffer) {
    activate_without_check(buffer);
    if (EditBuffer* now = active()) CheckFileChanged(*now);
    refresh_enable_groups();
}

EditBuffer* EditorSession::find_by_absolute_name(const std::string& absolute) const {
    for (const auto& b : buffers)
        if (b->absolute_name == absolute) return b.get();
    return nullptr;
}

EditBuffer* EditorSession::find_by_file_name(const std::string& name) const {
    for (const auto& b : buffers)
        if (b->file_name == name) return b.get();
    return nullptr;
}

EditBuffer* EditorSession::add_buffer(std::unique_ptr<EditBuffer> buffer) {
    buffers.push_back(std::move(buffer));
    active_index_ = static_cast<int>(buffers.size()) - 1;
    arrange_windows();
    refresh_enable_groups();
    return buffers.back().get();
}

std::string EditorSession::next_untitled_name() {
    return format_text("Untitled%d", ++untitled_counter);
}

bool EditorSession::close_buffer(EditBuffer* buffer) {
    auto it = std::find_if(buffers.begin(), buffers.end(),
                           [&](const auto& b) { return b.get() == buffer; });
    if (it == buffers.end()) return true;
    if (buffer->modified && !buffer->read_only) {
        Answer answer = editor_ui().ask_yes_no_cancel(
            "Editor contents modified", format_text("Edit buffer '%s'\nis modified, Save changes ?",
                                                    buffer->file_name.c_str()));
        if (answer == Answer::Cancel) return false;
        if (answer == Answer::Yes && !SaveBuffer(*this, *buffer, nullptr)) return false;
    }
    if (!is_untitled(buffer->file_name) && buffer->window_kind != kResultWindow)
        mru.add(buffer->absolute_name);
    tool_results.window_closed(buffer);
    int index = static_cast<int>(it - buffers.begin());
    bookmarks.forget(*buffer);
    buffers.erase(it);
    if (active_index_ >= index) active_index_ = std::max(0, active_index_ - 1);
    if (buffers.empty()) active_index_ = -1;
    arrange_windows();
    refresh_enable_groups();
    return true;
}

bool EditorSession::close_all() {
    while (!buffers.empty()) {
        EditBuffer* last = buffers.back().get();
        activate_without_check(last);
        if (!close_buffer(last)) return false;
    }
    return true;
}

EditBuffer* EditorSession::show_result_window(const std::string& name,
                                              const std::vector<std::string>& lines) {
    EditBuffer* window = find_by_file_name(name);
    if (!window || window->window_kind != kResultWindow) {
        auto buffer = std::make_unique<EditBuffer>();
        buffer->window_kind = kResultWindow;
        buffer->read_only = true;
        buffer->file_name = name;
        buffer->absolute_name = name;
        buffer->tab_size = options.tab_size;
        window = add_buffer(std::move(buffer));
    } else {
        activate_without_check(window);
    }
    std::vector<std::string> kept;
    for (const std::string& line : lines)
        kept.push_back(zeph::bounded(line, kMaxLineLength));
    window->set_lines(std::move(kept));
    window->cursor = window->selection_anchor = window->selection_end = {0, 0};
    window->view = {};
    window->has_selection = false;
    window->modified = false;
    ClearHistory(*window);
    InitHistory(*window);
    editor_ui().repaint(*window, -1);
    return window;
}

void EditorSession::set_text_area(const CellArea& area) {
    windows_.set_area(area);
    arrange_windows();
}

void EditorSession::set_arrangement(WindowArrangement arrangement) {
    windows_.set_arrangement(arrangement);
    arrange_windows();
}

void EditorSession::arrange_windows() {
    windows_.arrange(buffers, active(), options.line_numbers);
}

void EditorSession::show_new_startup_errors(std::size_t reported) {
    if (startup_errors.lines().size() <= reported) return;
    EditBuffer* was_active = active();
    show_result_window(kStartupErrorWindow, startup_errors.lines());
    if (was_active) activate_without_check(was_active);
    editor_ui().status(format_text("Errors are listed in the %s window.", kStartupErrorWindow),
                       true);
}

void EditorSession::replace_languages(const LanguageTable& edited) {
    languages = edited;
    std::size_t reported = startup_errors.lines().size();
    for (int n = 0; n < kLanguageCount; ++n)
        if (!languages.entry(n).empty()) languages.read_specification(n, settings, startup_errors);
    for (const auto& b : buffers)
        if (b->window_kind == kEditWindow) {
            b->language = language_of(b->file_name);
            editor_ui().repaint(*b, -1);
        }
    show_new_startup_errors(reported);
}

void EditorSession::refresh_enable_groups() {
    EditBuffer* buffer = active();
    commands.set_enable_group(kGroupSelection, buffer && buffer->has_selection);
    commands.set_enable_group(kGroupEditWindow, buffer != nullptr);
    commands.set_enable_group(kGroupModified, buffer && buffer->modified && !buffer->read_only);
    commands.set_enable_group(kGroupErrorList, tool_results.navigable());
    commands.set_enable_group(kGroupUndo, buffer && buffer->history.can_undo());
    commands.set_enable_group(kGroupRedo, buffer && buffer->history.can_redo());
}

bool EditorSession::command_enabled(int index) {
    if (index < 0 || index >= kCommandCount) return false;
    refresh_enable_groups();
    return commands.enabled(index);
}

int EditorSession::run_command(int index) {
    if (!command_enabled(index)) {
        editor_ui().status("", true);
        return 1;
    }
    int result = 1;
    try {
        result = commands.run(index, *this);
    } catch (const std::bad_alloc&) {
        // Every buffer operation leaves its buffer whole when memory runs out; what is left
        // here is a command that could not get the memory for its own work.
        EditMemory::report_exhausted(0);
    }
    // Options, languages and edits change line numbers and the lines a gutter needs.
    arrange_windows();
    refresh_enable_groups();
    return result;
}

int EditorSession::run_command(const char* name) {
    return run_command(commands.find(name));
}

bool EditorSession::write_settings() {
    options.save(settings);
    tools.save(settings);
    vsystem.save(settings);
    leonardo.save(settings);
    compilers.save(settings);
    languages.save(settings);
    templates.save(settings);
    print.save(settings);
    mru.save(settings);
    return settings.save();
}

} // namespace zped
