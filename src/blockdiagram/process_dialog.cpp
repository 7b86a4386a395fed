// The "Edit Process" dialog.
#include "blockdiagram/process_dialog.h"

#include "blockdiagram/diagram_labels.h"
#include "blockdiagram/diagram_messages.h"
#include "blockdiagram/undo_captures.h"
#include "design/design_constructors.h"
#include "design/name_limits.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/strings.h"
#include "foundation/system_message.h"
#include "hdl/identifier_rules.h"

namespace zeph {

namespace {
DialogResult<ProcessField> refused(ProcessField field) {
    return {Outcome::Refused, field};
}

// A fresh content for the process's (new) kind, as a new process of that kind has.
void start_afresh(const DiagramEditor& editor, Process& process, int kind) {
    std::unique_ptr<Process> fresh =
        new_process("", kind, editor.defaults(), editor.design().synthesis_tool);
    process.kind = kind;
    process.sheet = fresh->sheet;
    process.hdl_file = std::move(fresh->hdl_file);
    process.state_machine = std::move(fresh->state_machine);
}
} // namespace

bool process_holds_anything(const Process& process) {
    if (!process.sheet.texts.empty()) return true;
    if (process.hdl_file != nullptr &&
        (!process.hdl_file->vhdl_file.empty() || !process.hdl_file->verilog_file.empty()))
        return true;
    const StateMachine* machine = process.state_machine.get();
    return machine != nullptr &&
           (machine->rest_present() || !machine->states.empty() || !machine->transitions.empty() ||
            !machine->action_labels.empty() || !machine->condition_labels.empty());
}

ProcessFields process_fields(const Process& process) {
    return {process.name, process.kind, (process.reserved & kSensitivityListActivated) != 0};
}

DialogResult<ProcessField> edit_process(DiagramEditor& editor, Process& process,
                                        ProcessFields fields) {
    fields.name = bounded(fields.name, kMaxHdlName);
    int rules = editor.name_rules();
    if (int code = check_identifier(fields.name, kHdlNameLimit, rules); code != 0) {
        refuse_identifier(editor.platform(), code, fields.name);
        return refused(ProcessField::Label);
    }
    for (const auto& other : editor.diagram().processes)
        if (other.get() != &process && names_equal(other->name, fields.name, rules)) {
            refuse_duplicate(editor.platform(), editor.language(), kKindProcess);
            return refused(ProcessField::Label);
        }
    if (fields == process_fields(process)) return {Outcome::Unchanged, ProcessField::None};
    bool new_kind = fields.kind != process.kind;
    if (new_kind && process_holds_anything(process)) {
        std::string question =
            format_text("%s not empty, are you sure?",
                        kind_name(editor.language(), kKindProcess, kKindCapital, 1).c_str());
        if (editor.platform().ask_yes_no(program_name(), question) != ui::Answer::Yes)
            return {Outcome::Cancelled, ProcessField::Contents};
    }
    Edit edit(editor, "edit process");
    capture_processes(edit.step(), editor.diagram());
    edit.step().changes_heading_of(process);
    if (new_kind) {
        take_process_content(edit.step(), process);
        start_afresh(editor, process, fields.kind);
    }
    process.name = fields.name;
    if (fields.sensitivity_list)
        process.reserved |= kSensitivityListActivated;
    else
        process.reserved &= ~kSensitivityListActivated;
    refresh_label(process.name_label, process_label_text(process, process.name_label.options));
    return {edit.finish(Outcome::Done), ProcessField::None};
}

} // namespace zeph
