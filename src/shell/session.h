// The session: everything one open design brings with it, owned in one place, so that two
// sessions in one process (tests, later two windows) never meet. It owns the settings file,
// the open design project with its design, the verification report, the diagram editor with
// its undo histories and the current diagram, the diagram settings and record defaults taken
// from the settings, what the last verification left for generation, and the setup values that
// carry over into the next new design. The front end owns the platform and the periodic timers
// and hands them in.
//
// The operations here are those of the main window's commands that need the whole session
// (start, new, open, save, close, the settings); the logic below takes only what it needs.
#pragma once

#include "blockdiagram/diagram_editor.h"
#include "blockdiagram/diagram_settings.h"
#include "design/design_defaults.h"
#include "design/design_project.h"
#include "design/report.h"
#include "hdl/analysis_run.h"
#include "hdl/design_events.h"
#include "hdl/new_design_setup.h"
#include "shell/included_texts.h"
#include "shell/settings_file.h"
#include "shell/timers.h"
#include "shell/verification_results.h"
#include "statemachine/machine_history.h"
#include "statemachine/state_selection.h"
#include "ui/platform.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>

namespace zeph {

struct SessionOptions {
    std::string settings_path;
    // Someone at a terminal can repair a failed step of a save before it is tried again.
    bool interactive = false;
    // Ends the main loop at once: even a new untitled design could not be started.
    std::function<void()> end_program;
};

// What the question before leaving a changed design led to.
enum class Settled {
    Go,     // nothing changed, or saved, or the changes are dropped
    Stay,   // the user cancelled
    Failed, // the save failed
};

class Session {
  public:
    // Reads the settings file (its messages are the first the user sees).
    Session(ui::Platform& platform, Timers& timers, SessionOptions options);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    ui::Platform& platform() const { return platform_; }
    Timers& timers() const { return timers_; }
    SettingsFile& settings_file() { return settings_; }
    Settings& settings() { return settings_.settings(); }
    const Settings& settings() const { return settings_.settings(); }
    DesignProject& project() { return project_; }
    const DesignProject& project() const { return project_; }
    // The open design; null before the start-up opened one.
    Design* design() { return project_.is_open() ? &project_.design() : nullptr; }
    const Design* design() const { return project_.is_open() ? &project_.design() : nullptr; }
    Report& report() { return report_; }
    DiagramEditor& editor() { return editor_; }
    const DiagramEditor& editor() const { return editor_; }
    DiagramSettings& diagram_settings() { return diagram_settings_; }
    const DiagramSettings& diagram_settings() const { return diagram_settings_; }
    DesignDefaults& design_defaults() { return design_defaults_; }
    const DesignDefaults& design_defaults() const { return design_defaults_; }
    // The undo histories of the state diagrams (block diagrams keep theirs in the editor).
    MachineHistories& machine_histories() { return machine_histories_; }
    const MachineHistories& machine_histories() const { return machine_histories_; }
    // The selection of the state diagram being edited (block diagrams keep theirs in the
    // editor).
    StateDiagramSelection& state_selection() { return state_selection_; }
    const StateDiagramSelection& state_selection() const { return state_selection_; }
    DesignEvents& events() { return events_; }
    VerificationResults& verification() { return verification_; }
    const VerificationResults& verification() const { return verification_; }
    // Writes the autobackup file now when the design changed since the last one (the timer's
    // work; also done at once after a testbench is created).
    void autobackup();
    // What the last generation run handed to the analysis tool: the compile command without
    // files analyses it again.
    const std::optional<AnalysisRequest>& last_analysis() const { return last_analysis_; }
    void remember_analysis(AnalysisRequest request) { last_analysis_ = std::move(request); }
    // The root entity of the last generation run: the generate dialog proposes it again.
    const Entity* remembered_generation_root() const { return remembered_root_; }
    void remember_generation_root(const Entity* root) { remembered_root_ = root; }
    // Where the file dialog of the next VHDL import opens: the directory of the previous one.
    const std::string& last_import_directory() const { return last_import_directory_; }
    void remember_import_directory(std::string directory) {
        last_import_directory_ = std::move(directory);
    }
    // The remembered choice of a tool with variants, by its variants bitmap ("ports4"): 0 until
    // one is chosen.
    int tool_variant(const std::string& variants) const;
    void choose_tool_variant(const std::string& variants, int index);
    // The directory the program started in: relative paths of commands count from there.
    const std::string& start_directory() const { return start_directory_; }
    // The project operations work inside the open project's directory (before a project is
    // open: the start directory). The process has one working directory, so every operation of
    // a session enters its own first: two sessions in one process take turns.
    void enter_working_directory() const;
    bool interactive() const { return options_.interactive; }
    // The design's target language (VHDL while none is open): the column of kind words.
    int language() const;

