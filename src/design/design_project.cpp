// The open design project: change flags, title, new designs, leaving, and creating a project
// at start-up.
#include "design/design_project.h"

#include "design/design_constructors.h"
#include "design/lock_file.h"
#include "design/name_limits.h"
#include "design/project_files.h"
#include "design/project_paths.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/message_table.h"
#include "foundation/strings.h"
#include "foundation/system_message.h"
#include "ui/platform.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <unistd.h>
#include <utility>

namespace zeph {

namespace {
constexpr const char* kSolveThisProblem = "Solve this problem!\n(Please consult your manual.)";

PackageSpec* package_spec_of(const LibraryEntryDefault& entry) {
    PackageSpec* spec = new_package_spec();
    set_package_field(spec->library, entry.library);
    set_package_field(spec->package, entry.package);
    set_package_field(spec->suffix, entry.suffix);
    set_package_field(spec->file_name, entry.file);
    spec->global = entry.global ? 1 : 0;
    return spec;
}
} // namespace

RetryRepair bounded_repair_retries(ui::Platform& platform_, int attempts) {
    return [&platform_, attempts](int failures) {
        if (failures >= attempts) return false;
        platform_.message_box(program_name(), kSolveThisProblem);
        return true;
    };
}

std::string working_directory() {
    char buffer[PATH_MAX];
    return getcwd(buffer, sizeof buffer) != nullptr ? std::string(buffer) : std::string();
}

DesignProject::DesignProject(ui::Platform& platform, ProjectOptions options, ProjectHooks hooks)
    : platform_(platform), options_(std::move(options)), hooks_(std::move(hooks)) {
    if (!options_.retry_repair)
        options_.retry_repair = bounded_repair_retries(platform_, kDefaultRepairAttempts);
}

DesignProject::~DesignProject() {
    for (const auto& hook : closing_hooks_)
        hook();
}

void DesignProject::free_design() {
    for (const auto& hook : closing_hooks_)
        hook();
    design_ = Design{};
}

void DesignProject::mark_modified() {
    modified_ = true;
    changed_since_autobackup_ = true;
}

void DesignProject::clear_change_flags() {
    modified_ = false;
    changed_since_autobackup_ = false;
    include_files_accessed_ = false;
    configuration_changed_ = false;
}

std::string DesignProject::configuration_word() const {
    return kind_name(design_.target_language, kKindConfiguration, 0, 1);
}

std::string DesignProject::close_question() const {
    std::string head;
    if (modified_)
        head = "This design has";
    else if (include_files_accessed_ && configuration_changed_)
        head = format_text("Include files have been accessed and the %s has",
                           configuration_word().c_str());
    else if (include_files_accessed_)
        head = "Include files have been accessed and might be";
    else if (configuration_changed_)
        head = format_text("The %s has", configuration_word().c_str());
    else
        return {};
    std::string question = head + " changed.\nSave changes?";
    if (untitled_)
        question += "\n(Warning: All files in design project will be\ndeleted when not saving "
                    "untitled designs!)";
    return question;
}

std::string DesignProject::title() const {
    return is_open() ? project_title(path_, untitled_, modified_) : std::string();
}

void DesignProject::clear_design() {
    const NewDesignValues& values = options_.new_design;
    free_design();
    design_.company = bounded(values.company, kMaxComment);
    for (const LibraryEntryDefault& entry : values.library_entries)
        design_.library_entries.append(package_spec_of(entry));
    design_.vhdl_signal_type = bounded(values.vhdl_signal_type, kMaxHdlName);
    design_.vhdl_vector_type = bounded(values.vhdl_vector_type, kMaxHdlName);
    design_.synthesis_tool = std::clamp(values.synthesis_tool, 0, kSynthesisToolCount - 1);
    design_.target_language = values.target_language == 2 ? 2 : 1;
    design_.language_checking = design_.target_language;
    clear_change_flags();
}

// The entity "Toplevel" with one block diagram, which becomes the current diagram.
void DesignProject::start_new_design() {
    Entity& top = add_entity(design_, new_entity(design_, "Toplevel"));
    Architecture& diagram =
        add_architecture(top, new_architecture(kArchitectureBlockDiagram, "", &top,
                                               record_defaults(), design_.synthesis_tool));
    design_.root = &top;
    design_.current_entity = &top;
    design_.current_architecture = &diagram;
    if (hooks_.setup_new_design) hooks_.setup_new_design(design_);
}

void DesignProject::design_replaced() {
    for (const auto& hook : replaced_hooks_)
        hook();
}

bool DesignProject::until_repaired(const std::function<bool()>& step) {
    for (int failures = 1;; ++failures) {
        if (step()) return true;
        if (!options_.retry_repair || !options_.retry_repair(failures)) {
            show_file_error(
                platform_,
                format_text(
                    "The problem remains after %d attempt%s; the repair is given up.\nThe working "
                    "copy 'work' is kept, nothing is lost.",
                    failures, failures == 1 ? "" : "s"));
            return false;
        }
    }
}

bool DesignProject::remove_old(const std::string& path) {
    platform_.status(format_text("Removing old '%s'...", path.c_str()), false);
    return delete_tree(platform_, path);
}

bool DesignProject::rename_shown(const std::string& from, const std::string& to) {
    platform_.status(format_text("Renaming '%s' to '%s'...", from.c_str(), to.c_str()), false);
    return rename_path(platform_, from, to);
}

bool DesignProject::copy_shown(const std::string& from, const std::string& to) {
    platform_.status(format_text("Copying '%s' to '%s'...", from.c_str(), to.c_str()), false);
    return copy_tree(platform_, from, to);
}

// The working copy goes with the project: the whole directory of an untitled project, "work"
// of a titled one. The lock file stays for the caller.
void DesignProject::leave_working_copy() {
    if (untitled_) {
        if (chdir(parent_directory(path_).c_str()) != 0) {
            // Removing the directory we are in still works; the next step chooses a new one.
        }
        std::string lock = std::exchange(lock_path_, std::string());
        unlock_project(platform_, lock);
        remove_old(path_);
    } else if (is_directory(join_path(path_, kWorkDirectory))) {
        remove_old(kWorkDirectory);
    }
}

void DesignProject::leave() {
    if (!is_open()) return;
    leave_working_copy();
    unlock_project(platform_, lock_path_);
    path_.clear();
    untitled_ = false;
}

void DesignProject::abandon() {
    if (!is_open()) return;
    unlock_project(platform_, lock_path_);
    path_.clear();
    untitled_ = false;
}

bool DesignProject::new_project() {
    leave();
    clear_design();
    std::optional<std::string> base = untitled_base_directory(options_.designs_directory);
    if (!base) {
        platform_.message_box(program_name(), fragment_text(fragment::kIllegalPwd));
        return false;
    }
    std::string path = untitled_project_path(*base, path_exists);
    if (!create_directory(platform_, path)) return false;
    std::optional<std::string> lock = lock_project(platform_, path);
    bool entered = lock && chdir(path.c_str()) == 0;
    if (lock && !entered)
        show_file_error(platform_, format_text("Cannot change to directory '%s': %s.", path.c_str(),
                                               std::strerror(errno)));
    if (!entered || !create_directory(platform_, kWorkDirectory)) {
        if (lock) unlock_project(platform_, *lock);
        delete_tree(platform_, path);
        return false;
    }
    path_ = path;
    untitled_ = true;
    lock_path_ = *lock;
    start_new_design();
    design_replaced();
    return true;
}

bool DesignProject::create_project(const std::string& path) {
    platform_.status(format_text("Creating new project '%s'...", path.c_str()), false);
    if (is_open() || !validate_project_path(platform_, path, PathPurpose::SaveAs)) return false;
    std::string previous = working_directory();
    if (!create_directory(platform_, path)) return false;
    std::optional<std::string> lock = lock_project(platform_, path);
    bool ok = lock && chdir(path.c_str()) == 0;
    if (ok) {
        path_ = path;
        lock_path_ = *lock;
        clear_design();
        start_new_design();
        ok = create_directory(platform_, kWorkDirectory) &&
             save_design_file(join_path(kWorkDirectory, kDesignFileName), 0);
        unlock_project(platform_, lock_path_);
        path_.clear();
        free_design();
        if (!previous.empty() && chdir(previous.c_str()) != 0) {
            // The caller loads the project by its full path next.
        }
    } else if (lock) {
        unlock_project(platform_, *lock);
    }
    if (!ok) until_repaired([&] { return delete_tree(platform_, path); });
    return ok;
}

} // namespace zeph
