// Editing free placed texts.
#include "blockdiagram/free_texts.h"

#include "blockdiagram/diagram_messages.h"
#include "blockdiagram/diagram_settings.h"
#include "blockdiagram/undo_captures.h"
#include "design/name_limits.h"
#include "foundation/strings.h"

#include <algorithm>

namespace zeph {

TextFields text_fields(const LabelDisplay& text) {
    return {text.text, text.size, text.colour};
}

Outcome edit_free_text(DiagramEditor& editor, std::size_t index, TextFields fields) {
    auto& texts = editor.sheet().texts;
    if (index >= texts.size()) return Outcome::Unchanged;
    fields.text = bounded(fields.text, kMaxTextLine);
    fields.scale = std::clamp(fields.scale, kMinTextScale, kMaxTextScale);
    if (!fields.text.empty() &&
        fields.colour == editor.settings().colour(DiagramColour::Background))
        return refuse(editor.platform(), "Specified color equals background.");
    if (fields == text_fields(texts[index])) return Outcome::Unchanged;
    Edit edit(editor, "edit text");
    capture_sheet(edit.step(), editor.sheet());
    if (fields.text.empty()) {
        texts.erase(texts.begin() + static_cast<std::ptrdiff_t>(index));
        editor.selection().clear();
    } else {
        texts[index].text = fields.text;
        texts[index].size = fields.scale;
        texts[index].colour = fields.colour;
    }
    return edit.finish(Outcome::Done);
}

} // namespace zeph
