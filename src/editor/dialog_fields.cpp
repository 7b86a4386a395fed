// Building dialog fields.
#include "editor/dialog_fields.h"

namespace zped {

DialogField check_field(const char* name, const char* label, bool checked, const char* tip) {
    DialogField f;
    f.name = name;
    f.label = label;
    f.kind = FieldKind::Check;
    f.checked = checked;
    f.tip = tip;
    return f;
}

DialogField text_field(const char* name, const char* label, const std::string& text,
                       const char* tip) {
    DialogField f;
    f.name = name;
    f.label = label;
    f.kind = FieldKind::Text;
    f.text = text;
    f.tip = tip;
    return f;
}

DialogField choice_field(const char* name, const char* label, std::vector<std::string> items,
                         int selected, const char* tip) {
    DialogField f;
    f.name = name;
    f.label = label;
    f.kind = FieldKind::Choice;
    f.items = std::move(items);
    f.selected = selected;
    f.tip = tip;
    return f;
}

DialogField number_field(const char* name, const char* label, int value, int minimum, int maximum,
                         const char* tip) {
    DialogField f;
    f.name = name;
    f.label = label;
    f.kind = FieldKind::Number;
    f.text = std::to_string(value);
    f.minimum = minimum;
    f.maximum = maximum;
    f.tip = tip;
    return f;
}

DialogField note_field(const char* name, const char* label) {
    DialogField f;
    f.name = name;
    f.label = label;
    f.kind = FieldKind::Note;
    return f;
}

} // namespace zped
