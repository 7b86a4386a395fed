// The platform of the zeph console shell. Everything shown is printed as lines of the form
// "<kind>: <text>" (kinds: box, status, beep, question, prompt, file, pick, answer, report,
// report-title, and the shell's command, error, help and title); a text of several lines
// gives one such line per text line.
//
// Answers come first from the queue (a script gives them before the command that asks);
// with the queue empty an interactive console reads the answer from its input, and a batch
// console abandons the command with QuestionNotAnswered.
#pragma once

#include "ui/platform.h"

#include <deque>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace ui {

// The answer that cancels a prompt, a file dialog or a pick.
inline constexpr const char* kCancelAnswer = "<cancel>";

class ConsolePlatform : public Platform {
  public:
    ConsolePlatform(std::istream& in, std::ostream& out, bool interactive)
        : in_(in), out_(out), interactive_(interactive) {}

    void queue_answer(const std::string& answer) { answers_.push_back(answer); }
    std::size_t pending_answers() const { return answers_.size(); }
    void drop_answers() { answers_.clear(); }
    bool interactive() const { return interactive_; }

    // Prints one "<kind>: <text>" line per line of text; the shell prints its own lines
    // (commands, errors, help, the window title) through here.
    void print(const char* kind, const std::string& text);
    std::ostream& output() { return out_; }

    void message_box(const std::string& title, const std::string& text) override;
    Answer ask_yes_no(const std::string& title, const std::string& question) override;
    Answer ask_yes_no_cancel(const std::string& title, const std::string& question) override;
    std::optional<std::string> prompt_text(const std::string& prompt, const std::string& proposal,
                                           std::size_t max_length) override;
    void status(const std::string& text, bool beep) override;
    // The report window's lines are printed as they come; the window keeps them, so that
    // bringing it up when nothing new came since it was last brought up prints it again.
    void report_clear() override;
    void report_title(const std::string& title) override;
    void report_append(const std::string& line) override;
    void report_bring_up() override;
    void report_close() override {}
    std::optional<std::string> open_file(const FileDialog& dialog) override;
    std::optional<std::string> save_file(const FileDialog& dialog) override;
    std::optional<Point> pick_point(const std::string& prompt) override;
    std::optional<Rect> pick_rect(const std::string& prompt) override;
    void set_clipboard(const std::string& text) override { clipboard_ = text; }
    std::string clipboard() override { return clipboard_; }
    ChildResult run_child(const ChildProcess& child) override;
    ChildResult run_child_streamed(const ChildProcess& child, const OutputSink& sink) override;

  private:
    // The next answer for a question shown as `asked`, echoed when it came from the queue.
    std::string answer_for(const std::string& asked);
    Answer yes_no(const std::string& question, bool with_cancel);

    std::istream& in_;
    std::ostream& out_;
    bool interactive_;
    std::deque<std::string> answers_;
    std::string clipboard_;
    std::string report_title_;
    std::vector<std::string> report_lines_;
    bool report_shown_ = true; // nothing was written to the window since it was brought up
};

} // namespace ui
