// The texts that a state diagram shows: a state's name label (option bits: 1 the name, 2 the
// code on a second line), the label of a usage (the label's name, or its HDL text for the
// design's language when it has none), the texts of labels per language, and the wrapping of
// stored texts at 256 characters per line.
#pragma once

#include "design/state_machine.h"

#include <memory>
#include <string>
#include <string_view>

namespace zeph {

inline constexpr unsigned kShowStateName = 1;
inline constexpr unsigned kShowStateCode = 2;
inline constexpr std::size_t kMaxLabelLine = 256;

std::string state_label_text(const State& state, unsigned options);
std::string usage_label_text(const LabelUsage& usage, bool verilog);

const std::string& label_text(const Label& label, bool verilog);
std::string& label_text(Label& label, bool verilog);

// Every line longer than 256 characters is broken after its 256th character, repeatedly;
// `wrapped` tells whether any line was. Lengths count bytes, as the design file does; a
// multi-byte character is never split.
std::string wrap_long_lines(std::string_view text, bool& wrapped);

// Rebuilds the name labels of the states and the labels of every usage (hidden labels keep
// their text).
void refresh_machine_labels(StateMachine& machine, bool verilog);
void refresh_state_label(State& state);

// Usage counting: a usage of a label held by its owner.
std::unique_ptr<LabelUsage> new_usage(Label* label, Point at, const LabelDisplay& style);
// Drops every usage of the label from the states and transitions (a condition becomes
// empty); its use count becomes 0.
void remove_usages_of(StateMachine& machine, Label* label);
// Recounts the use counts of all labels from the usages.
void recount_uses(StateMachine& machine);

} // namespace zeph
