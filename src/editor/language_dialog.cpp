// "Language Configuration" works on a copy of the language table; the fields show one
// language and, for colours, one syntax item at a time, and are stored back into the copy
// whenever the language or the item shown changes. OK hands the copy to the session.
#include "editor/language_dialog.h"

#include "editor/dialog.h"
#include "editor/editor_session.h"
#include "editor/editor_ui.h"
#include "foundation/strings.h"

#include <cstdio>

namespace zped {

namespace {

using zeph::format_text;

enum Buttons { kOk, kCancel, kAdd, kDelete };

DialogField field(const char* name, const char* label, FieldKind kind, const char* tip) {
    DialogField f;
    f.name = name;
    f.label = label;
    f.kind = kind;
    f.tip = tip;
    return f;
}

DialogField note(const char* name, const char* text) {
    DialogField f;
    f.name = name;
    f.label = text;
    return f;
}

bool parse_colour(const std::string& text, Colour& colour) {
    int r = 0, g = 0, b = 0;
    char extra = 0;
    if (std::sscanf(text.c_str(), "%d %d %d %c", &r, &g, &b, &extra) != 3) return false;
    if (r < 0 || r > 255 || g < 0 || g > 255 || b < 0 || b > 255) return false;
    colour = {r, g, b};
    return true;
}

class LanguageDialog {
  public:
    LanguageDialog(EditorSession& session) : session_(session), edited_(session.languages) {
        if (EditBuffer* active = session.active()) shown_ = active->language;
        build();
        show();
    }

    int run() {
        for (;;) {
            std::optional<int> pressed = editor_ui().run_dialog(dialog_);
            if (!pressed || *pressed == kCancel) return 1;
            if (!store()) continue;
            if (*pressed == kOk) {
                session_.replace_languages(edited_);
                return 0;
            }
            if (*pressed == kAdd) add();
            if (*pressed == kDelete) remove();
            show();
        }
    }

  private:
    void build() {
        Dialog& d = dialog_;
        d.title = "Language Configuration";
        DialogField language = field("language", " Language: ", FieldKind::List,
                                     "The language whose definition the fields show.");
        d.fields.push_back(language);
        d.fields.push_back(field("file", "Language specification file: (*.lsf)", FieldKind::Text,
                                 "Keywords and expander words; relative to the settings file."));
        d.fields.push_back(note("extension-note", " Source File extension: "));
        d.fields.push_back(field("extension", "Recognition:", FieldKind::Text,
                                 "Extensions without dots, e.g. vhd,vhdl: an item followed by a "
                                 "comma matches every extension that begins with it."));
        d.fields.push_back(field("filter", "Directory filter:", FieldKind::Text,
                                 "The file-dialog filter, e.g. VHDL files(*.vhd)|*.vhd|"));
        d.fields.push_back(field("case", "&Keywords CaseSensitive", FieldKind::Check,
                                 "Keywords must be written in the case of the file."));
        d.fields.push_back(note("delimiters", " Comment delimiters: "));
        d.fields.push_back(field("begin", "Begin:", FieldKind::Text,
                                 "Opens a block comment (up to 3 characters)."));
        d.fields.push_back(
            field("end", "End:", FieldKind::Text, "Closes a block comment (up to 3 characters)."));
        d.fields.push_back(field("single", "SingleLine:", FieldKind::Text,
                                 "Starts a comment to the end of the line (up to 3 characters)."));
        DialogField item = field("item", "Syntax Item", FieldKind::List,
                                 "The kind of text whose colour and typeface the fields show.");
        for (int i = 0; i < kSyntaxItemCount; ++i)
            item.items.emplace_back(syntax_item_name(static_cast<SyntaxItem>(i)));
        d.fields.push_back(item);
        d.fields.push_back(field("color", "Color:", FieldKind::Text,
                                 "Red, green and blue, each 0 to 255: 0 0 255 is blue."));
        d.fields.push_back(note("typeface", "Printer TypeFace:"));
        d.fields.push_back(field("bold", "&Bold", FieldKind::Check, "Printed bold."));
        d.fields.push_back(field("italic", "&Italic", FieldKind::Check, "Printed italic."));
        d.fields.push_back(field("underl", "&Underl", FieldKind::Check, "Printed underlined."));
        d.buttons = {"OK", "Cancel", "&Add new", "&Delete"};
        d.changed = [this](Dialog&, int index) {
            const std::string& name = dialog_.fields[static_cast<std::size_t>(index)].name;
            if (name != "language" && name != "item") return;
            int chosen = std::max(0, dialog_.field("language")->selected);
            int next_language = chosen < static_cast<int>(entries_.size())
                                    ? entries_[static_cast<std::size_t>(chosen)]
                                    : 0;
            int next_item = std::max(0, dialog_.field("item")->selected);
            // The fields still hold the values of the language and item shown so far.
            if (store()) {
                shown_ = next_language;
                shown_item_ = next_item;
            }
            show();
        };
    }

