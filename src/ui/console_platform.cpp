// Console platform: line-oriented output, answers from a queue or the terminal.
#include "ui/console_platform.h"

#include "ui/child_process.h"

#include <sstream>

namespace ui {

namespace {
std::string lowered(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

std::string trimmed(const std::string& s) {
    std::size_t b = s.find_first_not_of(" \t\r");
    if (b == std::string::npos) return {};
    std::size_t e = s.find_last_not_of(" \t\r");
    return s.substr(b, e - b + 1);
}
} // namespace

void ConsolePlatform::print(const char* kind, const std::string& text) {
    std::istringstream lines(text);
    std::string line;
    bool any = false;
    while (std::getline(lines, line)) {
        out_ << kind << ":" << (line.empty() ? "" : " ") << line << '\n';
        any = true;
    }
    if (!any) out_ << kind << ":\n";
    out_.flush();
}

std::string ConsolePlatform::answer_for(const std::string& asked) {
    if (!answers_.empty()) {
        std::string a = answers_.front();
        answers_.pop_front();
        out_ << "answer: " << a << '\n';
        return a;
    }
    if (!interactive_) throw QuestionNotAnswered(asked);
    std::string line;
    if (!std::getline(in_, line)) throw QuestionNotAnswered(asked);
    return trimmed(line);
}

Answer ConsolePlatform::yes_no(const std::string& question, bool with_cancel) {
    const char* choices = with_cancel ? " [yes/no/cancel]" : " [yes/no]";
    for (;;) {
        print("question", question + choices);
        std::string a = lowered(answer_for(question));
        if (a == "y" || a == "yes") return Answer::Yes;
        if (a == "n" || a == "no") return Answer::No;
        if (with_cancel && (a == "c" || a == "cancel")) return Answer::Cancel;
        if (!interactive_)
            throw QuestionNotAnswered(question + " (answer '" + a + "' not understood)");
    }
}

void ConsolePlatform::message_box(const std::string& title, const std::string& text) {
    print("box", "[" + title + "] " + text);
}

Answer ConsolePlatform::ask_yes_no(const std::string&, const std::string& question) {
    return yes_no(question, false);
}

Answer ConsolePlatform::ask_yes_no_cancel(const std::string&, const std::string& question) {
    return yes_no(question, true);
}

std::optional<std::string> ConsolePlatform::prompt_text(const std::string& prompt,
                                                        const std::string& proposal,
                                                        std::size_t max_length) {
    print("prompt", prompt + " [" + proposal + "]");
    std::string a = answer_for(prompt);
    if (a == kCancelAnswer) return std::nullopt;
    if (a.empty()) a = proposal;
    if (max_length > 0 && a.size() > max_length) a.resize(max_length);
    return a;
}

void ConsolePlatform::status(const std::string& text, bool beep) {
    print(beep ? "beep" : "status", text);
}

void ConsolePlatform::report_clear() {
    report_title_.clear();
    report_lines_.clear();
    report_shown_ = false;
}

void ConsolePlatform::report_title(const std::string& title) {
    report_title_ = title;
    report_shown_ = false;
    print("report-title", title);
}

void ConsolePlatform::report_append(const std::string& line) {
    report_lines_.push_back(line);
    report_shown_ = false;
    print("report", line);
}

void ConsolePlatform::report_bring_up() {
    if (report_shown_) {
        if (!report_title_.empty()) print("report-title", report_title_);
        for (const std::string& line : report_lines_)
            print("report", line);
    }
    report_shown_ = true;
}

std::optional<std::string> ConsolePlatform::open_file(const FileDialog& dialog) {
    print("file", dialog.title + (dialog.filter.empty() ? "" : " (" + dialog.filter + ")"));
    std::string a = answer_for(dialog.title);
    if (a == kCancelAnswer || a.empty()) return std::nullopt;
    return a;
}

std::optional<std::string> ConsolePlatform::save_file(const FileDialog& dialog) {
    print("file", dialog.title + (dialog.proposal.empty() ? "" : " [" + dialog.proposal + "]"));
    std::string a = answer_for(dialog.title);
    if (a == kCancelAnswer) return std::nullopt;
    if (a.empty()) a = dialog.proposal;
    if (a.empty()) return std::nullopt;
    return a;
}

std::optional<Point> ConsolePlatform::pick_point(const std::string& prompt) {
    for (;;) {
        print("pick", prompt + " [x y]");
        std::string a = answer_for(prompt);
        if (a == kCancelAnswer) return std::nullopt;
        std::istringstream s(a);
        Point p;
        if (s >> p.x >> p.y) return p;
        if (!interactive_)
            throw QuestionNotAnswered(prompt + " (point '" + a + "' not understood)");
    }
}

std::optional<Rect> ConsolePlatform::pick_rect(const std::string& prompt) {
    for (;;) {
        print("pick", prompt + " [x1 y1 x2 y2]");
        std::string a = answer_for(prompt);
        if (a == kCancelAnswer) return std::nullopt;
        std::istringstream s(a);
        Rect r;
        if (s >> r.from.x >> r.from.y >> r.to.x >> r.to.y) return r;
        if (!interactive_)
            throw QuestionNotAnswered(prompt + " (rectangle '" + a + "' not understood)");
    }
}

ChildResult ConsolePlatform::run_child(const ChildProcess& child) {
    return run_child_process(child);
}

ChildResult ConsolePlatform::run_child_streamed(const ChildProcess& child, const OutputSink& sink) {
    return run_child_process(child, sink);
}

} // namespace ui
