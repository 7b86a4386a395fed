// The open design project: its design, its directory with the working copy ("work") and the
// saved copy ("design"), its lock file and its change flags; the new, load, save, save-as,
// leave and autobackup sequences.
//
// While a project is open its directory is the program's current directory, and the paths
// of the sequences ("work/design.vdf", "design", "design.old") are relative to it. A save
// turns the working copy into the saved copy in an order that a program killed at any moment
// leaves recoverable: either "design" is whole, or "design.old" is and the next load takes it
// back, and the working copy stays until the saved copy exists.
#pragma once

#include "design/design.h"
#include "design/design_defaults.h"
#include "design/geometry.h"
#include "ui/platform.h"

#include <functional>
#include <string>
#include <vector>

namespace zeph {

struct Net;

// One default library entry of the settings.
struct LibraryEntryDefault {
    std::string library;
    std::string package;
    std::string suffix;
    bool global = false;
    std::string file;
};

// What a new design starts with.
struct NewDesignValues {
    std::string company;
    std::vector<LibraryEntryDefault> library_entries;
    std::string vhdl_signal_type;
    std::string vhdl_vector_type;
    int synthesis_tool = 0;
    int target_language = 1; // also the checking rules: 1 VHDL, 2 Verilog
};

// What a repair step that failed does next (`failures` counts the failures so far): true tries
// it again, false gives up and keeps the working copy.
using RetryRepair = std::function<bool(int failures)>;
// Shows "Solve this problem!\n(Please consult your manual.)" and tries again until the step
// failed `attempts` times: for runs where nobody can repair anything meanwhile.
RetryRepair bounded_repair_retries(ui::Platform& platform, int attempts);
inline constexpr int kDefaultRepairAttempts = 3;

struct ProjectOptions {
    std::string designs_directory; // resolved; empty: none
    bool create_design_bak_dir = false;
    NewDesignValues new_design;
    // What new records and the reader take from the settings (names, sheet, label defaults);
    // owned by the caller. Null: the documented defaults.
    const DesignDefaults* record_defaults = nullptr;
    // Empty: bounded_repair_retries with kDefaultRepairAttempts.
    RetryRepair retry_repair;
};

// Calls into the hierarchy and binding code, which lives above the design database. Unset
// calls do nothing.
struct ProjectHooks {
    std::function<void(Design&)> refresh_library_bindings;    // after a design was read
    std::function<void(Design&)> apply_current_configuration; // after config.cfg was read
    std::function<void(Design&)> refresh_configuration;       // before config.cfg is written
    // The setup of a new design (types, language, packages) beyond the NewDesignValues.
    std::function<void(Design&)> setup_new_design;
    // After a design was read and became the open one.
    std::function<void(Design&)> design_loaded;
    // Adds an old-style segment line of a net to its geometry while a file is read.
    std::function<void(Net&, Point, Point)> insert_segment;
};

// Save modes: what follows a successful save.
enum class SaveMode { Plain = 0, BeforeExit = 1, BeforeLoad = 2, BeforeNew = 3 };

// Flags of save_design_file.
inline constexpr unsigned kSaveAutobackup = 1;
inline constexpr unsigned kSaveCopyWork = 2;

class DesignProject {
  public:
    explicit DesignProject(ui::Platform& platform, ProjectOptions options = {},
                           ProjectHooks hooks = {});
    ~DesignProject();
    DesignProject(const DesignProject&) = delete;
    DesignProject& operator=(const DesignProject&) = delete;

    void set_options(ProjectOptions options) {
        if (!options.retry_repair) options.retry_repair = options_.retry_repair;
        options_ = std::move(options);
    }
    ui::Platform& platform() const { return platform_; }
    const ProjectOptions& options() const { return options_; }
    void set_hooks(ProjectHooks hooks) { hooks_ = std::move(hooks); }

    Design& design() { return design_; }
    const Design& design() const { return design_; }
    bool is_open() const { return !path_.empty(); }
    const std::string& path() const { return path_; }
    bool untitled() const { return untitled_; }
    const std::string& lock_path() const { return lock_path_; }
    // Where the "Load Design" dialog opens: the parent of the project loaded last.
    const std::string& designs_directory() const { return designs_directory_; }