    int position_of(int language) const {
        for (std::size_t i = 0; i < entries_.size(); ++i)
            if (entries_[i] == language) return static_cast<int>(i);
        return 0;
    }

    // The fields from the language and item shown.
    void show() {
        entries_.clear();
        DialogField& language = *dialog_.field("language");
        language.items.clear();
        for (int n = 0; n < kLanguageCount; ++n)
            if (!edited_.entry(n).empty()) {
                entries_.push_back(n);
                language.items.push_back(edited_.entry(n).name);
            }
        language.selected = position_of(shown_);
        const Language& l = edited_.entry(shown_);
        dialog_.field("file")->text = l.file;
        dialog_.field("extension")->text = l.extension;
        dialog_.field("filter")->text = l.filter;
        dialog_.field("case")->checked = l.case_sensitive;
        dialog_.field("begin")->text = l.begin_comment;
        dialog_.field("end")->text = l.end_comment;
        dialog_.field("single")->text = l.line_comment;
        dialog_.field("item")->selected = shown_item_;
        const ItemStyle& style = l.style(static_cast<SyntaxItem>(shown_item_));
        dialog_.field("color")->text =
            format_text("%d %d %d", style.colour.red, style.colour.green, style.colour.blue);
        dialog_.field("bold")->checked = (style.typeface & kTypefaceBold) != 0;
        dialog_.field("italic")->checked = (style.typeface & kTypefaceItalic) != 0;
        dialog_.field("underl")->checked = (style.typeface & kTypefaceUnderlined) != 0;
    }

    // The fields into the language and item shown; false (after saying why) when a value
    // does not fit.
    bool store() {
        Language& l = edited_.entry(shown_);
        Colour colour;
        if (!parse_colour(dialog_.field("color")->text, colour)) {
            editor_ui().message_box("Language Configuration",
                                    "Color: three numbers from 0 to 255 (red, green, blue).");
            return false;
        }
        for (const char* name : {"begin", "end", "single"})
            if (dialog_.field(name)->text.size() > kMaxCommentDelimiter) {
                editor_ui().message_box("Language Configuration",
                                        "Comment delimiters have at most 3 characters.");
                return false;
            }
        l.file = zeph::bounded(dialog_.field("file")->text, kMaxLanguagePath);
        l.extension = zeph::bounded(dialog_.field("extension")->text, kMaxExtensionList);
        l.filter = zeph::bounded(dialog_.field("filter")->text, kMaxLanguagePath);
        l.case_sensitive = dialog_.field("case")->checked;
        l.begin_comment = dialog_.field("begin")->text;
        l.end_comment = dialog_.field("end")->text;
        l.line_comment = dialog_.field("single")->text;
        ItemStyle& style = l.style(static_cast<SyntaxItem>(shown_item_));
        style.colour = colour;
        style.typeface = (dialog_.field("bold")->checked ? kTypefaceBold : 0) |
                         (dialog_.field("italic")->checked ? kTypefaceItalic : 0) |
                         (dialog_.field("underl")->checked ? kTypefaceUnderlined : 0);
        return true;
    }

    void add() {
        auto name = editor_ui().prompt("Language Configuration", "Name of new language :", "");
        if (!name || name->empty()) return;
        int added = edited_.add(*name);
        if (added < 0) {
            editor_ui().message_box(
                "Language Configuration",
                format_text("Cannot add the language '%s': the name is taken or all five "
                            "places are used.",
                            name->c_str()));
            return;
        }
        shown_ = added;
    }

    void remove() {
        if (shown_ == 0) {
            editor_ui().status("The language None cannot be deleted.", true);
            return;
        }
        edited_.remove(shown_);
        shown_ = 0;
    }

    EditorSession& session_;
    LanguageTable edited_;
    Dialog dialog_;
    std::vector<int> entries_; // the language of each item of the language list
    int shown_ = 0;
    int shown_item_ = 0;
};

} // namespace

int run_language_dialog(EditorSession& session) {
    LanguageDialog dialog(session);
    return dialog.run();
}

} // namespace zped
