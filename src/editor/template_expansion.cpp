// Template insertion and expansion by name.
#include "editor/template_expansion.h"

#include "editor/apply_edit.h"
#include "editor/editor_session.h"
#include "editor/editor_ui.h"
#include "editor/template_dialogs.h"
#include "foundation/strings.h"

namespace zped {

using zeph::format_text;

bool insert_template(EditBuffer& buffer, const Template& t, TextPosition from) {
    if (buffer.read_only) {
        editor_ui().status("Window is opened readonly.", true);
        return false;
    }
    std::vector<std::string> values;
    if (!t.parameters.empty()) {
        auto entered = ask_template_values(t);
        if (!entered) return false;
        values = std::move(*entered);
    }
    TextPosition cursor = buffer.clamp(buffer.cursor);
    from = std::min(buffer.clamp(from), cursor);
    ApplyEdit(buffer, from, cursor, expand_template(t, values), from,
              {kScrollToCursor, kScrollToCursor}, SelectionRequest::empty_at(from));
    return true;
}

bool insert_template(EditBuffer& buffer, const Template& t) {
    return insert_template(buffer, t, buffer.cursor);
}

bool expand_template_by_name(EditorSession& session, EditBuffer& buffer, const std::string& name,
                             const std::string& file, TextPosition from) {
    std::string path;
    if (!session.settings.expand_path(file, path)) path = file;
    int index = session.templates.find_file(path);
    if (index < 0) {
        std::size_t reported = session.startup_errors.lines().size();
        index = session.templates.load(session.settings, file, session.startup_errors);
        session.show_new_startup_errors(reported);
    }
    if (index < 0) {
        editor_ui().message_box("Warning",
                                format_text("Template file \"%s\" not found.", path.c_str()));
        return false;
    }
    const TemplateFile& loaded = session.templates.files()[static_cast<std::size_t>(index)];
    const Template* t = loaded.find(name);
    if (!t) {
        editor_ui().message_box("Warning", format_text("Template \"%s\" not found in file \"%s\" .",
                                                       name.c_str(), path.c_str()));
        return false;
    }
    return insert_template(buffer, *t, from);
}

} // namespace zped
