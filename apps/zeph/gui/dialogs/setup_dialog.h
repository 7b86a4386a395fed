// The "Design Setup" dialog: language, checking rules, the VHDL and Verilog settings, the
// synthesis tool and the design information.
#pragma once

#include "dialog_outcome.h"

class QWidget;

namespace zeph {

class Session;

DialogOutcome run_setup_dialog(QWidget* parent, Session& session);

} // namespace zeph
