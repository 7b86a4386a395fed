// Diagram > Highlight Net: asks for a net by its name or "Net_N" and highlights it, with the view
// centred on it, as the shell's `highlight-net` does.
#pragma once

#include "dialog_outcome.h"

class QWidget;

namespace zeph {

class DiagramEditor;

// A text that names no net shows the core's "No net found." and keeps the dialog open.
DialogOutcome run_highlight_net_dialog(QWidget* parent, DiagramEditor& editor);

} // namespace zeph
