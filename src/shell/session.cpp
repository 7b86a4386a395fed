// The session: what it owns, how the settings reach the design project, the diagram editor and
// the report, and the start and end of a design.
#include "shell/session.h"

#include "blockdiagram/configurations.h"
#include "blockdiagram/library_modules.h"

#include "blockdiagram/net_geometry.h"
#include "design/external_editor.h"
#include "design/project_paths.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/strings.h"
#include "foundation/system_message.h"
#include "hdl/design_language.h"
#include "hdl/new_design_setup.h"
#include "shell/logical_directories.h"
#include "statemachine/state_codes.h"

#include "design/architecture.h"
#include "design/block_diagram.h"
#include "design/entity.h"
#include "design/process.h"

#include <chrono>
#include <filesystem>
#include <set>
#include <unistd.h>

namespace zeph {

namespace {
Timers::Duration backup_period(const Settings& settings) {
    return std::chrono::minutes(settings.environment.backup_time);
}

std::vector<LibraryEntryDefault> library_defaults(const Settings& settings) {
    std::vector<LibraryEntryDefault> entries;
    for (const PackageEntry& p : settings.packages)
        entries.push_back({p.library, p.package, p.suffix, p.global, p.file});
    return entries;
}

// The record defaults (label sizes and formats, sheet size, colours, default architecture
// names) from the settings.
void copy_record_defaults(const Settings& settings, DesignDefaults& d) {
    d.block_diagram_architecture_name = settings.default_names.block_diagram_archs;
    d.hdl_file_architecture_name = settings.default_names.vhdl_file_archs;
    d.state_diagram_architecture_name = settings.default_names.state_diagram_archs;
    d.external_architecture_name = settings.default_names.external_archs;
    d.sheet_size = settings.gui.sheet_size;

    const Settings::TextSize& t = settings.text_size;
    d.text_size = {t.components,     t.processes, t.generics,    t.ports,
                   t.connect_labels, t.nets,      t.bus_entries, t.states,
                   t.conditions,     t.actions,   t.priorities,  t.free_placed_texts};
    const Settings::LabelFormats& f = settings.label_formats;
    auto format = [](int value) { return static_cast<unsigned>(value); };
    d.label_format = {format(f.components),
                      format(f.processes),
                      format(f.generics),
                      format(f.ports),
                      1u,
                      format(f.nets),
                      format(f.bus_entries),
                      format(f.states),
                      1u,
                      1u,
                      1u,
                      1u};

    d.foreground_colour = settings.colours.foreground;
    d.background_colour = settings.colours.background;
    d.texts_in_foreground = settings.miscellaneous.texts_in_foreground;
}

void copy_diagram_settings(const Settings& s, DiagramSettings& d) {
    d.grid_factor = s.gui.grid_factor;
    d.max_undos = s.gui.max_undos;
    const Settings::Colours& c = s.colours;
    d.colours = {c.components, c.component_background,
                 c.processes,  c.process_background,
                 c.generics,   c.ports,
                 c.wires,      c.buses,
                 c.grid,       c.free_placed_texts,
                 c.selected,   c.selected_background,
                 c.foreground, c.background};
    const Settings::LabelColours& l = s.label_colours;
    d.label_in_object_colour = {l.components,     l.processes, l.generics,    l.ports,
                                l.connect_labels, l.nets,      l.bus_entries, l.states,
                                l.conditions,     l.actions,   l.priorities,  false};
    d.disable_type_checks = s.verify.disable_type_checks;
}
} // namespace

NewDesignDefaults new_design_defaults(const Settings& settings) {
    NewDesignDefaults d;
    d.signal_type = settings.miscellaneous.signal_type;
    d.vector_type = settings.miscellaneous.vector_type;
    d.company = settings.miscellaneous.company;
    d.default_language = settings.miscellaneous.default_language;
    d.synthesis_tool = settings.tools.synthesis_tool;
    for (const PackageEntry& e : settings.packages)
        d.packages.push_back({e.library, e.package, e.suffix, e.file, e.global});
    return d;
}

namespace {
// The program moves into the project directory: a relative settings path counts from the
// directory it started in, so that the file read is the file written.
std::string settings_path_from(const std::string& start_directory, const std::string& path) {
    std::filesystem::path given(path);
    if (given.empty() || given.is_absolute() || start_directory.empty()) return path;
    return (std::filesystem::path(start_directory) / given).lexically_normal().string();
}

} // namespace

Session::Session(ui::Platform& platform, Timers& timers, SessionOptions options)
    : platform_(platform), timers_(timers), options_(std::move(options)),
      start_directory_(working_directory()),
      settings_(platform, settings_path_from(start_directory_, options_.settings_path)),
      report_(platform), events_(platform), project_(platform),
      editor_(platform, diagram_settings_, design_defaults_) {
    settings_.load();
    settings_to_diagram_settings();
    project_.set_options(options_from_settings());
    // The pane starts with the language of the settings; a new design of that language
    // leaves it as it is.
    int language = settings().default_target_language();
    shown_language_ = {language, language};
    project_.set_hooks(project_hooks());
    install_event_hooks();
    editor_.set_change_listener([this] {
        mark_modified();
        forget_freed_machines();
    });
    project_.on_saved([this] {
        editor_.design_saved();
        machine_histories_.clear();
    });
    project_.on_replaced([this] {
        editor_.reset();
        machine_histories_.clear();
        state_selection_.clear();
        verification_.forget();
        remembered_root_ = nullptr;
        last_analysis_.reset();
        included_texts_.forget();
    });
    autobackup_timer_ = timers_.add(backup_period(settings()), [this] { autobackup(); });
}

Session::~Session() {
    timers_.remove(autobackup_timer_);
}

void Session::enter_working_directory() const {
    const std::string& directory = project_.is_open() ? project_.path() : start_directory_;
    // A directory that has gone shows when the operation touches its files.
    if (!directory.empty() && working_directory() != directory) (void)chdir(directory.c_str());
}

// The timer may fire while another session's command waits: the backup is written in this
// session's project, and the directory that command works in is restored.
void Session::autobackup() {
    if (!project_.changed_since_autobackup()) return;
    std::string previous = working_directory();
    enter_working_directory();
    project_.autobackup_if_changed();
    if (!previous.empty() && working_directory() != previous) (void)chdir(previous.c_str());
}

int Session::language() const {
    const Design* d = design();
    return d != nullptr ? d->target_language : kLanguageVhdl;
}

void Session::end_program() {
    if (options_.end_program) options_.end_program();
}

// A new design takes its setup from the settings; a loaded one is the setup in force. The
// language pane follows both.
ProjectHooks Session::project_hooks() {
    ProjectHooks hooks;
    hooks.setup_new_design = [this](Design& design) {
        reset_design_setup(design, new_design_defaults(settings()), events_);
        if (design.target_language != shown_language_.first ||
            design.language_checking != shown_language_.second)
            show_language(design);
    };
    hooks.design_loaded = [this](Design& design) {
        remember_setup_in_force(design, events_.carried());
        show_language(design);
    };
    hooks.insert_segment = [](Net& net, Point a, Point b) { insert_segment(net, a, b); };
    // The hierarchy's part of a load and a save: library modules fetched again from their
    // projects, the current configuration's bindings applied after config.cfg was read, and
    // taken from the design again before it is written.
    hooks.refresh_library_bindings = [this](Design& design) {
        LibraryHooks library;
        library.resolve_path = [this](const std::string& path) {
            return resolve_path(path, settings(), nullptr);
        };
        refresh_library_modules(platform_, design, library);
    };
    hooks.apply_current_configuration = [this](Design& design) {
        if (design.current_configuration != nullptr)
            set_bindings(platform_, design, *design.current_configuration, false);
    };
    hooks.refresh_configuration = [](Design& design) {
        if (design.current_configuration != nullptr)
            save_bindings(design, *design.current_configuration);
    };
    return hooks;
}

// Changes of the setup and the package lists mark the project modified; file names of package
// specifications resolve through the logical directories of the settings.
void Session::install_event_hooks() {
    events_.mark_modified = [this](Design&, bool) { mark_modified(); };
    events_.recompute_state_codes = recompute_design_state_codes;
    events_.path_resolves = [this](const std::string& path) {
        return resolve_path(path, settings(), &platform_).has_value();
    };
}

void Session::show_language(const Design& design) {
    shown_language_ = {design.target_language, design.language_checking};
    refresh_language_status(platform_, design);
}

ProjectOptions Session::options_from_settings() const {
    const Settings& s = settings();
    ProjectOptions options;
    if (!s.environment.designs.empty())
        if (std::optional<std::string> designs =
                resolve_path(s.environment.designs, s, start_directory_, nullptr))
            options.designs_directory = *designs;
    options.create_design_bak_dir = s.environment.create_design_bak_dir;
    NewDesignValues& values = options.new_design;
    values.company = s.miscellaneous.company;
    values.library_entries = library_defaults(s);
    values.vhdl_signal_type = s.miscellaneous.signal_type;
    values.vhdl_vector_type = s.miscellaneous.vector_type;
    values.synthesis_tool = s.tools.synthesis_tool;
    values.target_language = s.default_target_language();
    options.record_defaults = &design_defaults_;
    ui::Platform& platform = platform_;
    options.retry_repair =
        options_.interactive ? RetryRepair([&platform](int) {
            // Someone at the terminal repairs the problem and answers Yes to try again.
            try {
                return platform.ask_yes_no(program_name(),
                                           "Solve this problem!\n(Please consult your manual.)") ==
                       ui::Answer::Yes;
            } catch (const ui::QuestionNotAnswered&) {
                return false;
            }
        })
                             : bounded_repair_retries(platform_, kDefaultRepairAttempts);
    return options;
}

void Session::settings_to_diagram_settings() {
    copy_record_defaults(settings(), design_defaults_);
    copy_diagram_settings(settings(), diagram_settings_);
    report_.disable_warnings = settings().verify.disable_warnings;
    report_.disable_notes = settings().verify.disable_notes;
}

// What the Sheet Defaults, Label Options and Colors operations change goes back to the settings.
void Session::diagram_settings_to_settings() {
    Settings& s = settings();
    const DiagramSettings& d = diagram_settings_;
    s.gui.grid_factor = d.grid_factor;
    Settings::Colours& c = s.colours;
    int i = 0;
    for (int* field : {&c.components, &c.component_background, &c.processes, &c.process_background,
                       &c.generics, &c.ports, &c.wires, &c.buses, &c.grid, &c.free_placed_texts,
                       &c.selected, &c.selected_background, &c.foreground, &c.background})
        *field = d.colours[static_cast<std::size_t>(i++)];
    Settings::LabelColours& l = s.label_colours;
    i = 0;
    for (bool* field :
         {&l.components, &l.processes, &l.generics, &l.ports, &l.connect_labels, &l.nets,
          &l.bus_entries, &l.states, &l.conditions, &l.actions, &l.priorities})
        *field = d.label_in_object_colour[static_cast<std::size_t>(i++)];
    const DesignDefaults& defaults = design_defaults_;
    Settings::TextSize& t = s.text_size;
    i = 0;
    for (int* field : {&t.components, &t.processes, &t.generics, &t.ports, &t.connect_labels,
                       &t.nets, &t.bus_entries, &t.states, &t.conditions, &t.actions, &t.priorities,
                       &t.free_placed_texts})
        *field = defaults.text_size[static_cast<std::size_t>(i++)];
    Settings::LabelFormats& f = s.label_formats;
    auto format = [&](LabelKind kind) { return static_cast<int>(defaults.label_format_of(kind)); };
    f.components = format(LabelKind::Component);
    f.processes = format(LabelKind::Process);
    f.generics = format(LabelKind::Generic);
    f.ports = format(LabelKind::Port);
    f.nets = format(LabelKind::Net);
    f.bus_entries = format(LabelKind::BusEntry);
}

void Session::settings_changed() {
    settings_to_diagram_settings();
    project_.set_options(options_from_settings());
    timers_.set_period(autobackup_timer_, backup_period(settings()));
}

bool Session::load_settings() {
    std::string question = format_text("Load settings file '%s'?", settings_.path().c_str());
    if (platform_.ask_yes_no(program_name(), question) != ui::Answer::Yes) return true;
    settings_.load();
    settings_changed();
    return true;
}

bool Session::save_settings() {
    std::string question = format_text("Save settings file '%s'?", settings_.path().c_str());
    if (platform_.ask_yes_no(program_name(), question) != ui::Answer::Yes) return true;
    diagram_settings_to_settings();
    return settings_.save();
}

void Session::forget_freed_machines() {
    const Design* open = design();
    std::set<const StateMachine*> alive;
    if (open != nullptr)
        for (const auto& entity : open->entities)
            for (const auto& architecture : entity->architectures) {
                alive.insert(architecture->state_machine.get());
                if (architecture->block_diagram != nullptr)
                    for (const auto& process : architecture->block_diagram->processes)
                        alive.insert(process->state_machine.get());
            }
    machine_histories_.retain([&](const StateMachine* machine) { return alive.contains(machine); });
    if (!alive.contains(state_selection_.machine())) state_selection_.clear();
}

void Session::mark_modified() {
    project_.mark_modified();
}

int Session::tool_variant(const std::string& variants) const {
    auto found = tool_variants_.find(variants);
    return found != tool_variants_.end() ? found->second : 0;
}

void Session::choose_tool_variant(const std::string& variants, int index) {
    tool_variants_[variants] = index;
}

void Session::read_back_included_texts() {
    if (Design* d = design(); d != nullptr && included_texts_.read_back(*d)) mark_modified();
}

void Session::start_untitled() {
    if (project_.is_open()) return; // a failed load has started one already
    if (!project_.new_project()) end_program();
}

bool Session::create_project(const std::string& path) {
    return project_.create_project(path);
}

bool Session::load_project(const std::string& path) {
    return load_or_fall_back(path);
}

// A refused load keeps what was open (at start-up: nothing yet, and the start-up goes on with
// a new design); a failed one has left the open project and started a new design instead. Only
// when even that failed can the program not go on.
bool Session::load_or_fall_back(const std::string& path) {
    bool was_open = project_.is_open();
    bool loaded = project_.load_project(path);
    if (!loaded && was_open && !project_.is_open()) end_program();
    return loaded;
}

bool Session::close_for_exit() {
    if (settle_changes(SaveMode::BeforeExit) != Settled::Go) return false;
    project_.leave();
    if (settings().gui.save_settings_on_exit) {
        diagram_settings_to_settings();
        settings_.save();
    }
    return true;
}

void Session::abandon() {
    project_.abandon();
    if (settings().gui.save_settings_on_exit) {
        diagram_settings_to_settings();
        settings_.save();
    }
}

std::optional<std::string> Session::full_path(const std::string& path) const {
    return resolve_path(path, settings(), start_directory_, &platform_);
}

std::optional<std::string> Session::editor_program() const {
    const std::string& editor = settings().environment.editor;
    if (editor.empty()) return std::string();
    return expand_logical_directory(editor, settings(), &platform_);
}

} // namespace zeph
