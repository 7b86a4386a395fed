// The keyboard accelerators dialog (command Accelerators): the functions with their
// descriptions and keys; keys are assigned, deleted or reset to the built-in list, and the
// accelerator file is written when the dialog closes after a change.
#pragma once

namespace zped {

class EditorSession;

int run_accelerator_dialog(EditorSession& session);

} // namespace zped
