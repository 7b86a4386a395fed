// The script mode's lines: the commands of the command table by name, and the few words of its
// own that stand for what a user does at a terminal (typing, keys, pasting, clicking a place,
// resizing) or reads off the screen (the text, the status line).
#include "editor/editor_script.h"

#include "editor/accelerators.h"
#include "editor/apply_edit.h"
#include "editor/batch_editor_ui.h"
#include "editor/buffer_files.h"
#include "editor/display_columns.h"
#include "editor/edit_memory.h"
#include "editor/editing.h"
#include "editor/editor_session.h"
#include "editor/key_dispatch.h"
#include "editor/script_words.h"
#include "editor/status_line.h"
#include "editor/utf8.h"
#include "foundation/command_words.h"
#include "foundation/strings.h"

#include <charconv>
#include <new>

namespace zped {

namespace {

bool parse_count(const std::string& text, int& value, int minimum) {
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value >= minimum;
}

std::string joined(const std::vector<std::string>& words, std::size_t from) {
    std::string text;
    for (std::size_t i = from; i < words.size(); ++i)
        text += (i > from ? " " : "") + words[i];
    return text;
}

} // namespace

bool EditorScript::exit_requested() const {
    return session_.exit_requested;
}

bool EditorScript::error(const std::string& text) {
    ui_.print("error", text);
    return false;
}

bool EditorScript::finish(const std::string& name, bool ok) {
    if (std::string why = ui_.take_abandoned(); !why.empty())
        ok = error(name + " abandoned: " + why);
    if (std::size_t left = ui_.answers_left(); left > 0) {
        ui_.drop_answers();
        ok = error(zeph::format_text("%zu answer%s not used by '%s'", left, left == 1 ? "" : "s",
                                     name.c_str()));
    }
    return ok;
}

int EditorScript::run(std::istream& script, const std::vector<std::string>& files) {
    bool ok = true;
    std::string line;
    bool have_line = static_cast<bool>(std::getline(script, line));
    // The first answer lines answer the questions of opening the files.
    while (have_line) {
        zeph::CommandWords split = zeph::split_command_words(line);
        if (split.error.empty() && !split.words.empty() && split.words[0] != "answer") break;
        if (!split.error.empty() || !split.words.empty()) ok = run_line(line) && ok;
        have_line = static_cast<bool>(std::getline(script, line));
    }
    for (const std::string& file : files) {
        bool opened = false;
        try {
            opened = LoadBuffer(session_, file, false, false, kEditWindow) != nullptr;
        } catch (const std::bad_alloc&) {
            EditMemory::report_exhausted(0);
        }
        // Answers the opening did not take stay for the first command.
        if (std::string why = ui_.take_abandoned(); !why.empty())
            opened = error("opening '" + file + "' abandoned: " + why);
        ok = opened && ok;
    }
    session_.refresh_enable_groups();
    while (have_line && !exit_requested()) {
        ok = run_line(line) && ok;
        have_line = static_cast<bool>(std::getline(script, line));
    }
    return ok ? 0 : 1;
}

bool EditorScript::run_line(const std::string& line) {
    try {
        zeph::CommandWords split = zeph::split_command_words(line);
        if (!split.error.empty()) return error(split.error + ": " + line);
        if (split.words.empty()) return true;
        if (split.words[0] == "answer") {
            if (split.words.size() < 2) return error("answer needs the answer");
            ui_.queue_answer({split.words.begin() + 1, split.words.end()});
            return true;
        }
        ui_.print("command", line);
        return finish(split.words[0], run_words(split.words));
    } catch (const std::bad_alloc&) {
        // The line could not get the memory for its own work; the buffers are as they were.
        EditMemory::report_exhausted(line.size());
        ui_.take_abandoned();
        ui_.drop_answers();
        return false;
    }
}

bool EditorScript::run_words(const std::vector<std::string>& words) {
    const std::string& name = words[0];
    if (int index = session_.commands.find(name); index >= 0)
        return run_table_command(index, words);
    if (name == "type") return type(words);
    if (name == "key") return key(words);
    if (name == "paste") return paste(words);
    if (name == "cursor") return place_cursor(words, false);
    if (name == "select") return place_cursor(words, true);
    if (name == "show") return show(words);
    if (name == "state") return state();
    if (name == "size") return size(words);
    return error("unknown command '" + name + "'");
}

bool EditorScript::run_table_command(int index, const std::vector<std::string>& words) {
    int count = 1;
    if (words.size() > 2 || (words.size() == 2 && !parse_count(words[1], count, 1)))
        return error(words[0] + " takes a repeat count at most");
    for (int i = 0; i < count; ++i) {
        if (!session_.command_enabled(index)) return error("'" + words[0] + "' is disabled");
        if (session_.run_command(index) == 0) continue;
        // An abandoned question says more than this.
        return ui_.abandoned() || error("'" + words[0] + "' did not succeed");
    }
    return true;
}

bool EditorScript::type(const std::vector<std::string>& words) {
    std::string text, problem;
    if (!unescape_text(joined(words, 1), text, problem)) return error(problem);
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = static_cast<std::size_t>(utf8_character_bytes(text, i));
        KeyInput input = key_of_typed(std::string_view(text).substr(i, length));
        i += length;
        if (input.combo.key == 0 && input.typed.empty()) return error("a byte no key types");
        dispatch_key(session_, input);
    }
    return true;
}

