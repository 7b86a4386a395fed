// The dialogs of the menu items and tools that open one: Generate, Design Setup, Design
// Packages, Sheet Defaults, State Machine Options, the action and condition label lists, Label
// Options, Colours and Highlight Net.
#pragma once

#include "dialog_outcome.h"
#include "shell/main_window_vocabulary.h"

class QWidget;

namespace zeph {

class Session;

// NoDialog when the command has no dialog here, or its dialog has nothing to work on (no
// design, no block or state diagram open).
DialogOutcome run_command_dialog(QWidget* parent, Session& session, CommandId id);

} // namespace zeph
