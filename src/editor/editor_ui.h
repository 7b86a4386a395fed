// The editor's user interface as the core sees it: modal message boxes, questions, prompts and
// file dialogs, the status line, and notices that a buffer's text must be repainted. The core
// never draws; the terminal front end and the scripted test interface implement this.
#pragma once

#include <optional>
#include <string>

namespace zped {

struct Dialog;
struct EditBuffer;

enum class Answer { Yes, No, Cancel };

class EditorUi {
  public:
    virtual ~EditorUi() = default;

    // Modal message box with the error icon.
    virtual void message_box(const std::string& title, const std::string& text) = 0;
    virtual Answer ask_yes_no(const std::string& title, const std::string& question) = 0;
    virtual Answer ask_yes_no_cancel(const std::string& title, const std::string& question) = 0;
    // A one-line text prompt; nullopt when cancelled.
    virtual std::optional<std::string> prompt(const std::string& title, const std::string& label,
                                              const std::string& proposal) = 0;
    // Asks for a file name to open (save false) or to write (save true).
    virtual std::optional<std::string> file_dialog(const std::string& title,
                                                   const std::string& proposal, bool save) = 0;
    // Shows a dialog until a button is pressed: its index, or nullopt when the dialog was closed
    // without one (Esc). The fields hold what the user entered.
    virtual std::optional<int> run_dialog(Dialog& dialog) = 0;
    virtual void status(const std::string& text, bool beep) = 0;
    // A progress text shown while a long operation runs ("Saving file.").
    virtual void progress(const std::string& text) = 0;
    // The text of a buffer changed: one line (line >= 0) or everything (line < 0).
    virtual void repaint(const EditBuffer& buffer, int line) = 0;
    // An outside program runs and writes into its result window: called for every piece of
    // output and at least once a second, so the front end can show the window as it grows.
    // False asks to stop the program.
    virtual bool program_running(const EditBuffer&) { return true; }
};

// The interface the core talks to. Until one is installed it is a silent one that answers No
// and cancels every prompt.
EditorUi& editor_ui();
void set_editor_ui(EditorUi* ui);

// Title of the core's error message boxes.
inline constexpr const char* kErrorTitle = "zped";

} // namespace zped