bool EditorScript::key(const std::vector<std::string>& words) {
    int count = 1;
    if (words.size() < 2 || words.size() > 3 ||
        (words.size() == 3 && !parse_count(words[2], count, 1)))
        return error("key takes a key (CTRL+S, SHIFT+Down, F10) and a repeat count");
    KeyInput input;
    if (std::string problem = parse_keyspec(words[1], input.combo); !problem.empty())
        return error(problem);
    if (!input.combo.ctrl && !input.combo.alt)
        if (char ch = character_of_key(input.combo.key)) {
            bool letter = ch >= 'A' && ch <= 'Z';
            if (letter && !input.combo.shift) ch = static_cast<char>(ch - 'A' + 'a');
            if (letter || !input.combo.shift) input.typed = std::string(1, ch);
        }
    if (input.combo.key == vk::Space && !input.combo.ctrl && !input.combo.alt) input.typed = " ";
    for (int i = 0; i < count; ++i)
        if (!dispatch_key(session_, input))
            return error("the key " + words[1] + " does nothing here");
    return true;
}

bool EditorScript::paste(const std::vector<std::string>& words) {
    EditBuffer* b = session_.active();
    if (!b) return error("no window is open");
    std::string text, problem;
    if (!unescape_text(joined(words, 1), text, problem)) return error(problem);
    bool pasted = paste_text(*b, text) >= 0;
    session_.refresh_enable_groups();
    return pasted;
}

bool EditorScript::place_cursor(const std::vector<std::string>& words, bool select) {
    EditBuffer* b = session_.active();
    if (!b) return error("no window is open");
    std::size_t wanted = select ? 5 : 3;
    std::vector<int> numbers;
    for (std::size_t i = 1; i < words.size(); ++i) {
        int value = 0;
        if (!parse_count(words[i], value, i % 2 == 1 ? 1 : 0))
            return error("'" + words[i] + "' is no line (from 1) or column (from 0)");
        numbers.push_back(value);
    }
    if (words.size() != wanted && !(!select && words.size() == 2))
        return error(select ? "select takes LINE COLUMN LINE COLUMN"
                            : "cursor takes LINE [COLUMN]");
    if (numbers.size() == 1) numbers.push_back(0);
    auto position = [&](int line, int column) {
        TextPosition p = b->clamp({line - 1, 0});
        return TextPosition{p.line,
                            byte_column_at(b->line(p.line), DisplayColumn{column}, b->tab_size)};
    };
    if (select) move_cursor(*b, position(numbers[0], numbers[1]), false);
    move_cursor(*b, position(numbers[select ? 2 : 0], numbers[select ? 3 : 1]), select);
    session_.refresh_enable_groups();
    return true;
}

bool EditorScript::show(const std::vector<std::string>& words) {
    EditBuffer* b = session_.active();
    if (!b) return error("no window is open");
    int first = 1, last = b->line_count();
    if (words.size() > 3 || (words.size() >= 2 && !parse_count(words[1], first, 1)) ||
        (words.size() == 3 && !parse_count(words[2], last, first)))
        return error("show takes FIRST and LAST lines (from 1)");
    if (words.size() == 2) last = first;
    for (int i = first; i <= last && i <= b->line_count(); ++i)
        ui_.print("text", std::string(b->line(i - 1)));
    return true;
}

bool EditorScript::state() {
    EditBuffer* b = session_.active();
    StatusFields fields = status_fields(b, session_.overwrite);
    std::string name = b ? b->file_name : "";
    ui_.print("state", name + " |" + fields.position + " | " + fields.mode + " | " + fields.state);
    return true;
}

bool EditorScript::size(const std::vector<std::string>& words) {
    int rows = 0, columns = 0;
    if (words.size() != 3 || !parse_count(words[1], rows, 1) || !parse_count(words[2], columns, 1))
        return error("size takes ROWS COLUMNS");
    session_.set_window_size(rows, columns);
    return true;
}

} // namespace zped
