// Helpers of the tool tests: an editor session in a temporary directory, and stand-in programs
// (shell scripts) that print recorded lines and note their command line and working directory.
#pragma once

#include "editor/buffer_files.h"
#include "editor/dialog.h"
#include "editor/editor_session.h"
#include "editor/scripted_editor_ui.h"
#include "editor/settings.h"
#include "editor_test_support.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace zped::test {

struct ToolSession {
    ScopedScriptedUi scripted;
    TempDir dir;
    Settings settings{dir.file("zped.ini"), dir.path()};
    EditorSession session{settings};

    ScriptedEditorUi& ui() { return scripted.ui; }

    // Writes a file and opens it in an edit window.
    EditBuffer* open(const std::string& path, const std::string& text) {
        write_file(path, text);
        return LoadBuffer(session, path, false, false, kEditWindow);
    }
};

// A shell script `name` in `directory` that appends "WORKING-DIRECTORY|NAME ARGUMENTS" to the
// log, then prints `output` as it stands (and the script file the Leonardo tool is given, when
// `show_script` is set, so a test sees its contents).
inline std::string stand_in(const std::string& directory, const std::string& name,
                            const std::string& log, const std::string& output,
                            bool show_script = false) {
    std::string path = directory + "/" + name;
    std::string script = "#!/bin/sh\n"
                         "printf '%s|%s\\n' \"$PWD\" \"" +
                         name + " $*\" >> '" + log + "'\n";
    if (show_script) script += "[ -f leonardo.script ] && cat leonardo.script >> '" + log + "'\n";
    script += "cat <<'RECORDED'\n" + output + "RECORDED\n";
    write_file(path, script);
    chmod(path.c_str(), 0755);
    return path;
}

// Answers the next dialog as a script would: each field set from its text in turn (the dialog
// told of every change), then the button pressed. A field that does not take its text fails
// the test.
inline void answer_fields(ScriptedEditorUi& ui,
                          std::vector<std::pair<std::string, std::string>> values,
                          std::string button) {
    ui.answer_dialog([values, button](Dialog& d) -> std::optional<int> {
        for (const auto& [name, text] : values) {
            DialogField* f = d.field(name);
            std::string problem;
            if (!f || !set_field_from_text(*f, text, problem)) {
                ADD_FAILURE() << d.title << ": field " << name << " does not take '" << text << "' "
                              << problem;
                return std::nullopt;
            }
            d.notify_changed(static_cast<int>(f - d.fields.data()));
        }
        int pressed = d.button(button);
        EXPECT_GE(pressed, 0) << d.title << " has no button " << button;
        return pressed;
    });
}

} // namespace zped::test
