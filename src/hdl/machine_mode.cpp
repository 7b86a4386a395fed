// Which actions a machine has, and the process layout that follows from when they run.
#include "hdl/machine_generation.h"

namespace zeph {

bool actions_clocked(int timing) {
    return timing == kActionsClocked || timing == kActionsClockedDelayed;
}

unsigned machine_action_flags(const StateMachine& machine) {
    unsigned flags = 0;
    for (const auto& label : machine.action_labels) {
        if (label->flags & kDefaultOnStates) flags |= kStateActionsExist;
        if (label->flags & kDefaultOnTransitions) flags |= kTransitionActionsExist;
    }
    if (machine.rest && !machine.rest->action_usages.empty()) flags |= kStateActionsExist;
    for (const auto& state : machine.states)
        if (!state->action_usages.empty()) flags |= kStateActionsExist;
    for (const auto& t : machine.transitions) {
        if (t->action_usages.empty()) continue;
        if (t->reset)
            flags |= kResetActionsExist;
        else if (t->from != nullptr)
            flags |= kTransitionActionsExist;
    }
    return flags;
}

MachineMode machine_mode(const StateMachine& machine, unsigned flags) {
    bool state_actions = (flags & kStateActionsExist) != 0;
    if (actions_clocked(machine.transition_actions)) {
        if (actions_clocked(machine.state_actions) || !state_actions)
            return MachineMode::SingleClocked;
        return MachineMode::ClockedWithActions;
    }
    if (machine.state_actions == kActionsCombinational && state_actions)
        return MachineMode::SplitWithActions;
    return MachineMode::Split;
}

} // namespace zeph
