// The setup of a new design and the values that carry over from the previous one.
#include "hdl/new_design_setup.h"

#include "design/design.h"
#include "foundation/strings.h"
#include "hdl/design_setup.h"
#include "hdl/identifier_rules.h"
#include "hdl/package_validation.h"

namespace zeph {

namespace {
void copy_default_packages(Design& design, const std::vector<PackageFields>& defaults,
                           const DesignEvents& events) {
    design.library_entries.clear();
    design.library_entries.set_next_identifier(1);
    for (const PackageFields& entry : defaults) {
        PackageFields fields = entry;
        if (!validate_specification(events.platform(), fields, true, design.language_checking,
                                    events.keyword_case_in_force(), nullptr))
            continue;
        PackageSpec* spec = new_package_spec();
        store_fields(*spec, fields);
        design.library_entries.append(spec); // numbered 1, 2, ... in list order
    }
}
} // namespace

void remember_setup_in_force(const Design& design, CarriedSetup& c) {
    c.vhdl93 = design.vhdl93;
    c.inline_attributes = design.inline_synthesis_attributes;
    c.keyword_case = design.keyword_case;
    c.vhdl_header_file = design.vhdl_header_file;
    c.verilog_header_file = design.verilog_header_file;
}

void reset_design_setup(Design& design, const NewDesignDefaults& defaults,
                        const DesignEvents& events) {
    bool vhdl = defaults.default_language == "Vhdl";
    design.target_language = vhdl ? 1 : 2;
    design.language_checking = vhdl ? kRulesVhdl : kRulesVerilog;
    design.vhdl_signal_type = bounded(defaults.signal_type, kSetupTypeLimit);
    design.vhdl_vector_type = bounded(defaults.vector_type, kSetupTypeLimit);
    design.synthesis_tool = defaults.synthesis_tool;
    design.company = bounded(defaults.company, kSetupInfoLimit);
    design.designer.clear();
    design.design_information.clear();
    const CarriedSetup& c = events.carried();
    design.vhdl93 = c.vhdl93;
    design.inline_synthesis_attributes = c.inline_attributes;
    design.keyword_case = c.keyword_case;
    design.vhdl_header_file = c.vhdl_header_file;
    design.verilog_header_file = c.verilog_header_file;
    copy_default_packages(design, defaults.packages, events);
}

} // namespace zeph
