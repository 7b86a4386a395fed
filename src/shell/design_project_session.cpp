// The project session: design projects driven by the settings and the file commands.
#include "shell/design_project_session.h"

#include "design/design_defaults.h"
#include "design/external_editor.h"
#include "design/file_text.h"
#include "design/project_files.h"
#include "design/project_paths.h"
#include "blockdiagram/net_geometry.h"
#include "foundation/system_message.h"
#include "hdl/design_language.h"
#include "hdl/new_design_setup.h"
#include "shell/file_commands.h"
#include "shell/logical_directories.h"
#include "shell/settings_file.h"
#include "shell/setup_commands.h"
#include "ui/platform.h"

#include <chrono>
#include <sstream>

namespace zeph {

namespace {
constexpr const char* kProjectFilter = "Design Projects *.vdp";

// Someone at the terminal repairs the problem and answers Yes to try again.
bool ask_to_retry(int) {
    try {
        return ui::platform().ask_yes_no(program_name(),
                                         "Solve this problem!\n(Please consult your manual.)") ==
               ui::Answer::Yes;
    } catch (const ui::QuestionNotAnswered&) {
        return false;
    }
}

Timers::Duration backup_period(const Settings& settings) {
    return std::chrono::minutes(settings.environment.backup_time);
}

std::vector<LibraryEntryDefault> library_defaults(const Settings& settings) {
    std::vector<LibraryEntryDefault> entries;
    for (const PackageEntry& p : settings.packages)
        entries.push_back({p.library, p.package, p.suffix, p.global, p.file});
    return entries;
}
} // namespace

void apply_design_defaults(const Settings& settings) {
    DesignDefaults& d = design_defaults();
    d.block_diagram_architecture_name = settings.default_names.block_diagram_archs;
    d.hdl_file_architecture_name = settings.default_names.vhdl_file_archs;
    d.state_diagram_architecture_name = settings.default_names.state_diagram_archs;
    d.external_architecture_name = settings.default_names.external_archs;
    d.sheet_size = settings.gui.sheet_size;

    const Settings::TextSize& t = settings.text_size;
    d.text_size = {t.components, t.processes, t.generics,   t.ports,      t.connect_labels,
                   t.nets,       t.bus_entries, t.states,   t.conditions, t.actions,
                   t.priorities, t.free_placed_texts};
    const Settings::LabelFormats& f = settings.label_formats;
    auto format = [](int value) { return static_cast<unsigned>(value); };
    d.label_format = {format(f.components), format(f.processes), format(f.generics),
                      format(f.ports),      1u,                  format(f.nets),
                      format(f.bus_entries), format(f.states),   1u,
                      1u,                   1u,                  1u};

    d.foreground_colour = settings.colours.foreground;
    d.background_colour = settings.colours.background;
    d.texts_in_foreground = settings.miscellaneous.texts_in_foreground;
}

DesignProjectSession::DesignProjectSession(SessionServices services)
    : services_(std::move(services)), start_directory_(working_directory()) {
    apply_design_defaults(settings());
    project_.set_options(options_from_settings());
    // The pane starts with the language of the settings; a new design of that language
    // leaves it as it is.
    int language = settings().default_target_language();
    shown_language_ = {language, language};
    project_.set_hooks(project_hooks());
    autobackup_timer_ = services_.timers.add(backup_period(settings()),
                                             [this] { project_.autobackup_if_changed(); });
}

DesignProjectSession::~DesignProjectSession() { services_.timers.remove(autobackup_timer_); }

const Settings& DesignProjectSession::settings() const { return services_.settings.settings(); }

// A new design takes its setup from the settings; a loaded one is the setup in force. The
// language pane follows both.
ProjectHooks DesignProjectSession::project_hooks() {
    ProjectHooks hooks;
    hooks.setup_new_design = [this](Design& design) {
        reset_design_setup(design, new_design_defaults(settings()));
        if (design.target_language != shown_language_.first ||
            design.language_checking != shown_language_.second)
            show_language(design);
    };
    hooks.design_loaded = [this](Design& design) {
        remember_setup_in_force(design);
        show_language(design);
    };
    hooks.insert_segment = [](Net& net, Point a, Point b) { insert_segment(net, a, b); };
    return hooks;
}

void DesignProjectSession::show_language(const Design& design) {
    shown_language_ = {design.target_language, design.language_checking};
    refresh_language_status(design);
}

ProjectOptions DesignProjectSession::options_from_settings() const {
    const Settings& s = settings();
    ProjectOptions options;
    if (!s.environment.designs.empty())
        if (std::optional<std::string> designs =
                resolve_path(s.environment.designs, s, start_directory_, false))
            options.designs_directory = *designs;
    options.create_design_bak_dir = s.environment.create_design_bak_dir;
    NewDesignValues& values = options.new_design;
    values.company = s.miscellaneous.company;
    values.library_entries = library_defaults(s);
    values.vhdl_signal_type = s.miscellaneous.signal_type;
    values.vhdl_vector_type = s.miscellaneous.vector_type;
    values.synthesis_tool = s.tools.synthesis_tool;
    values.target_language = s.default_target_language();
    options.retry_repair =
        services_.interactive ? RetryRepair(ask_to_retry) : bounded_repair_retries(kDefaultRepairAttempts);
    return options;
}

void DesignProjectSession::settings_changed() {
    apply_design_defaults(settings());
    project_.set_options(options_from_settings());
    services_.timers.set_period(autobackup_timer_, backup_period(settings()));
}

void DesignProjectSession::add_commands(CommandTable& table) { add_file_commands(table, *this); }

void DesignProjectSession::start_untitled() {
    if (project_.is_open()) return; // a failed load has started one already
    if (!project_.new_project()) services_.end_program();
}

bool DesignProjectSession::create_project(const std::string& path) {
    return project_.create_project(path);
}

bool DesignProjectSession::load_project(const std::string& path) {
    return load_or_fall_back(path);
}

// A refused load keeps what was open (at start-up: nothing yet, and the start-up goes on with
// a new design); a failed one has left the open project and started a new design instead. Only
// when even that failed can the program not go on.
bool DesignProjectSession::load_or_fall_back(const std::string& path) {
    bool was_open = project_.is_open();
    bool loaded = project_.load_project(path);
    if (!loaded && was_open && !project_.is_open() && services_.end_program)
        services_.end_program();
    return loaded;
}

bool DesignProjectSession::close_for_exit() {
    if (settle_changes(SaveMode::BeforeExit) != Settled::Go) return false;
    project_.leave();
    return true;
}

void DesignProjectSession::abandon() { project_.abandon(); }

std::optional<std::string> DesignProjectSession::full_path(const std::string& path) const {
    return resolve_path(path, settings(), start_directory_, true);
}

std::optional<std::string> DesignProjectSession::ask_path(bool for_saving) {
    ui::FileDialog dialog;
    dialog.title = for_saving ? "Save Design" : "Load Design";
    dialog.filter = kProjectFilter;
    dialog.start_dir =
        project_.designs_directory().empty() ? start_directory_ : project_.designs_directory();
    return for_saving ? ui::platform().save_file(dialog) : ui::platform().open_file(dialog);
}

Settled DesignProjectSession::settle_changes(SaveMode mode) {
    std::string question = project_.close_question();
    if (question.empty()) return Settled::Go;
    ui::Answer answer = ui::platform().ask_yes_no_cancel(program_name(), question);
    if (answer == ui::Answer::Cancel) return Settled::Stay;
    if (answer == ui::Answer::No) return Settled::Go;
    if (!project_.untitled()) return project_.save_project(mode) ? Settled::Go : Settled::Failed;
    std::optional<std::string> chosen = ask_path(true);
    if (!chosen) return Settled::Stay;
    std::optional<std::string> path = full_path(*chosen);
    return path && project_.save_project_as(*path) ? Settled::Go : Settled::Failed;
}

bool DesignProjectSession::new_design() {
    Settled settled = settle_changes(SaveMode::BeforeNew);
    if (settled != Settled::Go) return settled == Settled::Stay;
    if (project_.new_project()) return true;
    services_.end_program();
    return false;
}

bool DesignProjectSession::open(const std::optional<std::string>& path) {
    Settled settled = settle_changes(SaveMode::BeforeLoad);
    if (settled != Settled::Go) return settled == Settled::Stay;
    std::optional<std::string> chosen = path ? path : ask_path(false);
    if (!chosen) return true;
    std::optional<std::string> full = full_path(*chosen);
    return full && load_or_fall_back(*full);
}

bool DesignProjectSession::save() {
    if (project_.untitled()) return save_as(std::nullopt);
    return project_.save_project(SaveMode::Plain);
}

bool DesignProjectSession::save_as(const std::optional<std::string>& path) {
    std::optional<std::string> chosen = path ? path : ask_path(true);
    if (!chosen) return true;
    std::optional<std::string> full = full_path(*chosen);
    return full && project_.save_project_as(*full);
}

// The directory of the last viewed file, else the project's output directory, else the
// configured output directory, else where the program started.
std::string DesignProjectSession::view_directory() const {
    if (!last_viewed_directory_.empty()) return last_viewed_directory_;
    if (project_.is_open()) {
        std::string output = join_path(project_.path(), kOutputDirectory);
        if (is_directory(output)) return output;
    }
    const std::string& outputs = settings().environment.outputs;
    if (!outputs.empty())
        if (std::optional<std::string> dir = resolve_path(outputs, settings(), start_directory_,
                                                          false);
            dir && is_directory(*dir))
            return *dir;
    return start_directory_;
}

bool DesignProjectSession::view(const std::optional<std::string>& path) {
    ui::FileDialog dialog;
    dialog.title = "View File";
    dialog.start_dir = view_directory();
    std::optional<std::string> chosen = path ? path : ui::platform().open_file(dialog);
    if (!chosen) return true;
    std::optional<std::string> full = full_path(*chosen);
    if (!full) return false;
    last_viewed_directory_ = parent_directory(*full);

    const Settings::Environment& environment = settings().environment;
    if (environment.editor_as_viewer && !environment.editor.empty()) {
        std::optional<std::string> editor =
            expand_logical_directory(environment.editor, settings(), true);
        return editor && launch_editor(*editor, *full);
    }
    std::string text;
    if (!is_directory(*full) && load_text_file(*full, text)) {
        ui::Platform& p = ui::platform();
        p.report_clear();
        p.report_title(*full);
        std::istringstream lines(text);
        for (std::string line; std::getline(lines, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            p.report_append(line);
        }
        p.report_bring_up();
        return true;
    }
    system_message(4, 0, full->c_str());
    return false;
}

} // namespace zeph
