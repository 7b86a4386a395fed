// The generation run: for a root entity and its subtree the design units are written into
// the output files under the chosen organization, with the report lines that list them.
//
//   check bindings -> check directory -> report heading -> per entity, deepest level first:
//   entity declaration, architectures (or modules), configurations of the root -> "done"
#pragma once

#include "ui/platform.h"

#include "hdl/analysis_run.h"
#include "hdl/generation_options.h"

#include <filesystem>
#include <functional>
#include <unordered_map>
#include <vector>

namespace zeph {

struct Architecture;
struct BlockDiagram;
struct Design;
struct Entity;
struct Net;

struct GenerationRequest {
    const Entity* root = nullptr;
    // The architecture selected in the dialog's list; the starting point with "Only bound".
    const Architecture* root_architecture = nullptr;
    GenerationOptions options;
    std::filesystem::path output_file; // the chosen file
    std::filesystem::path project_directory;
    // The connect-by-name signals verification found, per block diagram.
    std::unordered_map<const BlockDiagram*, std::vector<const Net*>> connect_by_name_signals;
    // The quick verification of a block diagram that holds processes, run before anything is
    // written, which gives the processes their signals. False when it found an error (its
    // report is shown and the run stops). Unset: nothing is run.
    std::function<bool(const Architecture&)> quick_verify;
};

enum class RunOutcome { Done, Cancelled, Failed };

struct GenerationResult {
    RunOutcome outcome = RunOutcome::Failed;
    // The analysis tool's verdict on the written files (true when no tool is set).
    bool analysed = true;
    // Every file in the order it was closed (the chosen file alone under "all in one file").
    std::vector<std::filesystem::path> files;
    // The last configuration declaration written for the root; empty when none was.
    std::string root_configuration;
};

GenerationResult generate_hdl(ui::Platform& platform, const Design& design,
                              const GenerationRequest& request);

// What the analysis tool gets of a run: the written files, the settings' tool and the unit to
// elaborate (the testbench with "Testbench of root", else the root's configuration declaration
// when one was written, which binds every instance, else the root when architectures were).
AnalysisRequest analysis_of(const Design& design, const GenerationRequest& request,
                            const GenerationResult& result);

// The file name the save dialog offers: the first entity that will be written (the root, or
// with "Root + subtree" under organizations 1 and 2 the last reached entity that is neither a
// library nor an external entity; the testbench's name for "Testbench of root") with the
// extension of the first unit kind written.
std::string proposed_file_name(const Design& design, const GenerationRequest& request);

} // namespace zeph
