// The analysis run after generation: the written files are handed to the analysis tool of the
// settings, whose output goes to the report window.
//
//   V-System: vlib LIBRARY once (its result does not count), then vcom (VHDL) or vlog
//             (Verilog) with the options for each file in order, stopping at the first
//             failure; the programs lie in the directory of ModelsimExecPath.
//   GHDL:     ghdl -a --std=87|93 --work=LIBRARY for each file in order, stopping at the first
//             failure, then ghdl -e of the unit to elaborate.
//   Icarus:   iverilog -o UNIT.vvp with all files at once.
//
// Every program runs in the directory of the first file.
#pragma once

#include "hdl/analysis_tool.h"
#include "ui/platform.h"

#include <filesystem>
#include <string>
#include <vector>

namespace zeph {

inline constexpr const char* kVSystemTitle = "V-System Compiler";
inline constexpr const char* kGhdlTitle = "GHDL Compiler";
inline constexpr const char* kIcarusTitle = "Icarus Verilog Compiler";

struct AnalysisRequest {
    AnalysisTool tool = AnalysisTool::None;
    int language = 1;            // 1 VHDL, 2 Verilog
    std::string exec_path;       // "ModelsimExecPath": a program in the V-System's directory
    std::string options;         // "Modelsim": the V-System compiler's options
    std::string working_library; // empty: "work"
    bool vhdl93 = false;         // GHDL's standard
    std::string elaborated_unit; // GHDL elaborates it, Icarus names its output after it;
                                 // empty: GHDL only analyses
    std::vector<std::filesystem::path> files;
};

// True when every program that counts succeeded. Without a tool nothing runs (true).
bool run_analysis(ui::Platform& platform, const AnalysisRequest& request);

} // namespace zeph
