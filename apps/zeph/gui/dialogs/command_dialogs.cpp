// Which dialog a command opens, and the small option dialogs. The generate and setup dialogs
// have files of their own.
#include "dialogs/command_dialogs.h"

#include "dialogs/configurations_dialog.h"
#include "dialogs/dialog_fields.h"
#include "dialogs/form_dialog.h"
#include "dialogs/generate_dialog.h"
#include "dialogs/highlight_net_dialog.h"
#include "dialogs/instantiate_dialog.h"
#include "dialogs/labels_dialog.h"
#include "dialogs/level_jump_dialog.h"
#include "dialogs/machine_dialogs.h"
#include "dialogs/packages_dialog.h"
#include "dialogs/setup_dialog.h"

#include "blockdiagram/diagram_colours.h"
#include "blockdiagram/label_options.h"
#include "blockdiagram/sheet_defaults.h"
#include "blockdiagram/sheet_sizes.h"
#include "shell/colour_lists.h"
#include "shell/machine_command_args.h"
#include "shell/main_window_dispatch.h"
#include "shell/session.h"

#include <QComboBox>
#include <QSpinBox>

namespace zeph {

namespace {

constexpr int kMaxGridFactor = 9;
constexpr int kMinLabelSize = 2;
constexpr int kMaxLabelSize = 50;

// The editor of the current block diagram; null when the current diagram is none.
DiagramEditor* block_editor(Session& session) {
    Design* design = session.design();
    DiagramEditor& editor = session.editor();
    if (design == nullptr || !editor.is_open() || &editor.design() != design) return nullptr;
    if (machine_commands::current_machine(session) != nullptr) return nullptr;
    return &editor;
}

DialogOutcome sheet_defaults_dialog(QWidget* parent, DiagramEditor& editor) {
    SheetDefaults d = sheet_defaults(editor);
    std::vector<std::string> sizes;
    for (int size = 1; size <= kSheetSizeCount; ++size)
        sizes.push_back(size_table_name(size));
    FormDialog dialog(parent, "Sheet Defaults");
    dialog.add_choice(" Sheet size: ", d.size, sizes, 1);
    dialog.add_heading(" Grid: ");
    dialog.add_check("&Display grid", d.display_grid);
    dialog.add_number("Grid Factor:", d.grid_factor, 1, kMaxGridFactor);
    dialog.set_check([&]() -> std::optional<int> {
        if (set_sheet_defaults(editor, d) == Outcome::Refused) return 0;
        return std::nullopt;
    });
    return dialog.run();
}

// The format choices of a kind: the option words 1 up to the kind's largest, then hidden.
std::vector<std::string> format_choices(LabelKind kind) {
    std::vector<std::string> formats;
    for (unsigned format = 1; format <= max_label_format(kind); ++format)
        formats.push_back(std::to_string(format));
    formats.push_back("Hidden");
    return formats;
}

int format_position(const LabelOptions& o) {
    if (o.format == kLabelHidden) return static_cast<int>(max_label_format(o.kind));
    return static_cast<int>(o.format) - 1;
}

DialogOutcome label_options_dialog(QWidget* parent, DiagramEditor& editor) {
    const std::vector<LabelKind> kinds = block_diagram_label_kinds();
    std::vector<std::string> kind_names;
    for (LabelKind kind : kinds)
        kind_names.push_back(label_kind_name(kind));
    LabelOptions o = default_label_options(editor, kinds.front());
    int kind_position = 0;
    int format = format_position(o);
    int colour = o.object_colour ? 1 : 0;
    FormDialog dialog(parent, "Label Options");
    QComboBox* kind_box = dialog.add_choice("&Object:", kind_position, kind_names);
    QSpinBox* size = dialog.add_number("&Size:", o.size, kMinLabelSize, kMaxLabelSize);
    QComboBox* format_box = dialog.add_choice("&Format:", format, format_choices(o.kind));
    QComboBox* colour_box = dialog.add_choice("C&olor:", colour, {"Foreground", "Same as object"});
    dialog.add_check("A&pply to diagram", o.apply_to_diagram);
    dialog.add_check("S&et as new defaults", o.set_as_defaults);
    // Another kind shows that kind's defaults.
    QObject::connect(kind_box, &QComboBox::currentIndexChanged, &dialog,
                     [&, size, format_box, colour_box](int index) {
                         if (index < 0) return;
                         LabelOptions shown =
                             default_label_options(editor, kinds[static_cast<std::size_t>(index)]);
                         size->setValue(shown.size);
                         format_box->clear();
                         for (const std::string& choice : format_choices(shown.kind))
                             format_box->addItem(QString::fromStdString(choice));
                         format_box->setCurrentIndex(format_position(shown));
                         colour_box->setCurrentIndex(shown.object_colour ? 1 : 0);
                     });
    dialog.set_check([&]() -> std::optional<int> {
        o.kind = kinds[static_cast<std::size_t>(kind_position)];
        o.format = format >= static_cast<int>(max_label_format(o.kind))
                       ? kLabelHidden
                       : static_cast<unsigned>(format + 1);
        o.object_colour = colour == 1;
        if (set_label_options(editor, o) == Outcome::Refused) return 0;
        return std::nullopt;
    });
    return dialog.run();
}

// The three lists of the colour settings: block diagram, structure (the hierarchy display) and
// state diagram.
DialogOutcome colours_dialog(QWidget* parent, Session& session) {
    DiagramSettings& settings = session.diagram_settings();
    std::vector<int> colours;
    for (int element = 0; element <= static_cast<int>(DiagramColour::Background); ++element)
        colours.push_back(settings.colour(static_cast<DiagramColour>(element)));
    Settings::Colours& stored = session.settings().colours;
    std::vector<ListedColour> structure =
        structure_colour_list(stored, session.design()->target_language);
    std::vector<ListedColour> states = state_diagram_colour_list(stored);
    // The dialog edits copies: Cancel leaves the settings as they were.
    std::vector<int> structure_values;
    for (const ListedColour& listed : structure)
        structure_values.push_back(*listed.colour);
    std::vector<int> state_values;
    for (const ListedColour& listed : states)
        state_values.push_back(*listed.colour);

    FormDialog dialog(parent, "Colors");
    dialog.add_heading(" Block diagram: ");
    for (std::size_t element = 0; element < colours.size(); ++element)
        dialog.add_number(diagram_colour_name(static_cast<DiagramColour>(element)),
                          colours[element], 0, kLastColour);
    dialog.add_heading(" Structure: ");
    for (std::size_t i = 0; i < structure.size(); ++i)
        dialog.add_number(structure[i].name, structure_values[i], 0, kLastColour);
    dialog.add_heading(" State diagram: ");
    for (std::size_t i = 0; i < states.size(); ++i)
        dialog.add_number(states[i].name, state_values[i], 0, kLastColour);
    dialog.set_check([&]() -> std::optional<int> {
        for (std::size_t element = 0; element < colours.size(); ++element)
            set_diagram_colour(settings, static_cast<DiagramColour>(element), colours[element]);
        for (std::size_t i = 0; i < structure.size(); ++i)
            *structure[i].colour = structure_values[i];
        for (std::size_t i = 0; i < states.size(); ++i)
            *states[i].colour = state_values[i];
        return std::nullopt;
    });
    return dialog.run();
}

} // namespace

DialogOutcome run_command_dialog(QWidget* parent, Session& session, CommandId id) {
    if (session.design() == nullptr) return DialogOutcome::NoDialog;
    StateMachine* machine = machine_commands::current_machine(session);
    DiagramEditor* editor = block_editor(session);
    switch (id) {
    case CommandId::DesignGenerate:
        return run_generate_dialog(parent, session);
    case CommandId::DesignSetup:
        return run_setup_dialog(parent, session);
    case CommandId::DesignPackages:
        return run_packages_dialog(parent, session);
    case CommandId::DesignPackagesPerEntity:
        return run_package_binding_dialog(parent, session);
    case CommandId::OptionsDefaultPackages:
        return run_default_packages_dialog(parent, session);
    case CommandId::DesignConfigurations:
        return run_configurations_dialog(parent, session);
    case CommandId::LevelJump:
        return run_level_jump_dialog(parent, session);
    case CommandId::DiagramInstantiate: {
        DiagramEditor* placing = current_block_diagram_editor(session);
        return placing != nullptr ? run_instantiate_dialog(parent, session, *placing)
                                  : DialogOutcome::NoDialog;
    }
    case CommandId::OptionsSheetDefaults:
        return editor != nullptr ? sheet_defaults_dialog(parent, *editor) : DialogOutcome::NoDialog;
    case CommandId::OptionsLabelOptions:
        return editor != nullptr ? label_options_dialog(parent, *editor) : DialogOutcome::NoDialog;
    case CommandId::DiagramHighlightNet:
        return editor != nullptr ? run_highlight_net_dialog(parent, *editor)
                                 : DialogOutcome::NoDialog;
    case CommandId::OptionsColors:
        return colours_dialog(parent, session);
    case CommandId::DiagramOptions:
        return machine != nullptr ? run_machine_options_dialog(parent, session, *machine)
                                  : DialogOutcome::NoDialog;
    case CommandId::DiagramActionLabels:
    case CommandId::DiagramConditionLabels:
        if (machine == nullptr) return DialogOutcome::NoDialog;
        return run_labels_dialog(parent, session, *machine,
                                 id == CommandId::DiagramActionLabels
                                     ? LabelDialogPurpose::ActionLabels
                                     : LabelDialogPurpose::ConditionLabels);
    default:
        return DialogOutcome::NoDialog;
    }
}

} // namespace zeph
