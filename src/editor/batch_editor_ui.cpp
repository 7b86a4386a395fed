// Transcript and answers of the script mode.
#include "editor/batch_editor_ui.h"

#include "editor/dialog.h"
#include "editor/menu_definitions.h"

namespace zped {

namespace {
std::string first_line(const std::string& text) {
    return text.substr(0, text.find('\n'));
}

std::string joined(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& w : words)
        text += (text.empty() ? "" : " ") + w;
    return text;
}
} // namespace

void BatchEditorUi::print(const std::string& kind, const std::string& text) {
    std::size_t from = 0;
    for (;;) {
        std::size_t nl = text.find('\n', from);
        std::string line =
            text.substr(from, nl == std::string::npos ? std::string::npos : nl - from);
        out_ << kind << ":" << (line.empty() ? "" : " ") << line << '\n';
        if (nl == std::string::npos) break;
        from = nl + 1;
    }
    out_.flush();
}

std::string BatchEditorUi::take_abandoned() {
    std::string why = std::move(abandoned_);
    abandoned_.clear();
    return why;
}

void BatchEditorUi::abandon(const std::string& why) {
    if (abandoned_.empty()) abandoned_ = why;
}

bool BatchEditorUi::next_answer(const std::string& asked, std::vector<std::string>& words) {
    if (!abandoned_.empty()) return false; // the command is being abandoned already
    if (answers_.empty()) {
        abandon("question not answered: " + first_line(asked));
        return false;
    }
    words = std::move(answers_.front());
    answers_.pop_front();
    print("answer", joined(words));
    return true;
}

void BatchEditorUi::message_box(const std::string& title, const std::string& text) {
    print("box", "[" + title + "] " + text);
}

Answer BatchEditorUi::question(const std::string& title, const std::string& text,
                               bool with_cancel) {
    print("question", "[" + title + "] " + text + (with_cancel ? " [yes/no/cancel]" : " [yes/no]"));
    Answer cautious = with_cancel ? Answer::Cancel : Answer::No;
    std::vector<std::string> words;
    if (!next_answer(text, words)) return cautious;
    std::string word = words.size() == 1 ? words[0] : "";
    if (word == "yes" || word == "y") return Answer::Yes;
    if (word == "no" || word == "n") return Answer::No;
    if (with_cancel && (word == "cancel" || word == "c")) return Answer::Cancel;
    abandon("answer '" + joined(words) + "' does not fit: " + first_line(text));
    return cautious;
}

Answer BatchEditorUi::ask_yes_no(const std::string& title, const std::string& text) {
    return question(title, text, false);
}

Answer BatchEditorUi::ask_yes_no_cancel(const std::string& title, const std::string& text) {
    return question(title, text, true);
}

std::optional<std::string> BatchEditorUi::text_answer(const std::string& what,
                                                      const std::string& proposal) {
    std::vector<std::string> words;
    if (!next_answer(what, words)) return std::nullopt;
    if (words.size() != 1) {
        abandon("answer '" + joined(words) + "' does not fit: " + what);
        return std::nullopt;
    }
    if (words[0] == "<cancel>") return std::nullopt;
    return words[0].empty() ? proposal : words[0];
}

std::optional<std::string> BatchEditorUi::prompt(const std::string& title, const std::string& label,
                                                 const std::string& proposal) {
    print("prompt", "[" + title + "] " + label + " [" + proposal + "]");
    return text_answer(label, proposal);
}

std::optional<std::string> BatchEditorUi::file_dialog(const std::string& title,
                                                      const std::string& proposal, bool) {
    print("file", "[" + title + "] [" + proposal + "]");
    return text_answer(title, proposal);
}

std::optional<int> BatchEditorUi::run_dialog(Dialog& dialog) {
    print("dialog", "[" + dialog.title + "]");
    for (const DialogField& f : dialog.fields) {
        std::string value = field_value_text(f);
        std::string line = f.name + " =" + (value.empty() ? "" : " " + value);
        if (f.kind == FieldKind::List || f.kind == FieldKind::Choice) {
            std::string items;
            for (const std::string& item : f.items)
                items += (items.empty() ? "" : "|") + without_ampersands(item);
            if (f.kind == FieldKind::Choice || f.items.size() <= 8) line += "  (" + items + ")";
        }
        print("dialog", line);
    }
    std::string buttons;
    for (const std::string& b : dialog.buttons)
        buttons += (buttons.empty() ? "" : " ") + without_ampersands(b);
    print("dialog", "buttons: " + buttons);

    std::vector<std::string> words;
    if (!next_answer(dialog.title, words)) return std::nullopt;
    if (words.size() == 1 && words[0] == "<cancel>") return std::nullopt;
    for (std::size_t i = 0; i + 1 < words.size(); ++i) {
        std::size_t eq = words[i].find('=');
        DialogField* f = eq == std::string::npos ? nullptr : dialog.field(words[i].substr(0, eq));
        std::string problem = "no field of this dialog";
        if (!f || !set_field_from_text(*f, words[i].substr(eq + 1), problem)) {
            abandon("answer '" + words[i] + "' does not fit " + dialog.title + ": " + problem);
            return std::nullopt;
        }
        dialog.notify_changed(static_cast<int>(f - dialog.fields.data()));
    }
    int button = words.empty() ? -1 : dialog.button(words.back());
    if (button < 0) {
        abandon("answer '" + joined(words) + "' names no button of " + dialog.title);
        return std::nullopt;
    }
    return button;
}

void BatchEditorUi::status(const std::string& text, bool beep) {
    if (beep)
        print("beep", text);
    else if (!text.empty())
        print("status", text);
}

void BatchEditorUi::progress(const std::string& text) {
    print("progress", text);
}

} // namespace zped
