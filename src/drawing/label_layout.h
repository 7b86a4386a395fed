// How a label display record is laid out around its anchor: the font size that its text size
// gives, the lines of its text with their baselines, and the box they cover.
//
// Alignment codes: plain (14) lays the text out to the right of the anchor, reversed (12) to
// its left, centred (11) centres it on the anchor; those three are centred vertically on the
// anchor. Centred reversed (13) centres it horizontally and hangs it below the anchor.
#pragma once

#include "design/geometry.h"
#include "design/label_display.h"
#include "drawing/canvas.h"

#include <string_view>
#include <vector>

namespace zeph {

// Font height in sheet units of a text size (2 to 50; sizes outside are clamped).
int font_height(int text_size);

struct LaidOutLine {
    Point baseline; // the point of the line's anchor on its baseline
    std::string_view text;
};

struct LabelLayout {
    TextStyle style; // colour left at its default; the caller chooses it
    std::vector<LaidOutLine> lines;
    Box box; // estimated extent of the text
};

// Lays out the label's text (lines split at "\n"); `default_size` stands in for a size of 0.
// The views into the text stay valid while the label lives.
LabelLayout layout_label(const LabelDisplay& label, int default_size);

// A label is drawn unless it is hidden (option word all ones) or has no text.
bool label_shown(const LabelDisplay& label);

} // namespace zeph
