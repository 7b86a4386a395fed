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

Outcome check_text_fields(TextFields& fields, const LabelDisplay& text,
                          const DiagramSettings& settings, ui::Platform& platform) {
    fields.text = bounded(fields.text, kMaxTextLine);
    fields.scale = std::clamp(fields.scale, kMinTextScale, kMaxTextScale);
    if (!fields.text.empty() && fields.colour == settings.colour(DiagramColour::Background))
        return refuse(platform, "Specified color equals background.");
    return fields == text_fields(text) ? Outcome::Unchanged : Outcome::Done;
}

void apply_text_fields(std::vector<LabelDisplay>& texts, std::size_t index,
                       const TextFields& fields) {
    if (fields.text.empty()) {
        texts.erase(texts.begin() + static_cast<std::ptrdiff_t>(index));
        return;
    }
    texts[index].text = fields.text;
    texts[index].size = fields.scale;
    texts[index].colour = fields.colour;
}

Outcome edit_free_text(DiagramEditor& editor, std::size_t index, TextFields fields) {
    auto& texts = editor.sheet().texts;
    if (index >= texts.size()) return Outcome::Unchanged;
    Outcome checked = check_text_fields(fields, texts[index], editor.settings(), editor.platform());
    if (checked != Outcome::Done) return checked;
    Edit edit(editor, "edit text");
    capture_sheet(edit.step(), editor.sheet());
    if (fields.text.empty()) editor.selection().clear();
    apply_text_fields(texts, index, fields);
    return edit.finish(Outcome::Done);
}

} // namespace zeph
