// The V-System options dialog. Its four groups (library, vcom, vlog, installation) share one
// form; a library button takes the fields like OK and then runs vlib or vmap, so that its output
// is seen in the result window.
#include "editor/vsystem_options_dialog.h"

#include "editor/dialog_fields.h"
#include "editor/editor_session.h"
#include "editor/editor_ui.h"
#include "editor/settings.h"
#include "editor/vsystem.h"
#include "foundation/strings.h"

#include <string>

namespace zped {

namespace {

enum Button { Ok, Cancel, RetrieveMapping, MapLibrary, CreateLibrary };

Dialog vsystem_dialog(const VsystemSettings& s) {
    Dialog d;
    d.title = "V-System Options";
    auto& f = d.fields;
    f.push_back(note_field("library-group", "Library"));
    f.push_back(text_field("library", "Li&brary:", s.library, "The library vcom and vlog fill."));
    f.push_back(text_field("library-directory", "Library &directory:", s.library,
                           "Where Create Library and Map Library put it."));
    f.push_back(note_field("vcom-group", "Vcom"));
    f.push_back(check_field("no-std-logic", "&No std_logic_1164", !s.std_logic,
                            "Compile without the std_logic_1164 package (-no1164)."));
    f.push_back(check_field("vhdl93", "&Use VHDL'93", s.vhdl93, "VHDL'93 rather than '87 (-93)."));
    f.push_back(check_field("explicit", "&Explicit functions", s.explicit_functions,
                            "Explicit operators hide implicit ones (-explicit)."));
    f.push_back(text_field("vcom-line", "&Start on Line:", s.vcom_line,
                           "The line vcom starts at (-line); 0 or empty: the first."));
    f.push_back(text_field("vcom-options", "&Other options", s.vcom_options,
                           "Further options of vcom, as typed."));
    f.push_back(note_field("vlog-group", "Vlog"));
    f.push_back(check_field("upper-case", "&Convert to upper case", s.upper_case,
                            "Identifiers in upper case (-u)."));
    f.push_back(check_field("hazards", "&Hazards", s.hazard,
                            "Report hazards while simulating (-hazards)."));
    f.push_back(text_field("vlog-line", "Sta&rt on Line:", s.vlog_line,
                           "The line vlog starts at (-line); 0 or empty: the first."));
    f.push_back(text_field("vlog-options", "O&ther options", s.vlog_options,
                           "Further options of vlog, as typed."));
    f.push_back(note_field("installation-group", "Installation"));
    f.push_back(text_field("executable", "&Path of vcom:", s.executable,
                           "vlib, vlog and vmap are taken from its directory."));
    f.push_back(text_field("timeout", "T&ime-out:", s.timeout, "Kept in the settings (3 digits)."));
    d.buttons = {"OK", "Cancel", "Retrieve Library Mapping", "Map Library", "Create Library"};
    return d;
}

void apply(VsystemSettings& s, const Dialog& d) {
    auto text = [&](const char* name, std::size_t limit = kToolFieldLength) {
        return zeph::bounded(d.field(name)->text, limit);
    };
    s.library = text("library");
    s.std_logic = !d.field("no-std-logic")->checked;
    s.vhdl93 = d.field("vhdl93")->checked;
    s.explicit_functions = d.field("explicit")->checked;
    s.vcom_line = text("vcom-line");
    s.vcom_options = text("vcom-options");
    s.upper_case = d.field("upper-case")->checked;
    s.hazard = d.field("hazards")->checked;
    s.vlog_line = text("vlog-line");
    s.vlog_options = text("vlog-options");
    s.executable = text("executable");
    s.timeout = text("timeout", kVsystemTimeoutLength);
}

} // namespace

int run_vsystem_options_dialog(EditorSession& session) {
    Dialog d = vsystem_dialog(session.vsystem);
    std::optional<int> pressed = editor_ui().run_dialog(d);
    if (!pressed || *pressed == Cancel) return 1;
    apply(session.vsystem, d);
    std::string library_directory =
        zeph::bounded(d.field("library-directory")->text, kToolFieldLength);
    if (library_directory.empty()) library_directory = session.vsystem.library;
    switch (*pressed) {
    case RetrieveMapping:
        return run_vsystem(session, VsystemMode::ShowMappings, "");
    case MapLibrary:
        return run_vsystem(session, VsystemMode::MapLibrary, library_directory);
    case CreateLibrary:
        return run_vsystem(session, VsystemMode::CreateLibrary, library_directory);
    default:
        return 0;
    }
}

} // namespace zped
