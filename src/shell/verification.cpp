// The verification operations of the session.
#include "shell/verification.h"

#include "blockdiagram/verify_run.h"
#include "hdl/generate_choices.h"
#include "hdl/hdl_context.h"
#include "hdl/skeleton_events.h"
#include "shell/machine_verify_hooks.h"
#include "shell/session.h"
#include "ui/held_report.h"

namespace zeph {

namespace {
// HDL files are refreshed and state machines checked where verification meets them.
VerifyOptions options_from(Session& session, const Design& design) {
    const Settings& settings = session.settings();
    VerifyOptions options;
    options.type_checks = !settings.verify.disable_type_checks;
    options.disable_warnings = settings.verify.disable_warnings;
    options.disable_notes = settings.verify.disable_notes;
    // While a project is open the program works inside its directory. (Assigned by count:
    // GCC 12 at -O3 warns falsely about overlapping copies for a short literal here.)
    options.project_directory.assign(1, '.');
    ui::Platform& platform = session.platform();
    DesignEvents& events = session.events();
    const std::string& library = settings.tools.working_library;
    options.hooks.refresh_skeletons = [&design, &platform, &events,
                                       &library](Report& report, Entity& entity,
                                                 Architecture& architecture) {
        HdlContext context(design, platform);
        context.working_library = library; // testbench files name it
        if (context.vhdl()) events.vhdl_keywords_written(design.keyword_case);
        refresh_skeletons_for_verification(context, report, entity, architecture);
    };
    options.hooks.refresh_process_skeleton = [&design, &platform, &events](
                                                 Report& report, Entity& entity,
                                                 Architecture& architecture, Process& process) {
        HdlContext context(design, platform);
        if (context.vhdl()) events.vhdl_keywords_written(design.keyword_case);
        refresh_process_skeleton_for_verification(context, report, entity, architecture, process);
    };
    add_state_machine_checks(options.hooks, design);
    return options;
}
} // namespace

bool verify_current_diagram(Session& session) {
    Design* design = session.design();
    if (design == nullptr || design->current_architecture == nullptr) return false;
    session.verification().forget();
    verify_current(*design, options_from(session, *design), session.report());
    return true;
}

bool verify_entire_design(Session& session) {
    Design* design = session.design();
    if (design == nullptr) return false;
    VerificationResults& results = session.verification();
    results.forget();
    VerifyOptions options = options_from(session, *design);
    options.hooks.keep_signals = [&results](Architecture& architecture,
                                            std::vector<ConnectByNameSignal>&& signals) {
        if (architecture.block_diagram)
            results.keep_signals(*architecture.block_diagram, std::move(signals));
    };
    verify_design(*design, options, session.report());
    results.design_verified(*design);
    return true;
}

bool quick_verify_for_generation(Session& session, const Architecture& architecture) {
    Design* design = session.design();
    if (design == nullptr) return true;
    // The request names the architecture as generation sees it; verification needs the
    // design's own record to mark.
    Architecture* found = nullptr;
    for (auto& entity : design->entities)
        for (auto& candidate : entity->architectures)
            if (candidate.get() == &architecture) found = candidate.get();
    if (found == nullptr || found->entity == nullptr) return true;
    // A run that finds nothing shows nothing: its report lines wait until the end tells.
    ui::HeldReport held(session.platform());
    Report report(held);
    quick_verify(*design, *found->entity, *found, options_from(session, *design), report);
    if (report.errors() + report.warnings() + report.notes() == 0) {
        session.platform().report_close();
        return true;
    }
    held.show();
    return report.errors() == 0;
}

bool generation_possible(const Session& session) {
    const Design* design = session.design();
    const VerificationResults& results = session.verification();
    return design != nullptr && results.generate_enabled() && !eligible_roots(*design).empty() &&
           results.still_current(*design);
}

} // namespace zeph
