// Lookups in a dialog and the text form of field values.
#include "editor/dialog.h"

#include "editor/accelerators.h"
#include "editor/menu_definitions.h"
#include "foundation/strings.h"

#include <charconv>

namespace zped {

using zeph::equal_ignoring_case;

DialogField* Dialog::field(std::string_view name) {
    for (DialogField& f : fields)
        if (f.name == name) return &f;
    return nullptr;
}

const DialogField* Dialog::field(std::string_view name) const {
    for (const DialogField& f : fields)
        if (f.name == name) return &f;
    return nullptr;
}

int Dialog::button(std::string_view label) const {
    for (std::size_t i = 0; i < buttons.size(); ++i)
        if (equal_ignoring_case(without_ampersands(buttons[i]), label)) return static_cast<int>(i);
    return -1;
}

void Dialog::notify_changed(int index) {
    if (changed) changed(*this, index);
}

namespace {
bool parse_number(std::string_view text, int& value) {
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

// An item by its text without "&" (ignoring case), else by its number counted from 1.
int item_index(const DialogField& field, std::string_view text) {
    for (std::size_t i = 0; i < field.items.size(); ++i)
        if (equal_ignoring_case(without_ampersands(field.items[i]), text))
            return static_cast<int>(i);
    int number = 0;
    if (parse_number(text, number) && number >= 1 && number <= static_cast<int>(field.items.size()))
        return number - 1;
    return -1;
}
} // namespace

std::string field_value_text(const DialogField& field) {
    switch (field.kind) {
    case FieldKind::Check:
        return field.checked ? "yes" : "no";
    case FieldKind::Choice:
    case FieldKind::List:
        if (field.selected < 0 || field.selected >= static_cast<int>(field.items.size())) return "";
        return without_ampersands(field.items[static_cast<std::size_t>(field.selected)]);
    case FieldKind::Key:
        return field.has_key ? keyspec_text(field.key) : "";
    case FieldKind::Number:
    case FieldKind::Text:
    case FieldKind::Note:
        return field.text;
    }
    return {};
}

bool set_field_from_text(DialogField& field, std::string_view text, std::string& problem) {
    switch (field.kind) {
    case FieldKind::Check:
        if (text == "yes" || text == "no") {
            field.checked = text == "yes";
            return true;
        }
        problem = "yes or no";
        return false;
    case FieldKind::Choice:
    case FieldKind::List: {
        int index = item_index(field, text);
        if (index < 0) {
            problem = "one of its items";
            return false;
        }
        field.selected = index;
        return true;
    }
    case FieldKind::Number: {
        int value = 0;
        if (!parse_number(text, value) || value < field.minimum || value > field.maximum) {
            problem = "a number from " + std::to_string(field.minimum) + " to " +
                      std::to_string(field.maximum);
            return false;
        }
        field.text = std::string(text);
        return true;
    }
    case FieldKind::Text:
        field.text = std::string(text);
        return true;
    case FieldKind::Key: {
        KeyCombo combo;
        if (text.empty()) {
            field.has_key = false;
            return true;
        }
        if (!parse_keyspec(std::string(text), combo).empty()) {
            problem = "a key as the accelerator file writes it (CTRL+SHIFT+S)";
            return false;
        }
        field.key = combo;
        field.has_key = true;
        return true;
    }
    case FieldKind::Note:
        problem = "nothing: it cannot be changed";
        return false;
    }
    return false;
}

} // namespace zped
