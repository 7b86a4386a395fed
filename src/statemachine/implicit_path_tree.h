// The path tree of an implicit machine: the shape of the one sequential process that such a
// machine is written as. Every state becomes a wait; its transitions become WHILE loops (loops
// back to the state), IF/ELSIF/ELSE groups and plain steps. A machine is accepted only when its
// transitions have that nested form; the first structural fault found is the tree's error.
//
// Sketch of what the tree stands for, for a state s at depth d:
//     actions of s; WAIT -- s
//     WHILE (loop conditions) LOOP ... END LOOP;     loops back to s, listed first
//     IF c1 THEN ... ELSIF c2 THEN ... ELSE ... END IF;   or one plain step
//     code of the group's "end_if" state, at depth d again
#pragma once

#include "design/state_machine.h"

#include <memory>
#include <string>
#include <vector>

namespace zeph {

// Branch kinds; a branch carries one of the first eight, possibly with kBranchPathEnd.
inline constexpr unsigned kBranchPlain = 1;      // the state's only leaving transition
inline constexpr unsigned kBranchSelfLoop = 2;   // a WHILE loop on the state itself
inline constexpr unsigned kBranchLoop = 4;       // one of several loops back to the state
inline constexpr unsigned kBranchReturn = 8;     // the step that closes a loop through states
inline constexpr unsigned kBranchIf = 16;        // IF whose branches never meet again
inline constexpr unsigned kBranchGroupedIf = 32; // IF of a group that meets at its "end_if"
inline constexpr unsigned kBranchElsif = 64;
inline constexpr unsigned kBranchElse = 128;
inline constexpr unsigned kBranchPathEnd = 4096; // back to the stop state: the path ends

// The deepest nesting of statements that the analysis accepts.
inline constexpr int kMaxPathDepth = 100;

struct PathNode;

struct PathBranch {
    const Transition* transition = nullptr;
    unsigned kind = 0;
    // The first statement of the branch: a node at the same depth after a plain step or a
    // return, one deeper otherwise. Null when the branch ends the path or arrives at the
    // "end_if" state of its group, which the group writes after its END IF.
    PathNode* child = nullptr;
};

struct PathNode {
    const State* state = nullptr;
    int depth = 0;
    PathNode* parent = nullptr;
    // A leaf stands for the wait of a state that a loop comes back to; nothing follows it.
    bool leaf = false;
    // In priority order: the loops first, then the leaving transitions.
    std::vector<PathBranch> branches;
    // Of a resolved IF group: the state where its branches meet and, when this group is the
    // last one to meet there, the node that continues after the END IF (same depth).
    const State* end_if = nullptr;
    PathNode* after_group = nullptr;
    // Of the loops of the node: the state where the loop branches meet inside the WHILE loop
    // before they come back, and the node that continues there.
    const State* loop_end_if = nullptr;
    PathNode* after_loop_group = nullptr;
};

// Message 33 in its forms: form33::kEntangled (s1 found, s2 expected, s3 the IF state),
// kRecursionDepth (i1 the limit, s1), kLoopPrecedence (s1), kIllegalBranch (s1 loop state,
// s2 the state where the loop came back).
struct PathTreeError {
    int form = 0;
    int limit = 0;
    std::string s1, s2, s3;
};

struct PathTree {
    std::vector<std::unique_ptr<PathNode>> nodes; // owns every node
    PathNode* root = nullptr;
    const State* stop_state = nullptr;
    bool failed = false;
    PathTreeError error;
};

// Builds the tree from the reset target (else state 1). A machine without states gives an
// empty tree. Every recursion is bounded by the depth limit; chains of plain steps and the
// code after a group are followed in a loop.
PathTree build_path_tree(const StateMachine& machine);

} // namespace zeph
