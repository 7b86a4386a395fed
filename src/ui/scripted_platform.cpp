// Scripted platform: queued answers and a transcript.
#include "ui/scripted_platform.h"

#include "ui/child_process.h"

namespace ui {

const char* shown_name(Shown kind) {
    switch (kind) {
    case Shown::Box:
        return "box";
    case Shown::Question:
        return "question";
    case Shown::Prompt:
        return "prompt";
    case Shown::Status:
        return "status";
    case Shown::ReportClear:
        return "report-clear";
    case Shown::ReportTitle:
        return "report-title";
    case Shown::ReportLine:
        return "report";
    case Shown::ReportBringUp:
        return "report-bring-up";
    case Shown::ReportClose:
        return "report-close";
    case Shown::FileDialog:
        return "file-dialog";
    case Shown::Pick:
        return "pick";
    case Shown::Child:
        return "child";
    }
    return "?";
}

std::vector<std::string> ScriptedPlatform::shown(Shown kind) const {
    std::vector<std::string> texts;
    for (const TranscriptEntry& e : transcript_)
        if (e.kind == kind) texts.push_back(e.text);
    return texts;
}

std::string ScriptedPlatform::last_status() const {
    for (auto it = transcript_.rbegin(); it != transcript_.rend(); ++it)
        if (it->kind == Shown::Status) return it->text;
    return {};
}

void ScriptedPlatform::record(Shown kind, const std::string& text, bool beep) {
    transcript_.push_back({kind, text, beep});
}

// The next queued answer must be of the kind asked for; anything else means the test and
// the code disagree about the dialogue, which is reported like an unanswered question.
template <class T> T ScriptedPlatform::next_answer(const std::string& asked) {
    if (answers_.empty() || !std::holds_alternative<T>(answers_.front()))
        throw QuestionNotAnswered(asked);
    T answer = std::get<T>(answers_.front());
    answers_.pop_front();
    return answer;
}

void ScriptedPlatform::message_box(const std::string& title, const std::string& text) {
    record(Shown::Box, title + "|" + text);
}

Answer ScriptedPlatform::ask_yes_no(const std::string&, const std::string& question) {
    record(Shown::Question, question);
    Answer a = next_answer<Answer>(question);
    return a == Answer::Cancel ? Answer::No : a;
}

Answer ScriptedPlatform::ask_yes_no_cancel(const std::string&, const std::string& question) {
    record(Shown::Question, question);
    return next_answer<Answer>(question);
}

std::optional<std::string> ScriptedPlatform::prompt_text(const std::string& prompt,
                                                         const std::string&,
                                                         std::size_t max_length) {
    record(Shown::Prompt, prompt);
    auto text = next_answer<std::optional<std::string>>(prompt);
    if (text && max_length > 0 && text->size() > max_length) text->resize(max_length);
    return text;
}

void ScriptedPlatform::status(const std::string& text, bool beep) {
    record(Shown::Status, text, beep);
}

void ScriptedPlatform::report_clear() {
    report_.clear();
    record(Shown::ReportClear, {});
}

void ScriptedPlatform::report_title(const std::string& title) {
    report_title_ = title;
    record(Shown::ReportTitle, title);
}

void ScriptedPlatform::report_append(const std::string& line) {
    report_.push_back(line);
    record(Shown::ReportLine, line);
}

void ScriptedPlatform::report_bring_up() {
    record(Shown::ReportBringUp, {});
}
void ScriptedPlatform::report_close() {
    record(Shown::ReportClose, {});
}

std::optional<std::string> ScriptedPlatform::open_file(const FileDialog& dialog) {
    record(Shown::FileDialog, dialog.title);
    return next_answer<std::optional<std::string>>(dialog.title);
}

std::optional<std::string> ScriptedPlatform::save_file(const FileDialog& dialog) {
    record(Shown::FileDialog, dialog.title);
    return next_answer<std::optional<std::string>>(dialog.title);
}

std::optional<Point> ScriptedPlatform::pick_point(const std::string& prompt) {
    record(Shown::Pick, prompt);
    return next_answer<Point>(prompt);
}

std::optional<Rect> ScriptedPlatform::pick_rect(const std::string& prompt) {
    record(Shown::Pick, prompt);
    return next_answer<Rect>(prompt);
}

ChildResult ScriptedPlatform::run_child(const ChildProcess& child) {
    std::string line;
    for (const std::string& arg : child.argv)
        line += (line.empty() ? "" : " ") + arg;
    record(Shown::Child, line);
    return run_child_process(child);
}

ChildResult ScriptedPlatform::run_child_streamed(const ChildProcess& child,
                                                 const OutputSink& sink) {
    std::string line;
    for (const std::string& arg : child.argv)
        line += (line.empty() ? "" : " ") + arg;
    record(Shown::Child, line);
    return run_child_process(child, sink);
}

} // namespace ui
