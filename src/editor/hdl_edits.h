// The block edit commands: AddComment, RemoveComment, AddIndent and RemoveIndent on the selected
// lines, and EditSpecial with its "HDL Edits" dialog on a chosen range.
#pragma once

#include "editor/block_edits.h"

namespace zped {

class EditorSession;
struct Dialog;

// The line comment and reserved words of the buffer's language.
BlockLanguage block_language(const EditorSession& session, const EditBuffer& buffer);

// One edit on the selected lines of the active edit window; nothing without a selection or in
// a result window.
int edit_selected_lines(EditorSession& session, LineEdit edit);

Dialog hdl_edits_dialog(bool has_selection);
// EditSpecial.
int hdl_edits(EditorSession& session);

} // namespace zped
