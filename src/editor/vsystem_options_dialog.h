// The V-System options dialog (command VsystemOptions): the settings of section "Vsystem" and
// the buttons that create, map and show the libraries.
#pragma once

namespace zped {

class EditorSession;

int run_vsystem_options_dialog(EditorSession& session);

} // namespace zped
