// The verification modes: the start of a run, the order of its phases with their error
// barriers, and the end with the summary and the window title.
#include "blockdiagram/verify_context.h"

#include "blockdiagram/design_walk.h"
#include "blockdiagram/net_geometry.h"
#include "design/block_diagram.h"
#include "design/status_flags.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/strings.h"

#include <vector>

namespace zeph {

namespace {

ReportScope scope_of(VerifyMode mode) {
    switch (mode) {
    case VerifyMode::Design:
        return ReportScope::Design;
    case VerifyMode::Process:
        return ReportScope::Process;
    default:
        return ReportScope::Architecture;
    }
}

void start_run(VerifyRun& run) {
    ui::Platform& platform = run.report.platform();
    platform.report_clear();
    run.report.start(scope_of(run.mode), run.design.target_language);
    run.report.set_context(nullptr, nullptr, nullptr);
    run.report.disable_warnings = run.options.disable_warnings;
    run.report.disable_notes = run.options.disable_notes;
    if (run.mode == VerifyMode::Quick) {
        platform.report_append(
            "Quick Verification of the Architecture to Determine Process Signals:");
        platform.report_append("");
    }
}

void clear_architecture(Architecture& architecture, bool processes) {
    architecture.status = 0;
    if (!processes || architecture.block_diagram == nullptr) return;
    for (auto& process : architecture.block_diagram->processes)
        process->status = 0;
}

void end_run(VerifyRun& run) {
    Report& report = run.report;
    ui::Platform& platform = report.platform();
    bool clean = report.errors() == 0 && report.warnings() == 0 && report.notes() == 0;
    if (run.mode == VerifyMode::Quick && clean) {
        // Nothing to show: not even the heading stays in the window.
        platform.report_clear();
        platform.report_close();
        return;
    }
    report.summary();
    int kind = run.mode == VerifyMode::Design    ? kKindDesign
               : run.mode == VerifyMode::Process ? kKindProcess
                                                 : kKindArchitecture;
    platform.report_title(kind_name(report.language(), kind, kKindCapital, 1) + " Verify");
    platform.report_bring_up();
}

// Connection checks and analysis of one architecture whose entity and name/value checks
// found no error.
void connect_architecture(VerifyRun& run, Entity& entity, Architecture& architecture) {
    if (has_error(entity.status) || has_error(architecture.status)) return;
    switch (architecture.kind) {
    case kArchitectureBlockDiagram: {
        Attachments attachments;
        if (check_connections(run, entity, architecture, attachments)) {
            analyse_connections(run, entity, architecture, attachments);
            if (run.options.hooks.keep_signals)
                run.options.hooks.keep_signals(architecture, std::move(attachments.signals));
        }
        break;
    }
    case kArchitectureHdlFile:
        if (run.options.hooks.refresh_skeletons) {
            run.report.set_context(&entity, &architecture, nullptr);
            run.options.hooks.refresh_skeletons(run.report, entity, architecture);
        }
        break;
    case kArchitectureStateDiagram:
        if (run.options.hooks.state_machine_checks) {
            run.report.set_context(&entity, &architecture, nullptr);
            run.options.hooks.state_machine_checks(run.report, entity, architecture, nullptr);
        } else {
            report_state_diagram_unsupported(run, entity, architecture, nullptr);
        }
        break;
    default:
        break;
    }
}

Architecture* top_level_diagram(Design& design) {
    if (design.root == nullptr) return nullptr;
    for (auto& architecture : design.root->architectures)
        if (architecture->kind == kArchitectureBlockDiagram) return architecture.get();
    return nullptr;
}

void run_design(VerifyRun& run) {
    std::vector<Entity*> entities;
    for_each_entity(run.design, [&](Entity& e) { entities.push_back(&e); });
    for (Entity* entity : entities) {
        entity->status = 0;
        for (auto& architecture : entity->architectures)
            clear_architecture(*architecture, true);
    }
    if (Architecture* top = top_level_diagram(run.design)) check_top_level(run, *top);
    for (Entity* entity : entities)
        if (!entity->is_library_module()) check_entity(run, *entity, true);
    for (Entity* entity : entities)
        if (!entity->is_library_module()) check_entity_values(run, *entity, true);
    for (Entity* entity : entities) {
        if (entity->is_library_module() || entity->external || has_error(entity->status)) continue;
        for (auto& architecture : entity->architectures)
            connect_architecture(run, *entity, *architecture);
    }
}

void run_architecture(VerifyRun& run, Entity& entity, Architecture& architecture) {
    entity.status = 0;
    clear_architecture(architecture, true);
    if (run.is_top_level(architecture)) check_top_level(run, architecture);
    check_entity(run, entity, true);
    check_entity_values(run, entity, true);
    connect_architecture(run, entity, architecture);
}

void run_process(VerifyRun& run, Entity& entity, Architecture& architecture, Process& process) {
    process.status = 0;
    check_process_names(run, entity, architecture, process);
    // The value checks of a process: its ports' default values.
    for (auto& port : process.ports) {
        std::string type = effective_type_name(port->type_name, port->range.has_range, run.rules);
        if (!default_value_is_legal(port->default_value, type))
            run.say(50, 0, kKindProcessPort, 0, port->default_value, process.name, {}, &entity,
                    &architecture, &process);
    }
    if (!has_error(process.status)) check_own_architecture(run, entity, architecture, process);
}

} // namespace

VerifyRun::VerifyRun(Design& d, const VerifyOptions& o, Report& r, VerifyMode m)
    : design(d), options(o), report(r), mode(m), rules(net_rules(d, !o.type_checks)) {}

void VerifyRun::say(int number, int i1, int i2, int i3, const std::string& s1,
                    const std::string& s2, const std::string& s3, Entity* entity,
                    Architecture* architecture, Process* process) {
    report.set_context(entity, architecture, process);
    report.report(number, i1, i2, i3, s1.c_str(), s2.c_str(), s3.c_str(), entity, architecture,
                  process);
}

bool VerifyRun::is_top_level(const Architecture& architecture) const {
    return design.root != nullptr && architecture.entity == design.root &&
           architecture.kind == kArchitectureBlockDiagram;
}

bool has_error(unsigned status) {
    return (status & kStatusError) != 0;
}

std::string position_text(Point p) {
    return format_text("at (%d, %d)", p.x, p.y);
}

void verify_design(Design& design, const VerifyOptions& options, Report& report) {
    VerifyRun run(design, options, report, VerifyMode::Design);
    start_run(run);
    run_design(run);
    end_run(run);
    mark_verified_down(design);
}

void verify_current(Design& design, const VerifyOptions& options, Report& report) {
    Entity* entity = design.current_entity;
    Architecture* architecture = design.current_architecture;
    Process* process = design.current_process;
    VerifyMode mode = process != nullptr ? VerifyMode::Process : VerifyMode::Architecture;
    VerifyRun run(design, options, report, mode);
    start_run(run);
    if (entity != nullptr && architecture != nullptr) {
        if (process != nullptr)
            run_process(run, *entity, *architecture, *process);
        else
            run_architecture(run, *entity, *architecture);
    }
    end_run(run);
}

void quick_verify(Design& design, Entity& entity, Architecture& architecture,
                  const VerifyOptions& options, Report& report) {
    VerifyRun run(design, options, report, VerifyMode::Quick);
    start_run(run);
    if (architecture.block_diagram != nullptr) {
        check_generic_defaults(run, entity);
        remove_empty_nets(*architecture.block_diagram);
        for (auto& net : architecture.block_diagram->nets) {
            net->connections.reset();
            net->bit_connections.clear();
            net->status |= kNetValid;
        }
        renumber_nets(*architecture.block_diagram);
        check_component_generics(run, entity, architecture);
        check_diagram_port_values(run, entity);
        check_component_port_ranges(run, entity, architecture);
        reset_process_ports(run, architecture);
        check_net_values(run, entity, architecture);
        Attachments attachments;
        if (check_connections(run, entity, architecture, attachments))
            analyse_connections(run, entity, architecture, attachments);
    }
    end_run(run);
}

} // namespace zeph
