// Machines read from a design file go through the editing operations: a deep copy writes the
// same text as its original; codes are assigned and checked; a state is deleted, added and
// copied and transitions are drawn between states; and the design written afterwards reads
// again. Every machine, before and after the edits, also goes through the path tree of implicit
// machines, which must stay within its depth limit and build each state once. Nothing may
// crash, whatever the file held.
#include "design/block_diagram.h"
#include "design/design_file.h"
#include "design/entity.h"
#include "design/report.h"
#include "foundation/clock.h"
#include "foundation/cwexcept.h"
#include "foundation/cwmem.h"
#include "statemachine/assignment_check.h"
#include "statemachine/diagram_geometry.h"
#include "statemachine/implicit_path_tree.h"
#include "statemachine/machine_copy.h"
#include "statemachine/state_codes.h"
#include "statemachine/state_edits.h"
#include "statemachine/transition_edits.h"
#include "ui/scripted_platform.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string_view>
#include <vector>

namespace {

void on_error(int, const char*) {}

void check(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "state_machine_fuzz: %s\n", what);
    std::abort();
}

std::vector<std::unique_ptr<zeph::StateMachine>*> machines_of(zeph::Design& design) {
    std::vector<std::unique_ptr<zeph::StateMachine>*> found;
    for (auto& entity : design.entities)
        for (auto& architecture : entity->architectures) {
            if (architecture->state_machine) found.push_back(&architecture->state_machine);
            if (!architecture->block_diagram) continue;
            for (auto& process : architecture->block_diagram->processes)
                if (process->state_machine) found.push_back(&process->state_machine);
        }
    return found;
}

void analyse(const zeph::StateMachine& m) {
    zeph::PathTree tree = zeph::build_path_tree(m);
    std::set<const zeph::State*> built;
    for (const auto& node : tree.nodes) {
        check(node->depth <= zeph::kMaxPathDepth, "a path node beyond the depth limit");
        if (!node->leaf) check(built.insert(node->state).second, "a state built twice");
    }
    check(tree.failed || (tree.root == nullptr) == m.states.empty(), "an accepted tree rootless");
}

void edit(zeph::StateMachine& m, const zeph::MachineContext& context) {
    zeph::assign_codes(m);
    zeph::Report report(context.platform);
    zeph::check_state_assignment(m, zeph::assignment_rules(3, ""), report, nullptr, nullptr,
                                 nullptr);
    if (!m.states.empty()) zeph::delete_state(m, *m.states.front());
    zeph::add_state(m, context, {1024, 1024}, std::string("fuzz_a"));
    if (m.states.size() >= 2) {
        zeph::State& a = *m.states.front();
        zeph::State& b = *m.states.back();
        zeph::add_curved_transition(m, context, zeph::box_centre(a.box), zeph::box_centre(b.box));
        zeph::add_transition(m, context,
                             {zeph::box_centre(b.box), {0, 0}, zeph::box_centre(a.box)});
        zeph::copy_state(m, context, a, {2147483647, -2147483647}, std::string("fuzz_b"));
    }
    std::vector<zeph::Transition*> transitions;
    for (auto& transition : m.transitions)
        transitions.push_back(transition.get());
    for (zeph::Transition* t : transitions) {
        zeph::move_transition_point(m, context, *t, t->points.size() / 2, {-5, 7});
        zeph::move_transition_point(m, context, *t, 0, {1024, 1024});
        zeph::delete_transition_point(m, context, *t, 1);
        zeph::delete_transition_segment(m, context, *t, 0);
        zeph::move_transition_segment(m, context, *t, 0, {2147483647, 0});
        zeph::edit_transition(m, context, *t, {nullptr, false, t->priority + 1});
    }
    if (!m.transitions.empty()) zeph::remove_transition(m, *m.transitions.front());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!cwmem_initialised()) cwmem_init();
    // The design file's time stamp must not tell the original's write from the copy's.
    zeph::set_fixed_clock(std::time_t{0});
    cwexcept_set_channels(nullptr, nullptr, on_error, on_error, on_error, on_error);
    std::string_view text(reinterpret_cast<const char*>(data), size);
    zeph::Design design;
    if (zeph::read_design_text(text, design) != 0) return 0;
    std::vector<std::unique_ptr<zeph::StateMachine>*> machines = machines_of(design);
    if (machines.empty()) return 0;
    const std::string written = zeph::design_file_text(design);
    for (std::unique_ptr<zeph::StateMachine>* slot : machines) {
        std::unique_ptr<zeph::StateMachine> copy = zeph::copy_machine(**slot);
        std::swap(*slot, copy);
        check(zeph::design_file_text(design) == written, "a copy writes another text");
        std::swap(*slot, copy);
    }
    ui::ScriptedPlatform platform;
    zeph::StateDiagramSettings settings;
    zeph::MachineContext context{design, platform, settings};
    for (std::unique_ptr<zeph::StateMachine>* slot : machines) {
        analyse(**slot);
        edit(**slot, context);
        analyse(**slot);
    }
    zeph::Design again;
    check(zeph::read_design_text(zeph::design_file_text(design), again) == 0,
          "the edited design does not read again");
    return 0;
}
