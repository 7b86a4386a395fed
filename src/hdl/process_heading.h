// The system's lines of an HDL-file process: the heading with its sensitivity (Verilog:
// event) list, ending in the heading-end marker, and the end line.
//
//   VHDL     "  ctrl: PROCESS (clk, rst) IS\t\t-- ZEPH/VHDL sens.list"
//            "  END PROCESS ctrl ;"
//   Verilog  "  always @(posedge clk or rst) "
//            "  begin : ctrl  // ZEPH/Verilog sens.list"
//            "  end // ctrl"
#pragma once

#include <ostream>

namespace zeph {

struct HdlContext;
struct Process;

// Port sensitivity settings: none, on the list, positive edge, negative edge.
inline constexpr int kSensitivityNone = 0;
inline constexpr int kSensitivityListed = 1;
inline constexpr int kSensitivityPosedge = 2;
inline constexpr int kSensitivityNegedge = 3;

void write_process_heading(std::ostream& out, const HdlContext& context, const Process& process);
void write_process_end(std::ostream& out, const HdlContext& context, const Process& process);

} // namespace zeph
