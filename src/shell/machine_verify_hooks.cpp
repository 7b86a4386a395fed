// The state machine checks at the places of verification that call them.
#include "shell/machine_verify_hooks.h"

#include "statemachine/machine_checks.h"

namespace zeph {

void add_state_machine_checks(VerifyHooks& hooks, const Design& design) {
    hooks.state_machine_names = [&design](Report& report, Entity& entity,
                                          Architecture& architecture, Process* process) {
        check_machine_structure({design, report, entity, architecture, process});
    };
    hooks.state_machine_checks = [&design](Report& report, Entity& entity,
                                           Architecture& architecture, Process* process) {
        check_machine_export_and_control({design, report, entity, architecture, process});
    };
    hooks.state_machine_suffixes = [&design](Report& report, Entity& entity,
                                             Architecture& architecture) {
        check_identifier_suffixes(design, report, entity, architecture);
    };
    hooks.state_machine_signals = [&design](Report& report, Entity& entity,
                                            Architecture& architecture, Process& process) {
        take_special_port_signals({design, report, entity, architecture, &process});
    };
}

} // namespace zeph
