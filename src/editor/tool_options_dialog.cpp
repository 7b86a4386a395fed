// The tool options dialog: a list of the six slots and the four fields of the slot chosen in it.
// The fields of every slot are kept while the user moves through the list; OK takes them all,
// relabels RunTool1..6 and leaves writing the settings file to the editor's usual moments.
#include "editor/tool_options_dialog.h"

#include "editor/dialog_fields.h"
#include "editor/editor_session.h"
#include "editor/editor_ui.h"
#include "editor/user_tools.h"
#include "foundation/strings.h"

#include <array>
#include <string>

namespace zped {

namespace {

using Slots = std::array<UserTool, kToolSlots>;

std::string slot_item(const Slots& slots, std::size_t index) {
    const std::string& name = slots[index].name;
    return zeph::format_text("%d: %s", static_cast<int>(index) + 1,
                             name.empty() ? "(none)" : name.c_str());
}

void show_slot(Dialog& d, const UserTool& tool) {
    d.field("name")->text = tool.name;
    d.field("executable")->text = tool.executable;
    d.field("argument")->text = tool.argument;
    d.field("directory")->text = tool.working_directory;
}

void keep_slot(const Dialog& d, UserTool& tool) {
    tool.name = d.field("name")->text;
    tool.executable = d.field("executable")->text;
    tool.argument = d.field("argument")->text;
    tool.working_directory = d.field("directory")->text;
}

Dialog tool_dialog(const Slots& slots) {
    Dialog d;
    d.title = "Tool Options";
    DialogField list;
    list.name = "tool";
    list.label = "T&ools:";
    list.kind = FieldKind::List;
    for (std::size_t i = 0; i < slots.size(); ++i)
        list.items.push_back(slot_item(slots, i));
    list.selected = 0;
    list.tip = "The tools end at the first slot without a name.";
    d.fields.push_back(list);
    d.fields.push_back(text_field("name", "&Name:", "", "The name shown in the Tools menu."));
    d.fields.push_back(
        text_field("executable", "&Executable:", "", "The program, by its path or on PATH."));
    d.fields.push_back(
        text_field("argument", "&Arguments:", "", "$$ stands for the file of the active window."));
    d.fields.push_back(text_field("directory", "&Working directory:", "",
                                  "Where the program runs (\".\": where zped was started)."));
    show_slot(d, slots[0]);
    d.buttons = {"OK", "Cancel"};
    return d;
}

} // namespace

int run_tool_options_dialog(EditorSession& session) {
    Slots slots = session.tools.slots;
    Dialog d = tool_dialog(slots);
    std::size_t shown = 0;
    const int list = 0;
    const int name = 1;
    d.changed = [&](Dialog& dialog, int field) {
        DialogField& tools = dialog.fields[list];
        if (field == list) {
            if (tools.selected < 0 || tools.selected >= kToolSlots) return;
            keep_slot(dialog, slots[shown]);
            shown = static_cast<std::size_t>(tools.selected);
            show_slot(dialog, slots[shown]);
        } else {
            keep_slot(dialog, slots[shown]);
            if (field == name) tools.items[shown] = slot_item(slots, shown);
        }
    };
    std::optional<int> pressed = editor_ui().run_dialog(d);
    if (!pressed || *pressed != 0) return 1;
    keep_slot(d, slots[shown]);
    session.tools.replace(slots);
    session.tools.apply_labels(session.commands);
    return 0;
}

} // namespace zped
