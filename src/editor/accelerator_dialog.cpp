// The accelerator dialog: "&Functions:" lists every command, "&Accelerators:" the keys of the
// selected one (written "Ctrl Shift S"), "Function description:" its description.
#include "editor/accelerator_dialog.h"

#include "editor/accelerators.h"
#include "editor/dialog.h"
#include "editor/editor_session.h"
#include "editor/editor_ui.h"
#include "editor/file_save.h"
#include "foundation/strings.h"

#include <filesystem>
#include <new>

namespace zped {

namespace {

enum Field { kFunctions, kAccelerators, kKey, kDescription };
enum AcceleratorButton { kClose, kAssign, kDelete, kReset };

// The keys of the selected function, in table order, and the description.
void follow_function(const EditorSession& session, Dialog& d) {
    int command = d.fields[kFunctions].selected;
    DialogField& keys = d.fields[kAccelerators];
    keys.items.clear();
    for (const Accelerator& a : session.accelerators)
        if (a.command == command) keys.items.push_back(combo_text(a.combo, true));
    keys.selected = keys.items.empty() ? -1 : 0;
    d.fields[kDescription].text = session.commands.row(command).description;
}

Dialog accelerator_dialog(const EditorSession& session) {
    Dialog d;
    d.title = "Keyboard accelerators mapping:";
    DialogField functions;
    functions.name = "function";
    functions.label = "&Functions:";
    functions.kind = FieldKind::List;
    for (int i = 0; i < kCommandCount; ++i)
        functions.items.push_back(session.commands.row(i).name);
    functions.tip = "The command a key is assigned to.";
    DialogField keys;
    keys.name = "accelerator";
    keys.label = "&Accelerators:";
    keys.kind = FieldKind::List;
    keys.tip = "The keys of the function; Delete removes the selected one.";
    DialogField key;
    key.name = "key";
    key.label = "&Press &New short key:";
    key.kind = FieldKind::Key;
    key.tip = "Press the key to assign (Tab and Esc leave the field).";
    DialogField description;
    description.name = "description";
    description.label = "Function description:";
    d.fields = {functions, keys, key, description};
    d.buttons = {"&Close", "&Assign", "&Delete", "&Reset"};
    d.default_button = kAssign; // Enter after pressing the new key assigns it
    d.changed = [&session](Dialog& dialog, int index) {
        if (index == kFunctions) follow_function(session, dialog);
    };
    follow_function(session, d);
    return d;
}

void show_problem(const std::string& text) {
    editor_ui().message_box("Keyboard accelerators", text);
}

bool assign(EditorSession& session, Dialog& d) {
    DialogField& key = d.fields[kKey];
    if (!key.has_key) {
        editor_ui().status("Press the new short key first.", true);
        return false;
    }
    std::string shown = combo_text(key.key, true);
    if (is_reserved_combo(key.key)) {
        show_problem(zeph::format_text("\"%s\": reserved key combination", shown.c_str()));
        return false;
    }
    int command = d.fields[kFunctions].selected;
    std::vector<Accelerator>& list = session.accelerators;
    int before = command_of_combo(list, key.key);
    std::erase_if(list, [&](const Accelerator& a) { return a.combo == key.key; });
    if (list.size() >= kMaxAccelerators) {
        show_problem("too many mappings");
        return false;
    }
    list.push_back({key.key, command});
    if (before >= 0 && before != command)
        editor_ui().status(zeph::format_text("%s was the key of %s.", shown.c_str(),
                                             session.commands.row(before).name),
                           false);
    key.has_key = false;
    return true;
}

bool remove_selected(EditorSession& session, Dialog& d) {
    const DialogField& keys = d.fields[kAccelerators];
    if (keys.selected < 0 || keys.selected >= static_cast<int>(keys.items.size())) {
        editor_ui().status("", true);
        return false;
    }
    int command = d.fields[kFunctions].selected;
    int nth = keys.selected;
    for (auto it = session.accelerators.begin(); it != session.accelerators.end(); ++it) {
        if (it->command != command || nth-- > 0) continue;
        if (is_reserved_combo(it->combo)) {
            show_problem(zeph::format_text("\"%s\": reserved key combination",
                                           combo_text(it->combo, true).c_str()));
            return false;
        }
        session.accelerators.erase(it);
        return true;
    }
    return false;
}

// The changed table goes to the accelerator file, which keeps its place (and links to it).
void write_accelerator_file(EditorSession& session) {
    std::string path = session.accelerator_file();
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
    std::string text = accelerator_file_text(session.accelerators, session.commands);
    SaveRequest request;
    request.path = path;
    request.state_directory = session.state_directory;
    request.write_text = [&](FileSink& sink) { sink.write(text); };
    SaveOutcome outcome = save_in_place(request);
    if (outcome.problem == SaveProblem::None && outcome.written == static_cast<long>(text.size()))
        editor_ui().status(zeph::format_text("Keyboard accelerators saved in '%s'.", path.c_str()),
                           false);
    else
        show_problem(
            zeph::format_text("Cannot write the keyboard definition file '%s'.", path.c_str()));
}

} // namespace

int run_accelerator_dialog(EditorSession& session) {
    Dialog d = accelerator_dialog(session);
    bool changed = false;
    for (;;) {
        std::optional<int> pressed = editor_ui().run_dialog(d);
        if (!pressed || *pressed == kClose) break;
        switch (*pressed) {
        case kAssign:
            changed = assign(session, d) || changed;
            break;
        case kDelete:
            changed = remove_selected(session, d) || changed;
            break;
        case kReset:
            session.accelerators = builtin_accelerators(session.commands);
            changed = true;
            break;
        default:
            break;
        }
        follow_function(session, d);
    }
    if (changed) write_accelerator_file(session);
    return 0;
}

} // namespace zped
