// Saving a design project: the design file with its probe and its backup "zeph.bak", the
// configuration file, the exchange of the working and the saved copy, save as, autobackup.
#include "design/configuration_file.h"
#include "design/design_file.h"
#include "design/design_project.h"
#include "design/file_text.h"
#include "design/lock_file.h"
#include "design/project_files.h"
#include "design/project_paths.h"
#include "foundation/strings.h"
#include "foundation/system_message.h"

#include <cstdio>
#include <unistd.h>

namespace zeph {

namespace {
constexpr const char* kPartialSuffix = ".partial";

// Writes `text` beside `path` and renames it over `path` only when all of it was written, so
// the file is never seen half written. 0, 4 (cannot open) or 7 (write error).
int write_whole_file(const std::string& path, const std::string& text) {
    std::string partial = path + kPartialSuffix;
    int code = save_text_file(partial, text);
    if (code == 0 && std::rename(partial.c_str(), path.c_str()) != 0) code = kWriteFailed;
    if (code != 0) std::remove(partial.c_str());
    return code;
}

void show_write_error(ui::Platform& platform_, int code, const std::string& path) {
    if (code == kWriteCannotOpen)
        system_message(platform_, 4, 1, path.c_str());
    else
        platform_.message_box(program_name(), system_message_text(7, 0, path.c_str()) + ".");
}
} // namespace

// Steps 1 to 4: the design file itself, the previous one kept as "zeph.bak" until the new one
// is complete and given back when writing failed.
bool DesignProject::write_design_text(const std::string& path, unsigned flags) {
    bool autobackup = (flags & kSaveAutobackup) != 0;
    show_status(autobackup ? std::string("Performing autobackup...")
                           : format_text("Saving '%s'...", path.c_str()));
    std::string backup = autobackup ? join_path(path_, kSaveBackupFile) : kSaveBackupFile;
    bool set_aside = false;
    if (path_exists(path)) {
        if (path_exists(backup)) delete_file(platform_, backup);
        set_aside = rename_path(platform_, path, backup);
    }
    // The extra line feed is the probe: a full disk shows at the latest there.
    int code = write_whole_file(path, design_file_text(design_) + "\n");
    if (code != 0) {
        show_write_error(platform_, code, path);
        if (set_aside) {
            show_status(format_text("Recover%s old '%s'%s", "ing", path.c_str(), "..."));
            if (rename_path(platform_, backup, path))
                show_status(format_text("Recover%s old '%s'%s", "ed", path.c_str(), "."));
        }
        return false;
    }
    if (path_exists(backup)) delete_file(platform_, backup);
    return true;
}

bool DesignProject::write_configuration() {
    if (design_.current_configuration != nullptr && hooks_.refresh_configuration)
        hooks_.refresh_configuration(design_);
    std::string path = join_path(kWorkDirectory, kConfigurationFileName);
    show_status(format_text("Saving '%s'...", path.c_str()));
    int code = write_whole_file(path, configuration_file_text(design_));
    if (code == 0) return true;
    if (code == kWriteCannotOpen)
        system_message(platform_, 4, 1, path.c_str());
    else
        platform_.message_box(program_name(), system_message_text(7, 0, path.c_str()));
    return false;
}

// Puts "design.old" back as "design" after a failed exchange.
bool DesignProject::restore_saved_copy() {
    if (!path_exists(kDesignOldDirectory)) return true;
    return until_repaired(
        [this] { return rename_path(platform_, kDesignOldDirectory, kDesignDirectory); });
}

// Steps 7 and 8: "design" becomes "design.old", the working copy becomes "design".
bool DesignProject::exchange_saved_copy(unsigned flags) {
    if (path_exists(kDesignOldDirectory) && !remove_old(kDesignOldDirectory)) return false;
    if (path_exists(kDesignDirectory) && !rename_shown(kDesignDirectory, kDesignOldDirectory))
        return false;
    if ((flags & kSaveCopyWork) != 0) {
        if (copy_shown(kWorkDirectory, kDesignDirectory)) return true;
        until_repaired([this] {
            return !path_exists(kDesignDirectory) || delete_tree(platform_, kDesignDirectory);
        });
        restore_saved_copy();
        return false;
    }
    bool moved = until_repaired([this] { return rename_shown(kWorkDirectory, kDesignDirectory); });
    if (!moved) restore_saved_copy();
    return moved;
}

bool DesignProject::save_design_file(const std::string& path, unsigned flags) {
    if (!write_design_text(path, flags)) return false;
    if ((flags & kSaveAutobackup) != 0) return true;
    if (!write_configuration()) return false;
    for (const auto& hook : saved_hooks_)
        hook();
    std::string autobackup_file = join_path(kWorkDirectory, kAutobackupFileName);
    if (path_exists(autobackup_file)) delete_file(platform_, autobackup_file);
    if (!exchange_saved_copy(flags)) return false;
    show_status("");
    return true;
}

bool DesignProject::save_project(SaveMode mode) {
    if (!is_open() || untitled_) return false;
    bool copy = mode == SaveMode::Plain || mode == SaveMode::BeforeLoad;
    if (!save_design_file(join_path(kWorkDirectory, kDesignFileName), copy ? kSaveCopyWork : 0))
        return false;
    clear_change_flags();
    return true;
}

bool DesignProject::save_project_as(const std::string& given) {
    if (!is_open()) return false;
    std::string path = absolute_path(given, working_directory());
    if (!validate_project_path(platform_, path, PathPurpose::SaveAs)) return false;
    if (!(untitled_ ? save_as_from_untitled(path) : save_as_from_titled(path))) return false;
    designs_directory_ = parent_directory(path);
    clear_change_flags();
    return true;
}

// The untitled project directory is copied as a whole (lock file included) and saved there.
bool DesignProject::save_as_from_untitled(const std::string& path) {
    std::string old_path = path_;
    std::string old_lock = lock_path_;
    if (!copy_shown(old_path, path)) return false;
    if (chdir(path.c_str()) != 0) {
        delete_tree(platform_, path);
        return false;
    }
    path_ = path;
    untitled_ = false;
    lock_path_ = join_path(path, kLockFileName);
    if (!save_design_file(join_path(kWorkDirectory, kDesignFileName), kSaveCopyWork)) {
        if (chdir(old_path.c_str()) != 0) {
        }
        path_ = old_path;
        untitled_ = true;
        lock_path_ = old_lock;
        delete_tree(platform_, path);
        return false;
    }
    remove_old(old_path);
    return true;
}

// A new directory with its own lock and a copy of the working copy; the old project keeps
// its saved copy and loses its working copy and lock.
bool DesignProject::save_as_from_titled(const std::string& path) {
    show_status(format_text("Creating new project '%s'...", path.c_str()));
    if (!create_directory(platform_, path)) return false;
    std::optional<std::string> lock = lock_project(platform_, path);
    std::string new_work = join_path(path, kWorkDirectory);
    if (!lock || !copy_shown(kWorkDirectory, new_work) || chdir(path.c_str()) != 0) {
        if (lock) unlock_project(platform_, *lock);
        delete_tree(platform_, path);
        return false;
    }
    std::string old_path = path_;
    path_ = path;
    if (!save_design_file(join_path(kWorkDirectory, kDesignFileName), kSaveCopyWork)) {
        if (chdir(old_path.c_str()) != 0) {
        }
        path_ = old_path;
        unlock_project(platform_, *lock);
        delete_tree(platform_, path);
        return false;
    }
    remove_old(join_path(old_path, kWorkDirectory));
    unlock_project(platform_, lock_path_);
    lock_path_ = *lock;
    return true;
}

bool DesignProject::autobackup() {
    if (!is_open()) return false;
    std::string work = join_path(path_, kWorkDirectory);
    if (!is_directory(work)) return false;
    if (!save_design_file(join_path(work, kAutobackupFileName), kSaveAutobackup)) return false;
    show_status("Autobackup done.");
    changed_since_autobackup_ = false;
    return true;
}

bool DesignProject::autobackup_if_changed() {
    return !changed_since_autobackup_ || autobackup();
}

} // namespace zeph
