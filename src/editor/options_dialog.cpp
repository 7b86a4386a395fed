// The editor options dialog: the flags of section "Options", the tab size, the font, the button
// bar's place and when the settings are saved; "&Now" applies them and writes the settings file
// at once, OK applies them.
#include "editor/options_dialog.h"

#include "editor/dialog.h"
#include "editor/editor_session.h"
#include "editor/editor_ui.h"
#include "foundation/strings.h"

#include <string>

namespace zped {

namespace {

DialogField check(const char* name, const char* label, bool value, const char* tip) {
    DialogField f;
    f.name = name;
    f.label = label;
    f.kind = FieldKind::Check;
    f.checked = value;
    f.tip = tip;
    return f;
}

DialogField text(const char* name, const char* label, const std::string& value, const char* tip) {
    DialogField f;
    f.name = name;
    f.label = label;
    f.kind = FieldKind::Text;
    f.text = value;
    f.tip = tip;
    return f;
}

// Shown, not edited: a window's language follows its file name.
std::string active_language_name(const EditorSession& session) {
    const EditBuffer* active = session.active();
    if (active == nullptr) return "none";
    const std::string& name = session.languages.entry(active->language).name;
    return name.empty() ? "none" : name;
}

Dialog options_dialog(const EditorSession& session) {
    const EditorOptions& o = session.options;
    Dialog d;
    d.title = "Editor Options";
    d.fields.push_back(check("colors", "&Syntax Coloring", o.colors,
                             "Colour the text by the language definitions."));
    d.fields.push_back(check("line-numbers", "&Line Numbers", o.line_numbers,
                             "Show the number of every line in front of it."));
    d.fields.push_back(check("maximize", "&Maximize first window", o.first_child_maximized,
                             "Open the first window maximized (the terminal always does)."));
    d.fields.push_back(check("autoindent", "&Autoindent", o.auto_indent,
                             "Enter indents the new line like the one before."));
    d.fields.push_back(check("backup", "&Create Backup", o.backup_file,
                             "Keep the file as it was before saving as NAME.bak."));
    DialogField tab;
    tab.name = "tabstop";
    tab.label = "&Tabstop:";
    tab.kind = FieldKind::Number;
    tab.text = std::to_string(o.tab_size);
    tab.minimum = 1;
    tab.maximum = 16;
    tab.tip = "Columns from one tab stop to the next (1 to 16).";
    d.fields.push_back(tab);
    d.fields.push_back(text("font", "&Font:", o.font, "The font of printed pages."));
    d.fields.push_back(text("font-size", "Font si&ze:", o.font_size, "Its size in points."));
    DialogField language;
    language.name = "language";
    language.label = "Language of the active window:";
    language.text = active_language_name(session);
    language.tip = "Languages come from language definition files.";
    d.fields.push_back(language);
    DialogField bar;
    bar.name = "buttons";
    bar.label = "Button bar:";
    bar.kind = FieldKind::Choice;
    bar.items = {"&On top", "&Left side"};
    bar.selected = o.buttons_left ? 1 : 0;
    bar.tip = "Where the button bar is shown.";
    d.fields.push_back(bar);
    d.fields.push_back(check("save-on-exit", "Save all settings: On &Exit", o.save_on_exit,
                             "Write the settings file when the editor ends."));
    d.buttons = {"OK", "Cancel", "&Now"};
    return d;
}

void apply(EditorSession& session, const Dialog& d) {
    EditorOptions& o = session.options;
    o.colors = d.field("colors")->checked;
    o.line_numbers = d.field("line-numbers")->checked;
    o.first_child_maximized = d.field("maximize")->checked;
    o.auto_indent = d.field("autoindent")->checked;
    o.backup_file = d.field("backup")->checked;
    int tab = std::atoi(d.field("tabstop")->text.c_str());
    o.tab_size = tab < 1 ? 1 : tab > 16 ? 16 : tab;
    o.font = d.field("font")->text;
    o.font_size = d.field("font-size")->text;
    o.buttons_left = d.field("buttons")->selected == 1;
    o.save_on_exit = d.field("save-on-exit")->checked;
    for (const auto& b : session.buffers)
        b->tab_size = o.tab_size;
}

} // namespace

int run_options_dialog(EditorSession& session) {
    Dialog d = options_dialog(session);
    for (;;) {
        std::optional<int> pressed = editor_ui().run_dialog(d);
        if (!pressed || *pressed == 1) return 1;
        apply(session, d);
        if (*pressed == 0) return 0;
        if (session.write_settings())
            editor_ui().status(
                zeph::format_text("Settings written to '%s'.", session.settings.path().c_str()),
                false);
        else
            editor_ui().message_box(kErrorTitle,
                                    zeph::format_text("Cannot write the settings file '%s'.",
                                                      session.settings.path().c_str()));
    }
}

} // namespace zped
