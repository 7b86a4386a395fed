// Short ways to build the fields of a dialog.
#pragma once

#include "editor/dialog.h"

#include <string>

namespace zped {

DialogField check_field(const char* name, const char* label, bool checked, const char* tip);
DialogField text_field(const char* name, const char* label, const std::string& text,
                       const char* tip);
// A heading between groups of fields; it takes no answer.
DialogField note_field(const char* name, const char* label);

} // namespace zped
