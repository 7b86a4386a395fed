// "Design Setup" on the form framework; OK is the core's apply_design_setup, which checks the
// types and header files in its order and reports the first failure.
#include "dialogs/setup_dialog.h"

#include "dialogs/form_dialog.h"

#include "design/synthesis_tools.h"
#include "hdl/design_setup.h"
#include "shell/session.h"

#include <QLineEdit>

namespace zeph {

DialogOutcome run_setup_dialog(QWidget* parent, Session& session) {
    Design& design = *session.design();
    DesignSetup s = design_setup_of(design);
    std::vector<std::string> tools;
    for (int tool = 0; tool < kSynthesisToolCount; ++tool)
        tools.push_back(synthesis_tool_name(tool));
    const int type_limit = static_cast<int>(kSetupTypeLimit);
    const int file_limit = static_cast<int>(kSetupFileLimit);
    const int info_limit = static_cast<int>(kSetupInfoLimit);
    FormDialog dialog(parent, "Design Setup");
    dialog.add_heading(" HDL Language: ");
    dialog.add_choice("&Target:", s.language, {target_choice_label(1), target_choice_label(2)}, 1);
    dialog.add_choice("Language checking:", s.rules,
                      {rules_choice_label(1), rules_choice_label(2), rules_choice_label(3)}, 1);
    dialog.add_heading(" Vhdl settings: ");
    QLineEdit* signal_type = dialog.add_line("&Signal type:", s.signal_type, type_limit);
    QLineEdit* vector_type = dialog.add_line("&Vector type", s.vector_type, type_limit);
    dialog.add_check("&Declare synthesis attributes in-line", s.inline_attributes);
    dialog.add_check("Generate VHDL93 &compliant code", s.vhdl93);
    dialog.add_choice("&Keywords:", s.keyword_case,
                      {keyword_case_label(0), keyword_case_label(1), keyword_case_label(2)});
    dialog.add_line("&Header filename:", s.vhdl_header_file, file_limit);
    dialog.add_heading(" Verilog settings: ");
    dialog.add_line("&Header filename:", s.verilog_header_file, file_limit);
    dialog.add_heading(" Synthesis: ");
    dialog.add_choice("Synthesis tool:", s.synthesis_tool, tools);
    dialog.add_heading(" Info ");
    dialog.add_line("&Designer:", s.designer, info_limit);
    dialog.add_line("&Company:", s.company, info_limit);
    dialog.add_line("Design &info:", s.design_info, info_limit);
    // The vector type follows the signal type as the core decides while it is typed.
    DesignSetup typing = s;
    QObject::connect(signal_type, &QLineEdit::textEdited, &dialog,
                     [&typing, vector_type](const QString& text) {
                         typing.vector_type = vector_type->text().toStdString();
                         edit_signal_type(typing, text.toStdString());
                         vector_type->setText(QString::fromStdString(typing.vector_type));
                     });
    dialog.set_check([&]() -> std::optional<int> {
        if (apply_design_setup(design, s, session.events()) == SetupOutcome::Refused) return 0;
        return std::nullopt;
    });
    return dialog.run();
}

} // namespace zeph
