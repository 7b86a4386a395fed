// Editing in the main window.
#include "window_editing.h"

#include "dialogs/command_dialogs.h"
#include "dialogs/labels_dialog.h"
#include "dialogs/object_dialogs.h"
#include "main_window.h"
#include "printing/diagram_printing.h"

namespace zeph {

WindowEditing::WindowEditing(MainWindow& window, Session& session)
    : window_(window), tools_(session) {
    window.set_command_dialogs([](QWidget* parent, Session& s, CommandId id) {
        if (id == CommandId::FilePrint) return print_current_diagram(parent, s);
        return run_command_dialog(parent, s, id);
    });
    window.set_object_editor(
        [](QWidget* parent, Session& s, Point at) { return edit_object_at(parent, s, at); });
    tools_.set_edit_object([this, &session](Point at) {
        return edit_object_at(&window_, session, at) != DialogOutcome::NoDialog;
    });
    tools_.set_add_action([this, &session](StateMachine& machine, const LabelDialogTarget& target) {
        run_labels_dialog(&window_, session, machine, LabelDialogPurpose::AddUsage, target);
    });
    window.set_mode_listener(
        [this](std::optional<CommandId> mode, int variant) { tools_.select(mode, variant); });
    window.set_editing_handler(this);
}

WindowEditing::~WindowEditing() {
    window_.set_editing_handler(nullptr);
    window_.set_mode_listener({});
}

} // namespace zeph
