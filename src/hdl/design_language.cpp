// Changing the target language and the status line pane of the design setup.
#include "hdl/design_language.h"

#include "design/design.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/strings.h"
#include "hdl/design_events.h"
#include "hdl/design_setup.h"
#include "hdl/hdl_file_marks.h"
#include "ui/platform.h"

namespace zeph {

std::string language_status_text(const Design& design) {
    const char* language = design.target_language == kLanguageVerilog ? "Verilog" : "Vhdl";
    return format_text("Language: %s  |  Verification: %s", language,
                       rules_choice_label(design.language_checking));
}

void refresh_language_status(const Design& design) {
    ui::platform().status(language_status_text(design), false);
}

void set_language(Design& design, int language, bool from_dialog) {
    design.target_language = language;
    rebuild_menus();
    if (from_dialog) {
        mark_hdl_files_for_skeleton_check(design);
        recompute_state_codes(design);
        mark_design_modified(design);
    }
    refresh_language_status(design);
    refresh_views();
}

void set_language(int language, bool from_dialog) {
    if (Design* design = current_design()) set_language(*design, language, from_dialog);
}

} // namespace zeph
