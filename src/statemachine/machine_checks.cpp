// The three phases of the state machine checks, the scope they report in, and the helpers
// that their steps share.
#include "statemachine/machine_checker.h"

#include "design/status_flags.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/strings.h"
#include "statemachine/assignment_check.h"
#include "statemachine/machine_labels.h"
#include "statemachine/machine_messages.h"

namespace zeph {

StateMachine* machine_of(const MachineScope& scope) {
    if (scope.process != nullptr) return scope.process->state_machine.get();
    return scope.architecture.state_machine.get();
}

unsigned& status_of(const MachineScope& scope) {
    return scope.process != nullptr ? scope.process->status : scope.architecture.status;
}

MachineChecker::MachineChecker(const MachineScope& s, StateMachine& m)
    : scope(s), machine(m), rules(s.design.language_checking),
      verilog(s.design.target_language == kLanguageVerilog), implicit(m.style == kStyleImplicit) {}

void MachineChecker::say(int number, int i1, int i2, int i3, const std::string& s1,
                         const std::string& s2, const std::string& s3, int form) const {
    Finding f;
    f.number = number;
    f.i1 = i1;
    f.i2 = i2;
    f.i3 = i3;
    f.s1 = s1.c_str();
    f.s2 = s2.c_str();
    f.s3 = s3.c_str();
    f.entity = &scope.entity;
    f.architecture = &scope.architecture;
    f.process = scope.process;
    f.form = form;
    scope.report.set_context(f.entity, f.architecture, f.process);
    scope.report.report(f);
}

const std::vector<std::unique_ptr<Port>>& MachineChecker::ports() const {
    return scope.process != nullptr ? scope.process->ports : scope.entity.ports;
}

std::string MachineChecker::port_name(const Port& port) const {
    return is_process() ? std::string() : port.name;
}

const std::string& MachineChecker::text_of(const Label& label) const {
    return label_text(label, verilog);
}

int drawn_states(const StateMachine& machine) {
    return static_cast<int>(machine.states.size()) + (machine.rest_present() ? 1 : 0);
}

std::string label_name(const Label& label) {
    return label.name.empty() ? std::string(machine_text::kNoName) : label.name;
}

std::string sheet_position(Point point) {
    return format_text("at (%d, %d)", point.x, point.y);
}

void check_machine_structure(const MachineScope& scope) {
    if (StateMachine* machine = machine_of(scope)) {
        MachineChecker checker(scope, *machine);
        if (machine->states.empty()) checker.say(101, kKindState, 0, 0);
        check_state_names(checker);
        check_reset_and_special_ports(checker);
        check_state_assignment(
            *machine,
            assignment_rules(scope.design.language_checking, scope.design.vhdl_vector_type),
            scope.report, &scope.entity, &scope.architecture, scope.process);
        check_machine_labels(checker);
        check_transitions(checker);
        check_independent_parts(checker);
    }
    status_of(scope) |= kStatusPhase1;
}

void check_machine_control(const MachineScope& scope) {
    if (StateMachine* machine = machine_of(scope)) {
        MachineChecker checker(scope, *machine);
        check_duplicate_conditions(checker);
        if (checker.implicit && !machine->states.empty()) analyse_path_tree(checker);
    }
    status_of(scope) |= kStatusPhase3;
}

void check_machine_export_and_control(const MachineScope& scope) {
    check_machine_state_register(scope);
    if ((status_of(scope) & kStatusError) == 0) check_machine_control(scope);
}

} // namespace zeph
