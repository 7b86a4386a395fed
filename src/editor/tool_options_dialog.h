// The tool options dialog (command ToolOptions): the six user tools edited one slot at a time.
#pragma once

namespace zped {

class EditorSession;

int run_tool_options_dialog(EditorSession& session);

} // namespace zped
