// The block-diagram object dialogs on the form framework. The fields come from the core's
// `*_fields` of the object; OK runs the core's edit operation, which checks, reports through
// the platform and names the field of a refusal.
#include "dialogs/block_dialogs.h"

#include "dialogs/dialog_fields.h"
#include "dialogs/form_dialog.h"

#include "blockdiagram/diagram_wiring.h"
#include "blockdiagram/free_texts.h"
#include "blockdiagram/generic_dialog.h"
#include "blockdiagram/port_dialog.h"
#include "blockdiagram/process_dialog.h"
#include "design/generic.h"
#include "foundation/kind_vocabulary.h"

#include <QCheckBox>
#include <QLineEdit>

namespace zeph {

namespace {

using Type = DiagramObjectType;

const Choices kDirectionChoices = {"Downto", "To"};
const Choices kSignalKindChoices = {"-", "BUS", "REGISTER"};
const Choices kFunctionChoices = {"-", "Clock", "Reset", "State Register"};
const Choices kEventChoices = {"No", "Yes", "PosEgde", "NegEdge"};
const Choices kTimeUnitChoices = {"-", "fs", "ps", "ns", "us", "ms", "sec", "min", "hr"};

bool is_verilog(const DiagramEditor& editor) {
    return editor.design().target_language == kLanguageVerilog;
}

Choices mode_choices(bool verilog) {
    Choices modes = {"In", "Out", "Inout"};
    if (!verilog) modes.push_back("Buffer");
    return modes;
}

template <class Field> std::optional<int> check_result(const DialogResult<Field>& result) {
    return refused_field(result, refused(result.outcome));
}

// The sensitivity field of a port: a check box in VHDL, the event list choice in Verilog.
// `flag` holds the check box's value until OK turns it into the number.
void add_sensitivity(FormDialog& dialog, bool verilog, int& sensitivity, bool& flag) {
    if (verilog) {
        dialog.add_choice("On &Event list:", sensitivity, kEventChoices);
        return;
    }
    flag = sensitivity != 0;
    dialog.add_check("On s&ensit. list:", flag);
}

// "&Range:" with its left value, the direction (VHDL) and its right value.
template <class Fields>
void add_range(FormDialog& dialog, bool verilog, Fields& f, int range_field, int left_field,
               int right_field) {
    dialog.name_field(range_field, dialog.add_line("&Range:", f.left, kValueLimit, left_field));
    if (!verilog) dialog.add_choice("", f.direction, kDirectionChoices);
    dialog.add_line("right:", f.right, kValueLimit, right_field);
}

DialogOutcome port_dialog(QWidget* parent, DiagramEditor& editor, const DiagramObject& object) {
    const bool verilog = is_verilog(editor);
    Entity& entity = object.type == Type::DiagramPort ? editor.entity() : *object.component->entity;
    PortFields f = port_fields(*entity.ports[object.index]);
    bool sensitivity_flag = false;
    FormDialog dialog(parent, "Edit Port");
    dialog.add_heading(" Definition: ");
    dialog.add_line("&Name:", f.name, kNameLimit, static_cast<int>(PortField::Name));
    dialog.add_choice("&Mode:", f.mode, mode_choices(verilog), 1,
                      static_cast<int>(PortField::Mode));
    if (verilog)
        dialog.add_check("Register", f.register_flag);
    else
        dialog.add_line("&Type:", f.type_name, kNameLimit, static_cast<int>(PortField::Type));
    add_range(dialog, verilog, f, static_cast<int>(PortField::Range),
              static_cast<int>(PortField::LeftRange), static_cast<int>(PortField::RightRange));
    dialog.add_line("Def. &value:", f.default_value, kValueLimit,
                    static_cast<int>(PortField::DefaultValue));
    dialog.add_line("C&omment:", f.comment, kCommentLimit);
    add_sensitivity(dialog, verilog, f.sensitivity, sensitivity_flag);
    if (!verilog) dialog.add_choice("Signal kind:", f.signal_kind, kSignalKindChoices);
    dialog.add_choice("Special &function:", f.special_function, kFunctionChoices, 0,
                      static_cast<int>(PortField::SpecialFunction));
    dialog.set_check([&] {
        if (!verilog) f.sensitivity = sensitivity_flag ? 1 : 0;
        return check_result(edit_port(editor, object, f));
    });
    return dialog.run();
}

DialogOutcome process_port_dialog(QWidget* parent, DiagramEditor& editor,
                                  const DiagramObject& object) {
    const bool verilog = is_verilog(editor);
    ProcessPortFields f = process_port_fields(*object.process->ports[object.index]);
    bool sensitivity_flag = false;
    FormDialog dialog(parent, "Edit Port");
    dialog.add_choice("&Mode:", f.mode, mode_choices(verilog), 1,
                      static_cast<int>(PortField::Mode));
    add_sensitivity(dialog, verilog, f.sensitivity, sensitivity_flag);
    dialog.add_choice("Special &function:", f.special_function, kFunctionChoices, 0,
                      static_cast<int>(PortField::SpecialFunction));
    dialog.add_line("C&omment:", f.comment, kCommentLimit);
    dialog.set_check([&] {
        if (!verilog) f.sensitivity = sensitivity_flag ? 1 : 0;
        return check_result(edit_process_port(editor, *object.process, object.index, f));
    });
    return dialog.run();
}

DialogOutcome net_dialog(QWidget* parent, DiagramEditor& editor, std::size_t net) {
    const bool verilog = is_verilog(editor);
    NetFields f = net_fields(*editor.diagram().nets[net]);
    FormDialog dialog(parent, "Edit Net");
    dialog.add_line("&Name:", f.name, kNameLimit, static_cast<int>(NetField::Name));
    if (verilog)
        dialog.add_check("Register", f.register_flag);
    else
        dialog.add_line("&Type:", f.type_name, kNameLimit, static_cast<int>(NetField::Type));
    add_range(dialog, verilog, f, static_cast<int>(NetField::Range),
              static_cast<int>(NetField::LeftRange), static_cast<int>(NetField::RightRange));
    dialog.add_line("&Default val.:", f.default_value, kValueLimit,
                    static_cast<int>(NetField::DefaultValue));
    if (!verilog) dialog.add_choice("&Signal kind:", f.signal_kind, kSignalKindChoices);
    dialog.set_check([&] { return check_result(edit_net(editor, net, f)); });
    return dialog.run();
}

DialogOutcome entry_dialog(QWidget* parent, DiagramEditor& editor, const DiagramObject& object) {
    BusEntryRef ref = {object.index, object.entry};
    EntryFields f = entry_fields(entry_at(editor.diagram(), ref));
    FormDialog dialog(parent, "Edit Entry");
    QCheckBox* slice = dialog.add_check("A&rray slice", f.slice);
    QLineEdit* index =
        dialog.add_line("&Index:", f.index, kValueLimit, static_cast<int>(EntryField::Index));
    QLineEdit* left = dialog.add_line("&Left range:", f.left, kValueLimit,
                                      static_cast<int>(EntryField::LeftRange));
    QLineEdit* right = dialog.add_line("&Right range:", f.right, kValueLimit,
                                       static_cast<int>(EntryField::RightRange));
    auto show_slice = [index, left, right](bool on) {
        index->setEnabled(!on);
        left->setEnabled(on);
        right->setEnabled(on);
    };
    show_slice(f.slice);
    QObject::connect(slice, &QCheckBox::toggled, &dialog, show_slice);
    dialog.set_check([&] { return check_result(edit_bus_entry(editor, ref, f)); });
    return dialog.run();
}

DialogOutcome process_dialog(QWidget* parent, DiagramEditor& editor, Process& process) {
    const bool verilog = is_verilog(editor);
    ProcessFields f = process_fields(process);
    FormDialog dialog(parent,
                      "Edit " + kind_name(editor.language(), kKindProcess, kKindCapital, 1));
    dialog.add_line("&Label:", f.name, kNameLimit, static_cast<int>(ProcessField::Label));
    dialog.add_choice("C&ontents:", f.kind, {"HDL File", "State Diagram"}, 1,
                      static_cast<int>(ProcessField::Contents));
    dialog.add_check(verilog ? "&Event list activated" : "&Sensitivity list activated",
                     f.sensitivity_list);
    dialog.set_check([&] { return check_result(edit_process(editor, process, f)); });
    return dialog.run();
}

DialogOutcome text_dialog(QWidget* parent, DiagramEditor& editor, std::size_t index) {
    return run_text_dialog(parent, editor.sheet().texts[index],
                           [&](const TextFields& f) { return edit_free_text(editor, index, f); });
}

DialogOutcome generic_dialog(QWidget* parent, DiagramEditor& editor, std::size_t index) {
    GenericFields f = generic_fields(*editor.entity().generics[index]);
    FormDialog dialog(parent, "Edit Generic");
    dialog.add_line("&Name:", f.name, kNameLimit, static_cast<int>(GenericField::Name));
    dialog.add_choice("&Type:", f.type,
                      Choices(std::begin(kGenericTypeWords), std::end(kGenericTypeWords)), 0,
                      static_cast<int>(GenericField::Type));
    dialog.add_line("&User type:", f.user_type, kCommentLimit);
    dialog.add_line("Def. &value:", f.default_value, kValueLimit,
                    static_cast<int>(GenericField::DefaultValue));
    dialog.add_choice("&Unit:", f.unit, kTimeUnitChoices);
    dialog.add_line("C&omment:", f.comment, kCommentLimit);
    dialog.set_check([&] { return check_result(edit_generic(editor, index, f)); });
    return dialog.run();
}

} // namespace

DialogOutcome run_text_dialog(QWidget* parent, const LabelDisplay& text,
                              const std::function<Outcome(const TextFields&)>& apply) {
    TextFields f = text_fields(text);
    FormDialog dialog(parent, "Edit Text");
    dialog.add_line("S&tring:", f.text, kValueLimit);
    dialog.add_number("&Scale:", f.scale, kMinTextScale, kMaxTextScale);
    dialog.add_number("C&olor:", f.colour, 0, kLastColour);
    dialog.set_check([&]() -> std::optional<int> {
        if (refused(apply(f))) return 0;
        return std::nullopt;
    });
    return dialog.run();
}

DialogOutcome run_block_object_dialog(QWidget* parent, DiagramEditor& editor,
                                      const DiagramObject& object) {
    switch (object.type) {
    case Type::DiagramPort:
    case Type::ComponentPort:
        return port_dialog(parent, editor, object);
    case Type::ProcessPort:
        return process_port_dialog(parent, editor, object);
    case Type::Segment:
        return net_dialog(parent, editor, object.index);
    case Type::BusEntry:
        return entry_dialog(parent, editor, object);
    case Type::Process:
        return process_dialog(parent, editor, *object.process);
    case Type::FreeText:
        return text_dialog(parent, editor, object.index);
    case Type::DiagramGeneric:
        return generic_dialog(parent, editor, object.index);
    case Type::Component:
        break;
    }
    return DialogOutcome::NoDialog;
}

} // namespace zeph
