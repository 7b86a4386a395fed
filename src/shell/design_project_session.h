// The project session of zeph: the open design project with the options it takes from the
// settings, the autobackup timer, the question before a changed design is left, and the file
// commands' operations (new, open, save, save as, view).
#pragma once

#include "design/design_project.h"
#include "shell/project_session.h"
#include "shell/settings.h"
#include "shell/timers.h"

#include <optional>
#include <string>
#include <utility>

namespace zeph {

// What the question before leaving a changed design led to.
enum class Settled {
    Go,     // nothing changed, or saved, or the changes are dropped
    Stay,   // the user cancelled
    Failed, // the save failed
};

class DesignProjectSession : public ProjectSession {
  public:
    explicit DesignProjectSession(SessionServices services);
    ~DesignProjectSession() override;

    void add_commands(CommandTable& table) override;
    void start_untitled() override;
    bool create_project(const std::string& path) override;
    bool load_project(const std::string& path) override;
    bool close_for_exit() override;
    void abandon() override;
    std::string title() const override { return project_.title(); }
    void settings_changed() override;
    Design* design() override { return project_.is_open() ? &project_.design() : nullptr; }
    void mark_modified() override { project_.mark_modified(); }
    void on_saved(std::function<void()> hook) override { project_.on_saved(std::move(hook)); }
    void on_design_replaced(std::function<void()> hook) override {
        project_.on_replaced(std::move(hook));
    }

    DesignProject& project() { return project_; }
    const Settings& settings() const;

    // The operations of the file commands. A path is taken from `path`, else from a file
    // dialog; relative paths count from the directory the program started in. False when the
    // command failed (a cancelled dialog or question is no failure).
    bool new_design();
    bool open(const std::optional<std::string>& path);
    bool save();
    bool save_as(const std::optional<std::string>& path);
    bool view(const std::optional<std::string>& path);

    // Asks "... changed.\nSave changes?" when the design changed, and saves in `mode` on Yes.
    Settled settle_changes(SaveMode mode);

  private:
    ProjectOptions options_from_settings() const;
    ProjectHooks project_hooks();
    void show_language(const Design& design);
    // A path of a command or a dialog as a full path; nullopt when it is refused (shown).
    std::optional<std::string> full_path(const std::string& path) const;
    std::optional<std::string> ask_path(bool for_saving);
    bool load_or_fall_back(const std::string& path);
    std::string view_directory() const;

    SessionServices services_;
    DesignProject project_;
    Timers::TimerId autobackup_timer_ = 0;
    std::string start_directory_;
    std::string last_viewed_directory_;
    std::pair<int, int> shown_language_; // language and checking rules in the status pane
};

// The design defaults of the records and the reader (label sizes and formats, sheet size,
// colours, default architecture names) from the settings.
void apply_design_defaults(const Settings& settings);

} // namespace zeph
