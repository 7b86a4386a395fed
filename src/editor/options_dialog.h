// The editor options dialog (command EditorOptions): built from the session's options, run
// through the front end's dialog, applied to the session.
#pragma once

namespace zped {

class EditorSession;

int run_options_dialog(EditorSession& session);

} // namespace zped
