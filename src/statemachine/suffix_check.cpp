// Identifier suffixes of the state-diagram processes of one block diagram: two machines with
// the same suffix would declare the same identifiers in one architecture, unless in VHDL
// each sits in a block of its own.
#include "statemachine/machine_checks.h"

#include "design/architecture.h"
#include "design/block_diagram.h"
#include "design/process.h"
#include "foundation/kind_vocabulary.h"
#include "hdl/identifier_rules.h"

#include <vector>

namespace zeph {

void check_identifier_suffixes(const Design& design, Report& report, Entity& entity,
                               Architecture& architecture) {
    if (architecture.block_diagram == nullptr) return;
    bool verilog = design.target_language == kLanguageVerilog;
    std::vector<const Process*> machines;
    for (const auto& process : architecture.block_diagram->processes)
        if (process->kind == kProcessStateDiagram && process->state_machine != nullptr)
            machines.push_back(process.get());
    auto separated = [verilog](const Process* p) {
        return !verilog && p->state_machine->block_separation;
    };
    report.set_context(&entity, &architecture, nullptr);
    for (std::size_t i = 0; i < machines.size(); ++i)
        for (std::size_t j = i + 1; j < machines.size(); ++j) {
            const Process* a = machines[i];
            const Process* b = machines[j];
            if (separated(a) || separated(b)) continue;
            const std::string& suffix = a->state_machine->identifier_suffix;
            if (!names_equal(suffix, b->state_machine->identifier_suffix, design.language_checking))
                continue;
            report.report(35, 0, 0, 0, suffix.c_str(), a->name.c_str(), b->name.c_str(), &entity,
                          &architecture, nullptr);
        }
}

} // namespace zeph
