// The "Sheet Defaults" dialog: the sheet size (one of the eight size names), "&Display grid"
// and the program's "Grid Factor:" (1 to 9).
#pragma once

#include "blockdiagram/diagram_editor.h"

namespace zeph {

struct SheetDefaults {
    int size = 1;
    bool display_grid = true;
    int grid_factor = 1;
    bool operator==(const SheetDefaults&) const = default;
};

SheetDefaults sheet_defaults(const DiagramEditor& editor);

// The sheet's size and grid display change as one undoable edit (a new size shows the whole
// new sheet); the grid factor is a program setting and is not undone. Values out of range are
// clamped.
Outcome set_sheet_defaults(DiagramEditor& editor, SheetDefaults defaults);

} // namespace zeph
