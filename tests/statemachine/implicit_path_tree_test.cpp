// The path tree of implicit machines: which machines have the nested form of one sequential
// process, the depth and kind of every branch, and the first fault as message 33. Machines are
// built as model records; a property test builds random structured machines (sequences, IF
// groups that meet again, WHILE loops on a state, loops through states), which must all be
// accepted, and random unstructured ones, which must be refused without ever crashing.
#include "machine_test_support.h"

#include "random_machines.h"
#include "statemachine/implicit_path_tree.h"
#include "statemachine/machine_checks.h"

#include <cstdio>
#include <random>
#include <set>

namespace zeph::machine_testing {
namespace {

class PathTreeTest : public MachineTest {
  protected:
    PathTreeTest() { machine().style = kStyleImplicit; }

    State& st(const std::string& name) {
        machine().states.push_back(std::make_unique<State>());
        State& s = *machine().states.back();
        s.name = name;
        s.number = static_cast<int>(machine().states.size());
        return s;
    }
    // A transition after the ones that already leave the state; a condition text gives it a
    // condition label of its own.
    Transition& go(State& from, State& to, const std::string& condition = {}) {
        machine().transitions.push_back(std::make_unique<Transition>());
        Transition& t = *machine().transitions.back();
        t.from = &from;
        t.to = &to;
        for (const auto& other : machine().transitions)
            if (other.get() != &t && other->from == &from) ++t.priority;
        if (!condition.empty())
            use_label(t.condition, &this->condition("c" + std::to_string(++labels_), condition));
        return t;
    }
    void reset_to(State& s) {
        machine().transitions.push_back(std::make_unique<Transition>());
        Transition& t = *machine().transitions.back();
        t.reset = true;
        t.to = &s;
        t.priority = kResetPriority;
        use_label(t.condition, &condition("rst", "rst='1'"));
        machine().reset_transition = &t;
    }
    // The report lines of the control checks.
    std::vector<std::string> control_report() {
        std::size_t before = platform.report_lines().size();
        Report report(platform);
        report.start(ReportScope::Design);
        check_machine_control({design, report, *design.root, *architecture});
        std::vector<std::string> lines = platform.report_lines();
        return {lines.begin() + static_cast<std::ptrdiff_t>(before), lines.end()};
    }
    std::string error33() {
        for (const std::string& line : control_report())
            if (line.rfind("Error    33: ", 0) == 0) return line.substr(13);
        return {};
    }

    static const PathNode* node_of(const PathTree& tree, const std::string& name) {
        for (const auto& node : tree.nodes)
            if (node->state->name == name && !node->leaf) return node.get();
        return nullptr;
    }

