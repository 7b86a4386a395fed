// Short ways to build the fields of a dialog.
#pragma once

#include "editor/dialog.h"

#include <string>
#include <vector>

namespace zped {

DialogField check_field(const char* name, const char* label, bool checked, const char* tip);
DialogField text_field(const char* name, const char* label, const std::string& text,
                       const char* tip);
// Radio buttons.
DialogField choice_field(const char* name, const char* label, std::vector<std::string> items,
                         int selected, const char* tip);
DialogField number_field(const char* name, const char* label, int value, int minimum, int maximum,
                         const char* tip);
// A heading between groups of fields; it takes no answer.
DialogField note_field(const char* name, const char* label);

} // namespace zped
