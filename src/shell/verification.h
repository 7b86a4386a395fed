// Verification from the main window: "Verify the Current Diagram" (Diagram menu, the
// "question" tool) and "Verify the Entire Design" (Design menu, the "verify" tool), with the
// options of the settings and the HDL-file refreshes on the way, and the rule that enables
// generation afterwards.
#pragma once

namespace zeph {

struct Architecture;
class Session;

// Mode 1 or 2 on the current diagram. False when no diagram is current (nothing ran).
bool verify_current_diagram(Session& session);
// Mode 3 on the whole design; generation is enabled when it left an eligible root. False when
// no design is open.
bool verify_entire_design(Session& session);

// Mode 4 on one block diagram of the design before generation writes it: its processes get
// their signals. False when it found an error (its report is shown).
bool quick_verify_for_generation(Session& session, const Architecture& architecture);

// Generation may start: a whole-design verification left an eligible root and the design is
// unchanged since (the signal classes and connect-by-name signals it writes come from there).
bool generation_possible(const Session& session);

} // namespace zeph
