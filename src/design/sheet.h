// The sheet of one diagram: grid, size and the free placed texts.
#pragma once

#include "design/label_display.h"

#include <array>
#include <vector>

namespace zeph {

// Diagram kinds of a sheet (0 for the sheet of an HDL-file body).
inline constexpr int kSheetHdlFile = 0;
inline constexpr int kSheetBlockDiagram = 1;
inline constexpr int kSheetStateDiagram = 2;

inline constexpr int kSheetSizeCount = 8; // indexes 1 to 8 of the size table
inline constexpr int kDefaultGridStep = 64;

struct Sheet {
    bool display_grid = true;
    int kind = kSheetHdlFile;
    int size = 1; // 1 to 8
    int grid_step = kDefaultGridStep;
    std::array<int, 4> views{};      // view numbers; written, not read back
    std::vector<LabelDisplay> texts; // free placed texts
};

} // namespace zeph
