// The Leonardo options dialog: where elsyn is, its time-out and the library, taken on OK.
#include "editor/leonardo_options_dialog.h"

#include "editor/dialog_fields.h"
#include "editor/editor_session.h"
#include "editor/editor_ui.h"
#include "editor/leonardo.h"
#include "editor/settings.h"
#include "foundation/strings.h"

namespace zped {

namespace {

Dialog leonardo_dialog(const LeonardoSettings& s) {
    Dialog d;
    d.title = "Leonardo Options";
    d.fields.push_back(note_field("installation-group", " Installation "));
    d.fields.push_back(text_field("path", "&Path:", s.path,
                                  "The directory of elsyn; empty: elsyn is found on PATH."));
    d.fields.push_back(text_field("timeout", "&Time-out:", s.timeout, "Kept in the settings."));
    d.fields.push_back(note_field("vcom-group", " Vcom options "));
    d.fields.push_back(text_field("library", "&Library:", s.library, "Kept in the settings."));
    d.buttons = {"OK", "Cancel"};
    return d;
}

} // namespace

int run_leonardo_options_dialog(EditorSession& session) {
    Dialog d = leonardo_dialog(session.leonardo);
    std::optional<int> pressed = editor_ui().run_dialog(d);
    if (!pressed || *pressed != 0) return 1;
    LeonardoSettings& s = session.leonardo;
    s.path = zeph::bounded(d.field("path")->text, kToolFieldLength);
    s.timeout = zeph::bounded(d.field("timeout")->text, kToolFieldLength);
    s.library = zeph::bounded(d.field("library")->text, kToolFieldLength);
    return 0;
}

} // namespace zped
