// Building the path tree of an implicit machine, and with it the structural checks.
//
// First a walk from the root sorts every transition: a self-loop, a step back to the stop state
// (the path ends there and the process starts over), a step back to a state on the current
// path (it closes a loop through states) or a step forward. A state entered by several forward
// steps has joins: the IF groups whose branches meet there. Then the tree is built from the
// root: loops first, then one plain step or an IF group, whose branches must all meet at the
// first such state that its IF branch reaches (its "end_if") or all end their path. The code of
// an "end_if" state is built once, by the group that takes its last join, so every state has
// one node and the tree stays as small as the machine.
#include "statemachine/implicit_path_tree.h"

#include "design/report.h"

#include <algorithm>
#include <unordered_map>

namespace zeph {

namespace {

enum class Step { Self, ToStop, Back, Forward };

// How the statements of a branch or a sequence end: the path ends (at the stop state, or by
// coming back to a loop's state), or they arrive at a state with joins still open, whose code
// an enclosing group writes.
struct Ending {
    bool arrived = false;
    const State* at = nullptr;
};

class PathTreeBuilder {
  public:
    PathTreeBuilder(const StateMachine& machine, PathTree& tree) : machine_(machine), tree_(tree) {}

    void build() {
        collect_states();
        if (states_.empty()) return;
        const State* root =
            machine_.reset_transition != nullptr ? machine_.reset_transition->to : nullptr;
        if (root == nullptr || slot_.count(root) == 0) root = machine_.states.front().get();
        stop_ = slot_.at(root);
        tree_.stop_state = root;
        sort_steps();
        find_loops();
        sequence(stop_, 0, nullptr, &tree_.root);
    }

  private:
    struct StateInfo {
        const State* state = nullptr;
        std::vector<const Transition*> exits; // priority order
        std::vector<int> forward_from;        // slots of the forward steps that enter
        int joins = 0;
        bool reached = false;
        bool built = false;
        std::vector<char> body; // of a loop's state: the states inside its loops
        std::vector<int> returns_from;
    };

    void collect_states() {
        auto add = [this](const State* s) {
            slot_.emplace(s, static_cast<int>(states_.size()));
            states_.push_back({});
            states_.back().state = s;
        };
        for (const auto& s : machine_.states)
            add(s.get());
        for (const auto& owned : machine_.transitions) {
            const Transition& t = *owned;
            if (t.reset || t.from == nullptr || t.to == nullptr) continue;
            if (slot_.count(t.from) == 0 || slot_.count(t.to) == 0) continue;
            states_[slot_.at(t.from)].exits.push_back(&t);
        }
        for (StateInfo& info : states_)
            std::stable_sort(
                info.exits.begin(), info.exits.end(),
                [](const Transition* a, const Transition* b) { return a->priority < b->priority; });
    }

    int target(const Transition* t) const { return slot_.at(t->to); }

    // A depth-first walk in priority order, without recursion.
    void sort_steps() {
        std::vector<char> on_path(states_.size(), 0);
        std::vector<std::pair<int, std::size_t>> path{{stop_, 0}};
        states_[stop_].reached = true;
        on_path[stop_] = 1;
        while (!path.empty()) {
            auto& [from, next] = path.back();
            StateInfo& info = states_[from];
            if (next == info.exits.size()) {
                on_path[from] = 0;
                path.pop_back();
                continue;
            }
            const Transition* t = info.exits[next++];
            int to = target(t);
            Step step = to == stop_   ? Step::ToStop
                        : to == from  ? Step::Self
                        : on_path[to] ? Step::Back
                                      : Step::Forward;
            step_[t] = step;
            if (step == Step::Back) states_[to].returns_from.push_back(from);
            if (step != Step::Forward) continue;
            states_[to].forward_from.push_back(from);
            if (states_[to].reached) continue;
            states_[to].reached = true;
            on_path[to] = 1;
            path.emplace_back(to, 0);
        }
        for (StateInfo& info : states_)
            info.joins = std::max(0, static_cast<int>(info.forward_from.size()) - 1);
    }

    // The states inside the loops of each loop's state: those that reach a step back to it
    // without passing it.
    void find_loops() {
        for (StateInfo& head : states_) {
            if (head.returns_from.empty()) continue;
            int head_slot = slot_.at(head.state);
            head.body.assign(states_.size(), 0);
            std::vector<int> pending = head.returns_from;
            for (int s : pending)
                head.body[s] = 1;
            while (!pending.empty()) {
                int s = pending.back();
                pending.pop_back();
                for (int from : states_[s].forward_from)
                    if (from != head_slot && from != stop_ && !head.body[from]) {
                        head.body[from] = 1;
                        pending.push_back(from);
                    }
            }
        }
    }

