// Parsing of accelerator files and the built-in accelerator list.
#include "editor/accelerators.h"

#include "editor/command_table.h"
#include "editor/definition_lines.h"
#include "editor/startup_errors.h"
#include "foundation/strings.h"

namespace zped {

namespace {
constexpr int F(int n) {
    return vk::F1 + n - 1;
}

KeyCombo ctrl(int key) {
    return {key, false, true, false};
}
KeyCombo ctrl_shift(int key) {
    return {key, true, true, false};
}
KeyCombo shift(int key) {
    return {key, true, false, false};
}
KeyCombo alt(int key) {
    return {key, false, false, true};
}
KeyCombo plain(int key) {
    return {key, false, false, false};
}

void add(std::vector<Accelerator>& list, const CommandTable& table, KeyCombo combo,
         const char* name) {
    list.push_back({combo, table.find(name)});
}

void append_window_mappings(std::vector<Accelerator>& list, const CommandTable& table) {
    const std::pair<KeyCombo, const char*> mappings[] = {
        {ctrl(F(4)), "WindowClose"}, {shift(F(4)), "WindowTileHorizontal"},
        {alt(F(4)), "ExitApp"},      {shift(F(5)), "WindowCascade"},
        {ctrl(F(6)), "WindowNext"},  {ctrl_shift(F(6)), "WindowPrevious"},
    };
    for (const auto& [combo, name] : mappings)
        if (list.size() < kMaxAccelerators) add(list, table, combo, name);
}

} // namespace

std::string parse_keyspec(const std::string& spec, KeyCombo& combo) {
    bool have_key = false;
    std::size_t pos = 0;
    while (pos <= spec.size()) {
        std::size_t plus = spec.find('+', pos);
        // A "+" right at the start of a part is the key that types "+".
        if (plus == pos && pos < spec.size()) plus = spec.find('+', pos + 1);
        std::string part =
            spec.substr(pos, plus == std::string::npos ? std::string::npos : plus - pos);
        pos = plus == std::string::npos ? spec.size() + 1 : plus + 1;
        if (part.empty()) continue;
        if (part == "CTRL") {
            combo.ctrl = true;
            continue;
        }
        if (part == "SHIFT") {
            combo.shift = true;
            continue;
        }
        if (part == "ALT") {
            combo.alt = true;
            continue;
        }
        std::optional<KeyCombo> key;
        if (part.size() == 1)
            key = key_of_character(part[0]);
        else if (auto code = key_code_of_name(part))
            key = KeyCombo{*code};
        if (have_key) {
            if (key) return zeph::format_text("\"%s\": double use of a key name.", spec.c_str());
            return zeph::format_text("\"%s\": unrecognized modifier.", part.c_str());
        }
        if (!key) return zeph::format_text("\"%s\": invalid key name.", part.c_str());
        combo.key = key->key;
        combo.shift = combo.shift || key->shift;
        have_key = true;
    }
    if (!have_key) return zeph::format_text("\"%s\": empty keyboard mapping.", spec.c_str());
    return {};
}
std::string keyspec_text(const KeyCombo& combo) {
    std::string text;
    if (combo.ctrl) text += "CTRL+";
    if (combo.shift) text += "SHIFT+";
    if (combo.alt) text += "ALT+";
    std::string name = key_name_of_code(combo.key);
    if (name.empty())
        if (char ch = character_of_key(combo.key)) name = std::string(1, ch);
    if (name.empty()) return {};
    return text + name;
}

std::string accelerator_file_text(const std::vector<Accelerator>& list, const CommandTable& table) {
    std::string text = "# Keyboard accelerators of zped: KEY keyspec function\n";
    for (const Accelerator& a : list) {
        std::string spec = keyspec_text(a.combo);
        if (is_reserved_combo(a.combo) || spec.empty() || a.command < 0) continue;
        text += "KEY " + spec + " " + table.row(a.command).name + "\n";
    }
    return text;
}

bool is_reserved_combo(const KeyCombo& c) {
    return c == ctrl(F(4)) || c == shift(F(4)) || c == alt(F(4)) || c == shift(F(5)) ||
           c == ctrl(F(6)) || c == ctrl_shift(F(6));
}

std::vector<Accelerator> builtin_accelerators(const CommandTable& table) {
    std::vector<Accelerator> list;
    add(list, table, ctrl('C'), "EditCopy");
    add(list, table, ctrl('G'), "GotoLine");
    add(list, table, ctrl('P'), "PrintText");
    add(list, table, ctrl('N'), "NewFile");
    add(list, table, ctrl('O'), "LoadFile");
    add(list, table, ctrl('S'), "SaveFile");
    add(list, table, ctrl_shift('S'), "SaveFileAs");
    add(list, table, ctrl('V'), "EditPaste");
    add(list, table, alt('X'), "ExitApp");
    add(list, table, ctrl('X'), "EditCut");
    add(list, table, ctrl('Z'), "EditUndo");
    for (int digit = 0; digit <= 9; ++digit) {
        add(list, table, ctrl_shift('0' + digit), zeph::format_text("SetMark%d", digit).c_str());
        add(list, table, ctrl('0' + digit), zeph::format_text("GotoMark%d", digit).c_str());
    }
    add(list, table, alt(vk::BackSpace), "EditUndo");
    add(list, table, ctrl('R'), "EditRedo");
    add(list, table, ctrl('Y'), "DeleteLine");
    add(list, table, ctrl('T'), "DeleteWord");
    add(list, table, ctrl(F(1)), "About");
    add(list, table, alt(F(3)), "FindText");
    add(list, table, plain(F(3)), "FindNextText");
    add(list, table, ctrl(F(3)), "ReplaceText");
    add(list, table, alt(F(7)), "PrevError");
    add(list, table, alt(F(8)), "NextError");
    add(list, table, ctrl(F(9)), "VsystemVHDL");
    add(list, table, ctrl(F(10)), "VsystemVerilog");
    add(list, table, ctrl(vk::Del), "EditClear");
    add(list, table, ctrl(vk::Ins), "EditCopy");
    add(list, table, shift(vk::Del), "EditCut");
    add(list, table, shift(vk::Ins), "EditPaste");
    append_window_mappings(list, table);
    return list;
}

std::vector<Accelerator> read_accelerators(std::string_view text, const CommandTable& table,
                                           StartupErrors& errors) {
    std::vector<Accelerator> list;
    bool full_reported = false;
    for (const DefinitionLine& line : definition_lines(text, kDefinitionLineLength)) {
        auto syntax = [&](const std::string& message) {
            errors.add(kErrorSyntax, kKeyboardMapper, message);
        };
        if (line.too_long) {
            syntax(zeph::format_text("\"%s\": line too long.", line.text.c_str()));
            continue;
        }
        std::vector<std::string> words = split_words(line.text);
        if (words.empty() || words[0] != "KEY") {
            syntax(
                zeph::format_text("\"%s\": definition must start with \"KEY\"", line.text.c_str()));
            continue;
        }
        if (words.size() < 2) {
            syntax(zeph::format_text("\"%s\": empty keyboard mapping.", line.text.c_str()));
            continue;
        }
        KeyCombo combo;
        if (std::string problem = parse_keyspec(words[1], combo); !problem.empty()) {
            syntax(problem);
            continue;
        }
        if (is_reserved_combo(combo)) {
            syntax(zeph::format_text("\"%s\": reserved key combination", words[1].c_str()));
            continue;
        }
        if (words.size() < 3) {
            syntax(zeph::format_text("\"%s\": missing function.", line.text.c_str()));
            continue;
        }
        int command = table.find(words[2]);
        if (command < 0) {
            errors.add(kErrorNoFunction, kKeyboardMapper, words[2]);
            continue;
        }
        if (list.size() >= kMaxAccelerators) {
            if (!full_reported) syntax("too many mappings");
            full_reported = true;
            continue;
        }
        list.push_back({combo, command});
    }
    append_window_mappings(list, table);
    return list;
}

const Accelerator* accelerator_of(const std::vector<Accelerator>& table, int command) {
    for (const Accelerator& a : table)
        if (a.command == command) return &a;
    return nullptr;
}

int command_of_combo(const std::vector<Accelerator>& table, const KeyCombo& combo) {
    for (const Accelerator& a : table)
        if (a.combo == combo) return a.command;
    return -1;
}

} // namespace zped
