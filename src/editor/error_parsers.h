// Error parsers: each picks the source line number (and whether it is a warning) out of one
// line of a compiler's output.
//   V-System   "###### top.vhd(12): ..." or "ERROR: top.vhd(12): ..."
//   Leonardo   "\"top.vhd\", line 12: ..."
//   GHDL       "top.vhd:12:5: ..." and "top.vhd:12:5:warning: ..."
//   Icarus     "top.v:12: error: ..." and "top.v:12: warning: ..."
//   Verilator  "%Error: top.v:12:5: ..." and "%Warning-WIDTH: top.v:12:5: ..."
#pragma once

#include <optional>
#include <string_view>

namespace zped {

enum class ErrorParser { None, Vsystem, Leonardo, Ghdl, Icarus, Verilator };

struct ReportedLine {
    int line = 0; // 1-based line of the source file
    bool warning = false;
};

// The source line that a line of output reports, when it reports one for the compiled file
// (its name as the compiler was given it; V-System lines carry no name that is checked).
std::optional<ReportedLine> parse_result_line(ErrorParser parser, std::string_view text,
                                              std::string_view compiled_file);

} // namespace zped