    bool in_loop_of(int head, const Transition* t) const {
        const StateInfo& info = states_[head];
        if (step_.at(t) == Step::Self) return head != stop_;
        return !info.body.empty() && step_.at(t) == Step::Forward && info.body[target(t)];
    }

    bool fail(int form, const std::string& s1, const std::string& s2 = {},
              const std::string& s3 = {}) {
        if (tree_.failed) return false;
        tree_.failed = true;
        tree_.error.form = form;
        tree_.error.s1 = s1;
        tree_.error.s2 = s2;
        tree_.error.s3 = s3;
        if (form == form33::kRecursionDepth) tree_.error.limit = kMaxPathDepth;
        return false;
    }

    const std::string& name(int slot) const { return states_[slot].state->name; }

    // Loops of a state other than the stop state must come before its leaving transitions,
    // and it must leave by an unconditional transition: staying is a loop too.
    bool check_precedence(int s) {
        bool leaving = false;
        bool unconditional = false;
        for (const Transition* t : states_[s].exits) {
            bool loop = in_loop_of(s, t);
            if (loop && leaving) return fail(form33::kLoopPrecedence, name(s));
            leaving = leaving || !loop;
            unconditional = unconditional || (!loop && t->condition.label == nullptr);
        }
        if (!unconditional) return fail(form33::kLoopPrecedence, name(s));
        return true;
    }

    // A loop through states holds only plain steps and IF groups, is entered only through its
    // state, comes back to it by plain steps only and is left only by the state itself.
    bool check_loop_body(int head) {
        const StateInfo& info = states_[head];
        for (std::size_t b = 0; b < states_.size(); ++b) {
            if (!info.body[b]) continue;
            const StateInfo& inner = states_[b];
            int s = static_cast<int>(b);
            bool sound = true;
            for (const Transition* t : inner.exits) {
                Step step = step_.at(t);
                int to = target(t);
                if (step == Step::Back)
                    sound = sound && to == head && inner.exits.size() == 1;
                else
                    sound = sound && step == Step::Forward && info.body[to];
            }
            for (int from : inner.forward_from)
                sound = sound && (from == head || info.body[from]);
            if (!sound) return fail(form33::kIllegalBranch, name(head), name(s));
        }
        return true;
    }

    PathNode* new_node(int s, int depth, PathNode* parent, bool leaf) {
        tree_.nodes.push_back(std::make_unique<PathNode>());
        PathNode* node = tree_.nodes.back().get();
        node->state = states_[s].state;
        node->depth = depth;
        node->parent = parent;
        node->leaf = leaf;
        return node;
    }

    // The statements from state `s` on: its node, then plain steps and the code after its
    // groups at the same depth, until the path ends or arrives at a state with open joins.
    Ending sequence(int s, int depth, PathNode* parent, PathNode** link) {
        for (;;) {
            if (tree_.failed) return {};
            if (depth > kMaxPathDepth) {
                fail(form33::kRecursionDepth, name(s));
                return {};
            }
            if (states_[s].built) {
                // Only a machine whose joins do not add up comes here twice.
                fail(form33::kEntangled, name(s), name(stop_), name(stop_));
                return {};
            }
            states_[s].built = true;
            PathNode* node = new_node(s, depth, parent, false);
            *link = node;
            std::vector<const Transition*> loops, leaving;
            for (const Transition* t : states_[s].exits) {
                // What follows an unconditional exit is never taken.
                if (!leaving.empty() && leaving.back()->condition.label == nullptr) break;
                (in_loop_of(s, t) ? loops : leaving).push_back(t);
            }
            if (s != stop_ && !check_precedence(s)) return {};
            if (!states_[s].body.empty() && !check_loop_body(s)) return {};
            if (!loops.empty() && !write_loops(s, node, loops)) return {};
            if (leaving.empty()) return {false, states_[stop_].state};
            if (leaving.size() == 1 && leaving.front()->condition.label == nullptr) {
                PathBranch& branch = node->branches.emplace_back();
                branch.transition = leaving.front();
                branch.kind = kBranchPlain;
                int to = target(branch.transition);
                Step step = step_.at(branch.transition);
                if (step != Step::Forward || states_[to].joins > 0)
                    return close_branch(node, branch, depth);
                parent = node;
                link = &branch.child;
                s = to;
                continue;
            }
            Ending end = write_group(s, node, leaving, depth, false);
            if (!end.arrived || states_[slot_.at(end.at)].joins > 0) return end;
            parent = node;
            link = &node->after_group;
            s = slot_.at(end.at);
        }
    }

