// The design setup: the language settings every design carries, and the operation behind the
// "Design Setup" dialog that checks new values and applies them in a fixed order.
#pragma once

#include "hdl/design_events.h"

#include <string>
#include <string_view>

namespace zeph {

struct Design;

// Text limits of the setup fields.
inline constexpr std::size_t kSetupTypeLimit = 32;
inline constexpr std::size_t kSetupFileLimit = 256;
inline constexpr std::size_t kSetupInfoLimit = 50;

// The values the dialog edits, one field per control.
struct DesignSetup {
    int language = 1; // 1 VHDL, 2 Verilog
    int rules = 1;    // 1 VHDL rules, 2 Verilog rules, 3 both
    std::string signal_type;
    std::string vector_type;
    bool inline_attributes = false;
    bool vhdl93 = false;
    int keyword_case = 0; // 0 lower, 1 upper, 2 capitalised
    std::string vhdl_header_file;
    std::string verilog_header_file;
    int synthesis_tool = 0; // 0 to 7
    std::string designer;
    std::string company;
    std::string design_info;
    bool operator==(const DesignSetup&) const = default;
};

DesignSetup design_setup_of(const Design& design);

// The choices of the dialog: "VHDL" / "Verilog", "VHDL rules" / "Verilog rules" / "Both VHDL
// and Verilog", "Lowercase" / "Uppercase" / "Capitalized". Out of range: the first choice.
const char* target_choice_label(int language);
const char* rules_choice_label(int rules);
const char* keyword_case_label(int keyword_case);

// Typing into the signal type: while the vector type is empty, or still holds what an earlier
// signal type filled in, it follows as the signal type followed by "_Vector".
void edit_signal_type(DesignSetup& values, std::string_view signal_type);

enum class SetupOutcome {
    Refused,   // a check failed and was reported; nothing changed
    Unchanged, // the values equal the design's
    Applied,
};

// The dialog's OK: checks the signal and vector types (identifier rules, limit 32) and that
// the header files open for reading, reporting the first failure; then stores what changed,
// marks the HDL files for a skeleton check when a VHDL setting changed, switches the language,
// refreshes the status line and marks the design modified. The types are checked under the
// design's rules before the change.
SetupOutcome apply_design_setup(Design& design, const DesignSetup& new_values,
                                DesignEvents& events);

// True for a regular file that can be opened for reading (never waits on a pipe).
bool opens_for_reading(const std::string& path);

} // namespace zeph
