// The label display record: the positioned text that every drawn object carries (names, free
// texts, generic values, tags). Its box is laid out from the anchor by the drawing layer.
#pragma once

#include "design/geometry.h"

#include <string>

namespace zeph {

// Alignment codes: two flags, centred and reversed (laid out on the other side of the anchor).
inline constexpr int kAlignCentred = 11;
inline constexpr int kAlignReversed = 12;
inline constexpr int kAlignCentredReversed = 13;
inline constexpr int kAlignPlain = 14;

inline bool alignment_centred(int code) {
    return code == kAlignCentred || code == kAlignCentredReversed;
}
inline bool alignment_reversed(int code) {
    return code == kAlignReversed || code == kAlignCentredReversed;
}

// Option word of a hidden label.
inline constexpr unsigned kLabelHidden = ~0u;

struct LabelDisplay {
    Point anchor;
    int size = 0; // text size; 0 means the kind's default
    int alignment = kAlignPlain;
    int colour = 0;
    unsigned options = 0; // which parts are shown; all ones: hidden
    std::string text;     // lines joined by "\n"
};

inline void shift(LabelDisplay& label, Point by) {
    label.anchor = shifted(label.anchor, by);
}

// The object kinds that carry labels, for their setting defaults (text size, option word).
enum class LabelKind {
    Component,
    Process,
    Generic,
    Port,
    ConnectLabel,
    Net,
    BusEntry,
    State,
    Condition,
    Action,
    Priority,
    FreePlacedText,
};
inline constexpr int kLabelKindCount = 12;

} // namespace zeph
