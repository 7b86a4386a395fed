// The platform for tests: answers are queued in advance, and everything shown is kept in a
// transcript with its kind, so a test can assert exact texts and the order of questions.
#pragma once

#include "ui/platform.h"

#include <deque>
#include <variant>

namespace ui {

enum class Shown {
    Box,         // message box: "title|text"
    Question,    // Yes/No or Yes/No/Cancel question: the question text
    Prompt,      // text prompt: the prompt text
    Status,      // status line text (beep recorded separately)
    ReportClear, // report window cleared
    ReportTitle, // report window title
    ReportLine,  // one report line
    ReportBringUp,
    ReportClose,
    FileDialog, // dialog title
    Pick,       // pick prompt
    Child,      // child process command line
};

const char* shown_name(Shown kind);

struct TranscriptEntry {
    Shown kind;
    std::string text;
    bool beep = false;
};

// A queued answer: to a question, a prompt or file dialog (nullopt: cancelled), or a pick.
using ScriptedAnswer = std::variant<Answer, std::optional<std::string>, Point, Rect>;

class ScriptedPlatform : public Platform {
  public:
    void queue(ScriptedAnswer answer) { answers_.push_back(std::move(answer)); }
    void queue_text(const std::string& text) {
        answers_.emplace_back(std::optional<std::string>(text));
    }
    void queue_cancel() { answers_.emplace_back(std::optional<std::string>()); }
    std::size_t pending_answers() const { return answers_.size(); }

    const std::vector<TranscriptEntry>& transcript() const { return transcript_; }
    void clear_transcript() { transcript_.clear(); }
    // Texts of the entries of one kind, in order.
    std::vector<std::string> shown(Shown kind) const;
    // The report window's current lines (since the last clear).
    const std::vector<std::string>& report_lines() const { return report_; }
    const std::string& report_window_title() const { return report_title_; }
    // Last status text.
    std::string last_status() const;

    void message_box(const std::string& title, const std::string& text) override;
    Answer ask_yes_no(const std::string& title, const std::string& question) override;
    Answer ask_yes_no_cancel(const std::string& title, const std::string& question) override;
    std::optional<std::string> prompt_text(const std::string& prompt, const std::string& proposal,
                                           std::size_t max_length) override;
    void status(const std::string& text, bool beep) override;
    void report_clear() override;
    void report_title(const std::string& title) override;
    void report_append(const std::string& line) override;
    void report_bring_up() override;
    void report_close() override;
    std::optional<std::string> open_file(const FileDialog& dialog) override;
    std::optional<std::string> save_file(const FileDialog& dialog) override;
    std::optional<Point> pick_point(const std::string& prompt) override;
    std::optional<Rect> pick_rect(const std::string& prompt) override;
    void set_clipboard(const std::string& text) override { clipboard_ = text; }
    std::string clipboard() override { return clipboard_; }
    ChildResult run_child(const ChildProcess& child) override;
    ChildResult run_child_streamed(const ChildProcess& child, const OutputSink& sink) override;

  private:
    template <class T> T next_answer(const std::string& asked);
    void record(Shown kind, const std::string& text, bool beep = false);

    std::deque<ScriptedAnswer> answers_;
    std::vector<TranscriptEntry> transcript_;
    std::vector<std::string> report_;
    std::string report_title_;
    std::string clipboard_;
};

} // namespace ui