    // Change flags.
    void mark_modified(); // the design changed
    void mark_include_files_accessed() { include_files_accessed_ = true; }
    void mark_configuration_changed() { configuration_changed_ = true; }
    bool modified() const { return modified_; }
    bool changed_since_autobackup() const { return changed_since_autobackup_; }
    // The question asked before the design is left, or "" when nothing changed.
    std::string close_question() const;
    std::string title() const;

    // Called after every save (not the autobackup) once the design file is written: the
    // diagrams' undo histories are emptied there.
    void on_saved(std::function<void()> hook) { saved_hooks_.push_back(std::move(hook)); }
    // Called after the design was replaced (new, load): references into the old one are gone.
    void on_replaced(std::function<void()> hook) { replaced_hooks_.push_back(std::move(hook)); }
    // Called before the design's records are freed (new, load, reload, the end of the
    // project object): whatever points into them (undo histories) has to let go here.
    void on_closing(std::function<void()> hook) { closing_hooks_.push_back(std::move(hook)); }

    // Leaves the open project and starts a new untitled one. False when that failed (the
    // message is shown; the program cannot go on).
    bool new_project();
    // Leaves the open project and opens the project (or converts the old single-file design)
    // at `path`. False when it was refused (the open project stays) or failed after the open
    // project was left (then a new untitled design is open, or none when even that failed).
    bool load_project(const std::string& path);
    // Saves the titled project; modes 1 and 3 move the working copy, 0 and 2 copy it.
    bool save_project(SaveMode mode);
    bool save_project_as(const std::string& path);
    // Writes the design file at `path` (normally "work/design.vdf") and turns the working
    // copy into the saved copy, or with kSaveAutobackup only writes the file.
    bool save_design_file(const std::string& path, unsigned flags);
    // Writes "work/design.bk!" of the open project; "Autobackup done." on success.
    bool autobackup();
    // The autobackup of the timer: only when the design changed since the last one.
    bool autobackup_if_changed();

    // Leaves the project: its working copy is removed (the whole directory of an untitled
    // project) and the lock file deleted.
    void leave();
    // Ends without removing anything but the lock file: the next load offers the recovery.
    void abandon();

    // Creates the project at `path` with a new saved design and leaves it closed (the start-up
    // with the name of a project that does not exist yet). No project may be open.
    bool create_project(const std::string& path);

  private:
    class PendingLock;

    void show_status(const std::string& text) { platform_.status(text, false); }
    const DesignDefaults& record_defaults() const {
        return options_.record_defaults != nullptr ? *options_.record_defaults
                                                   : documented_defaults();
    }
    std::string configuration_word() const;

    void clear_design();
    // Frees the design's records after the closing hooks ran.
    void free_design();
    void start_new_design();
    void design_replaced();
    void clear_change_flags();
    // Runs a repair step until it succeeds or the retry policy gives up (with a message).
    bool until_repaired(const std::function<bool()>& step);

    // Steps of the sequences, with their status lines.
    bool remove_old(const std::string& path);
    bool rename_shown(const std::string& from, const std::string& to);
    bool copy_shown(const std::string& from, const std::string& to);
    bool write_design_text(const std::string& path, unsigned flags);
    bool write_configuration();
    bool exchange_saved_copy(unsigned flags);
    bool restore_saved_copy();
    bool save_as_from_untitled(const std::string& path);
    bool save_as_from_titled(const std::string& path);

    void leave_working_copy();
    std::string leave_for_load();
    bool open_saved_project(const std::string& path, const std::string& lock, bool recover);
    bool reload_open_project();
    bool convert_old_design(const std::string& file);
    bool read_working_design(const std::string& file);
    void finish_load(bool recovered, bool converted);
    bool fail_load(const std::string& previous_lock, bool keep_work);

    ui::Platform& platform_;
    ProjectOptions options_;
    ProjectHooks hooks_;
    Design design_;
    std::string path_; // full path of the open project; empty when none
    bool untitled_ = false;
    std::string lock_path_; // the lock file this program wrote
    std::string designs_directory_;
    bool modified_ = false;
    bool changed_since_autobackup_ = false;
    bool include_files_accessed_ = false;
    bool configuration_changed_ = false;
    std::vector<std::function<void()>> saved_hooks_;
    std::vector<std::function<void()>> replaced_hooks_;
    std::vector<std::function<void()>> closing_hooks_;
};

// The current directory, or "" when it cannot be determined.
std::string working_directory();

} // namespace zeph
