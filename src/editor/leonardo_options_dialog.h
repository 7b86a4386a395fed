// The Leonardo options dialog (command LeonardoOptions): the settings of section "Leonardo".
#pragma once

namespace zped {

class EditorSession;

int run_leonardo_options_dialog(EditorSession& session);

} // namespace zped
