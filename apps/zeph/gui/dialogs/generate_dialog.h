// The generate dialog ("Generate Vhdl" / "Generate Verilog"): the design units, the root
// entity and architecture, the analysis tool, overwriting and the file organization; OK runs
// the generation.
#pragma once

#include "dialog_outcome.h"

class QWidget;

namespace zeph {

class Session;

// NoDialog while generation is not possible (no verification of the entire design).
DialogOutcome run_generate_dialog(QWidget* parent, Session& session);

} // namespace zeph
