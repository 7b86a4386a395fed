// The key table of "zeph.ini" (data only).
#include "shell/settings_keys.h"

#include <climits>

namespace zeph {

namespace {
// Each macro makes one row; the lambda hands the reader and the writer the field to fill.
// clang-format off
#define INTEGER(section, key, field, min, max) \
    {section, key, ValueForm::Integer, min, max, [](Settings& s) { return &s.field; }}
#define CHOICE(section, key, form, field) \
    {section, key, form, 0, 0, [](Settings& s) { return &s.field; }}
#define FLAG(section, key, field) \
    {section, key, ValueForm::Flag, 0, 0, nullptr, [](Settings& s) { return &s.field; }}
#define TEXT(section, key, field, size) \
    {section, key, ValueForm::Text, 0, size, nullptr, nullptr, [](Settings& s) { return &s.field; }}
#define RECTANGLE(section, key, field) \
    {section, key, ValueForm::Rectangle, 0, 0, nullptr, nullptr, nullptr, \
     [](Settings& s) { return &s.field; }}

const SettingKey kKeys[] = {
    INTEGER("GUI", "GridFactor", gui.grid_factor, 1, 9),
    CHOICE("GUI", "SheetSize", ValueForm::SheetSize, gui.sheet_size),
    INTEGER("GUI", "MaxUndos", gui.max_undos, 1, 50),
    FLAG("GUI", "SaveSettingsOnExit", gui.save_settings_on_exit),
    RECTANGLE("GUI", "Userarea", gui.user_area),
    FLAG("GUI", "TreeDisplayed", gui.tree_displayed),
    TEXT("GUI", "Font", gui.font, 31),
    FLAG("GUI", "SpeedBarLeft", gui.speed_bar_left),
    FLAG("GUI", "ReturnIsNextDlg", gui.return_is_next_dlg),

    TEXT("Environment", "Editor", environment.editor, 256),
    FLAG("Environment", "EditorAsViewer", environment.editor_as_viewer),
    TEXT("Environment", "Designs", environment.designs, 255),
    TEXT("Environment", "Macros", environment.macros, 255),
    TEXT("Environment", "Libraries", environment.libraries, 255),
    TEXT("Environment", "Outputs", environment.outputs, 255),
    TEXT("Environment", "VhdlExt", environment.vhdl_ext, 16),
    TEXT("Environment", "EntityExt", environment.entity_ext, 16),
    TEXT("Environment", "ArchitectureExt", environment.architecture_ext, 16),
    TEXT("Environment", "ConfigurationExt", environment.configuration_ext, 16),
    TEXT("Environment", "VerilogExt", environment.verilog_ext, 16),
    INTEGER("Environment", "GenerateParts", environment.generate_parts, 0, 84),
    INTEGER("Environment", "SplitFiles", environment.split_files, 0, 2),
    FLAG("Environment", "OverwriteOutFiles", environment.overwrite_out_files),
    FLAG("Environment", "ConfirmReplaceNames", environment.confirm_replace_names),
    INTEGER("Environment", "BackupTime", environment.backup_time, 0, 30),
    FLAG("Environment", "CreateDesignBakDir", environment.create_design_bak_dir),

    INTEGER("TextSize", "Components", text_size.components, 2, 50),
    INTEGER("TextSize", "Processes", text_size.processes, 2, 50),
    INTEGER("TextSize", "Generics", text_size.generics, 2, 50),
    INTEGER("TextSize", "Ports", text_size.ports, 2, 50),
    INTEGER("TextSize", "ConnectLabels", text_size.connect_labels, 2, 50),
    INTEGER("TextSize", "Nets", text_size.nets, 2, 50),
    INTEGER("TextSize", "BusEntries", text_size.bus_entries, 2, 50),
    INTEGER("TextSize", "States", text_size.states, 2, 50),
    INTEGER("TextSize", "Conditions", text_size.conditions, 2, 50),
    INTEGER("TextSize", "Actions", text_size.actions, 2, 50),
    INTEGER("TextSize", "Priorities", text_size.priorities, 2, 50),
    INTEGER("TextSize", "FreePlacedTexts", text_size.free_placed_texts, 2, 50),

    INTEGER("LabelFormats", "Components", label_formats.components, 1, 7),
    INTEGER("LabelFormats", "Processes", label_formats.processes, 1, 3),
    INTEGER("LabelFormats", "Generics", label_formats.generics, 1, 3),
    INTEGER("LabelFormats", "Ports", label_formats.ports, 1, 7),
    INTEGER("LabelFormats", "Nets", label_formats.nets, 1, 3),
    INTEGER("LabelFormats", "BusEntries", label_formats.bus_entries, 1, 3),
    INTEGER("LabelFormats", "States", label_formats.states, 1, 7),

    FLAG("LabelColours", "Components", label_colours.components),
    FLAG("LabelColours", "Processes", label_colours.processes),
    FLAG("LabelColours", "Generics", label_colours.generics),
    FLAG("LabelColours", "Ports", label_colours.ports),
    FLAG("LabelColours", "ConnectLabels", label_colours.connect_labels),
    FLAG("LabelColours", "Nets", label_colours.nets),
    FLAG("LabelColours", "BusEntries", label_colours.bus_entries),
    FLAG("LabelColours", "States", label_colours.states),
    FLAG("LabelColours", "Conditions", label_colours.conditions),
    FLAG("LabelColours", "Actions", label_colours.actions),
    FLAG("LabelColours", "Priorities", label_colours.priorities),

    INTEGER("ColoursRef", "Components", colours.components, 0, 15),
    INTEGER("ColoursRef", "ComponentBackground", colours.component_background, 0, 15),
    INTEGER("ColoursRef", "Processes", colours.processes, 0, 15),
    INTEGER("ColoursRef", "ProcessBackground", colours.process_background, 0, 15),
    INTEGER("ColoursRef", "Generics", colours.generics, 0, 15),
    INTEGER("ColoursRef", "Ports", colours.ports, 0, 15),
    INTEGER("ColoursRef", "Wires", colours.wires, 0, 15),
    INTEGER("ColoursRef", "Buses", colours.buses, 0, 15),
    INTEGER("ColoursRef", "Grid", colours.grid, 0, 15),
    INTEGER("ColoursRef", "Selected", colours.selected, 0, 15),
    INTEGER("ColoursRef", "SelectedBackground", colours.selected_background, 0, 15),
    INTEGER("ColoursRef", "Foreground", colours.foreground, 0, 15),
    INTEGER("ColoursRef", "FreePlacedTexts", colours.free_placed_texts, 0, 15),
    INTEGER("ColoursRef", "Background", colours.background, 0, 15),
    INTEGER("ColoursRef", "ComponentLeaves", colours.component_leaves, 0, 15),
    INTEGER("ColoursRef", "ExternalLeaves", colours.external_leaves, 0, 15),
    INTEGER("ColoursRef", "BlockLeaves", colours.block_leaves, 0, 15),
    INTEGER("ColoursRef", "VhdlLeaves", colours.vhdl_leaves, 0, 15),
    INTEGER("ColoursRef", "StateLeaves", colours.state_leaves, 0, 15),
    INTEGER("ColoursRef", "CurrentLeaf", colours.current_leaf, 0, 15),
    INTEGER("ColoursRef", "HighlightLeaf", colours.highlight_leaf, 0, 15),
    INTEGER("ColoursRef", "LeavesForeground", colours.leaves_foreground, 0, 15),
    INTEGER("ColoursRef", "LeavesBackground", colours.leaves_background, 0, 15),
    INTEGER("ColoursRef", "States", colours.states, 0, 15),
    INTEGER("ColoursRef", "StateBackground", colours.state_background, 0, 15),
    INTEGER("ColoursRef", "Transitions", colours.transitions, 0, 15),
    INTEGER("ColoursRef", "Actions", colours.actions, 0, 15),

    TEXT("DefaultNames", "BlockDiagramArchs", default_names.block_diagram_archs, 32),
    TEXT("DefaultNames", "VHDLFileArchs", default_names.vhdl_file_archs, 32),
    TEXT("DefaultNames", "StateDiagramArchs", default_names.state_diagram_archs, 32),
    TEXT("DefaultNames", "ExternalArchs", default_names.external_archs, 32),

    TEXT("Miscellaneous", "Company", miscellaneous.company, 50),
    TEXT("Miscellaneous", "SignalType", miscellaneous.signal_type, 32),
    TEXT("Miscellaneous", "VectorType", miscellaneous.vector_type, 32),
    FLAG("Miscellaneous", "TextsInForeGround", miscellaneous.texts_in_foreground),
    TEXT("Miscellaneous", "DefaultLanguage", miscellaneous.default_language, 32),

    CHOICE("Tools", "SynthesisTool", ValueForm::SynthesisTool, tools.synthesis_tool),
    CHOICE("Tools", "AnalysisTool", ValueForm::AnalysisTool, tools.analysis_tool),
    TEXT("Tools", "WorkingLibrary", tools.working_library, 32),
    TEXT("Tools", "Modelsim", tools.modelsim, 100),
    TEXT("Tools", "ModelsimExecPath", tools.modelsim_exec_path, 256),

    INTEGER("StateDiagrams", "ArrowLength", state_diagrams.arrow_length, 5, 50),
    FLAG("StateDiagrams", "ThickStateBorder", state_diagrams.thick_state_border),
    INTEGER("StateDiagrams", "ArrowPosition", state_diagrams.arrow_position, INT_MIN, INT_MAX),

    FLAG("Verify", "DisableNotes", verify.disable_notes),
    FLAG("Verify", "DisableWarnings", verify.disable_warnings),
    INTEGER("Verify", "CheckVhdlWords", verify.check_vhdl_words, 1, 3),
    FLAG("Verify", "DisableTypeChecks", verify.disable_type_checks),
};
// clang-format on

#undef INTEGER
#undef CHOICE
#undef FLAG
#undef TEXT
#undef RECTANGLE
} // namespace

std::span<const SettingKey> setting_keys() {
    return kKeys;
}

} // namespace zeph
