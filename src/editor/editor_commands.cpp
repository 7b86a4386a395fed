// The handlers of the command table. A help file that is not configured answers with a status
// text saying so.
#include "editor/editor_commands.h"

#include "editor/accelerator_dialog.h"
#include "editor/apply_edit.h"
#include "editor/bookmarks.h"
#include "editor/buffer_files.h"
#include "editor/clipboard_commands.h"
#include "editor/edit_memory.h"
#include "editor/editing.h"
#include "editor/editor_session.h"
#include "editor/editor_ui.h"
#include "editor/error_navigation.h"
#include "editor/file_text.h"
#include "editor/find_replace.h"
#include "editor/hdl_compilers.h"
#include "editor/hdl_edits.h"
#include "editor/language_dialog.h"
#include "editor/leonardo.h"
#include "editor/leonardo_options_dialog.h"
#include "editor/options_dialog.h"
#include "editor/print_job.h"
#include "editor/startup_errors.h"
#include "editor/template_dialogs.h"
#include "editor/tool_options_dialog.h"
#include "editor/user_tools.h"
#include "editor/version.h"
#include "editor/vsystem.h"
#include "editor/vsystem_options_dialog.h"
#include "editor/word_expansion.h"
#include "foundation/strings.h"

#include <algorithm>
#include <cstdlib>

