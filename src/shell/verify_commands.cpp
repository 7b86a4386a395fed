// Verification commands of the shell and the enable state of the generate command.
#include "shell/verify_commands.h"

#include "blockdiagram/verify_run.h"
#include "design/architecture.h"
#include "design/design.h"
#include "design/design_file.h"
#include "hdl/hdl_context.h"
#include "hdl/skeleton_events.h"
#include "shell/command_table.h"
#include "shell/project_session.h"
#include "shell/settings_file.h"
#include "shell/shell.h"
#include "ui/platform.h"

namespace zeph {

namespace {

bool g_generate_enabled = false;

// The connect-by-name signals of the last whole-design run, and the design's text as that run
// left it (without the time stamp of the header).
std::vector<std::pair<const BlockDiagram*, std::vector<ConnectByNameSignal>>> g_signals;
std::string g_verified_text;

std::string text_without_time_stamp(const Design& design) {
    std::string text = design_file_text(design);
    // The time stamp is the third line: keep what follows its line feed.
    std::size_t cut = text.find('\n');
    for (int line = 1; line < 3 && cut != std::string::npos; ++line)
        cut = text.find('\n', cut + 1);
    return cut == std::string::npos ? text : text.substr(cut);
}

void forget_verification() {
    g_generate_enabled = false;
    g_signals.clear();
    g_verified_text.clear();
}

// HDL files are refreshed where verification meets them; state machine checks come later.
VerifyOptions options_from(const SettingsFile& file, const Design& design) {
    const Settings& settings = file.settings();
    VerifyOptions options;
    options.type_checks = !settings.verify.disable_type_checks;
    options.disable_warnings = settings.verify.disable_warnings;
    options.disable_notes = settings.verify.disable_notes;
    // While a project is open the program works inside its directory. (Assigned by count:
    // GCC 12 at -O3 warns falsely about overlapping copies for a short literal here.)
    options.project_directory.assign(1, '.');
    options.hooks.refresh_skeletons = [&design](Report& report, Entity& entity,
                                                Architecture& architecture) {
        refresh_skeletons_for_verification(HdlContext(design), report, entity, architecture);
    };
    options.hooks.refresh_process_skeleton =
        [&design](Report& report, Entity& entity, Architecture& architecture, Process& process) {
            refresh_process_skeleton_for_verification(HdlContext(design), report, entity,
                                                      architecture, process);
        };
    return options;
}

bool verify_current_command(Shell& shell, SettingsFile& settings, ProjectSession& session) {
    Design* design = session.design();
    if (design == nullptr || design->current_architecture == nullptr) {
        shell.error("no diagram is open");
        return false;
    }
    forget_verification();
    verify_current(*design, options_from(settings, *design));
    return true;
}

bool verify_design_command(Shell& shell, SettingsFile& settings, ProjectSession& session) {
    Design* design = session.design();
    if (design == nullptr) {
        shell.error("no design is open");
        return false;
    }
    forget_verification();
    VerifyOptions options = options_from(settings, *design);
    options.hooks.keep_signals = [](Architecture& architecture,
                                    std::vector<ConnectByNameSignal>&& signals) {
        if (!signals.empty())
            g_signals.emplace_back(architecture.block_diagram.get(), std::move(signals));
    };
    verify_design(*design, options);
    g_generate_enabled = has_verified_root_candidate(*design);
    if (g_generate_enabled) g_verified_text = text_without_time_stamp(*design);
    return true;
}

} // namespace

bool generate_enabled() {
    return g_generate_enabled;
}

std::unordered_map<const BlockDiagram*, std::vector<const Net*>> verified_connect_by_name_signals() {
    std::unordered_map<const BlockDiagram*, std::vector<const Net*>> signals;
    for (const auto& [diagram, list] : g_signals)
        for (const ConnectByNameSignal& signal : list)
            signals[diagram].push_back(signal.net.get());
    return signals;
}

bool verification_still_current(const Design& design) {
    return g_generate_enabled && text_without_time_stamp(design) == g_verified_text;
}

void add_verify_commands(Shell& shell, SettingsFile& settings, ProjectSession& session) {
    session.on_design_replaced([] { forget_verification(); });
    CommandTable& table = shell.commands();
    table.add({"verify", "", "Verify the current diagram (architecture or process)", 0, 0,
               [&settings, &session](Invocation& inv) {
                   return verify_current_command(inv.shell, settings, session);
               }});
    table.add({"verify-design", "", "Verify the entire design", 0, 0,
               [&settings, &session](Invocation& inv) {
                   return verify_design_command(inv.shell, settings, session);
               }});
    table.add({"report", "", "Show the report window", 0, 0, [](Invocation&) {
                   ui::platform().report_bring_up();
                   return true;
               }});
}

} // namespace zeph
