// Block edits of whole lines: comment markers, tabs and the case of reserved words, one undo
// step per changed line or word; the selected lines; the HDL Edits dialog and its ranges.
#include "editor/block_edits.h"
#include "editor/dialog.h"
#include "editor/editing.h"
#include "editor/editor_session.h"
#include "editor/print_job.h"
#include "editor/print_pages.h"
#include "editor/print_settings.h"
#include "editor/scripted_editor_ui.h"
#include "editor_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace zped {
namespace {

using test::text_of;

bool word_char(char ch) {
    return std::isalnum(static_cast<unsigned char>(ch)) || ch == '_';
}

// A VHDL-like language: "--" comments, reserved words "signal" and "is" in any case.
BlockLanguage vhdl_like() {
    BlockLanguage language;
    language.line_comment = "--";
    language.reserved_word = [](std::string_view line, std::size_t at) {
        for (std::string_view word : {"signal", "is"}) {
            if (line.size() - at < word.size()) continue;
            bool same = true;
            for (std::size_t i = 0; i < word.size(); ++i)
                same = same && std::tolower(static_cast<unsigned char>(line[at + i])) == word[i];
            std::size_t after = at + word.size();
            if (same && (after == line.size() || !word_char(line[after])))
                return static_cast<int>(word.size());
        }
        return 0;
    };
    return language;
}

void undo(EditBuffer& b) {
    ASSERT_EQ(UndoEdit(b), 0);
}

TEST(ZpedBlockEdits, RemoveCommentChangesOnlyMarkedLinesAndUndoesLineByLine) {
    ScopedScriptedUi scripted;
    auto b = test::buffer_with("--a\nb\n-- c\n- d\n--");
    move_cursor(*b, {1, 1}, false);
    move_cursor(*b, {2, 1}, true);
    BlockEditResult r = edit_lines(*b, {0, 4}, LineEdit::RemoveComment, vhdl_like());
    EXPECT_EQ(r.changed, 3);
    EXPECT_EQ(text_of(*b), "a\nb\n c\n- d\n");
    EXPECT_EQ(b->cursor, (TextPosition{2, 1})) << "the cursor stays where it was";
    EXPECT_EQ(b->selection_anchor, (TextPosition{1, 1}));
    undo(*b);
    EXPECT_EQ(text_of(*b), "a\nb\n c\n- d\n--");
    undo(*b);
    EXPECT_EQ(text_of(*b), "a\nb\n-- c\n- d\n--");
    undo(*b);
    EXPECT_EQ(text_of(*b), "--a\nb\n-- c\n- d\n--");

    EXPECT_EQ(edit_lines(*b, {1, 2}, LineEdit::AddComment, vhdl_like()).changed, 2);
    EXPECT_EQ(text_of(*b), "--a\n--b\n---- c\n- d\n--");
    // Without a line comment nothing happens; ranges are clamped, a reversed one does nothing.
    EXPECT_EQ(edit_lines(*b, {0, 4}, LineEdit::AddComment, BlockLanguage{}).changed, 0);
    EXPECT_EQ(edit_lines(*b, {3, 1}, LineEdit::AddIndent, {}).changed, 0);
    EXPECT_EQ(edit_lines(*b, {-5, 99}, LineEdit::AddIndent, {}).changed, 5);
    EXPECT_EQ(text_of(*b), "\t--a\n\t--b\n\t---- c\n\t- d\n\t--");
    EXPECT_EQ(edit_lines(*b, {0, 1}, LineEdit::RemoveIndent, {}).changed, 2);
    EXPECT_EQ(edit_lines(*b, {0, 1}, LineEdit::RemoveIndent, {}).changed, 0);
    EXPECT_EQ(text_of(*b), "--a\n--b\n\t---- c\n\t- d\n\t--");
}

TEST(ZpedBlockEdits, ReservedWordCaseStopsAtTheLineComment) {
    ScopedScriptedUi scripted;
    auto b = test::buffer_with("signal s : bit; -- signal\n  my_signal, Signal2 IS signal;");
    BlockEditResult r = edit_lines(*b, {0, 1}, LineEdit::Uppercase, vhdl_like());
    EXPECT_EQ(text_of(*b), "SIGNAL s : bit; -- signal\n  my_signal, Signal2 IS SIGNAL;");
    EXPECT_EQ(r.changed, 2) << "one transaction per changed word";
    undo(*b);
    EXPECT_EQ(text_of(*b), "SIGNAL s : bit; -- signal\n  my_signal, Signal2 IS signal;");
    edit_lines(*b, {0, 1}, LineEdit::Lowercase, vhdl_like());
    EXPECT_EQ(text_of(*b), "signal s : bit; -- signal\n  my_signal, Signal2 is signal;");

    // A line that would pass the line limit keeps its text and is counted.
    auto full = test::buffer_with(std::string(kMaxLineLength - 1, 'x') + "\nshort");
    r = edit_lines(*full, {0, 1}, LineEdit::AddComment, vhdl_like());
    EXPECT_EQ(r.changed, 1);
    EXPECT_EQ(r.too_long, 1);
    EXPECT_EQ(full->line(1), "--short");
}

TEST(ZpedBlockEdits, SelectedLinesLeaveOutALastLineReachedAtColumnZero) {
    auto b = test::buffer_with("a\nb\nc\nd");
    EXPECT_FALSE(selected_lines(*b));
    move_cursor(*b, {2, 0}, false);
    move_cursor(*b, {0, 1}, true);
    std::optional<LineRange> lines = selected_lines(*b);
    ASSERT_TRUE(lines);
    EXPECT_EQ(lines->first, 0);
    EXPECT_EQ(lines->last, 1);
    move_cursor(*b, {3, 1}, true);
    lines = selected_lines(*b);
    ASSERT_TRUE(lines);
    EXPECT_EQ(lines->first, 2);
    EXPECT_EQ(lines->last, 3);
}

class ZpedBlockCommands : public ::testing::Test {
  protected:
    ZpedBlockCommands() : settings(dir.file("zped.ini"), dir.path()), session(settings) {}
    // Answers the HDL Edits dialog: action, which way, and the range (0 selection, 1 all, 2 the
    // line numbers).
    void answer(int action, int how, int range, std::string start = "", std::string end = "") {
        ui.answer_dialog([=](Dialog& d) -> std::optional<int> {
            d.field("action")->selected = action;
            d.notify_changed(0);
            d.field("how")->selected = how;
            d.field("text")->selected = range;
            d.field("start")->text = start;
            d.field("end")->text = end;
            return 0;
        });
    }

