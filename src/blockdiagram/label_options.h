// The "Label Options" dialog: for one object kind the text size, the format (the option word:
// which parts of the label are shown) and the colour ("Foreground" or "Same as object"),
// applied to the labels of the diagram and/or set as the new defaults; or, for one selected
// object, applied to that object's label only.
#pragma once

#include "blockdiagram/diagram_editor.h"
#include "design/label_display.h"

#include <vector>

namespace zeph {

struct LabelOptions {
    LabelKind kind = LabelKind::Component; // "&Object:"
    int size = 12;                         // "&Size:" 2 to 50
    unsigned format = 1;                   // "&Format:" an option word, or all ones (hidden)
    bool object_colour = true;             // "C&olor:" "Same as object" (else "Foreground")
    bool apply_to_diagram = false;         // "A&pply to diagram"
    bool set_as_defaults = false;          // "S&et as new defaults"
};

// The kinds the dialog offers on a block diagram, and the setting name of each.
std::vector<LabelKind> block_diagram_label_kinds();
const char* label_kind_name(LabelKind kind);
// The largest format of a kind (its "LabelFormats" default; 1 for kinds without formats).
unsigned max_label_format(LabelKind kind);

// The dialog's starting values for a kind: the editor's current defaults.
LabelOptions default_label_options(const DiagramEditor& editor, LabelKind kind);

// OK from the Options menu. Changed values with neither box ticked show "Please apply changes
// to diagram\nand/or set them as new defaults." and are refused (the dialog stays open).
// Applying to the diagram is one undoable edit; new defaults go to the editor's record defaults
// and diagram settings.
Outcome set_label_options(DiagramEditor& editor, LabelOptions options);

// OK for the one selected object: its label of that kind takes the options.
Outcome set_object_label_options(DiagramEditor& editor, const DiagramObject& object,
                                 LabelOptions options);

} // namespace zeph
