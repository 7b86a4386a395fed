// The design's target language and the status line pane that shows it with the language
// checking rules.
#pragma once

#include "hdl/design_events.h"

#include <string>

namespace zeph {

struct Design;

// "Language: %s  |  Verification: %s" with "Vhdl" or "Verilog" and "VHDL rules", "Verilog
// rules" or "Both VHDL and Verilog".
std::string language_status_text(const Design& design);
// Shows that text in the status line (without a beep).
void refresh_language_status(ui::Platform& platform, const Design& design);

// Stores the language (1 VHDL, 2 Verilog) and rebuilds the menus; every object-kind word
// follows it from then on. From the Design Setup dialog the HDL files are also marked for a
// skeleton check, the state codes recomputed and the design marked modified. The status line
// and the open views are refreshed.
void set_language(Design& design, int language, bool from_dialog, const DesignEvents& events);

} // namespace zeph
