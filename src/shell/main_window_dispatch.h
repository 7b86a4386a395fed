// Running a command of the main window's vocabulary on the session: the operation each item
// stands for. Operations ask the platform for what they need (a file, a point, a text), as the
// main window asks with its dialogs and the mouse.
#pragma once

#include "shell/main_window_vocabulary.h"

namespace zeph {

class DiagramEditor;
class Session;

enum class CommandOutcome {
    Done,
    Failed,         // the operation refused or failed; it has shown why
    Exit,           // "E&xit": the front end leaves (asking the close question)
    NotAnOperation, // a dialog, a mode or a popup: the front end handles it
};

CommandOutcome run_operation(Session& session, CommandId id);

// The diagram editor on the current diagram when that is a block diagram (opened when it is
// not yet); null otherwise.
DiagramEditor* current_block_diagram_editor(Session& session);

} // namespace zeph
