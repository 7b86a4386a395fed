// The "Edit Text" dialog of a free placed text: "S&tring:", "&Scale:" (2 to 50) and
// "C&olors...".
#pragma once

#include "blockdiagram/diagram_editor.h"

#include <string>

namespace zeph {

struct TextFields {
    std::string text;
    int scale = 12;
    int colour = 15;
    bool operator==(const TextFields&) const = default;
};

inline constexpr int kMinTextScale = 2;
inline constexpr int kMaxTextScale = 50;

TextFields text_fields(const LabelDisplay& text);

// An emptied string deletes the text; a colour equal to the background colour is refused with
// "Specified color equals background."; the scale is clamped to 2 to 50.
Outcome edit_free_text(DiagramEditor& editor, std::size_t index, TextFields fields);

// The checks of that edit, for texts on any sheet: bounds and clamps `fields`, then Done when
// they are to be applied, Unchanged when they equal the text, Refused after the message.
Outcome check_text_fields(TextFields& fields, const LabelDisplay& text,
                          const DiagramSettings& settings, ui::Platform& platform);
// Applies checked fields to the text at `index`; an empty string deletes it.
void apply_text_fields(std::vector<LabelDisplay>& texts, std::size_t index,
                       const TextFields& fields);

} // namespace zeph