    // Start-up without a usable project argument: a new untitled design.
    void start_untitled();
    // Start-up with the path of a project that does not exist yet: creates it (with a new
    // design, saved) and leaves it closed. False when it could not be created.
    bool create_project(const std::string& path);
    // Opens the project at `path`; false when it was refused or could not be read.
    bool load_project(const std::string& path);
    // Leaving the program (and closing the main window): asks about unsaved changes, saves or
    // drops them, unlocks; writes the settings when "SaveSettingsOnExit" is on. False when the
    // user chose to stay.
    bool close_for_exit();
    // Ending without asking (the input ended while a question was open): unlocks and keeps the
    // working copy, so that the next load offers to recover it.
    void abandon();
    // The main window title ("ZEPH/HDL - ..."); empty while there is no design.
    std::string title() const { return project_.title(); }

    // Every change of the design: the title mark, the next autobackup and the close question.
    void mark_modified();
    // Included texts were opened in the editor: they might have changed.
    void mark_included_texts_accessed() { project_.mark_include_files_accessed(); }
    IncludedTextFiles& included_text_files() { return included_texts_; }
    // Takes the include files back into their texts; a change marks the design modified.
    void read_back_included_texts();

    // The operations of the file commands. A path is taken from `path`, else from a file
    // dialog; relative paths count from the directory the program started in. False when the
    // command failed (a cancelled dialog or question is no failure).
    bool new_design();
    bool open(const std::optional<std::string>& path);
    bool save();
    bool save_as(const std::optional<std::string>& path);
    bool view(const std::optional<std::string>& path);

    // The question asked before the design is left, or "" when nothing changed.
    std::string close_question() const { return project_.close_question(); }
    // Asks the close question when there is one, and saves in `mode` on Yes.
    Settled settle_changes(SaveMode mode);

    // The settings were changed in place: the diagram settings, the record defaults, the
    // project options and the autobackup period follow them.
    void settings_changed();
    // The settings commands: "Load settings file '%s'?" and "Save settings file '%s'?".
    bool load_settings();
    bool save_settings();
    // What the diagram settings and record defaults changed goes back into the settings.
    void diagram_settings_to_settings();

    // A path given by a command or a dialog, resolved from the start directory; nullopt when
    // refused (shown).
    std::optional<std::string> full_path(const std::string& path) const;
    // The configured editor ("Editor", logical directories expanded); nullopt when its logical
    // directory has no definition (shown); "" when none is configured.
    std::optional<std::string> editor_program() const;

  private:
    // Drops the histories of state machines that left the design with their owner.
    void forget_freed_machines();
    void settings_to_diagram_settings();
    ProjectOptions options_from_settings() const;
    ProjectHooks project_hooks();
    void install_event_hooks();
    void show_language(const Design& design);
    std::optional<std::string> ask_path(bool for_saving);
    bool load_or_fall_back(const std::string& path);
    std::string view_directory() const;
    void end_program();

    ui::Platform& platform_;
    Timers& timers_;
    SessionOptions options_;
    std::string start_directory_;
    SettingsFile settings_;
    DiagramSettings diagram_settings_;
    DesignDefaults design_defaults_;
    Report report_;
    DesignEvents events_;
    DesignProject project_;
    DiagramEditor editor_;
    MachineHistories machine_histories_;
    StateDiagramSelection state_selection_;
    VerificationResults verification_;
    IncludedTextFiles included_texts_;
    Timers::TimerId autobackup_timer_ = 0;
    const Entity* remembered_root_ = nullptr;
    std::optional<AnalysisRequest> last_analysis_;
    std::map<std::string, int> tool_variants_;
    std::string last_viewed_directory_;
    std::string last_import_directory_;
    std::pair<int, int> shown_language_; // language and checking rules in the status pane
};

// What the settings give a new design (types, company, language, synthesis tool, the default
// package list).
NewDesignDefaults new_design_defaults(const Settings& settings);

} // namespace zeph
