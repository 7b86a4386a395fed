// The operations of the main window's commands.
#include "shell/main_window_dispatch.h"
#include "shell/about_box.h"

#include "blockdiagram/diagram_hit.h"
#include "blockdiagram/diagram_messages.h"
#include "blockdiagram/selection_edits.h"
#include "blockdiagram/stretch.h"
#include "blockdiagram/view_area.h"
#include "drawing/diagram_renderer.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/strings.h"
#include "shell/hierarchy_operations.h"
#include "shell/import_commands.h"
#include "shell/included_texts.h"
#include "shell/label_list_commands.h"
#include "shell/level_navigation.h"
#include "shell/main_window_state.h"
#include "shell/session.h"
#include "shell/state_diagram_edits.h"
#include "shell/verification.h"

#include <optional>

namespace zeph {

namespace {
constexpr std::size_t kGotoAnswerLength = 64;

CommandOutcome outcome(bool ok) {
    return ok ? CommandOutcome::Done : CommandOutcome::Failed;
}
CommandOutcome outcome(Outcome o) {
    return outcome(o != Outcome::Refused);
}

std::optional<IncludedText> included_text_of(CommandId id) {
    switch (id) {
    case CommandId::TextEntityComment:
        return IncludedText::EntityComment;
    case CommandId::TextEntityDeclarations:
        return IncludedText::EntityDeclarations;
    case CommandId::TextArchitectureComment:
        return IncludedText::ArchitectureComment;
    case CommandId::TextDeclarationsBefore:
        return IncludedText::DeclarationsBefore;
    case CommandId::TextDeclarationsAfter:
        return IncludedText::DeclarationsAfter;
    case CommandId::TextConcurrentStatements:
        return IncludedText::Statements;
    case CommandId::TextProcessComment:
        return IncludedText::ProcessComment;
    case CommandId::TextProcessDeclarations:
        return IncludedText::ProcessDeclarations;
    default:
        return std::nullopt;
    }
}

// "Select a position." picks the line, "Select width." the end of the drag.
CommandOutcome stretch_by_picks(DiagramEditor& editor, Axis axis, bool contracting) {
    auto along = [axis](ui::Point p) { return axis == Axis::Horizontal ? p.x : p.y; };
    std::optional<ui::Point> line = editor.platform().pick_point("Select a position.");
    if (!line) return CommandOutcome::Done;
    bool allowed = contracting ? contract_line_allowed(editor, axis, along(*line))
                               : stretch_line_allowed(editor, axis, along(*line));
    if (!allowed) return CommandOutcome::Failed;
    std::optional<ui::Point> drag = editor.platform().pick_point("Select width.");
    if (!drag) return CommandOutcome::Done;
    return outcome(contracting ? contract(editor, axis, along(*line), along(*drag))
                               : stretch(editor, axis, along(*line), along(*drag)));
}

CommandOutcome zoom_area_by_pick(DiagramEditor& editor) {
    std::optional<ui::Rect> area = editor.platform().pick_rect("Select an area.");
    if (!area) return CommandOutcome::Done;
    return outcome(zoom_area(editor.platform(), editor.view(), {area->from.x, area->from.y},
                             {area->to.x, area->to.y}));
}

CommandOutcome go_to_asked(DiagramEditor& editor) {
    std::optional<std::string> typed =
        editor.platform().prompt_text(format_text("Enter %s:", "x, y"), "", kGotoAnswerLength);
    if (!typed) return CommandOutcome::Done;
    return outcome(go_to(editor.platform(), editor.view(), editor.sheet(), *typed));
}

// The picture of the visible diagram as SVG text on the clipboard.
CommandOutcome copy_to_clipboard(Session& session, DiagramEditor& editor) {
    DrawingOptions options;
    options.settings = session.diagram_settings();
    options.defaults = session.design_defaults();
    options.selection = &editor.selection();
    options.view = editor.view().area;
    session.platform().set_clipboard(block_diagram_svg(editor.architecture(), options));
    return CommandOutcome::Done;
}

// The one selected component, else the component at a picked point ("Select a component.").
const Component* chosen_component(Session& session, DiagramEditor& editor) {
    const Selection& selected = editor.selection();
    if (selected.size() == 1 && selected.front().type == DiagramObjectType::Component)
        return selected.front().component;
    std::optional<ui::Point> at = session.platform().pick_point("Select a component.");
    if (!at) return nullptr;
    const Component* component = component_at(editor.architecture(), {at->x, at->y});
    // Qualified: a file of the same unity batch has a refuse() of its own.
    if (component == nullptr)
        zeph::refuse(session.platform(),
                     format_text("No %s found.",
                                 kind_name(session.language(), kKindComponent, 0, 1).c_str()));
    return component;
}

CommandOutcome save_macro_of_chosen(Session& session, DiagramEditor& editor) {
    const Component* component = chosen_component(session, editor);
    if (component == nullptr) return CommandOutcome::Failed;
    return outcome(
        save_component_macro(session, editor.design(), *component, std::nullopt, std::nullopt));
}

// The place of the new component first, then the macro.
CommandOutcome load_macro_by_pick(Session& session, DiagramEditor& editor) {
    std::optional<ui::Point> at = session.platform().pick_point("Select a position.");
    if (!at) return CommandOutcome::Done;
    return outcome(load_macro_at(session, editor, {at->x, at->y}, std::nullopt, std::nullopt));
}

CommandOutcome on_design(Session& session, CommandId id) {
    if (session.design() == nullptr) return CommandOutcome::Failed;
    switch (id) {
    case CommandId::DesignList:
        report_design_list(session);
        return CommandOutcome::Done;
    case CommandId::DesignHierarchyBrowser:
        report_hierarchy(session);
        return CommandOutcome::Done;
    case CommandId::DesignPurge:
        return outcome(purge_design(session));
    default:
        return outcome(load_library(session, std::nullopt));
    }
}

CommandOutcome level_down_by_pick(Session& session) {
    std::optional<ui::Point> at = session.platform().pick_point("Select a component.");
    if (!at) return CommandOutcome::Done;
    return outcome(level_down(session, {at->x, at->y}));
}

CommandOutcome labels_list(Session& session, bool actions, bool every_machine) {
    return outcome(list_labels(session, actions, every_machine) == LabelsListResult::Shown);
}

// The operations of a state diagram; nullopt for the others.
std::optional<CommandOutcome> on_state_diagram(Session& session, CommandId id) {
    if (!current_state_diagram(session)) return std::nullopt;
    switch (id) {
    case CommandId::DiagramRestState:
        return outcome(add_rest_by_pick(session));
    case CommandId::ListActions:
        return labels_list(session, true, false);
    case CommandId::ListAllActions:
        return labels_list(session, true, true);
    case CommandId::ListConditions:
        return labels_list(session, false, false);
    case CommandId::ListAllConditions:
        return labels_list(session, false, true);
    case CommandId::EditUndo:
        return outcome(undo_state_diagram(session));
    case CommandId::SelectionDelete:
        return outcome(delete_state_diagram_selection(session));
    default:
        return std::nullopt;
    }
}

CommandOutcome on_block_diagram(Session& session, CommandId id) {
    DiagramEditor* editor = current_block_diagram_editor(session);
    if (editor == nullptr) return CommandOutcome::Failed;
    ui::Platform& platform = session.platform();
    switch (id) {
    case CommandId::DiagramClear:
        return outcome(clear_diagram(*editor));
    case CommandId::AreaHorizontalStretch:
        return stretch_by_picks(*editor, Axis::Horizontal, false);
    case CommandId::AreaVerticalStretch:
        return stretch_by_picks(*editor, Axis::Vertical, false);
    case CommandId::AreaHorizontalContract:
        return stretch_by_picks(*editor, Axis::Horizontal, true);
    case CommandId::AreaVerticalContract:
        return stretch_by_picks(*editor, Axis::Vertical, true);
    case CommandId::WindowZoomIn:
        return outcome(zoom_in(platform, editor->view()));
    case CommandId::WindowZoomOut:
        return outcome(zoom_out(platform, editor->view(), editor->sheet()));
    case CommandId::WindowZoomArea:
        return zoom_area_by_pick(*editor);
    case CommandId::WindowOverview:
        editor->view() = overview(editor->sheet());
        return CommandOutcome::Done;
    case CommandId::WindowCopyToClipboard:
        return copy_to_clipboard(session, *editor);
    case CommandId::WindowGoTo:
        return go_to_asked(*editor);
    case CommandId::EditUndo:
        return outcome(editor->undo());
    case CommandId::SelectionDelete:
        return outcome(delete_selection(*editor));
    case CommandId::SelectionRotate:
        return outcome(rotate_selection(*editor));
    case CommandId::DiagramLoadMacro:
        return load_macro_by_pick(session, *editor);
    case CommandId::DiagramSaveMacro:
        return save_macro_of_chosen(session, *editor);
    default:
        return CommandOutcome::NotAnOperation;
    }
}
} // namespace

DiagramEditor* current_block_diagram_editor(Session& session) {
    Design* design = session.design();
    DiagramEditor& editor = session.editor();
    if (design == nullptr || current_diagram_kind(session) != DiagramKind::BlockDiagram)
        return nullptr;
    if (editor.is_open() && &editor.design() == design &&
        &editor.architecture() == design->current_architecture)
        return &editor;
    return editor.open(*design, *design->current_architecture) ? &editor : nullptr;
}

CommandOutcome run_operation(Session& session, CommandId id) {
    session.enter_working_directory();
    if (std::optional<IncludedText> text = included_text_of(id))
        return outcome(edit_included_text(session, *text));
    switch (id) {
    case CommandId::FileNew:
        return outcome(session.new_design());
    case CommandId::FileOpen:
        return outcome(session.open(std::nullopt));
    case CommandId::FileImportVhdl:
        return outcome(import_vhdl(session, std::nullopt));
    case CommandId::FileSave:
        return outcome(session.save());
    case CommandId::FileSaveAs:
        return outcome(session.save_as(std::nullopt));
    case CommandId::FileView:
        return outcome(session.view(std::nullopt));
    case CommandId::FileExit:
        return CommandOutcome::Exit;
    case CommandId::DesignList:
    case CommandId::DesignPurge:
    case CommandId::DesignHierarchyBrowser:
    case CommandId::DiagramLoadLibraryModule:
        return on_design(session, id);
    case CommandId::DesignVerify:
        return outcome(verify_entire_design(session));
    case CommandId::DiagramVerify:
        return outcome(verify_current_diagram(session));
    case CommandId::WindowRefresh:
        return CommandOutcome::Done; // views repaint from the session
    case CommandId::LevelDown:
        return level_down_by_pick(session);
    case CommandId::LevelUp:
        return outcome(level_up(session));
    case CommandId::LevelTop:
        return outcome(level_top(session));
    case CommandId::OptionsLoad:
        return outcome(session.load_settings());
    case CommandId::OptionsSave:
        return outcome(session.save_settings());
    case CommandId::HelpAbout:
        show_about(session.platform());
        return CommandOutcome::Done;
    default:
        if (std::optional<CommandOutcome> done = on_state_diagram(session, id)) return *done;
        return on_block_diagram(session, id);
    }
}

} // namespace zeph
