// Expansion of the word before the cursor by the expander list of the buffer's language: a
// plain expansion replaces the word, "[template][file]" puts that template in its place.
#pragma once

#include "editor/text_position.h"

#include <string>
#include <string_view>

namespace zped {

class EditorSession;
struct EditBuffer;

// Where the word before `cursor` starts: one position back, then back over characters that
// are not letters or digits, then back to the first of a run of letters and digits.
TextPosition word_before_cursor(const EditBuffer& buffer, TextPosition cursor);

// Splits "[name][file]"; false when the expansion does not have exactly that form.
bool parse_template_reference(std::string_view expansion, std::string& name, std::string& file);

// The LanguageExpand command on the active buffer; 0 when it expanded something.
int LanguageExpand(EditorSession& session);

} // namespace zped