namespace zped {

using zeph::format_text;

namespace {

EditBuffer* edit_buffer(EditorSession& session) {
    return session.active();
}

// A motion command: moves the cursor of the active buffer and drops the selection.
int move(EditorSession& session, TextPosition (*target)(const EditBuffer&), bool vertical = false) {
    EditBuffer* b = edit_buffer(session);
    if (!b) return 1;
    move_cursor(*b, target(*b), false, vertical);
    return 0;
}

int edit(EditorSession& session, void (*operation)(EditBuffer&)) {
    EditBuffer* b = edit_buffer(session);
    if (!b) return 1;
    if (b->read_only) {
        editor_ui().status("Window is opened readonly.", true);
        return 1;
    }
    operation(*b);
    return 0;
}

int load_mru(EditorSession& session, int index) {
    const std::string name = session.mru.entry(index);
    if (name.empty()) return 1;
    if (EditBuffer* open = session.find_by_absolute_name(absolute_file_name(name))) {
        session.activate(open);
        return 0;
    }
    return LoadBuffer(session, name, false, false, kEditWindow) ? 0 : 1;
}

int help_file(EditorSession& session, int index) {
    // The Help menu lists only the configured files; a key or a script may name another.
    if (index >= static_cast<int>(session.help_files.size())) {
        editor_ui().status(format_text("Help file %d is not configured.", index + 1), true);
        return 1;
    }
    const std::string& name = session.help_files[static_cast<std::size_t>(index)];
    if (EditBuffer* open = session.find_by_absolute_name(absolute_file_name(name))) {
        session.activate(open);
        return 0;
    }
    return LoadBuffer(session, name, false, true, kEditWindow) ? 0 : 1;
}

int switch_window(EditorSession& session, int step) {
    int count = static_cast<int>(session.buffers.size());
    if (count == 0) return 1;
    int index = 0;
    for (int i = 0; i < count; ++i)
        if (session.buffers[static_cast<std::size_t>(i)].get() == session.active()) index = i;
    session.activate(
        session.buffers[static_cast<std::size_t>(((index + step) % count + count) % count)].get());
    return 0;
}

} // namespace

int cmd_LoadFile(EditorSession& session) {
    auto name = editor_ui().file_dialog("Open", "", false);
    if (!name || name->empty()) return 1;
    return LoadBuffer(session, *name, false, false, kEditWindow) ? 0 : 1;
}

int cmd_NewFile(EditorSession& session) {
    return LoadBuffer(session, "", true, false, kEditWindow) ? 0 : 1;
}

int cmd_InsertFile(EditorSession& session) {
    EditBuffer* b = edit_buffer(session);
    if (!b) return 1;
    auto name = editor_ui().file_dialog("Insert", "", false);
    if (!name || name->empty()) return 1;
    FileContents contents = read_file(*name);
    if (contents.problem == ReadProblem::NotRegular) {
        editor_ui().message_box(
            kErrorTitle,
            format_text("'%s' is not a regular file; only regular files can be edited.",
                        name->c_str()));
        return 1;
    }
    if (!contents.opened()) {
        editor_ui().message_box(kErrorTitle,
                                format_text("Cannot open %s file '%s'.", "", name->c_str()));
        return 1;
    }
    std::string text;
    for (char ch : contents.data)
        if (ch != '\r') text += ch;
    TextPosition at = b->clamp(b->cursor);
    ApplyEdit(*b, at, at, text, at, {kScrollToCursor, kScrollToCursor}, {{0, 0}, {0, 0}});
    return 0;
}

int cmd_SaveFile(EditorSession& session) {
    EditBuffer* b = edit_buffer(session);
    return b && SaveBuffer(session, *b, nullptr) ? 0 : 1;
}

int cmd_SaveFileAs(EditorSession& session) {
    EditBuffer* b = edit_buffer(session);
    if (!b) return 1;
    std::string none;
    return SaveBuffer(session, *b, &none) ? 0 : 1;
}

int cmd_SaveAll(EditorSession& session) {
    int result = 0;
    for (const auto& b : session.buffers)
        if (b->modified && !b->read_only && !SaveBuffer(session, *b, nullptr)) result = 1;
    return result;
}

int cmd_ExitApp(EditorSession& session) {
    if (!session.close_all()) return 1;
    session.exit_requested = true;
    return 0;
}

int cmd_GotoLine(EditorSession& session) {
    EditBuffer* b = edit_buffer(session);
    if (!b) return 1;
    auto answer =
        editor_ui().prompt("Go to line", "Line number:", format_text("%d", b->cursor.line + 1));
    if (!answer) return 1;
    char* end = nullptr;
    long line = std::strtol(answer->c_str(), &end, 10);
    if (end == answer->c_str() || *end != '\0' || line < 1) {
        editor_ui().status(format_text("'%s' is no line number.", answer->c_str()), true);
        return 1;
    }
    TextPosition target{static_cast<int>(std::min<long>(line, b->line_count())) - 1, 0};
    move_cursor(*b, target, false);
    b->view = resolve_view(*b, b->cursor, {kKeepOrCentre, kScrollToCursor});
    return 0;
}

int cmd_EditUndo(EditorSession& session) {
    EditBuffer* b = edit_buffer(session);
    return b ? UndoEdit(*b) : 1;
}

int cmd_EditRedo(EditorSession& session) {
    EditBuffer* b = edit_buffer(session);
    if (!b) return 1;
    int result = RedoEdit(*b);
    b->desired = b->cursor;
    return result;
}

int cmd_GoLineUp(EditorSession& s) {
    return move(
        s, [](const EditBuffer& b) { return line_up(b, 1); }, true);
}
int cmd_GoLineDown(EditorSession& s) {
    return move(
        s, [](const EditBuffer& b) { return line_up(b, -1); }, true);
}
int cmd_GoCharLeft(EditorSession& s) {
    return move(s, [](const EditBuffer& b) { return b.previous_position(b.cursor); });
}
int cmd_GoCharRight(EditorSession& s) {
    return move(s, [](const EditBuffer& b) { return b.next_position(b.cursor); });
}
int cmd_GoWordLeft(EditorSession& s) {
    return move(s, [](const EditBuffer& b) { return word_left(b, b.cursor); });
}
int cmd_GoWordRight(EditorSession& s) {
    return move(s, [](const EditBuffer& b) { return word_right(b, b.cursor); });
}
int cmd_GoBeginLine(EditorSession& s) {
    return move(s, [](const EditBuffer& b) { return TextPosition{b.cursor.line, 0}; });
}
int cmd_GoEndLine(EditorSession& s) {
    return move(s, [](const EditBuffer& b) {
        return TextPosition{b.cursor.line, b.line_length(b.clamp(b.cursor).line)};
    });
}
int cmd_GoPageUp(EditorSession& s) {
    return move(
        s, [](const EditBuffer& b) { return line_up(b, std::max(1, b.visible_lines - 1)); }, true);
}
int cmd_GoPageDown(EditorSession& s) {
    return move(
        s, [](const EditBuffer& b) { return line_up(b, -std::max(1, b.visible_lines - 1)); }, true);
}
int cmd_GoBeginDoc(EditorSession& s) {
    return move(s, [](const EditBuffer&) { return TextPosition{0, 0}; });
}
int cmd_GoEndDoc(EditorSession& s) {
    return move(s, [](const EditBuffer& b) { return b.end_of_text(); });
}

int cmd_DeleteChar(EditorSession& s) {
    return edit(s, delete_char);
}
int cmd_BackspaceChar(EditorSession& s) {
    return edit(s, backspace_char);
}
int cmd_DeleteLine(EditorSession& s) {
    return edit(s, delete_line);
}
int cmd_DeleteWord(EditorSession& s) {
    return edit(s, delete_word);
}

int cmd_LanguageExpand(EditorSession& session) {
    return LanguageExpand(session);
}

int cmd_IdentifierExpand(EditorSession& session) {
    return session.completion.expand(session);
}

int cmd_EditTemplates(EditorSession& session) {
    return run_templates_dialog(session);
}

int cmd_LanguageOptions(EditorSession& session) {
    return run_language_dialog(session);
}

int cmd_About(EditorSession&) {
    editor_ui().message_box("About the editor",
                            format_text("%s\nzped version %s\n\nMemory   : %ld", kEditorTitle,
                                        kVersionText, EditMemory::total()));
    return 0;
}

int cmd_WindowNext(EditorSession& s) {
    return switch_window(s, 1);
}
int cmd_WindowPrevious(EditorSession& s) {
    return switch_window(s, -1);
}

int cmd_WindowClose(EditorSession& session) {
    EditBuffer* b = edit_buffer(session);
    return b && session.close_buffer(b) ? 0 : 1;
}

int cmd_WindowCascade(EditorSession& s) {
    s.set_arrangement(WindowArrangement::Cascade);
    return 0;
}
int cmd_WindowTileVertical(EditorSession& s) {
    s.set_arrangement(WindowArrangement::TileVertical);
    return 0;
}
int cmd_WindowTileHorizontal(EditorSession& s) {
    s.set_arrangement(WindowArrangement::TileHorizontal);
    return 0;
}

int cmd_LoadMRUFile1(EditorSession& s) {
    return load_mru(s, 0);
}
int cmd_DisplayHelpfile1(EditorSession& s) {
    return help_file(s, 0);
}
int cmd_LoadMRUFile2(EditorSession& s) {
    return load_mru(s, 1);
}
int cmd_DisplayHelpfile2(EditorSession& s) {
    return help_file(s, 1);
}
int cmd_LoadMRUFile3(EditorSession& s) {
    return load_mru(s, 2);
}
int cmd_DisplayHelpfile3(EditorSession& s) {
    return help_file(s, 2);
}
int cmd_LoadMRUFile4(EditorSession& s) {
    return load_mru(s, 3);
}
int cmd_DisplayHelpfile4(EditorSession& s) {
    return help_file(s, 3);
}
int cmd_LoadMRUFile5(EditorSession& s) {
    return load_mru(s, 4);
}
int cmd_DisplayHelpfile5(EditorSession& s) {
    return help_file(s, 4);
}

// Printing, search and replace.
int cmd_PrintText(EditorSession& s) {
    return print_text(s);
}
int cmd_FindText(EditorSession& s) {
    return find_text(s);
}
int cmd_FindNextText(EditorSession& s) {
    return find_next_text(s);
}
int cmd_ReplaceText(EditorSession& s) {
    return replace_text(s);
}
int cmd_EditSpecial(EditorSession& s) {
    return hdl_edits(s);
}
int cmd_VsystemOptions(EditorSession& s) {
    return run_vsystem_options_dialog(s);
}
int cmd_VsystemVHDL(EditorSession& s) {
    return run_vsystem(s, VsystemMode::Vhdl, "");
}
int cmd_VsystemVerilog(EditorSession& s) {
    return run_vsystem(s, VsystemMode::Verilog, "");
}
int cmd_LeonardoCompile(EditorSession& s) {
    return run_leonardo(s);
}
// Synplify is named in the tables but never runs: both commands succeed without doing anything.
int cmd_SynplifyVhdl(EditorSession&) {
    return 0;
}
int cmd_SynplifyVerilog(EditorSession&) {
    return 0;
}
int cmd_NextError(EditorSession& s) {
    return show_next_error(s);
}
int cmd_PrevError(EditorSession& s) {
    return show_previous_error(s);
}
int cmd_AddIndent(EditorSession& s) {
    return edit_selected_lines(s, LineEdit::AddIndent);
}
int cmd_RemoveIndent(EditorSession& s) {
    return edit_selected_lines(s, LineEdit::RemoveIndent);
}
int cmd_AddComment(EditorSession& s) {
    return edit_selected_lines(s, LineEdit::AddComment);
}
int cmd_RemoveComment(EditorSession& s) {
    return edit_selected_lines(s, LineEdit::RemoveComment);
}
int cmd_EditCopy(EditorSession& s) {
    return copy_selection(s);
}
int cmd_EditCut(EditorSession& s) {
    return cut_selection(s);
}
int cmd_EditPaste(EditorSession& s) {
    return paste_clipboard(s);
}
int cmd_EditClear(EditorSession& s) {
    return clear_selection(s);
}
int cmd_EditorOptions(EditorSession& s) {
    return run_options_dialog(s);
}
int cmd_LeonardoOptions(EditorSession& s) {
    return run_leonardo_options_dialog(s);
}
int cmd_ToolOptions(EditorSession& s) {
    return run_tool_options_dialog(s);
}
int cmd_RunTool1(EditorSession& s) {
    return run_user_tool(s, 1);
}
int cmd_RunTool2(EditorSession& s) {
    return run_user_tool(s, 2);
}
int cmd_RunTool3(EditorSession& s) {
    return run_user_tool(s, 3);
}
int cmd_RunTool4(EditorSession& s) {
    return run_user_tool(s, 4);
}
int cmd_RunTool5(EditorSession& s) {
    return run_user_tool(s, 5);
}
int cmd_RunTool6(EditorSession& s) {
    return run_user_tool(s, 6);
}
int cmd_GotoMark0(EditorSession& s) {
    return goto_mark(s, 0);
}
int cmd_GotoMark1(EditorSession& s) {
    return goto_mark(s, 1);
}
int cmd_GotoMark2(EditorSession& s) {
    return goto_mark(s, 2);
}
int cmd_GotoMark3(EditorSession& s) {
    return goto_mark(s, 3);
}
int cmd_GotoMark4(EditorSession& s) {
    return goto_mark(s, 4);
}
int cmd_GotoMark5(EditorSession& s) {
    return goto_mark(s, 5);
}
int cmd_GotoMark6(EditorSession& s) {
    return goto_mark(s, 6);
}
int cmd_GotoMark7(EditorSession& s) {
    return goto_mark(s, 7);
}
int cmd_GotoMark8(EditorSession& s) {
    return goto_mark(s, 8);
}
int cmd_GotoMark9(EditorSession& s) {
    return goto_mark(s, 9);
}
int cmd_SetMark0(EditorSession& s) {
    return set_mark(s, 0);
}
int cmd_SetMark1(EditorSession& s) {
    return set_mark(s, 1);
}
int cmd_SetMark2(EditorSession& s) {
    return set_mark(s, 2);
}
int cmd_SetMark3(EditorSession& s) {
    return set_mark(s, 3);
}
int cmd_SetMark4(EditorSession& s) {
    return set_mark(s, 4);
}
int cmd_SetMark5(EditorSession& s) {
    return set_mark(s, 5);
}
int cmd_SetMark6(EditorSession& s) {
    return set_mark(s, 6);
}
int cmd_SetMark7(EditorSession& s) {
    return set_mark(s, 7);
}
int cmd_SetMark8(EditorSession& s) {
    return set_mark(s, 8);
}
int cmd_SetMark9(EditorSession& s) {
    return set_mark(s, 9);
}
int cmd_Accelerators(EditorSession& s) {
    return run_accelerator_dialog(s);
}

int cmd_GhdlAnalyze(EditorSession& s) {
    return run_hdl_compiler(s, HdlCompiler::Ghdl);
}
int cmd_IcarusCompile(EditorSession& s) {
    return run_hdl_compiler(s, HdlCompiler::Icarus);
}
int cmd_VerilatorLint(EditorSession& s) {
    return run_hdl_compiler(s, HdlCompiler::Verilator);
}

} // namespace zped
