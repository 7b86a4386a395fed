// Parsing of menu files and the built-in menu.
#include "editor/menu_definitions.h"

#include "editor/command_table.h"
#include "editor/definition_lines.h"
#include "editor/startup_errors.h"
#include "foundation/strings.h"

namespace zped {

namespace {
struct MenuBuilder {
    const CommandTable& table;
    std::vector<MenuEntry> entries;
    void popup(const char* label) { entries.push_back({MenuKind::PopupStart, label, -1}); }
    void item(const char* label, const char* name) {
        entries.push_back({MenuKind::Item, label, table.find(name)});
    }
    void separator() { entries.push_back({MenuKind::Separator, "", -1}); }
    void end() { entries.push_back({MenuKind::PopupEnd, "", -1}); }
};
} // namespace

std::string without_ampersands(std::string_view label) {
    std::string text;
    for (char ch : label)
        if (ch != '&') text += ch;
    return text;
}

std::vector<MenuEntry> builtin_menu(const CommandTable& table) {
    MenuBuilder m{table, {}};
    m.popup("&File");
    m.item("&New", "NewFile");
    m.item("&Open...", "LoadFile");
    m.item("&Insert...", "InsertFile");
    m.item("&Save", "SaveFile");
    m.item("Save &As...", "SaveFileAs");
    m.item("Save a&ll", "SaveAll");
    m.separator();
    m.item("&Print...", "PrintText");
    m.item("E&xit", "ExitApp");
    m.separator();
    for (int i = 1; i <= 5; ++i)
        m.item(zeph::format_text("&%d", i).c_str(), zeph::format_text("LoadMRUFile%d", i).c_str());
    m.end();
    m.popup("&Edit");
    m.item("&Undo", "EditUndo");
    m.item("&Redo", "EditRedo");
    m.item("&Cut", "EditCut");
    m.item("C&opy", "EditCopy");
    m.item("&Paste", "EditPaste");
    m.item("C&lear", "EditClear");
    m.separator();
    m.item("&Templates...", "EditTemplates");
    m.item("&Special...", "EditSpecial");
    m.end();
    m.popup("&Search");
    m.item("&Find...", "FindText");
    m.item("Find &next", "FindNextText");
    m.item("&Replace...", "ReplaceText");
    m.item("Go to line...", "GotoLine");
    m.end();
    m.popup("&Compile");
    m.item("&VHDL(V-Sys)", "VsystemVHDL");
    m.item("V&erilog(V-Sys)", "VsystemVerilog");
    m.item("&Next error", "NextError");
    m.item("&Prev error", "PrevError");
    m.end();
    m.popup("&Options");
    m.item("&Editor...", "EditorOptions");
    m.item("&Languages...", "LanguageOptions");
    m.item("&V-System...", "VsystemOptions");
    m.item("&Tools...", "ToolOptions");
    m.end();
    m.popup("&Window");
    m.item("&Cascade", "WindowCascade");
    m.item("Tile &horizontal", "WindowTileHorizontal");
    m.item("&Tile vertical", "WindowTileVertical");
    m.item("&Next window", "WindowNext");
    m.item("&Previous window", "WindowPrevious");
    m.end();
    return m.entries;
}

std::vector<MenuEntry> read_menu(std::string_view text, const CommandTable& table,
                                 StartupErrors& errors) {
    std::vector<MenuEntry> entries;
    int open_popups = 0;
    bool full_reported = false;
    auto syntax = [&](const std::string& message) {
        errors.add(kErrorSyntax, kMenuBuilder, message);
    };
    auto push = [&](MenuEntry entry) {
        if (entries.size() < kMaxMenuEntries) {
            entries.push_back(std::move(entry));
        } else if (!full_reported) {
            syntax("Too many menu items");
            full_reported = true;
        }
    };
    for (const DefinitionLine& line : definition_lines(text, kDefinitionLineLength)) {
        if (line.too_long) {
            syntax(line.text);
            continue;
        }
        std::vector<std::string> words = split_words(line.text);
        if (words.empty()) continue;
        const std::string& word = words[0];
        if (word == "MENU") {
            if (words.size() < 2) {
                syntax(line.text);
                continue;
            }
            if (without_ampersands(words[1]) == "Help") {
                syntax("Menu name 'Help' not allowed.");
                break;
            }
            ++open_popups;
            push({MenuKind::PopupStart, zeph::bounded(words[1], kMaxMenuLabel), -1});
        } else if (word == "ITEM") {
            if (words.size() < 3) {
                syntax(line.text);
                continue;
            }
            int command = table.find(words[2]);
            if (command < 0) {
                errors.add(kErrorNoFunction, kMenuBuilder, words[2]);
                continue;
            }
            push({MenuKind::Item, zeph::bounded(words[1], kMaxMenuLabel), command});
        } else if (word == "SEPARATOR") {
            push({MenuKind::Separator, "", -1});
        } else if (word == "END") {
            --open_popups;
            push({MenuKind::PopupEnd, "", -1});
        } else {
            syntax(line.text);
        }
    }
    if (open_popups != 0) syntax("MENU/END mismatch");
    return entries;
}

void append_help_menu(std::vector<MenuEntry>& menu, const CommandTable& table,
                      const std::vector<std::string>& help_labels) {
    MenuBuilder m{table, {}};
    m.popup("&Help");
    std::size_t count = std::min<std::size_t>(help_labels.size(), 5);
    for (std::size_t i = 0; i < count; ++i)
        m.entries.push_back({MenuKind::Item, zeph::bounded(help_labels[i], kMaxMenuLabel),
                             table.find(zeph::format_text("DisplayHelpfile%zu", i + 1))});
    if (count > 0) m.separator();
    m.item("&About the editor...", "About");
    m.end();
    menu.insert(menu.end(), m.entries.begin(), m.entries.end());
}

} // namespace zped
