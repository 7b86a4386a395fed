// EditCopy, EditCut, EditPaste and EditClear: the selection to and from the session's clipboard.
#pragma once

#include <string>

namespace zped {

class EditorSession;
struct EditBuffer;

// The selection as the clipboard gets it: lines joined by CR LF.
std::string selection_text(const EditBuffer& buffer);

int copy_selection(EditorSession& session);
int cut_selection(EditorSession& session);
int clear_selection(EditorSession& session);
int paste_clipboard(EditorSession& session);

} // namespace zped
