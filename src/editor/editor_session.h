// The running editor: its settings and options, the command table with its enable state, the
// menu, accelerator and button tables, the start-up error report, the open buffers with the
// active one, the most-recently-used list, the search state, the bookmarks, the print settings
// and the clipboard.
#pragma once

#include "editor/accelerators.h"
#include "editor/bookmarks.h"
#include "editor/buttons.h"
#include "editor/clipboard.h"
#include "editor/command_table.h"
#include "editor/display_columns.h"
#include "editor/edit_buffer.h"
#include "editor/error_list.h"
#include "editor/hdl_compilers.h"
#include "editor/identifier_completion.h"
#include "editor/language_table.h"
#include "editor/leonardo.h"
#include "editor/menu_definitions.h"
#include "editor/mru_list.h"
#include "editor/print_settings.h"
#include "editor/search_state.h"
#include "editor/settings.h"
#include "editor/startup_errors.h"
#include "editor/template_library.h"
#include "editor/user_tools.h"
#include "editor/vsystem.h"
#include "editor/window_layout.h"

#include <memory>
#include <string>
#include <vector>

namespace zped {

// Section "Options" of the settings file.
struct EditorOptions {
    bool colors = true;
    bool line_numbers = false;
    bool auto_indent = true;
    bool save_on_exit = true;
    bool backup_file = false;
    bool buttons_left = true;
    bool first_child_maximized = false;
    std::string font_size = "10";
    std::string font = "Courier New";
    int tab_size = kDefaultTabSize;

    void load(const Settings& settings);
    void save(Settings& settings) const;
};

inline constexpr const char* kStartupErrorWindow = "startup.err";

class EditorSession {
  public:
    explicit EditorSession(Settings& settings);
    ~EditorSession();

    // Start-up: options, languages, template files, button bar, accelerators, menu (with the
    // Help popup), the most-recently-used list, the enable groups, and the "startup.err"
    // window when the report has lines.
    void start();

    Settings& settings;
    EditorOptions options;
    CommandTable commands;
    std::vector<Button> buttons;
    std::vector<Accelerator> accelerators;
    std::vector<MenuEntry> menu;
    std::vector<std::string> help_files;
    StartupErrors startup_errors;
    MruList mru;
    LanguageTable languages;
    TemplateLibrary templates;
    IdentifierCompletion completion;
    SearchState search;
    Bookmarks bookmarks;
    PrintSettings print;

    // The clipboard of Copy, Cut and Paste: the installed one (the desktop's), else one kept
    // inside the editor.
    Clipboard& clipboard() {
        return installed_clipboard_ ? *installed_clipboard_ : internal_clipboard_;
    }
    void install_clipboard(std::unique_ptr<Clipboard> clipboard) {
        installed_clipboard_ = std::move(clipboard);
    }

    // Where safety copies of files go when their own directory cannot take them.
    std::string state_directory;

    // Outside programs: the user tools, the compilers' settings, and the result window with
    // the error list of the last run.
    UserTools tools;
    VsystemSettings vsystem;
    LeonardoSettings leonardo;
    HdlCompilerSettings compilers;
    ToolResults tool_results;

    std::vector<std::unique_ptr<EditBuffer>> buffers;
    int untitled_counter = 0;
    bool exit_requested = false;
    bool overwrite = false;

    EditBuffer* active() const;
    // Makes a buffer the active one and checks whether its file changed outside.
    void activate(EditBuffer* buffer);
    void activate_without_check(EditBuffer* buffer);
    EditBuffer* find_by_absolute_name(const std::string& absolute) const;
    EditBuffer* find_by_file_name(const std::string& name) const;
    // Takes ownership of a new buffer and makes it active.
    EditBuffer* add_buffer(std::unique_ptr<EditBuffer> buffer);
    // "Untitled%d" with the next number.
    std::string next_untitled_name();

    // Asks about unsaved changes, puts a named buffer into the most-recently-used list and
    // frees it. False when the user cancelled or the save failed.
    bool close_buffer(EditBuffer* buffer);
    // Closes every buffer (for exit); false when one of them was kept.
    bool close_all();

    // A read-only result window (kind 2) with these lines, reused when one of that name exists.
    EditBuffer* show_result_window(const std::string& name, const std::vector<std::string>& lines);
    // After start-up: when the report grew beyond `reported` lines, the "startup.err" window
    // is refilled; the active window stays active and the status line points to the report.
    void show_new_startup_errors(std::size_t reported);

    // The language of a file name.
    int language_of(const std::string& file_name) const { return languages.choose(file_name); }
    // Takes an edited language table: the specification files are read again and every edit
    // window gets the language its name now chooses.
    void replace_languages(const LanguageTable& edited);

    // The text area the windows share (a terminal that was resized): every shown window gets
    // its part of it, each view scrolled as little as needed to keep its cursor in sight, on
    // the same line of text.
    void set_text_area(const CellArea& area);
    void set_window_size(int rows, int columns) { set_text_area({0, 0, rows, columns}); }
    // Cascade, tile horizontal or tile vertical; the windows are placed anew.
    void set_arrangement(WindowArrangement arrangement);
    // Places the windows again after buffers were opened, closed or activated.
    void arrange_windows();
    const WindowLayout& windows() const { return windows_; }

    // Sets all six enable groups from the active buffer and the error list.
    void refresh_enable_groups();
    // Runs a command by index when it is enabled; then refreshes the enable groups.
    int run_command(int index);
    int run_command(const char* name);

    // Writes options, tools, compiler settings, languages, the template file list and the
    // most-recently-used list into the settings file.
    bool write_settings();
    // The accelerator file: the name in section "GUI", in the settings file's directory.
    std::string accelerator_file() const { return definition_path("Accellerators", "accel.ini"); }
    // A command can run now (its enable groups refreshed first).
    bool command_enabled(int index);

  private:
    void read_definition_files();
    std::string definition_path(const char* key, const char* fallback) const;
    int active_index_ = -1;
    WindowLayout windows_;
    InternalClipboard internal_clipboard_;
    std::unique_ptr<Clipboard> installed_clipboard_;
};

} // namespace zped
