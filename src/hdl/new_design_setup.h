// The setup a new design starts with. Types, synthesis tool, company, language, rules and the
// package list come from the settings; the VHDL93 flag, the in-line attributes, the keyword
// case and the two header files are not reset: a new design keeps the values last in force
// (off, off, lower case and empty when the program starts).
#pragma once

#include "hdl/design_events.h"
#include "hdl/package_validation.h"

#include <string>
#include <vector>

namespace zeph {

struct Design;

// What the settings give a new design.
struct NewDesignDefaults {
    std::string signal_type;               // "SignalType"
    std::string vector_type;               // "VectorType"
    std::string company;                   // "Company"
    std::string default_language = "Vhdl"; // "DefaultLanguage": exactly "Vhdl" is VHDL
    int synthesis_tool = 0;                // "SynthesisTool", already read by name
    std::vector<PackageFields> packages;   // the default list, in order
};

// Notes the design's values of the settings that carry over to the next new design. Applying
// the setup does this itself; whoever loads or replaces a design calls it too.
void remember_setup_in_force(const Design& design, CarriedSetup& carried);

// Gives a fresh design its setup, with the values the events carry over from the previous
// design. Entries of the default list are checked like the dialog checks them; an entry that
// fails is reported and left out.
void reset_design_setup(Design& design, const NewDesignDefaults& defaults,
                        const DesignEvents& events);

} // namespace zeph
