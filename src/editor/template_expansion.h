// Putting a template into a buffer: its parameters asked in the "Expand Template" dialog when
// it has any, then the filled-in body inserted with one ApplyEdit, so one Undo removes it.
#pragma once

#include "editor/template_file.h"
#include "editor/text_position.h"

#include <string>

namespace zped {

class EditorSession;
struct EditBuffer;

// Replaces the text from `from` to the cursor (nothing when from is the cursor) by the expanded
// template; the cursor stays at `from`, the selection is dropped. False when the buffer is
// read-only or the dialog was cancelled.
bool insert_template(EditBuffer& buffer, const Template& t, TextPosition from);
bool insert_template(EditBuffer& buffer, const Template& t);

// A template named by an expander word: the file (path variables expanded) is loaded when it
// is not yet, then its template of exactly that name is inserted as above. A missing file or
// template is a warning.
bool expand_template_by_name(EditorSession& session, EditBuffer& buffer, const std::string& name,
                             const std::string& file, TextPosition from);

} // namespace zped
