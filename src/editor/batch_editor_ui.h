// The editor interface of the script mode: everything shown is written as "kind: text" lines
// (a text of several lines gives one line each), and questions, prompts, file dialogs and
// dialogs take the "answer" lines the script gave before the command. A question without an
// answer gets the cautious reply (No, Cancel) and marks the command abandoned.
#pragma once

#include "editor/editor_ui.h"

#include <deque>
#include <ostream>
#include <string>
#include <vector>

namespace zped {

class BatchEditorUi : public EditorUi {
  public:
    explicit BatchEditorUi(std::ostream& out) : out_(out) {}

    // Prints every line of `text` as "kind: line".
    void print(const std::string& kind, const std::string& text);

    void queue_answer(std::vector<std::string> words) { answers_.push_back(std::move(words)); }
    std::size_t answers_left() const { return answers_.size(); }
    void drop_answers() { answers_.clear(); }
    // Why the running command was abandoned (an unanswered or unfitting question), or empty;
    // cleared by taking it.
    std::string take_abandoned();
    bool abandoned() const { return !abandoned_.empty(); }

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
    void repaint(const EditBuffer&, int) override {}

  private:
    Answer question(const std::string& title, const std::string& text, bool with_cancel);
    std::optional<std::string> text_answer(const std::string& what, const std::string& proposal);
    void abandon(const std::string& why);
    bool next_answer(const std::string& asked, std::vector<std::string>& words);

    std::ostream& out_;
    std::deque<std::vector<std::string>> answers_;
    std::string abandoned_;
};

} // namespace zped
