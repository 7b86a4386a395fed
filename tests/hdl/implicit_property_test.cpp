// Random structured implicit machines (sequences, IF groups that meet again, WHILE loops, loops
// through states, two loops on one state) are all accepted, and every text written for them
// is legal VHDL: the machines of many seeds go into one file that GHDL analyses at once.
#include "machine_builder.h"
#include "machine_simulation.h"
#include "statemachine/random_machines.h"
#include "text_test_support.h"

#include "statemachine/implicit_path_tree.h"

namespace {

using namespace machine_hdl_test;
using zeph::machine_testing::RandomMachines;

constexpr unsigned kSeeds = 120;

// The records of one random machine, drawn straight into the model: every condition reads an
// input port of its own, every state sets o, every conditional transition pulses p.
class RandomImplicitEntity {
  public:
    RandomImplicitEntity(Design& design, unsigned seed)
        : entity_(add_machine_entity(design, "random_" + std::to_string(seed))),
          machine_(machine_of(entity_)) {
        machine_.style = kStyleImplicit;
        machine_.assignment = kAssignmentNone;
        machine_.clock_port = "clk";
        machine_.reset_port = "rst";
        add_machine_port(entity_, "clk", kModeIn, kFunctionClock);
        add_machine_port(entity_, "rst", kModeIn, kFunctionReset);
        add_machine_port(entity_, "o", kModeOut, kFunctionNone, 0, true);
        add_machine_port(entity_, "p", kModeOut, kFunctionNone, 0, true);
        RandomMachines random(seed);
        random.structured(
            [this](const std::string& name) -> State& { return state(name); },
            [this](State& from, State& to, const std::string& condition) -> Transition& {
                return go(from, to, condition);
            });
        reset();
    }

    Entity& entity() { return entity_; }
    const StateMachine& machine() const { return machine_; }

  private:
    State& state(const std::string& name) {
        machine_.states.push_back(std::make_unique<State>());
        State& s = *machine_.states.back();
        s.name = name;
        s.number = static_cast<int>(machine_.states.size());
        s.action_usages.push_back(std::make_unique<LabelUsage>());
        s.action_usages.back()->label =
            &label(machine_.action_labels, "", s.number % 2 != 0 ? "o <= '1' ;" : "o <= '0' ;");
        return s;
    }

    Transition& go(State& from, State& to, const std::string& condition) {
        machine_.transitions.push_back(std::make_unique<Transition>());
        Transition& t = *machine_.transitions.back();
        t.from = &from;
        t.to = &to;
        for (const auto& other : machine_.transitions)
            if (other.get() != &t && other->from == &from) ++t.priority;
        if (condition.empty()) return t;
        // "cN = '1'" reads the input cN.
        std::string input = condition.substr(0, condition.find(' '));
        add_machine_port(entity_, input, kModeIn);
        t.condition.label = &label(machine_.condition_labels, "", condition);
        t.action_usages.push_back(std::make_unique<LabelUsage>());
        t.action_usages.back()->label = &pulse();
        return t;
    }

    void reset() {
        machine_.transitions.push_back(std::make_unique<Transition>());
        Transition& t = *machine_.transitions.back();
        t.reset = true;
        t.to = machine_.states.front().get();
        t.condition.label = &label(machine_.condition_labels, "reset", "rst='1'");
        machine_.reset_transition = &t;
    }

    Label& pulse() {
        if (pulse_ == nullptr) pulse_ = &label(machine_.action_labels, "pulse", "p <= '1' ;");
        return *pulse_;
    }

    static Label& label(std::vector<std::unique_ptr<Label>>& list, const std::string& name,
                        const std::string& text) {
        list.push_back(std::make_unique<Label>());
        Label& l = *list.back();
        l.name = name;
        l.vhdl_text = text;
        l.number = static_cast<int>(list.size());
        return l;
    }

    Entity& entity_;
    StateMachine& machine_;
    Label* pulse_ = nullptr;
};

TEST(ImplicitProperty, EveryRandomStructuredMachineIsAcceptedAndWrittenAsLegalVhdl) {
    Design design;
    design.keyword_case = kKeywordUpper;
    design.vhdl93 = true;
    std::string all;
    int deepest = 0;
    std::size_t states = 0;
    for (unsigned seed = 1; seed <= kSeeds; ++seed) {
        RandomImplicitEntity random(design, seed);
        PathTree tree = build_path_tree(random.machine());
        ASSERT_FALSE(tree.failed) << "seed " << seed << ": " << tree.error.s1 << " "
                                  << tree.error.s2 << " " << tree.error.s3;
        for (const auto& node : tree.nodes)
            deepest = std::max(deepest, node->depth);
        states += random.machine().states.size();
        std::string text = variant_text(design, random.entity(), kLanguageVhdl);
        // Every state waits at least once.
        for (const auto& s : random.machine().states)
            ASSERT_NE(text.find(" ;  -- " + s->name + "\n"), std::string::npos)
                << "seed " << seed << ": " << s->name;
        all += text;
    }
    std::printf("%u random machines, %zu states, deepest nesting %d\n", kSeeds, states, deepest);
    EXPECT_GE(deepest, 3);
    if (!hdl_text_test::tool_available("ghdl")) GTEST_SKIP() << "ghdl is not installed";
    hdl_text_test::ScratchDirectory scratch;
    hdl_text_test::write_file(scratch.path() / "random.vhd", all);
    EXPECT_TRUE(
        hdl_text_test::tool_succeeds({"ghdl", "-a", "--std=93", "random.vhd"}, scratch.path()));
}

} // namespace
