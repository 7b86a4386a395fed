// NextError and PrevError: from the result window's cursor line to the next or previous entry
// of the error list, selecting its result line and marking its line in the source window.
#pragma once

namespace zped {

class EditorSession;

// 0 when an entry was shown; 1 when there is none in that direction or the source window
// was closed (then only the status text "Source window has been removed." is shown).
int show_next_error(EditorSession& session);
int show_previous_error(EditorSession& session);

} // namespace zped
