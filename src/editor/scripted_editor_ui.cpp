// Queued answers and the transcript of the scripted editor interface.
#include "editor/scripted_editor_ui.h"

#include "editor/dialog.h"

namespace zped {

std::vector<std::string> ScriptedEditorUi::texts(const std::string& kind) const {
    std::vector<std::string> found;
    for (const Shown& s : transcript_)
        if (s.kind == kind) found.push_back(s.text);
    return found;
}

std::string ScriptedEditorUi::last_status() const {
    for (auto it = transcript_.rbegin(); it != transcript_.rend(); ++it)
        if (it->kind == "status" || it->kind == "beep") return it->text;
    return {};
}

Answer ScriptedEditorUi::next_answer(Answer fallback) {
    if (answers_.empty() || !std::holds_alternative<Answer>(answers_.front())) return fallback;
    Answer a = std::get<Answer>(answers_.front());
    answers_.pop_front();
    return a;
}

std::optional<std::string> ScriptedEditorUi::next_text() {
    if (answers_.empty() || !std::holds_alternative<std::optional<std::string>>(answers_.front()))
        return std::nullopt;
    auto text = std::get<std::optional<std::string>>(answers_.front());
    answers_.pop_front();
    return text;
}

void ScriptedEditorUi::message_box(const std::string& title, const std::string& text) {
    transcript_.push_back({"box", title, text});
}

Answer ScriptedEditorUi::ask_yes_no(const std::string& title, const std::string& question) {
    transcript_.push_back({"question", title, question});
    return next_answer(Answer::No);
}

Answer ScriptedEditorUi::ask_yes_no_cancel(const std::string& title, const std::string& question) {
    transcript_.push_back({"question", title, question});
    return next_answer(Answer::Cancel);
}

std::optional<std::string> ScriptedEditorUi::prompt(const std::string& title,
                                                    const std::string& label, const std::string&) {
    transcript_.push_back({"prompt", title, label});
    return next_text();
}

std::optional<std::string> ScriptedEditorUi::file_dialog(const std::string& title,
                                                         const std::string&, bool) {
    transcript_.push_back({"file", title, ""});
    return next_text();
}

std::optional<int> ScriptedEditorUi::run_dialog(Dialog& dialog) {
    transcript_.push_back({"dialog", dialog.title, ""});
    if (answers_.empty() || !std::holds_alternative<DialogAnswer>(answers_.front()))
        return std::nullopt;
    DialogAnswer answer = std::get<DialogAnswer>(answers_.front());
    answers_.pop_front();
    return answer(dialog);
}

void ScriptedEditorUi::status(const std::string& text, bool beep) {
    transcript_.push_back({beep ? "beep" : "status", "", text});
}

void ScriptedEditorUi::progress(const std::string& text) {
    transcript_.push_back({"progress", "", text});
}

} // namespace zped
