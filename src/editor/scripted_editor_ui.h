// The editor interface for tests: answers are queued in advance and everything shown is kept in
// a transcript, so a test can assert the exact texts and the order of questions.
#pragma once

#include "editor/editor_ui.h"

#include <deque>
#include <functional>
#include <variant>
#include <vector>

namespace zped {

struct Shown {
    std::string kind; // "box", "question", "prompt", "file", "dialog", "status", "beep", "progress"
    std::string title;
    std::string text;
};

class ScriptedEditorUi : public EditorUi {
  public:
    void answer(Answer a) { answers_.emplace_back(a); }
    void answer_text(const std::string& text) {
        answers_.emplace_back(std::optional<std::string>(text));
    }
    void answer_cancel() { answers_.emplace_back(std::optional<std::string>()); }
    // A dialog's answer: changes its fields and names the button (nullopt: closed with Esc).
    using DialogAnswer = std::function<std::optional<int>(Dialog&)>;
    void answer_dialog(DialogAnswer answer) { answers_.emplace_back(std::move(answer)); }
    std::size_t pending() const { return answers_.size(); }

    const std::vector<Shown>& transcript() const { return transcript_; }
    void clear() { transcript_.clear(); }
    // Texts of the entries of one kind, in order.
    std::vector<std::string> texts(const std::string& kind) const;
    std::string last_status() const;
    int repaints() const { return repaints_; }

    void message_box(const std::string& title, const std::string& text) override;
    Answer ask_yes_no(const std::string& title, const std::string& question) override;
    Answer ask_yes_no_cancel(const std::string& title, const std::string& question) override;
    std::optional<std::string> prompt(const std::string& title, const std::string& label,
                                      const std::string& proposal) override;
    std::optional<std::string> file_dialog(const std::string& title, const std::string& proposal,
                                           bool save) override;
    std::optional<int> run_dialog(Dialog& dialog) override;
    void status(const std::string& text, bool beep) override;
    void progress(const std::string& text) override;
    void repaint(const EditBuffer&, int) override { ++repaints_; }
    // Counts the updates of a running program; asks to stop it at the given update.
    bool program_running(const EditBuffer&) override {
        ++program_updates_;
        return stop_at_update_ <= 0 || program_updates_ < stop_at_update_;
    }
    int program_updates() const { return program_updates_; }
    void stop_program_at_update(int update) { stop_at_update_ = update; }

  private:
    Answer next_answer(Answer fallback);
    std::optional<std::string> next_text();

    std::deque<std::variant<Answer, std::optional<std::string>, DialogAnswer>> answers_;
    std::vector<Shown> transcript_;
    int repaints_ = 0;
    int program_updates_ = 0;
    int stop_at_update_ = 0;
};

// Installs a scripted interface for the lifetime of a scope.
class ScopedScriptedUi {
  public:
    ScopedScriptedUi() { set_editor_ui(&ui); }
    ~ScopedScriptedUi() { set_editor_ui(nullptr); }
    ScriptedEditorUi ui;
};

} // namespace zped
