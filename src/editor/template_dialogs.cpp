// "Expand Template" and "Templates" as dialogs of the core: the front end shows them, the
// buttons call the template library and insert_template.
#include "editor/template_dialogs.h"

#include "editor/dialog.h"
#include "editor/editor_session.h"
#include "editor/editor_ui.h"
#include "editor/template_expansion.h"
#include "foundation/strings.h"

#include <algorithm>

namespace zped {

namespace {

enum TemplatesButton { kLoad, kRemove, kInsert, kClose };

std::string template_entry(const Template& t) {
    std::string shown = t.name + "(";
    for (std::size_t i = 0; i < t.parameters.size(); ++i)
        shown += (i ? ", " : "") + t.parameters[i];
    return shown + ")";
}

// The lists of the Templates dialog from the library: the files, and the templates of the
// selected file.
void fill_lists(const EditorSession& session, Dialog& d) {
    const auto& files = session.templates.files();
    DialogField& file_list = *d.field("files");
    file_list.items.clear();
    for (const TemplateFile& file : files)
        file_list.items.push_back(template_file_label(file));
    file_list.selected =
        files.empty() ? -1 : std::clamp(file_list.selected, 0, static_cast<int>(files.size()) - 1);
    DialogField& names = *d.field("templates");
    names.items.clear();
    if (file_list.selected >= 0)
        for (const Template& t : files[static_cast<std::size_t>(file_list.selected)].templates)
            names.items.push_back(template_entry(t));
    names.selected = names.items.empty()
                         ? -1
                         : std::clamp(names.selected, 0, static_cast<int>(names.items.size()) - 1);
}

} // namespace

std::optional<std::vector<std::string>> ask_template_values(const Template& t) {
    Dialog d;
    d.title = "Expand Template";
    for (const std::string& parameter : t.parameters) {
        DialogField f;
        f.name = parameter;
        f.label = parameter + ":";
        f.kind = FieldKind::Text;
        f.tip = "The text that takes the place of this parameter (at most 80 characters).";
        d.fields.push_back(std::move(f));
    }
    d.buttons = {"&Apply", "&Cancel"};
    std::optional<int> pressed = editor_ui().run_dialog(d);
    if (!pressed || *pressed != 0) return std::nullopt;
    std::vector<std::string> values;
    for (const DialogField& f : d.fields)
        values.push_back(zeph::bounded(f.text, kMaxParameterValue));
    return values;
}

int run_templates_dialog(EditorSession& session) {
    Dialog d;
    d.title = "Templates";
    DialogField files;
    files.name = "files";
    files.label = "Template &files:";
    files.kind = FieldKind::List;
    files.tip = "The loaded template files.";
    d.fields.push_back(files);
    DialogField names;
    names.name = "templates";
    names.label = "&Templates:";
    names.kind = FieldKind::List;
    names.tip = "The templates of the selected file; Enter inserts one.";
    d.fields.push_back(names);
    d.buttons = {"&Load", "&Remove", "&Insert >>", "&Close"};
    d.default_button = kInsert;
    int shown_file = 0;
    d.changed = [&session, &shown_file](Dialog& dialog, int) {
        if (dialog.field("files")->selected != shown_file) dialog.field("templates")->selected = 0;
        shown_file = dialog.field("files")->selected;
        fill_lists(session, dialog);
    };
    fill_lists(session, d);
    for (;;) {
        std::optional<int> pressed = editor_ui().run_dialog(d);
        if (!pressed || *pressed == kClose) return 0;
        if (*pressed == kLoad) {
            auto name = editor_ui().file_dialog("Load Template", "", false);
            if (!name || name->empty()) continue;
            std::size_t reported = session.startup_errors.lines().size();
            int index = session.templates.load(session.settings, absolute_file_name(*name),
                                               session.startup_errors);
            session.show_new_startup_errors(reported);
            if (index >= 0) {
                d.field("files")->selected = shown_file = index;
                d.field("templates")->selected = 0;
            }
        } else if (*pressed == kRemove) {
            if (!session.templates.remove(d.field("files")->selected)) {
                editor_ui().status("No template file is selected.", true);
                continue;
            }
            d.field("templates")->selected = 0;
        } else if (*pressed == kInsert) {
            EditBuffer* active = session.active();
            int file = d.field("files")->selected;
            int chosen = d.field("templates")->selected;
            if (!active || active->read_only || file < 0 || chosen < 0) {
                editor_ui().status(active && !active->read_only
                                       ? "No template is selected."
                                       : "Templates go into an edit window that can be changed.",
                                   true);
                continue;
            }
            const Template& t = session.templates.files()[static_cast<std::size_t>(file)]
                                    .templates[static_cast<std::size_t>(chosen)];
            if (insert_template(*active, t)) return 0;
        }
        fill_lists(session, d);
        shown_file = d.field("files")->selected;
    }
}

} // namespace zped
