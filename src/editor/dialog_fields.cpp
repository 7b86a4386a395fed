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

DialogField note_field(const char* name, const char* label) {
    DialogField f;
    f.name = name;
    f.label = label;
    f.kind = FieldKind::Note;
    return f;
}

} // namespace zped