    test::TempDir dir;
    ScopedScriptedUi scripted;
    ScriptedEditorUi& ui = scripted.ui;
    Settings settings;
    EditorSession session;
};

TEST_F(ZpedBlockCommands, IndentOnTheSelectionAndTheHdlEditsDialog) {
    EditBuffer& b = *session.add_buffer(test::buffer_with("a\nb\nc\nd"));
    EXPECT_EQ(session.run_command("AddIndent"), 1) << "nothing without a selection";
    move_cursor(b, {0, 0}, false);
    move_cursor(b, {2, 0}, true);
    EXPECT_EQ(session.run_command("AddIndent"), 0);
    EXPECT_EQ(text_of(b), "\ta\n\tb\nc\nd");
    EXPECT_EQ(session.run_command("RemoveIndent"), 0);
    EXPECT_EQ(text_of(b), "a\nb\nc\nd");

    std::vector<std::string> labels;
    ui.answer_dialog([&](Dialog& d) -> std::optional<int> {
        for (int action = 0; action < 3; ++action) {
            d.field("action")->selected = action;
            d.notify_changed(0);
            labels.insert(labels.end(), d.field("how")->items.begin(), d.field("how")->items.end());
        }
        return std::nullopt;
    });
    EXPECT_EQ(session.run_command("EditSpecial"), 1);
    EXPECT_EQ(labels, (std::vector<std::string>{"A&dd", "&Remove", "&Indent", "&Un-indent",
                                                "&Uppercase", "Lo&wercase"}));

    answer(1, 0, 2, "2", "3");
    EXPECT_EQ(session.run_command("EditSpecial"), 0);
    EXPECT_EQ(text_of(b), "a\n\tb\n\tc\nd");
    answer(1, 1, 2, "3", "");
    EXPECT_EQ(session.run_command("EditSpecial"), 1);
    EXPECT_EQ(ui.last_status(), "No valid range specified.");
    answer(1, 1, 1);
    EXPECT_EQ(session.run_command("EditSpecial"), 0);
    EXPECT_EQ(text_of(b), "a\nb\nc\nd");
    answer(1, 0, 2, "3", "99");
    EXPECT_EQ(session.run_command("EditSpecial"), 0);
    EXPECT_EQ(text_of(b), "a\nb\n\tc\n\td");

    // A result window takes no block edits.
    EditBuffer* result = session.show_result_window("Output", {"x"});
    ASSERT_NE(result, nullptr);
    move_cursor(*result, {0, 0}, false);
    move_cursor(*result, {0, 1}, true);
    EXPECT_EQ(session.run_command("AddIndent"), 1);
    EXPECT_EQ(result->line(0), "x");
}

// The shipped definitions: VHDL's "--" comments and its reserved words, and the same words in
// the print colours of the VHDL entry.
class ZpedShippedVhdl : public ZpedBlockCommands {
  protected:
    ZpedShippedVhdl() {
        const std::filesystem::path shipped =
            std::filesystem::path(ZEPH_SOURCE_DIR) / "examples" / "zped";
        for (const char* name : {"zped.ini", "vhdl.lsf", "verilog.lsf"})
            std::filesystem::copy_file(shipped / name, dir.file(name),
                                       std::filesystem::copy_options::overwrite_existing);
        settings.load();
        session.languages.load(settings, session.startup_errors);
    }
    EditBuffer& open(const std::string& text) {
        auto buffer = test::buffer_with(text);
        buffer->file_name = dir.file("top.vhd");
        buffer->language = session.language_of(buffer->file_name);
        return *session.add_buffer(std::move(buffer));
    }
};

TEST_F(ZpedShippedVhdl, CommentsAndReservedWordCaseFollowTheLanguage) {
    EditBuffer& b = open("entity top is\nend top; -- entity\n");
    move_cursor(b, {0, 0}, false);
    move_cursor(b, {2, 0}, true);
    EXPECT_EQ(session.run_command("AddComment"), 0);
    EXPECT_EQ(text_of(b), "--entity top is\n--end top; -- entity\n");
    EXPECT_EQ(session.run_command("RemoveComment"), 0);
    EXPECT_EQ(text_of(b), "entity top is\nend top; -- entity\n");

    answer(2, 0, 1);
    EXPECT_EQ(session.run_command("EditSpecial"), 0);
    EXPECT_EQ(text_of(b), "ENTITY top IS\nEND top; -- entity\n")
        << "names and comments keep their case";
}

TEST_F(ZpedShippedVhdl, PrintedKeywordsHaveTheirColour) {
    EditBuffer& b = open("signal q : std_logic;");
    PrintSettings print;
    PrintedDocument doc = printed_pages(session, b, print, false, PageFrame{});
    ASSERT_FALSE(doc.pages.empty());
    ASSERT_FALSE(doc.pages[0].rows.empty());
    const Language& vhdl = session.languages.entry(b.language);
    bool keyword = false;
    for (const PrintedSpan& span : doc.pages[0].rows[0].spans)
        if (span.text == "signal") {
            keyword = true;
            EXPECT_EQ(span.colour, vhdl.style(SyntaxItem::Keyword1).colour);
            EXPECT_EQ(span.typeface, vhdl.style(SyntaxItem::Keyword1).typeface);
        }
    EXPECT_TRUE(keyword);

    print.syntax = false;
    doc = printed_pages(session, b, print, false, PageFrame{});
    for (const PrintedSpan& span : doc.pages[0].rows[0].spans)
        EXPECT_EQ(span.colour, Colour{}) << span.text;
}

} // namespace
} // namespace zped
