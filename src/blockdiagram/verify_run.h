// Verification of a design, an architecture or a process: the checks of entities, block
// diagrams and their connections, whose findings go to the report window and whose marks
// (status bits, signal classes, bus-entry direction flags, process signals) HDL generation
// reads afterwards.
#pragma once

#include "blockdiagram/attach_ports.h"
#include "design/design.h"
#include "design/report.h"

#include <functional>
#include <string>
#include <vector>

namespace zeph {

enum class VerifyMode { None = 0, Process = 1, Architecture = 2, Design = 3, Quick = 4 };

// Bus-entry report flags left by the connection analysis.
inline constexpr unsigned kEntryBusDrivesWire = 32; // the read flag
inline constexpr unsigned kEntryWireDrivesBus = 64; // the written flag

// Signal classes of nets and bits; bit 4 marks a local signal of the architecture.
inline constexpr int kSignalLocal = 4;

// Checks that other parts of the system own, called at the places verification names. An
// empty hook does nothing.
struct VerifyHooks {
    // The skeleton refresh of the HDL files of an HDL-file architecture, or of the HDL-file
    // processes of a block diagram (notes 157, errors 34).
    std::function<void(Report&, Entity&, Architecture&)> refresh_skeletons;
    std::function<void(Report&, Entity&, Architecture&, Process&)> refresh_process_skeleton;
    // State machine checks of a state-diagram architecture (process null) or process: the
    // name checks of the first phase, and the full checks once the connections are known.
    std::function<void(Report&, Entity&, Architecture&, Process*)> state_machine_names;
    std::function<void(Report&, Entity&, Architecture&, Process*)> state_machine_checks;
    // The identifier suffixes of the state-diagram processes of a block diagram, with its name
    // checks; and a state-diagram process whose ports have just been named after their signals.
    std::function<void(Report&, Entity&, Architecture&)> state_machine_suffixes;
    std::function<void(Report&, Entity&, Architecture&, Process&)> state_machine_signals;
    // The connect-by-name signals of a block diagram once its analysis is done, with their
    // scratch nets, signal classes and connection records, for HDL generation to keep.
    std::function<void(Architecture&, std::vector<ConnectByNameSignal>&&)> keep_signals;
};

struct VerifyOptions {
    bool type_checks = true;       // false: "Disable type and range checks" is on
    bool disable_warnings = false; // counted and marked, not written
    bool disable_notes = false;
    std::string project_directory; // where HDL files are looked for; empty: none
    VerifyHooks hooks;
};

// Every run writes to the report, whose platform shows the report window; the report's kind
// words follow the design's language.
// Mode 3: every entity, then status bit 64 from the bottom of the hierarchy up.
void verify_design(Design& design, const VerifyOptions& options, Report& report);
// Mode 1 when the design has a current process, else mode 2 on the current architecture.
void verify_current(Design& design, const VerifyOptions& options, Report& report);
// Mode 4: the connection analysis of one block diagram, for the signals of its processes.
// A run without findings closes the report window without showing it.
void quick_verify(Design& design, Entity& entity, Architecture& architecture,
                  const VerifyOptions& options, Report& report);

// An entity that can be the root of HDL generation after a whole-design run: not a library
// or external entity, not the design's top-level entity, and verified without error down
// the whole hierarchy (status bit 64).
bool verified_root_candidate(const Design& design, const Entity& entity);
bool has_verified_root_candidate(const Design& design);

} // namespace zeph
