// Every numbered message text of the program, keyed by family, number and variant.
#include "foundation/message_table.h"

#include <cstddef>

namespace zeph {

namespace {

struct Entry {
    MessageFamily family;
    int number;
    int variant;
    const char* text;
};

using F = MessageFamily;
constexpr int kMain = variant::kMain;
constexpr int kAlt = variant::kAlternative;
constexpr int kSuffix = variant::kSuffix;
constexpr int kPhrase = variant::kPhrase;

// Verification messages. Variants above 2 are numbered forms of one message (17: the
// complication by i3; 25, 28, 29, 33: the cases of the check).
constexpr Entry kEntries[] = {
    {F::Verification, 1, kMain, "Number of %s in %s %s must be one"},
    {F::Verification, 2, kMain, "%s not allowed in %s %s"},
    {F::Verification, 3, kMain, "No %s"},
    {F::Verification, 101, kMain, "No %s"},
    {F::Verification, 5, kMain, "%s name '%s' also used as %s name"},
    {F::Verification, 6, kMain, "%s name '%s' also used as %s name of %s '%s'"},
    {F::Verification, 8, kMain, "%s not allowed at non-%s %s '%s'"},
    {F::Verification, 9, kMain, "%s %s for %s '%s' not specified"},
    {F::Verification, 10, kMain, "Source of %s %s is not connected to %s '%s'"},
    {F::Verification, 11, kMain, "%s value '%d' of %s '%s' %s of %s '%s' is out of range"},
    {F::Verification, 12, kMain, "%s '%s' and %s '%s' have %s %s"},
    {F::Verification, 13, kMain, "%s '%s' and %s '%s' have %s %s"},
    {F::Verification, 13, kSuffix, " (although %s vs. non-%s)"},
    {F::Verification, 14, kMain, "%s is connected-by-name and cannot be connected to %s '%s'"},
    {F::Verification, 14, kAlt, "%s '%s' %s is circularly connected to its %s '%s'"},
    {F::Verification, 15, kMain, "%s %s of %s '%s' is not connected"},
    {F::Verification, 15, kAlt, "Input %s '%s' of %s '%s' is not connected and has no %s value"},
    {F::Verification, 16, kMain, "No %s attached to %s '%s' %s of %s '%s'"},
    {F::Verification, 17, kMain, " is too complicated ("},
    {F::Verification, 17, 10, "both source(s) and destination(s) of %s"},
    {F::Verification, 17, 11, "both %s destination and %s %s"},
    {F::Verification, 17, 12, "two %s destinations and %s(s)"},
    {F::Verification, 17, 13, "more than two %s destinations"},
    {F::Verification, 17, kSuffix, " connected)"},
    {F::Verification, 20, kMain, " is connected to a %s %s with more than one driving source"},
    {F::Verification, 20, kAlt, " is connected to a %s %s and to other %s"},
    {F::Verification, 21, kMain, "%s range for %s '%s' (%d %s %d)"},
    {F::Verification, 23, kMain, "%s not allowed for %s state machine"},
    {F::Verification, 23, kAlt, "Reset state needed for %s state machine with more than one state"},
    {F::Verification, 24, kMain, "Illegal reset condition '"},
    {F::Verification, 24, kAlt, "%s transition %s has no condition"},
    {F::Verification, 25, 10, "%s port flag defined on %d %s"},
    {F::Verification, 25, 11, "%s %s '%s' not found (see reset condition)"},
    {F::Verification, 25, 12, "%s port flag not found"},
    {F::Verification, 25, 13, "%s port %shas incorrect size"},
    {F::Verification, 25, 14, " (%s of %d bit%s required)"},
    {F::Verification, 25, 15,
     "%s port flag found on %s named '%s' while reset condition requests name '%s'"},
    {F::Verification, 25, 16, "%s port flag superfluously defined%s"},
    {F::Verification, 25, 17, " on %s '%s'"},
    {F::Verification, 26, kMain,
     "Exporting state register useless for state machine with only one state"},
    {F::Verification, 27, kMain,
     "Superfluous REST state for %s state machine with '%s' assignment"},
    {F::Verification, 27, kAlt, "REST state not allowed for %s state machine"},
    {F::Verification, 109, kMain,
     "Superfluous REST state for %s state machine with '%s' assignment"},
    {F::Verification, 109, kAlt, "REST state not allowed for %s state machine"},
    {F::Verification, 28, 10, "State assignment conflict for state '%s' and state '%s'"},
    {F::Verification, 28, 11, "Invalid (user defined) state code \"%s\" for state '%s'"},
    {F::Verification, 28, 12,
     "State code of state '%s' has %d bit%s, while longest state code has %d bit%s"},
    {F::Verification, 28, 13, "State '%s' has no (user defined) state code"},
    {F::Verification, 28, 14, "Too many states (%d) for '%s' assignment"},
    {F::Verification, 28, 15, "At least %d bits required for (user defined) state codes"},
    {F::Verification, 28, 16, "No valid state assignment for %s state machine"},
    {F::Verification, 29, 10,
     "Unreachable %s from state '%s' after transition with empty condition and priority %d"},
    {F::Verification, 29, 11, "No transition with empty condition starting from state '%s'"},
    {F::Verification, 29, 12, "Transition %sing in sheet %s not allowed"},
    {F::Verification, 30, kMain, "No exit from state '%s'"},
    {F::Verification, 30, kAlt, "No entry to state '%s'"},
    {F::Verification, 107, kMain, "No exit from state '%s'"},
    {F::Verification, 107, kAlt, "No entry to state '%s'"},
    {F::Verification, 31, kMain, "%s state machine divided into %d independent parts"},
    {F::Verification, 108, kMain, "%s state machine divided into %d independent parts"},
    {F::Verification, 32, kMain,
     "Duplicate %s label for %stransition with priority %d and %stransition with priority %d"},
    {F::Verification, 32, kSuffix, " starting at state '%s'"},
    {F::Verification, 33, 10,
     "Illegal %s state machine: found \"end_if\" state '%s' instead of state '%s' for \"if\" state "
     "'%s': entangled if statements"},
    {F::Verification, 33, 11,
     "Reached maximum recursion depth (%d) in %s state machine at state '%s'"},
    {F::Verification, 33, 12,
     "Illegal %s state machine: loop(s) from and to state '%s' must have precedence over "
     "\"leaving\" transition(s)"},
    {F::Verification, 33, 13,
     "Illegal %s state machine: loop from state '%s' through state '%s' contains illegal "
     "branch(es)"},
    {F::Verification, 34, kMain,
     "Error(s) during automatic refresh (due to changed features) of skeleton of %s file '%s'"},
    {F::Verification, 60, kMain,
     "%s '%s' is a %s: not yet supported, no HDL can be written for it"},
    {F::Verification, 35, kMain, "Duplicate postfix name '%s' found in %s %s and %s of %s %s"},
    {F::Verification, 40, kMain, "%s name '%s' %s"},
    {F::Verification, 41, kMain, "%s name '%s' %s"},
    {F::Verification, 42, kMain, "%s name '%s' %s"},
    {F::Verification, 45, kMain, "%s name '%s' %s"},
    {F::Verification, 46, kMain, "%s name '%s' %s"},
    {F::Verification, 47, kMain, "%s name '%s' %s"},
    {F::Verification, 40, kPhrase, "is a VHDL reserved word"},
    {F::Verification, 41, kPhrase, "is a VHDL 93 reserved word"},
    {F::Verification, 42, kPhrase, "is a Verilog reserved word"},
    {F::Verification, 45, kPhrase, "is not a legal VHDL identifier"},
    {F::Verification, 46, kPhrase, "is not a legal VHDL 93 identifier"},
    {F::Verification, 47, kPhrase, "is not a legal Verilog identifier"},
    {F::Verification, 48, kMain, "Duplicate %s name '%s'"},
    {F::Verification, 50, kMain, "Illegal %s value '%s' of %s '%s'"},
    {F::Verification, 50, 11, " (not an allowed integer)"},
    {F::Verification, 50, 12, " (referenced %s not found)"},
    {F::Verification, 50, 13, " (referenced %s has not matching type)"},
    {F::Verification, 102, kMain, "No %s file specified"},
    {F::Verification, 102, kAlt, "%s file '%s' not found in file system"},
    {F::Verification, 103, kMain, "Dangling %s in %s '%s' %s"},
    {F::Verification, 104, kMain, "%s '%s' of %s '%s' is not connected"},
    {F::Verification, 104, kAlt,
     "Local signal %s '%s' is connected to a %s of %s '%s' but has no proper name"},
    {F::Verification, 104, 10, "%s '%s' is not connected"},
    {F::Verification, 105, kMain, "%s '%s' never used"},
    {F::Verification, 105, kAlt, "%s '%s' has no %s text"},
    {F::Verification, 106, kMain,
     "%s '%s' both on global transition to state '%s' and on this state"},
    {F::Verification, 106, kAlt,
     "%s '%s' both on transition from state '%s' to state '%s' and on this state"},
    {F::Verification, 110, kMain,
     "%s '%s' and %s '%s' have ranges referring to different %s, which might cause elaboration "
     "problems"},
    {F::Verification, 111, kMain,
     "%s value '%s' of %s '%s' not successfully verified, but ignored for external %s"},
    {F::Verification, 118, kMain, " is not connected to a %s %s"},
    {F::Verification, 119, kMain, " is not connected to a %s %s"},
    {F::Verification, 151, kMain, "%s value '%s' of %s '%s' not computed due to referenced %s"},
    {F::Verification, 153, kMain, "Guarded %s '%s' needs a resolved type"},
    {F::Verification, 154, kMain, "%s %s '%s' of %s '%s' is not connected; default value used"},
    {F::Verification, 155, kMain, " needs a resolution function (multiple driving sources)"},
    {F::Verification, 156, kMain, "Proper name of %s '%s'"},
    {F::Verification, 156, kAlt, "Proper name of %s '%d' of %s '%s'"},
    {F::Verification, 156, kSuffix, " not used because %s is not a local signal"},
    {F::Verification, 157, kMain,
     "Skeleton of %s file '%s' automaticly refreshed due to changed features"},

    // System messages (the prefix is added when shown).
    {F::System, 3, kMain, "Memory allocation error"},
    {F::System, 4, kMain, "Cannot open file '%s' (for %sing)"},
    {F::System, 7, kMain, "Error(s) writing file '%s'"},
    {F::System, 32, kMain, "Cannot open settings file '%s'"},
    {F::System, 40, kMain, "'%s' %s"},
    {F::System, 41, kMain, "'%s' %s"},
    {F::System, 42, kMain, "'%s' %s"},
    {F::System, 45, kMain, "'%s' %s"},
    {F::System, 46, kMain, "'%s' %s"},
    {F::System, 47, kMain, "'%s' %s"},
    {F::System, 48, kMain, "Duplicate %s name"},
    {F::System, 50, kMain, "'%s' is not a legal value in this context"},
    {F::System, 102, kMain, "Input file '%s' incorrect at line %d"},
    {F::System, 102, kAlt, "Input file '%s' incorrect (not an ZEPH/HDL %s file)"},
    {F::System, 103, kMain, "Expired version of input file"},
    {F::System, 1501, kMain, "Internal error (%d)(%s)"},
    {F::System, 1502, kMain, "Internal error (%d)(%s)"},

    // Framework messages (the text includes its prefix).
    {F::Framework, 3, kMain, "Error   %3d: Memory allocation error"},
    {F::Framework, 4, kMain, "Error   %3d: Cannot open file '%s'"},
    {F::Framework, 5, kMain, "Error   %3d: Environment variable '%s' is not set"},
    {F::Framework, 31, kMain, "Warning %3d: Environment variable '%s' is not set"},
    {F::Framework, 32, kMain, "Warning %3d: Cannot open settings file '%s'"},
    {F::Framework, 42, kMain, "Error   %3d: No spoolscript present"},
    {F::Framework, 43, kMain, "Error   %3d: Error(s) in spoolscript"},
    {F::Framework, 44, kMain, "Error   %3d: Executable '%s' not found or unable to execute"},
    {F::Framework, 45, kMain,
     "Error   %3d: No 'Device' entry found\nin section [Windows] of 'win.ini'"},
    {F::Framework, 46, kMain, "Error   %3d: Unable to retrieve printer\ninformation for '%s'"},
    {F::Framework, 47, kMain,
     "Error   %3d: Unable to retrieve driver and output\ninformation from device entry ('%s')"},
    {F::Framework, 48, kMain,
     "Error   %3d: Unable to load library for driver '%s'\n(Loading error %d)"},
    {F::Framework, 49, kMain, "Error   %3d: Unable to read colour entries from '%s'"},
    {F::Framework, 52, kMain, "Warning %3d: Colour '%s' unknown"},
};

const char* const kFragments[] = {
    nullptr,
    "%s '%s'",
    "%s '%d' of %s '%s'",
    "Error   %3d: ",
    "Warning %3d: ",
    "Note    %3d: ",
    "Undocumented message. Please print this report, save the design, and notify your "
    "distributor (%d)(%d)(%d)(%s)(%s)(%s)",
    "%s '%s' of %s '%s'",
    "%s %s",
    "%s '%s' in %s:",
    "%s '%s':",
    "%d error%s, %d warning%s, and %d note%s in this %s.",
    "Please send a bug report with a copy\nof this file to CALDERWYNE Support.",
    "Unknown error or warning (%d)(%s)",
    "Error   %3d: Unknown error or warning",
    "Illegal pwd.",
};

const char* const kValueRoleCapitalised[] = {"Default", "Actual",  "Left range", "Right range",
                                             "Index",   "Minimum", "Maximum",    "Type"};
const char* const kValueRoleLower[] = {"default", "actual",  "left range", "right range",
                                       "index",   "minimum", "maximum",    "type"};
const char* const kModeWords[] = {"", "In", "Out", "Inout", "Buffer"};
const char* const kArchitectureKindWords[] = {"", "Block Diagram", "HDL File", "State Diagram",
                                              "Table Diagram"};

const char* const kAssignmentNames[] = {" - ",     "Enumerate", "Binary",      "Gray code",
                                        "One Hot", "Two Hot",   "User defined"};
const char* const kSpecialFunctionWords[] = {"", "Clock", "Reset", "State Register"};

template <std::size_t N> const char* word_at(const char* const (&words)[N], int index) {
    if (index < 0 || index >= static_cast<int>(N)) return "";
    return words[index];
}

} // namespace

Severity severity_of(int number) {
    if (number <= 100) return Severity::Error;
    if (number <= 150) return Severity::Warning;
    return Severity::Note;
}

const char* message_text(MessageFamily family, int number, int which) {
    for (const Entry& e : kEntries)
        if (e.family == family && e.number == number && e.variant == which) return e.text;
    return nullptr;
}

const char* fragment_text(int id) {
    return id <= 0 ? "" : word_at(kFragments, id);
}

const char* value_role_word(int index, bool capitalised) {
    return capitalised ? word_at(kValueRoleCapitalised, index) : word_at(kValueRoleLower, index);
}

const char* mode_word(int mode) {
    return word_at(kModeWords, mode);
}
const char* architecture_kind_word(int kind) {
    return word_at(kArchitectureKindWords, kind);
}
const char* assignment_name(int assignment) {
    return word_at(kAssignmentNames, assignment);
}
const char* special_function_word(int function) {
    return word_at(kSpecialFunctionWords, function);
}

} // namespace zeph
