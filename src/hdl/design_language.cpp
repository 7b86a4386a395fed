// Changing the target language and the status line pane of the design setup.
#include "hdl/design_language.h"

#include "design/design.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/strings.h"
#include "hdl/design_setup.h"
#include "hdl/hdl_file_marks.h"

namespace zeph {

std::string language_status_text(const Design& design) {
    const char* language = design.target_language == kLanguageVerilog ? "Verilog" : "Vhdl";
    return format_text("Language: %s  |  Verification: %s", language,
                       rules_choice_label(design.language_checking));
}

void refresh_language_status(ui::Platform& platform, const Design& design) {
    platform.status(language_status_text(design), false);
}

void set_language(Design& design, int language, bool from_dialog, const DesignEvents& events) {
    design.target_language = language;
    events.menus_changed();
    if (from_dialog) {
        mark_hdl_files_for_skeleton_check(design);
        events.state_codes_changed(design);
        events.design_modified(design);
    }
    refresh_language_status(events.platform(), design);
    events.views_changed();
}

} // namespace zeph
