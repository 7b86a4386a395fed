// Labels in the styles of the settings.
#include "statemachine/machine_context.h"

namespace zeph {

LabelDisplay styled_label(const LabelStyle& style, Point anchor, int alignment) {
    LabelDisplay label;
    label.anchor = anchor;
    label.size = style.size;
    label.options = style.options;
    label.colour = style.colour;
    label.alignment = alignment;
    return label;
}

} // namespace zeph
