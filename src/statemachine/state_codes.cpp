// Code widths and code assignment.
#include "statemachine/state_codes.h"

#include "design/block_diagram.h"
#include "design/entity.h"
#include "design/process.h"

namespace zeph {

namespace {

int binary_width(int states) {
    int width = 1;
    while (width < 31 && (1LL << width) < states)
        ++width;
    return width;
}

int two_hot_width(int states) {
    long long width = 1;
    while (width * (width - 1) / 2 < states)
        ++width;
    return static_cast<int>(width);
}

// The value written on `width` bits, most significant first.
std::string bits(unsigned long long value, int width) {
    std::string code(static_cast<std::size_t>(width), '0');
    for (int bit = 0; bit < width && bit < 64; ++bit)
        if ((value >> bit) & 1U) code[static_cast<std::size_t>(width - 1 - bit)] = '1';
    return code;
}

// Reflected binary Gray code: each block of states whose size doubles mirrors the codes before
// it and sets its own bit, which is what v XOR (v >> 1) yields.
std::string gray(unsigned long long value, int width) {
    return bits(value ^ (value >> 1), width);
}

std::string one_hot(int index, int width) {
    std::string code(static_cast<std::size_t>(width), '0');
    if (index < width) code[static_cast<std::size_t>(width - 1 - index)] = '1';
    return code;
}

} // namespace

bool assignment_computes_codes(int assignment) {
    return assignment >= kAssignmentBinary && assignment <= kAssignmentTwoHot;
}

int code_width_for(int assignment, int states) {
    switch (assignment) {
    case kAssignmentOneHot:
        return states;
    case kAssignmentTwoHot:
        return two_hot_width(states);
    default:
        return binary_width(states);
    }
}

std::vector<std::string> computed_codes(int assignment, int states, int width) {
    std::vector<std::string> codes;
    codes.reserve(static_cast<std::size_t>(states));
    switch (assignment) {
    case kAssignmentBinary:
        for (int v = 0; v < states; ++v)
            codes.push_back(bits(static_cast<unsigned long long>(v), width));
        break;
    case kAssignmentGray:
        for (int v = 0; v < states; ++v)
            codes.push_back(gray(static_cast<unsigned long long>(v), width));
        break;
    case kAssignmentOneHot:
        for (int v = 0; v < states; ++v)
            codes.push_back(one_hot(v, width));
        break;
    case kAssignmentTwoHot:
        // Pairs of positions from the left in lexicographic order: (0,1), (0,2), ..., (1,2), ...
        for (int i = 0; i < width && static_cast<int>(codes.size()) < states; ++i)
            for (int j = i + 1; j < width && static_cast<int>(codes.size()) < states; ++j) {
                std::string code(static_cast<std::size_t>(width), '0');
                code[static_cast<std::size_t>(i)] = '1';
                code[static_cast<std::size_t>(j)] = '1';
                codes.push_back(code);
            }
        break;
    default:
        break;
    }
    return codes;
}

void assign_codes(StateMachine& machine) {
    if (!assignment_computes_codes(machine.assignment)) return;
    int states = static_cast<int>(machine.states.size());
    int width = code_width_for(machine.assignment, states);
    if (width != machine.code_width) machine.code_width = width;
    std::vector<std::string> codes = computed_codes(machine.assignment, states, width);
    for (std::size_t i = 0; i < machine.states.size() && i < codes.size(); ++i)
        machine.states[i]->code = codes[i];
}

void recompute_codes(StateMachine& machine) {
    if (machine.style == kStyleExplicit) assign_codes(machine);
}

void recompute_design_state_codes(Design& design) {
    for (auto& entity : design.entities)
        for (auto& architecture : entity->architectures) {
            if (architecture->state_machine != nullptr)
                recompute_codes(*architecture->state_machine);
            if (architecture->block_diagram == nullptr) continue;
            for (auto& process : architecture->block_diagram->processes)
                if (process->state_machine != nullptr) recompute_codes(*process->state_machine);
        }
}

} // namespace zeph
