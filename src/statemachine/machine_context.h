// What the editing operations of a state diagram work with besides the machine: the design
// whose language, name rules and default vector type apply, the platform that shows messages
// and asks questions, and the drawing settings that new states, transitions and labels take.
#pragma once

#include "design/design.h"
#include "design/label_display.h"
#include "foundation/kind_vocabulary.h"
#include "ui/platform.h"

namespace zeph {

// Size, option word and colour number of a new label of one kind.
struct LabelStyle {
    int size = 10;
    unsigned options = 1;
    int colour = 15;
    bool operator==(const LabelStyle&) const = default;
};

// Settings of section "StateDiagrams" and the label defaults of the state diagram kinds.
struct StateDiagramSettings {
    int arrow_length = 96;  // sheet units ("ArrowLength" times 8)
    int arrow_position = 0; // 0: the arrowhead at the end, else in the middle of the last segment
    bool thick_state_border = true;
    LabelStyle state_names{10, 7, 15};
    LabelStyle conditions{10, 1, 15};
    LabelStyle actions{10, 1, 15};
    LabelStyle priorities{10, 1, 15};
    bool operator==(const StateDiagramSettings&) const = default;
};

struct MachineContext {
    const Design& design;
    ui::Platform& platform;
    const StateDiagramSettings& settings;

    int rules() const { return design.language_checking; }
    bool verilog() const { return design.target_language == kLanguageVerilog; }
};

// A label display at the anchor in the style.
LabelDisplay styled_label(const LabelStyle& style, Point anchor, int alignment = kAlignPlain);

} // namespace zeph
