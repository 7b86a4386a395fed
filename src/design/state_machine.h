// A state diagram: states, transitions, action and condition labels and the machine options.
#pragma once

#include "design/geometry.h"
#include "design/label_display.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace zeph {

struct State;
struct Transition;

// Label flag bits (actions of explicit machines).
inline constexpr unsigned kDefaultOnTransitions = 1;
inline constexpr unsigned kDefaultOnStates = 2;

inline constexpr int kStyleImplicit = 0;
inline constexpr int kStyleExplicit = 1;
// State assignments, by their stored number.
inline constexpr int kAssignmentNone = 0;
inline constexpr int kAssignmentEnumerate = 1;
inline constexpr int kAssignmentBinary = 2;
inline constexpr int kAssignmentGray = 3;
inline constexpr int kAssignmentOneHot = 4;
inline constexpr int kAssignmentTwoHot = 5;
inline constexpr int kAssignmentUserDefined = 6;
inline constexpr int kAssignmentCount = 7;
// Decoding of the next state.
inline constexpr int kDecodingCase = 0;
inline constexpr int kDecodingIfElse = 1;
// When actions are executed (on transitions and on states).
inline constexpr int kActionsCombinational = 0;
inline constexpr int kActionsClocked = 1;
inline constexpr int kActionsCombinedProcess = 2; // "Comb.(in 1 Process)"
inline constexpr int kActionsClockedDelayed = 3;
inline constexpr int kClockRisingEdge = 0;
inline constexpr int kClockFallingEdge = 1;
inline constexpr int kResetPriority = 10000;
inline constexpr int kTransitionGeometryCount = 7;

// An action or a condition: a name and its HDL text in both languages.
struct Label {
    std::string name; // up to 16; may be empty
    std::string vhdl_text;
    std::string verilog_text;
    int number = 0; // position in its label array, from 1
    int use_count = 0;
    unsigned flags = 0;
    int reserved = 0;
};

// One use of a label by a state (actions) or a transition (actions, the condition).
struct LabelUsage {
    Label* label = nullptr; // none: an empty condition
    int order = 0;
    Point position;
    LabelDisplay display;
    State* state = nullptr;           // owner, or
    Transition* transition = nullptr; // owner
};

struct State {
    int number = 0;   // 1..n; REST has 0
    std::string name; // up to 32
    std::string code; // '0'/'1' characters; user defined codes up to 80
    Box box;
    LabelDisplay name_label;
    std::vector<std::unique_ptr<LabelUsage>> action_usages;
};

struct Transition {
    bool reset = false;
    int shape = 0; // 0 drawn point by point, 1 connecting two states (curved)
    std::vector<Point> points;
    State* from = nullptr; // none and not reset: a global transition
    State* to = nullptr;
    int priority = 0;
    Point priority_mark;
    std::array<int, kTransitionGeometryCount> geometry{}; // arrow and label placement
    LabelUsage condition;                                 // label none: empty condition
    std::vector<std::unique_ptr<LabelUsage>> action_usages;
};

// Where a transition's drawing starts and ends (the origin for a transition without points).
inline Point first_point(const Transition& t) {
    return t.points.empty() ? Point{} : t.points.front();
}
inline Point last_point(const Transition& t) {
    return t.points.empty() ? Point{} : t.points.back();
}

struct StateMachine {
    std::unique_ptr<State> rest;                // the REST state, when present
    std::vector<std::unique_ptr<State>> states; // numbers 1..n
    std::vector<std::unique_ptr<Transition>> transitions;
    std::vector<std::unique_ptr<Label>> action_labels;
    std::vector<std::unique_ptr<Label>> condition_labels;
    int code_width = -1; // -1 forces a recomputation
    int style = kStyleExplicit;
    int assignment = kAssignmentEnumerate;
    int decoding = 0;
    int transition_actions = 0;
    int state_actions = 0;
    int clock_edge = 0;
    bool edge_functions = false;
    bool block_separation = false;
    std::string identifier_suffix;
    Transition* reset_transition = nullptr;
    // Filled by verification.
    std::string clock_port;
    std::string reset_port;
    std::string state_port;
    bool reset_level = false;
    bool state_vector_ranged = false;
    std::string process_comment;
    std::string process_declarations;

    bool rest_present() const { return rest != nullptr; }
};

// Sets the usage's label and counts the use.
void use_label(LabelUsage& usage, Label* label);

} // namespace zeph
