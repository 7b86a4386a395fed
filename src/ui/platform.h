// The platform layer: everything the logic leaves to the windowing system goes through this
// interface (message boxes, questions, prompts, the status line, the report window, file
// dialogs, picking on the current sheet, the clipboard and child processes). The logic never
// reads or writes the terminal itself. The front end owns its platform and hands it to the
// session, which passes it on to the logic by reference.
#pragma once

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

enum class Answer { Yes, No, Cancel };

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct Rect {
    Point from;
    Point to;
    bool operator==(const Rect&) const = default;
};

struct FileDialog {
    std::string title;
    std::string filter;    // e.g. "Design projects (*.vdp)|*.vdp"
    std::string start_dir; // where the dialog opens
    std::string proposal;  // proposed file name (save dialogs)
};

struct ChildProcess {
    std::vector<std::string> argv; // argv[0] is looked up on PATH
    std::string working_dir;       // empty: the current directory
};

struct ChildResult {
    bool started = false; // false: the program could not be started
    int exit_code = -1;   // exit status, or 128 + signal number
    std::string output;   // standard output and standard error, interleaved as written
};

// Receives a child's output piece by piece while it runs.
using OutputSink = std::function<void(std::string_view piece)>;

// Thrown by a question that nobody can answer (a batch script gave no answer for it). The
// command that asked is abandoned; the shell reports the question.
class QuestionNotAnswered : public std::runtime_error {
  public:
    explicit QuestionNotAnswered(const std::string& question)
        : std::runtime_error("question not answered: " + question) {}
};

class Platform {
  public:
    virtual ~Platform() = default;

    virtual void message_box(const std::string& title, const std::string& text) = 0;
    virtual Answer ask_yes_no(const std::string& title, const std::string& question) = 0;
    virtual Answer ask_yes_no_cancel(const std::string& title, const std::string& question) = 0;
    // A text prompt ("Enter %s:") with a proposed value; at most max_length characters are
    // kept. nullopt means cancelled.
    virtual std::optional<std::string>
    prompt_text(const std::string& prompt, const std::string& proposal, std::size_t max_length) = 0;

    virtual void status(const std::string& text, bool beep) = 0;

    virtual void report_clear() = 0;
    virtual void report_title(const std::string& title) = 0;
    virtual void report_append(const std::string& line) = 0;
    virtual void report_bring_up() = 0;
    virtual void report_close() = 0;

    virtual std::optional<std::string> open_file(const FileDialog& dialog) = 0;
    virtual std::optional<std::string> save_file(const FileDialog& dialog) = 0;

    virtual std::optional<Point> pick_point(const std::string& prompt) = 0;
    virtual std::optional<Rect> pick_rect(const std::string& prompt) = 0;

    virtual void set_clipboard(const std::string& text) = 0;
    virtual std::string clipboard() = 0;

    virtual ChildResult run_child(const ChildProcess& child) = 0;
    // The same, with the output handed to `sink` as it comes (the result's output stays
    // empty). A platform that cannot read while the child runs hands it over at the end.
    virtual ChildResult run_child_streamed(const ChildProcess& child, const OutputSink& sink) {
        ChildResult result = run_child(child);
        if (!result.output.empty()) sink(result.output);
        result.output.clear();
        return result;
    }
};

} // namespace ui