    int labels_ = 0;
};

TEST_F(PathTreeTest, ASelfLoopListedAfterALeavingTransitionIsRefused) {
    State& a = st("a");
    State& b = st("b");
    reset_to(a);
    go(a, b);
    go(b, a, "x = '1'");
    go(b, b);
    EXPECT_EQ(error33(), "Illegal Implicit state machine: loop(s) from and to state 'b' must have "
                         "precedence over \"leaving\" transition(s)");
    // Listed first it is a WHILE loop one level in, and the state leaves by a plain step.
    machine().transitions.pop_back();
    machine().transitions.pop_back();
    go(b, b, "x = '1'");
    go(b, a);
    PathTree tree = build_path_tree(machine());
    ASSERT_FALSE(tree.failed) << tree.error.s1;
    const PathNode* nb = node_of(tree, "b");
    ASSERT_NE(nb, nullptr);
    ASSERT_EQ(nb->branches.size(), 2u);
    EXPECT_EQ(nb->branches[0].kind, kBranchSelfLoop);
    ASSERT_NE(nb->branches[0].child, nullptr);
    EXPECT_TRUE(nb->branches[0].child->leaf);
    EXPECT_EQ(nb->branches[0].child->depth, 1);
    EXPECT_EQ(nb->branches[1].kind, kBranchPlain | kBranchPathEnd);
    // An accepted machine passes the control checks without any error.
    for (const std::string& line : control_report())
        EXPECT_EQ(line.rfind("Error", 0), std::string::npos) << line;
}

TEST_F(PathTreeTest, AChainOfPlainStepsStaysAtOneDepthAndDeepNestingStopsAtTheLimit) {
    std::vector<State*> chain;
    for (int i = 0; i < 500; ++i)
        chain.push_back(&st("s" + std::to_string(i)));
    reset_to(*chain[0]);
    for (int i = 0; i < 500; ++i)
        go(*chain[i], *chain[(i + 1) % 500]);
    PathTree tree = build_path_tree(machine());
    ASSERT_FALSE(tree.failed);
    EXPECT_EQ(tree.nodes.size(), 500u);
    for (const auto& node : tree.nodes)
        EXPECT_EQ(node->depth, 0) << node->state->name;

    // Each state leaves by an IF one level deeper or goes back to the start: 101 levels of
    // IF are still written, the 102nd is refused with the limit.
    machine().transitions.clear();
    machine().condition_labels.clear();
    reset_to(*chain[0]);
    for (int i = 0; i < 102; ++i) {
        go(*chain[i], *chain[i + 1], "go = '1'");
        go(*chain[i], *chain[0]);
    }
    for (int i = 102; i < 500; ++i)
        go(*chain[i], *chain[(i + 1) % 500]);
    EXPECT_EQ(error33(), "Reached maximum recursion depth (100) in Implicit state machine at "
                         "state 's101'");
    machine().transitions.erase(machine().transitions.begin() + 1 + 2 * 100,
                                machine().transitions.begin() + 1 + 2 * 102);
    go(*chain[100], *chain[0]);
    tree = build_path_tree(machine());
    EXPECT_FALSE(tree.failed) << tree.error.s1;
    const PathNode* last = node_of(tree, "s100");
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->depth, 100);
}

TEST_F(PathTreeTest, BranchesThatMeetAtDifferentStatesAreEntangled) {
    State& r = st("r");
    State& n = st("n");
    State& m1 = st("m1");
    State& m2 = st("m2");
    reset_to(r);
    go(r, n);
    go(n, m1, "c = '1'");
    go(n, m2, "d = '1'");
    go(n, m1);
    go(m1, m2);
    go(m2, r);
    EXPECT_EQ(error33(), "Illegal Implicit state machine: found \"end_if\" state 'm2' instead of "
                         "state 'm1' for \"if\" state 'n': entangled if statements");
    // A branch that ends the path while the others meet is entangled with the stop state.
    machine().transitions.erase(machine().transitions.begin() + 3);
    Transition& back = go(n, r, "e = '1'");
    for (auto& t : machine().transitions)
        if (t->from == &n && t->to == &m1 && t->condition.label == nullptr) t->priority = 2;
    back.priority = 1;
    EXPECT_EQ(error33(), "Illegal Implicit state machine: found \"end_if\" state 'r' instead of "
                         "state 'm1' for \"if\" state 'n': entangled if statements");
}

TEST_F(PathTreeTest, GroupsResolveAtTheirEndIfStateAndItsCodeFollowsAtTheSameDepth) {
    State& r = st("r");
    State& n = st("n");
    State& x = st("x");
    State& y = st("y");
    State& e = st("e");
    reset_to(r);
    go(r, n);
    go(n, x, "a = '1'");
    go(n, y, "b = '1'");
    go(n, e);
    go(x, e);
    go(y, e);
    go(e, r);
    PathTree tree = build_path_tree(machine());
    ASSERT_FALSE(tree.failed) << tree.error.s1;
    const PathNode* nn = node_of(tree, "n");
    ASSERT_NE(nn, nullptr);
    ASSERT_EQ(nn->branches.size(), 3u);
    EXPECT_EQ(nn->branches[0].kind, kBranchGroupedIf);
    EXPECT_EQ(nn->branches[1].kind, kBranchElsif);
    EXPECT_EQ(nn->branches[2].kind, kBranchElse);
    EXPECT_EQ(nn->branches[2].child, nullptr); // straight to the "end_if" state
    EXPECT_EQ(nn->end_if, &e);
    ASSERT_NE(nn->after_group, nullptr);
    EXPECT_EQ(nn->after_group->state, &e);
    EXPECT_EQ(nn->after_group->depth, 0);
    EXPECT_EQ(node_of(tree, "x")->depth, 1);
    EXPECT_EQ(tree.nodes.size(), 5u); // every state once

    // Without its ELSE branch the stop state falls through to the start of the process: an
    // IF without group whose branches each end the path.
    machine().transitions.clear();
    machine().condition_labels.clear();
    reset_to(r);
    go(r, x, "a = '1'");
    go(r, y, "b = '1'");
    go(x, r);
    go(y, r);
    tree = build_path_tree(machine());
    ASSERT_FALSE(tree.failed);
    EXPECT_EQ(tree.root->branches[0].kind, kBranchIf);
    EXPECT_EQ(tree.root->end_if, nullptr);
    EXPECT_EQ(node_of(tree, "x")->branches[0].kind, kBranchPlain | kBranchPathEnd);
}

TEST_F(PathTreeTest, LoopsThroughStatesHoldOnlyPlainStepsAndInnerIfParts) {
    State& r = st("r");
    State& h = st("h");
    State& b = st("b");
    State& p = st("p");
    State& q = st("q");
    State& j = st("j");
    State& out = st("out");
    reset_to(r);
    go(r, h);
    go(h, b, "more = '1'");
    go(h, out);
    go(b, p, "c = '1'");
    go(b, q);
    go(p, j);
    go(q, j);
    go(j, h);
    go(out, r);
    PathTree tree = build_path_tree(machine());
    ASSERT_FALSE(tree.failed) << tree.error.s1 << tree.error.s2;
    const PathNode* nh = node_of(tree, "h");
    ASSERT_NE(nh, nullptr);
    EXPECT_EQ(nh->branches[0].kind, kBranchLoop);
    EXPECT_EQ(nh->branches[1].kind, kBranchPlain);
    EXPECT_EQ(nh->branches[1].child->state, &out);
    EXPECT_EQ(nh->branches[1].child->depth, 0);
    const PathNode* nj = node_of(tree, "j");
    ASSERT_NE(nj, nullptr);
    EXPECT_EQ(nj->depth, 1);
    EXPECT_EQ(node_of(tree, "p")->depth, 2);
    EXPECT_EQ(nj->branches[0].kind, kBranchReturn);
    EXPECT_TRUE(nj->branches[0].child->leaf);
    EXPECT_EQ(node_of(tree, "b")->end_if, &j);

    // Leaving the loop from inside it is an illegal branch of the loop.
    Transition& leave = go(p, out, "stop = '1'");
    for (auto& t : machine().transitions)
        if (t->from == &p && t->to == &j) t->priority = 1;
    leave.priority = 0;
    EXPECT_EQ(error33(), "Illegal Implicit state machine: loop from state 'h' through state 'p' "
                         "contains illegal branch(es)");
    // So is a step back to the loop's state that is not the state's only exit.
    machine().transitions.pop_back();
    for (auto& t : machine().transitions)
        if (t->from == &p && t->to == &j) t->priority = 0;
    Transition& again = go(j, b, "again = '1'");
    for (auto& t : machine().transitions)
        if (t->from == &j && t->to == &h) t->priority = 1;
    again.priority = 0;
    EXPECT_NE(error33().find("contains illegal branch(es)"), std::string::npos);
    // A loop through states listed after the leaving transition must come first.
    machine().transitions.pop_back();
    for (auto& t : machine().transitions) {
        if (t->from == &j) t->priority = 0;
        if (t->from == &h) t->priority = 1 - t->priority;
    }
    EXPECT_EQ(error33(), "Illegal Implicit state machine: loop(s) from and to state 'h' must have "
                         "precedence over \"leaving\" transition(s)");
}

TEST_F(PathTreeTest, MalformedMachinesNeverCrashTheAnalysis) {
    EXPECT_FALSE(build_path_tree(machine()).failed); // no states: an empty tree
    State& a = st("a");
    State& b = st("b");
    go(a, b, "x = '1'"); // no reset: state 1 is the root
    go(b, b);            // b never leaves
    machine().transitions.push_back(std::make_unique<Transition>()); // a loose end
    machine().transitions.back()->from = &a;
    PathTree tree = build_path_tree(machine());
    EXPECT_TRUE(tree.failed);
    EXPECT_EQ(tree.stop_state, &a);
    EXPECT_EQ(tree.error.s1, "b");
}

TEST_F(PathTreeTest, RandomStructuredMachinesAreAcceptedAndScrambledOnesRefused) {
    auto st_fn = [this](const std::string& name) -> State& { return st(name); };
    auto go_fn = [this](State& a, State& b, const std::string& c) -> Transition& {
        return go(a, b, c);
    };
    int refused = 0;
    for (unsigned seed = 1; seed <= 150; ++seed) {
        machine().transitions.clear();
        machine().condition_labels.clear();
        machine().states.clear();
        machine().reset_transition = nullptr;
        RandomMachines random(seed);
        random.structured(st_fn, go_fn);
        reset_to(*machine().states.front());
        PathTree tree = build_path_tree(machine());
        ASSERT_FALSE(tree.failed) << "seed " << seed << ": " << tree.error.s1 << " "
                                  << tree.error.s2 << " " << tree.error.s3;
        std::set<const State*> built;
        for (const auto& node : tree.nodes) {
            EXPECT_LE(node->depth, kMaxPathDepth);
            if (!node->leaf) {
                EXPECT_TRUE(built.insert(node->state).second) << "seed " << seed;
            }
        }
        EXPECT_EQ(built.size(), machine().states.size()) << "seed " << seed;

        // Scrambled: conditional steps from random states to random states, put first.
        std::mt19937 random_steps(seed);
        int n = static_cast<int>(machine().states.size());
        for (int k = 0; k < 3; ++k) {
            State& from = *machine().states[random_steps() % n];
            State& to = *machine().states[random_steps() % n];
            Transition& t = go(from, to, "z = '1'");
            for (auto& other : machine().transitions)
                if (other->from == &from && other.get() != &t) ++other->priority;
            t.priority = 0;
        }
        tree = build_path_tree(machine());
        if (tree.failed) {
            ++refused;
            EXPECT_FALSE(tree.error.s1.empty());
            EXPECT_FALSE(error33().empty());
        }
    }
    // Most scrambles break the nesting; all of them must come back without a crash.
    std::printf("scrambled machines refused: %d of 150\n", refused);
    EXPECT_GT(refused, 75);
}

} // namespace
} // namespace zeph::machine_testing
