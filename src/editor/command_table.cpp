// The command rows, in their fixed order, and lookups over them.
#include "editor/command_table.h"

#include "editor/editor_commands.h"

namespace zped {

namespace {
constexpr unsigned S = kGroupSelection;
constexpr unsigned W = kGroupEditWindow;
constexpr unsigned E = kGroupErrorList;

// clang-format off
const std::array<CommandRow, kCommandCount> kRows = {{
    {cmd_LoadFile, "LoadFile", "Open file", "Locate and open a file.", 0},
    {cmd_NewFile, "NewFile", "New file", "Create a new, empty edit buffer.", 0},
    {cmd_InsertFile, "InsertFile", "Insert file", "Insert file into current buffer.", W},
    {cmd_SaveFile, "SaveFile", "Save", "Save the file in the active edit window.", W},
    {cmd_SaveFileAs, "SaveFileAs", "Save as", "Save the active edit window under a new name.", W},
    {cmd_SaveAll, "SaveAll", "Save all", "Save every modified edit buffer.", W},
    {cmd_PrintText, "PrintText", "Print", "Print the text of the active edit window.", W},
    {cmd_ExitApp, "ExitApp", "Exit", "Quit the editor.", 0},
    {cmd_LoadMRUFile1, "LoadMRUFile1", "", "Open the most recently closed file.", 0},
    {cmd_LoadMRUFile2, "LoadMRUFile2", "", "Open the second recently closed file.", 0},
    {cmd_LoadMRUFile3, "LoadMRUFile3", "", "Open the third recently closed file.", 0},
    {cmd_LoadMRUFile4, "LoadMRUFile4", "", "Open the fourth recently closed file.", 0},
    {cmd_LoadMRUFile5, "LoadMRUFile5", "", "Open the fifth recently closed file.", 0},
    {cmd_FindText, "FindText", "Find", "Find text in the active edit window.", W},
    {cmd_FindNextText, "FindNextText", "Search again", "Repeat last Find or Replace operation.", W},
    {cmd_ReplaceText, "ReplaceText", "Replace", "Replace text in the active edit window.", W},
    {cmd_GotoLine, "GotoLine", "Go to line", "Move the cursor to a line.", W},
    {cmd_EditSpecial, "EditSpecial", "HDL edits", "Comment, indent or recase a block of lines.", W},
    {cmd_EditTemplates, "EditTemplates", "Templates", "Insert a template.", W},
    {cmd_LanguageExpand, "LanguageExpand", "Expand", "Expand previous word.", W},
    {cmd_IdentifierExpand, "IdentifierExpand", "Identfier expand", "Expand to previous identifier.", W},
    {cmd_VsystemOptions, "VsystemOptions", "V-System options", "Set the V-System options.", 0},
    {cmd_VsystemVHDL, "VsystemVHDL", "Vsystem VHDL", "Compile VHDL source code with V-system.", W},
    {cmd_VsystemVerilog, "VsystemVerilog", "Vsystem Verilog", "Compile Verilog source code with V-system.", W},
    {cmd_LeonardoCompile, "LeonardoCompile", "Leonardo", "Synthesise the source code with Leonardo.", W},
    {cmd_SynplifyVhdl, "SynplifyVhdl", "Synplify Vhdl", "Compile Vhdl with Synplify.", W},
    {cmd_SynplifyVerilog, "SynplifyVerilog", "Synplify Verilog", "Compile Verilog with Synplify.", W},
    {cmd_NextError, "NextError", "Next error", "Locate next error.", E},
    {cmd_PrevError, "PrevError", "Previous error", "Locate previous error.", E},
    {cmd_AddIndent, "AddIndent", "Indent", "Indent selected text.", S},
    {cmd_RemoveIndent, "RemoveIndent", "Unindent", "Remove one indentation of selected text.", S},
    {cmd_AddComment, "AddComment", "Add comment", "Change selected text into comment.", S},
    {cmd_RemoveComment, "RemoveComment", "Remove comment", "Remove the comment marks of selected text.", S},
    {cmd_EditCopy, "EditCopy", "Copy", "Copy the selected text to the Clipboard.", S},
    {cmd_EditCut, "EditCut", "Cut", "Move the selected text to the Clipboard.", S},
    {cmd_EditPaste, "EditPaste", "Paste", "Insert text of the Clipboard at the current position.", W},
    {cmd_EditClear, "EditClear", "Clear", "Delete the selected text.", S},
    {cmd_EditUndo, "EditUndo", "Undo", "Undo the previous editor action.", kGroupUndo},
    {cmd_EditRedo, "EditRedo", "Redo", "Redo the previous editor action.", kGroupRedo},
    {cmd_GoLineUp, "GoLineUp", "", "Move the cursor one line up.", 0},
    {cmd_GoLineDown, "GoLineDown", "", "Move the cursor one line down.", 0},
    {cmd_GoCharLeft, "GoCharLeft", "", "Move the cursor one character left.", 0},
    {cmd_GoCharRight, "GoCharRight", "", "Move the cursor one character right.", 0},
    {cmd_GoWordLeft, "GoWordLeft", "", "Move the cursor one word left.", 0},
    {cmd_GoWordRight, "GoWordRight", "", "Move the cursor one word right.", 0},
    {cmd_GoBeginLine, "GoBeginLine", "", "Move the cursor to the start of the line.", 0},
    {cmd_GoEndLine, "GoEndLine", "", "Move the cursor to the end of the line.", 0},
    {cmd_GoPageUp, "GoPageUp", "", "Move the cursor one page up.", 0},
    {cmd_GoPageDown, "GoPageDown", "", "Move the cursor one page down.", 0},
    {cmd_GoBeginDoc, "GoBeginDoc", "", "Move the cursor to the start of the text.", 0},
    {cmd_GoEndDoc, "GoEndDoc", "", "Move the cursor to the end of the text.", 0},
    {cmd_DeleteChar, "DeleteChar", "", "Delete the character at the cursor.", 0},
    {cmd_BackspaceChar, "BackspaceChar", "", "Delete the character left of the cursor.", 0},
    {cmd_DeleteLine, "DeleteLine", "", "Delete the line of the cursor.", 0},
    {cmd_DeleteWord, "DeleteWord", "", "Delete word right of cursor.", W},
    {cmd_EditorOptions, "EditorOptions", "Editor options", "Set the editor options.", 0},
    {cmd_LanguageOptions, "LanguageOptions", "Language options", "Configure the languages.", 0},
    {cmd_LeonardoOptions, "LeonardoOptions", "Leonardo options", "Set the Leonardo options.", 0},
    {cmd_About, "About", "About", "Show the version of the editor.", 0},
    {cmd_ToolOptions, "ToolOptions", "Tool options", "Configure the user tools.", 0},
    {cmd_RunTool1, "RunTool1", "RunTool1", "Run tool 1.", 0},
    {cmd_RunTool2, "RunTool2", "RunTool2", "Run tool 2.", 0},
    {cmd_RunTool3, "RunTool3", "RunTool3", "Run tool 3.", 0},
    {cmd_RunTool4, "RunTool4", "RunTool4", "Run tool 4.", 0},
    {cmd_RunTool5, "RunTool5", "RunTool5", "Run tool 5.", 0},
    {cmd_RunTool6, "RunTool6", "RunTool6", "Run tool 6.", 0},
    {cmd_GotoMark0, "GotoMark0", "", "Go to bookmark 0.", 0},
    {cmd_GotoMark1, "GotoMark1", "", "Go to bookmark 1.", 0},
    {cmd_GotoMark2, "GotoMark2", "", "Go to bookmark 2.", 0},
    {cmd_GotoMark3, "GotoMark3", "", "Go to bookmark 3.", 0},
    {cmd_GotoMark4, "GotoMark4", "", "Go to bookmark 4.", 0},
    {cmd_GotoMark5, "GotoMark5", "", "Go to bookmark 5.", 0},
    {cmd_GotoMark6, "GotoMark6", "", "Go to bookmark 6.", 0},
    {cmd_GotoMark7, "GotoMark7", "", "Go to bookmark 7.", 0},
    {cmd_GotoMark8, "GotoMark8", "", "Go to bookmark 8.", 0},
    {cmd_GotoMark9, "GotoMark9", "", "Go to bookmark 9.", 0},
    {cmd_SetMark0, "SetMark0", "", "Set bookmark 0.", 0},
    {cmd_SetMark1, "SetMark1", "", "Set bookmark 1.", 0},
    {cmd_SetMark2, "SetMark2", "", "Set bookmark 2.", 0},
    {cmd_SetMark3, "SetMark3", "", "Set bookmark 3.", 0},
    {cmd_SetMark4, "SetMark4", "", "Set bookmark 4.", 0},
    {cmd_SetMark5, "SetMark5", "", "Set bookmark 5.", 0},
    {cmd_SetMark6, "SetMark6", "", "Set bookmark 6.", 0},
    {cmd_SetMark7, "SetMark7", "", "Set bookmark 7.", 0},
    {cmd_SetMark8, "SetMark8", "", "Set bookmark 8.", 0},
    {cmd_SetMark9, "SetMark9", "", "Set bookmark 9.", 0},
    {cmd_DisplayHelpfile1, "DisplayHelpfile1", "", "Display help file.", 0},
    {cmd_DisplayHelpfile2, "DisplayHelpfile2", "", "Display help file.", 0},
    {cmd_DisplayHelpfile3, "DisplayHelpfile3", "", "Display help file.", 0},
    {cmd_DisplayHelpfile4, "DisplayHelpfile4", "", "Display help file.", 0},
    {cmd_DisplayHelpfile5, "DisplayHelpfile5", "", "Display help file.", 0},
    {cmd_WindowCascade, "WindowCascade", "Cascade", "Show the active window over the whole text area, the others behind it.", W},
    {cmd_WindowTileVertical, "WindowTileVertical", "Tile vertical", "Arrange the windows side by side.", W},
    {cmd_WindowTileHorizontal, "WindowTileHorizontal", "Tile horizontal", "Arrange the windows one above the other.", W},
    {cmd_WindowNext, "WindowNext", "Next window", "Activate the next window.", W},
    {cmd_WindowPrevious, "WindowPrevious", "Previous window", "Activate the previous window.", W},
    {cmd_WindowClose, "WindowClose", "Close window", "Close edit buffer.", W},
    {cmd_Accelerators, "Accelerators", "Set accelerators", "Set accelerators.", 0},
    {cmd_GhdlAnalyze, "GhdlAnalyze", "GHDL", "Analyse VHDL source code with GHDL.", W},
    {cmd_IcarusCompile, "IcarusCompile", "Icarus", "Compile Verilog source code with Icarus Verilog.", W},
    {cmd_VerilatorLint, "VerilatorLint", "Verilator", "Check Verilog source code with Verilator lint.", W},
}};
// clang-format on
} // namespace

const std::array<CommandRow, kCommandCount>& command_rows() {
    return kRows;
}

CommandTable::CommandTable() {
    for (int i = 0; i < kCommandCount; ++i) {
        labels_[static_cast<std::size_t>(i)] = kRows[static_cast<std::size_t>(i)].label;
        enabled_[static_cast<std::size_t>(i)] = kRows[static_cast<std::size_t>(i)].mask == 0;
    }
}

int CommandTable::find(std::string_view name) const {
    for (int i = 0; i < kCommandCount && i < kCommandRoom; ++i)
        if (name == kRows[static_cast<std::size_t>(i)].name) return i;
    return -1;
}

int CommandTable::index_of_id(int id) const {
    int index = id - kFirstCommandId;
    return index >= 0 && index < kCommandCount ? index : -1;
}

int CommandTable::find_handler(CommandHandler handler) const {
    for (int i = 0; i < kCommandCount; ++i)
        if (kRows[static_cast<std::size_t>(i)].handler == handler) return i;
    return -1;
}

void CommandTable::set_enable_group(unsigned bits, bool on) {
    for (int i = 0; i < kCommandCount; ++i)
        if (kRows[static_cast<std::size_t>(i)].mask & bits)
            enabled_[static_cast<std::size_t>(i)] = on;
}

int CommandTable::run(int index, EditorSession& session) const {
    if (index < 0 || index >= kCommandCount) return 1;
    return kRows[static_cast<std::size_t>(index)].handler(session);
}

} // namespace zped
