// Action and condition labels: defaults that an implicit machine cannot have, labels that
// nothing uses, and labels without a text in the design's language.
#include "statemachine/machine_checker.h"

#include "foundation/kind_vocabulary.h"
#include "foundation/strings.h"

#include <unordered_set>

namespace zeph {

namespace {

// The fill-in of message 23 for a default label.
constexpr const char* kDefaultLabel = "Default %s '%s'";

// Counted from the usages themselves rather than from the stored use counts, which a design
// file may carry wrong.
std::unordered_set<const Label*> used_labels(const StateMachine& machine) {
    std::unordered_set<const Label*> used;
    auto add_actions = [&used](const std::vector<std::unique_ptr<LabelUsage>>& usages) {
        for (const auto& usage : usages)
            if (usage->label != nullptr) used.insert(usage->label);
    };
    if (machine.rest_present()) add_actions(machine.rest->action_usages);
    for (const auto& state : machine.states)
        add_actions(state->action_usages);
    for (const auto& transition : machine.transitions) {
        add_actions(transition->action_usages);
        if (transition->condition.label != nullptr) used.insert(transition->condition.label);
    }
    return used;
}

void check_label(const MachineChecker& checker, const Label& label, int kind,
                 const std::unordered_set<const Label*>& used) {
    std::string name = label_name(label);
    bool by_default =
        kind == kKindAction && (label.flags & (kDefaultOnStates | kDefaultOnTransitions));
    if (by_default && checker.implicit)
        checker.say(23, 1, 0, 0,
                    format_text(kDefaultLabel,
                                kind_name(checker.scope.design.target_language, kind, 0, 1).c_str(),
                                name.c_str()),
                    "Implicit");
    if (!by_default && !used.contains(&label)) checker.say(105, 0, kind, 0, name);
    if (checker.text_of(label).empty()) checker.say(105, 1, kind, 0, name);
}

} // namespace

void check_machine_labels(MachineChecker& checker) {
    const StateMachine& machine = checker.machine;
    if (machine.action_labels.empty() && exported_state_port(checker) == nullptr)
        checker.say(101, kKindAction, 0, 0);
    std::unordered_set<const Label*> used = used_labels(machine);
    for (const auto& label : machine.action_labels)
        check_label(checker, *label, kKindAction, used);
    for (const auto& label : machine.condition_labels)
        check_label(checker, *label, kKindCondition, used);
}

} // namespace zeph
