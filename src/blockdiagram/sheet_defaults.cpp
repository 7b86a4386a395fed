// The "Sheet Defaults" dialog.
#include "blockdiagram/sheet_defaults.h"

#include "blockdiagram/sheet_sizes.h"
#include "blockdiagram/undo_captures.h"

#include <algorithm>

namespace zeph {

SheetDefaults sheet_defaults(const DiagramEditor& editor) {
    return {editor.sheet().size, editor.sheet().display_grid, editor.settings().grid_factor};
}

Outcome set_sheet_defaults(DiagramEditor& editor, SheetDefaults defaults) {
    defaults.size = std::clamp(defaults.size, 1, kSheetSizeCount);
    defaults.grid_factor = std::clamp(defaults.grid_factor, kMinGridFactor, kMaxGridFactor);
    SheetDefaults before = sheet_defaults(editor);
    if (defaults == before) return Outcome::Unchanged;
    editor.settings().grid_factor = defaults.grid_factor;
    if (defaults.size == before.size && defaults.display_grid == before.display_grid)
        return Outcome::Done;
    Edit edit(editor, "sheet defaults");
    capture_sheet(edit.step(), editor.sheet());
    editor.sheet().display_grid = defaults.display_grid;
    if (defaults.size != before.size) {
        editor.sheet().size = defaults.size;
        editor.view() = overview(editor.sheet());
    }
    return edit.finish(Outcome::Done);
}

} // namespace zeph
