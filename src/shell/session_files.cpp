// The file operations of the session: new, open, save, save as and view, and the question
// before a changed design is left.
#include "shell/session.h"

#include "design/external_editor.h"
#include "design/file_text.h"
#include "design/project_files.h"
#include "design/project_paths.h"
#include "foundation/system_message.h"
#include "shell/logical_directories.h"

#include <sstream>

namespace zeph {

namespace {
constexpr const char* kProjectFilter = "Design Projects *.vdp";
} // namespace

std::optional<std::string> Session::ask_path(bool for_saving) {
    ui::FileDialog dialog;
    dialog.title = for_saving ? "Save Design" : "Load Design";
    dialog.filter = kProjectFilter;
    dialog.start_dir =
        project_.designs_directory().empty() ? start_directory_ : project_.designs_directory();
    return for_saving ? platform_.save_file(dialog) : platform_.open_file(dialog);
}

Settled Session::settle_changes(SaveMode mode) {
    read_back_included_texts();
    std::string question = project_.close_question();
    if (question.empty()) return Settled::Go;
    ui::Answer answer = platform_.ask_yes_no_cancel(program_name(), question);
    if (answer == ui::Answer::Cancel) return Settled::Stay;
    if (answer == ui::Answer::No) return Settled::Go;
    if (!project_.untitled()) return project_.save_project(mode) ? Settled::Go : Settled::Failed;
    std::optional<std::string> chosen = ask_path(true);
    if (!chosen) return Settled::Stay;
    std::optional<std::string> path = full_path(*chosen);
    return path && project_.save_project_as(*path) ? Settled::Go : Settled::Failed;
}

bool Session::new_design() {
    Settled settled = settle_changes(SaveMode::BeforeNew);
    if (settled != Settled::Go) return settled == Settled::Stay;
    if (project_.new_project()) return true;
    end_program();
    return false;
}

bool Session::open(const std::optional<std::string>& path) {
    Settled settled = settle_changes(SaveMode::BeforeLoad);
    if (settled != Settled::Go) return settled == Settled::Stay;
    std::optional<std::string> chosen = path ? path : ask_path(false);
    if (!chosen) return true;
    std::optional<std::string> full = full_path(*chosen);
    return full && load_or_fall_back(*full);
}

bool Session::save() {
    read_back_included_texts();
    if (project_.untitled()) return save_as(std::nullopt);
    return project_.save_project(SaveMode::Plain);
}

bool Session::save_as(const std::optional<std::string>& path) {
    read_back_included_texts();
    std::optional<std::string> chosen = path ? path : ask_path(true);
    if (!chosen) return true;
    std::optional<std::string> full = full_path(*chosen);
    return full && project_.save_project_as(*full);
}

// The directory of the last viewed file, else the project's output directory, else the
// configured output directory, else where the program started.
std::string Session::view_directory() const {
    if (!last_viewed_directory_.empty()) return last_viewed_directory_;
    if (project_.is_open()) {
        std::string output = join_path(project_.path(), kOutputDirectory);
        if (is_directory(output)) return output;
    }
    const std::string& outputs = settings().environment.outputs;
    if (!outputs.empty())
        if (std::optional<std::string> dir =
                resolve_path(outputs, settings(), start_directory_, nullptr);
            dir && is_directory(*dir))
            return *dir;
    return start_directory_;
}

bool Session::view(const std::optional<std::string>& path) {
    ui::FileDialog dialog;
    dialog.title = "View File";
    dialog.start_dir = view_directory();
    std::optional<std::string> chosen = path ? path : platform_.open_file(dialog);
    if (!chosen) return true;
    std::optional<std::string> full = full_path(*chosen);
    if (!full) return false;
    last_viewed_directory_ = parent_directory(*full);

    if (settings().environment.editor_as_viewer && !settings().environment.editor.empty()) {
        std::optional<std::string> editor = editor_program();
        return editor && launch_editor(platform_, *editor, *full);
    }
    std::string text;
    if (!is_directory(*full) && load_text_file(*full, text)) {
        platform_.report_clear();
        platform_.report_title(*full);
        std::istringstream lines(text);
        for (std::string line; std::getline(lines, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            platform_.report_append(line);
        }
        platform_.report_bring_up();
        return true;
    }
    system_message(platform_, 4, 0, full->c_str());
    return false;
}

} // namespace zeph
