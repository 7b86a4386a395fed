// The seam between the start-up and shell on one side and design projects on the other: what
// the start-up, the file commands and the editing commands ask of the open project.
//
// For the commands of other areas (block diagrams, state diagrams, setup):
// - design() is the open design. It stays the same object for the whole run, but new and
//   open replace its content: every pointer into it (entities, architectures, objects) is
//   gone then; on_design_replaced() tells when.
// - mark_modified() after every change of the design: it sets the title mark " [Modified]",
//   makes the next autobackup write, and makes leaving the design ask first.
// - on_saved() hooks run in every save (not in the autobackup) once the design file is
//   written: the diagrams' undo histories are emptied there.
#pragma once

#include <functional>
#include <memory>
#include <string>

namespace zeph {

class CommandTable;
class SettingsFile;
class Timers;
struct Design;

class ProjectSession {
  public:
    virtual ~ProjectSession() = default;

    // The file commands (new, open, save, save-as, view) of this session.
    virtual void add_commands(CommandTable& table) = 0;

    // Start-up without a usable project argument: a new untitled design.
    virtual void start_untitled() = 0;
    // Start-up with the path of a project that does not exist yet: creates it (with a new
    // design, saved) and leaves it closed. False when it could not be created.
    virtual bool create_project(const std::string& path) = 0;
    // Opens the project at `path`; false when it was refused or could not be read.
    virtual bool load_project(const std::string& path) = 0;

    // Leaving the program: asks about unsaved changes, saves or drops them, unlocks. False
    // when the user chose to stay.
    virtual bool close_for_exit() = 0;
    // Ending without asking (the input ended while a question was open): unlocks and keeps the
    // working copy, so that the next load offers to recover it.
    virtual void abandon() = 0;

    // The main window title ("ZEPH/HDL - ..."); empty while there is no design.
    virtual std::string title() const = 0;
    // The settings were read again (the autobackup period may have changed).
    virtual void settings_changed() = 0;

    // The open design; null before the start-up opened one.
    virtual Design* design() = 0;
    virtual void mark_modified() = 0;
    virtual void on_saved(std::function<void()> hook) = 0;
    virtual void on_design_replaced(std::function<void()> hook) = 0;
};

// What a session works with.
struct SessionServices {
    SettingsFile& settings;
    Timers& timers;                    // the autobackup's period
    std::function<void()> end_program; // ends the main loop at once (no new design possible)
    bool interactive = false;          // someone at a terminal can repair a failed step
};

// The session of this program: design projects (design_project_session.h).
std::unique_ptr<ProjectSession> make_project_session(SessionServices services);

} // namespace zeph
