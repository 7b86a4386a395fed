// A dialog as the core describes it: named fields and buttons. The front end shows it, lets the
// user change the fields and returns the button that was pressed; the command behind the dialog
// checks and applies the values, and runs the dialog again for buttons that keep it open
// ("&Now", "&Assign"). A script answers a dialog by field names and a button label.
#pragma once

#include "editor/key_names.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zped {

enum class FieldKind {
    Check,  // a check box: checked
    Choice, // radio buttons: items, selected
    Number, // a number field: text, within minimum .. maximum
    Text,   // a text field: text
    List,   // a list box: items, selected (-1: none)
    Key,    // a key pressed by the user: key, has_key
    Note,   // text shown, not edited
};

struct DialogField {
    std::string name;  // how a script names it
    std::string label; // as shown, with its "&" mnemonic
    FieldKind kind = FieldKind::Note;
    bool checked = false;
    std::vector<std::string> items;
    int selected = 0;
    std::string text;
    int minimum = 0;
    int maximum = 0;
    KeyCombo key;
    bool has_key = false;
    std::string tip; // one line of help shown while the field has the focus
};

struct Dialog {
    std::string title;
    std::vector<DialogField> fields;
    std::vector<std::string> buttons; // labels with "&"
    int default_button = 0;           // what Enter presses outside the buttons
    int focus = 0;                    // the front end's, kept between runs of the dialog
    // Called after the user changed a field, so that fields that depend on it follow.
    std::function<void(Dialog&, int field)> changed;

    DialogField* field(std::string_view name);
    const DialogField* field(std::string_view name) const;
    // The index of a button by its label without "&" (ignoring case), or -1.
    int button(std::string_view label) const;
    void notify_changed(int index);
};

// The text a field shows as its value in a script's transcript, and reads back from an answer.
std::string field_value_text(const DialogField& field);
// Sets a field from an answer's text; false (with the reason) when the text does not fit it.
bool set_field_from_text(DialogField& field, std::string_view text, std::string& problem);

} // namespace zped
