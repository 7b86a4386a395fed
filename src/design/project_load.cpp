// Loading a design project: the lock, the recovery of an interrupted run, the copy of the
// saved copy into the working copy, reading, and the conversion of an old single-file design.
#include "design/configuration_file.h"
#include "design/design_constructors.h"
#include "design/design_file.h"
#include "design/design_project.h"
#include "design/hdl_file_location.h"
#include "design/lock_file.h"
#include "design/project_files.h"
#include "design/project_paths.h"
#include "foundation/strings.h"
#include "foundation/system_message.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>
#include <utility>

namespace zeph {

// The lock of the project being loaded: given up again unless the load takes it over.
class DesignProject::PendingLock {
  public:
    PendingLock(ui::Platform& platform, std::string lock)
        : platform_(platform), lock_(std::move(lock)) {}
    ~PendingLock() { unlock_project(platform_, lock_); }
    PendingLock(const PendingLock&) = delete;
    PendingLock& operator=(const PendingLock&) = delete;
    std::string take() { return std::exchange(lock_, std::string()); }

  private:
    ui::Platform& platform_;
    std::string lock_;
};

namespace {

std::string working_file(const char* name) {
    return join_path(kWorkDirectory, name);
}

// The file an interrupted run left to recover from, relative to the project; "" when none.
std::string recovery_file(const std::string& project) {
    for (const char* name : {kAutobackupFileName, kDesignFileName}) {
        std::string file = working_file(name);
        if (path_exists(join_path(project, file))) return file;
    }
    return {};
}

bool enter_directory(ui::Platform& platform_, const std::string& path) {
    if (chdir(path.c_str()) == 0) return true;
    show_file_error(platform_, format_text("Cannot change to directory '%s': %s.", path.c_str(),
                                           std::strerror(errno)));
    return false;
}

// Leftovers of a save that was interrupted: half copies, and a saved copy already renamed to
// "design.old" whose successor never arrived.
void repair_interrupted_save(ui::Platform& platform_) {
    for (const char* name : {kWorkDirectory, kDesignDirectory, kDesignBakDirectory})
        remove_stale_leftovers(name);
    std::remove(join_path(kWorkDirectory, "design.vdf.partial").c_str());
    std::remove(join_path(kWorkDirectory, "design.bk!.partial").c_str());
    if (!path_exists(kDesignDirectory) && is_directory(kDesignOldDirectory))
        rename_path(platform_, kDesignOldDirectory, kDesignDirectory);
}
} // namespace

bool DesignProject::load_project(const std::string& given) {
    std::string path = absolute_path(given, working_directory());
    if (!validate_project_path(platform_, path, PathPurpose::Load)) return false;
    if (to_lower_ascii(path).ends_with(".vdf")) return convert_old_design(path);
    if (is_open() && !untitled_ && path == path_) return reload_open_project();

    std::optional<std::string> lock = lock_project(platform_, path);
    if (!lock) return false;
    PendingLock pending(platform_, *lock);
    if (access(path.c_str(), X_OK) != 0) {
        show_file_error(platform_, format_text("Cannot change to directory '%s': %s.", path.c_str(),
                                               std::strerror(errno)));
        return false;
    }
    // Asked before the open project is left: a question nobody answers leaves it as it was.
    bool recover = false;
    if (!recovery_file(path).empty())
        recover =
            platform_.ask_yes_no(program_name(), "Run time backup file found.\nDo "
                                                 "you want to recover it?") == ui::Answer::Yes;
    return open_saved_project(path, pending.take(), recover);
}

// Leaves the open project for another one; returns its lock file, which goes last.
std::string DesignProject::leave_for_load() {
    free_design();
    if (!is_open()) return {};
    leave_working_copy();
    std::string previous = std::exchange(lock_path_, std::string());
    path_.clear();
    untitled_ = false;
    return previous;
}

bool DesignProject::open_saved_project(const std::string& path, const std::string& lock,
                                       bool recover) {
    designs_directory_ = parent_directory(path);
    std::string previous_lock = leave_for_load();
    path_ = path;
    lock_path_ = lock;
    if (!enter_directory(platform_, path)) return fail_load(previous_lock, false);
    repair_interrupted_save(platform_);
    std::string file = working_file(kDesignFileName);
    bool recovered = false;
    if (is_directory(kWorkDirectory)) {
        std::string recovery = recovery_file(path);
        if (recover && !recovery.empty()) {
            file = recovery;
            recovered = true;
        } else if (!is_directory(kDesignDirectory)) {
            // Without a saved copy the working copy is all there is: it stays.
            show_file_error(platform_,
                            "Corrupt design structure: directory 'design' not found.\nThe "
                            "working copy 'work' is kept; answer Yes to recover it.");
            return fail_load(previous_lock, true);
        } else if (!remove_old(kWorkDirectory)) {
            return fail_load(previous_lock, true);
        }
    }
    if (!recovered) {
        if (!is_directory(kDesignDirectory)) {
            show_file_error(platform_, "Corrupt design structure: directory 'design' not found.");
            return fail_load(previous_lock, true);
        }
        if (!copy_shown(kDesignDirectory, kWorkDirectory)) return fail_load(previous_lock, false);
    }
    if (!read_working_design(file)) return fail_load(previous_lock, recovered);
    finish_load(recovered, false);
    unlock_project(platform_, previous_lock);
    return true;
}

// The open project again, from its saved copy; its unsaved changes are dropped.
bool DesignProject::reload_open_project() {
    free_design();
    if (is_directory(kWorkDirectory) && !remove_old(kWorkDirectory)) return fail_load({}, true);
    repair_interrupted_save(platform_);
    if (!is_directory(kDesignDirectory)) {
        show_file_error(platform_, "Corrupt design structure: directory 'design' not found.");
        return fail_load({}, true);
    }
    if (!copy_shown(kDesignDirectory, kWorkDirectory) ||
        !read_working_design(working_file(kDesignFileName)))
        return fail_load({}, false);
    finish_load(false, false);
    return true;
}

bool DesignProject::convert_old_design(const std::string& file) {
    show_status("Converting old-style design file to design project.");
    std::string project = file.substr(0, file.size() - 4) + ".vdp";
    if (!create_directory(platform_, project)) return false;
    std::optional<std::string> lock = lock_project(platform_, project);
    if (!lock) {
        delete_tree(platform_, project);
        return false;
    }
    designs_directory_ = parent_directory(project);
    std::string previous_lock = leave_for_load();
    path_ = project;
    lock_path_ = *lock;
    bool ok = enter_directory(platform_, project) && create_directory(platform_, kWorkDirectory) &&
              copy_file(platform_, file, working_file(kDesignFileName)) &&
              read_working_design(working_file(kDesignFileName));
    if (!ok) {
        fail_load(previous_lock, false);
        delete_tree(platform_, project);
        return false;
    }
    finish_load(false, true);
    unlock_project(platform_, previous_lock);
    return true;
}

bool DesignProject::read_working_design(const std::string& file) {
    show_status(format_text("Loading '%s'...", file.c_str()));
    ReadHooks read_hooks;
    read_hooks.defaults = options_.record_defaults;
    std::string project = path_;
    read_hooks.locate_hdl_file =
        [this, project](const Entity& entity, const Architecture* architecture,
                        const Process* process, const std::string& name, int language) {
            if (architecture == nullptr) return name;
            return locate_hdl_file(platform_, design_.target_language, project, entity,
                                   *architecture, process, name, language);
        };
    if (hooks_.insert_segment) read_hooks.insert_segment = hooks_.insert_segment;
    int code = read_design_file(file, design_, read_hooks);
    if (code != 0) {
        show_read_failure(platform_, code, file);
        return false;
    }
    if (hooks_.refresh_library_bindings) hooks_.refresh_library_bindings(design_);
    design_.current_entity = find_entity(design_, "Toplevel");
    design_.current_architecture = nullptr;
    design_.current_process = nullptr;
    if (design_.current_entity != nullptr && !design_.current_entity->architectures.empty())
        design_.current_architecture = design_.current_entity->architectures.front().get();
    std::string configuration = working_file(kConfigurationFileName);
    if (path_exists(configuration)) {
        show_status(format_text("Loading '%s'...", configuration.c_str()));
        int config_code = read_configuration_file(configuration, design_);
        if (config_code != 0) show_read_failure(platform_, config_code, configuration);
    }
    if (hooks_.apply_current_configuration) hooks_.apply_current_configuration(design_);
    return true;
}

void DesignProject::finish_load(bool recovered, bool converted) {
    clear_change_flags();
    if ((recovered && !is_directory(kDesignDirectory)) || converted) {
        save_design_file(working_file(kDesignFileName), kSaveCopyWork);
    } else if (!recovered && options_.create_design_bak_dir) {
        if (!path_exists(kDesignBakDirectory) || remove_old(kDesignBakDirectory))
            copy_shown(kDesignDirectory, kDesignBakDirectory);
    }
    if (recovered) mark_modified();
    if (hooks_.design_loaded) hooks_.design_loaded(design_);
    design_replaced();
}

// A load that failed after the open project was left: a new untitled design takes its place.
// A working copy that was to be recovered stays for the next attempt.
bool DesignProject::fail_load(const std::string& previous_lock, bool keep_work) {
    free_design();
    if (!keep_work && is_directory(join_path(path_, kWorkDirectory)))
        remove_old(join_path(path_, kWorkDirectory));
    if (chdir(parent_directory(path_).c_str()) != 0) {
        // new_project finds a directory of its own.
    }
    unlock_project(platform_, lock_path_);
    path_.clear();
    std::string previous = previous_lock;
    unlock_project(platform_, previous);
    new_project();
    return false;
}

} // namespace zeph