    // A branch that does not go on into a new node here: it ends the path, closes a loop or
    // arrives at a state with joins.
    Ending close_branch(PathNode* node, PathBranch& branch, int depth) {
        int to = target(branch.transition);
        switch (step_.at(branch.transition)) {
        case Step::ToStop:
            branch.kind |= kBranchPathEnd;
            return {false, states_[stop_].state};
        case Step::Self:
            if (node->state == states_[stop_].state) {
                branch.kind |= kBranchPathEnd;
                return {false, states_[stop_].state};
            }
            if (depth > kMaxPathDepth) {
                fail(form33::kRecursionDepth, name(to));
                return {};
            }
            branch.child = new_node(to, depth, node, true);
            return {false, states_[to].state};
        case Step::Back:
            branch.kind = (branch.kind & ~kBranchPlain) | kBranchReturn;
            branch.child = new_node(to, node->depth, node, true);
            return {false, states_[to].state};
        case Step::Forward:
            break;
        }
        return {true, states_[to].state};
    }

    // One branch of a group, its statements one level deeper.
    Ending write_branch(PathNode* node, const Transition* t, unsigned kind, int depth) {
        PathBranch& branch = node->branches.emplace_back();
        branch.transition = t;
        branch.kind = kind;
        int to = target(t);
        if (step_.at(t) != Step::Forward || states_[to].joins > 0)
            return close_branch(node, branch, depth + 1);
        PathNode* child = nullptr;
        Ending end = sequence(to, depth + 1, node, &child);
        node->branches.back().child = child;
        return end;
    }

    // An IF group, or the loops of a state: the branches in priority order. They must all
    // end their path, or all meet at the state that the first one arrives at.
    Ending write_group(int s, PathNode* node, const std::vector<const Transition*>& exits,
                       int depth, bool loops) {
        std::size_t first = node->branches.size();
        Ending first_end;
        for (std::size_t i = 0; i < exits.size(); ++i) {
            const Transition* t = exits[i];
            unsigned kind = loops                           ? kBranchLoop
                            : i == 0                        ? kBranchIf
                            : t->condition.label == nullptr ? kBranchElse
                                                            : kBranchElsif;
            if (loops && exits.size() == 1 && step_.at(t) == Step::Self) kind = kBranchSelfLoop;
            Ending end = write_branch(node, t, kind, depth);
            if (tree_.failed) return {};
            if (i == 0) {
                first_end = end;
                continue;
            }
            if (!meets(end, first_end, s)) return {};
        }
        // At the stop state a group without ELSE falls through to the start of the process.
        if (!loops && exits.back()->condition.label != nullptr &&
            !meets({false, states_[stop_].state}, first_end, s))
            return {};
        if (!first_end.arrived) return first_end;
        StateInfo& end_if = states_[slot_.at(first_end.at)];
        int branches = static_cast<int>(exits.size());
        if (!loops && exits.back()->condition.label != nullptr) ++branches;
        end_if.joins -= branches - 1;
        if (!loops) {
            node->branches[first].kind = kBranchGroupedIf;
            node->end_if = first_end.at;
        } else {
            node->loop_end_if = first_end.at;
        }
        return first_end;
    }

    bool meets(const Ending& end, const Ending& expected, int s) {
        if (end.arrived == expected.arrived && (!end.arrived || end.at == expected.at)) return true;
        return fail(form33::kEntangled, end.at->name, expected.at->name, name(s));
    }

    // WHILE loops back to `s`: they all come back to it, after meeting inside if they meet.
    bool write_loops(int s, PathNode* node, const std::vector<const Transition*>& loops) {
        Ending end = write_group(s, node, loops, node->depth, true);
        if (tree_.failed) return false;
        if (end.arrived && states_[slot_.at(end.at)].joins == 0)
            end = sequence(slot_.at(end.at), node->depth + 1, node, &node->after_loop_group);
        if (tree_.failed) return false;
        if (end.arrived || end.at != states_[s].state)
            return fail(form33::kIllegalBranch, name(s), end.at->name);
        return true;
    }

    const StateMachine& machine_;
    PathTree& tree_;
    std::vector<StateInfo> states_;
    std::unordered_map<const State*, int> slot_;
    std::unordered_map<const Transition*, Step> step_;
    int stop_ = 0;
};

} // namespace

PathTree build_path_tree(const StateMachine& machine) {
    PathTree tree;
    PathTreeBuilder(machine, tree).build();
    return tree;
}

} // namespace zeph
