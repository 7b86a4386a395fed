// UTF-8 text in a buffer (columns, movement, typing, the byte limit) and pasting (one
// transaction, no indentation, long lines split as loading splits them).
#include "editor/display_columns.h"
#include "editor/editing.h"
#include "editor/file_text.h"
#include "editor/scripted_editor_ui.h"
#include "editor/utf8.h"
#include "editor_test_support.h"

#include <gtest/gtest.h>

namespace zped {
namespace {

using test::text_of;

const std::string e_acute = "\xC3\xA9";   // é
const std::string han = "\xE4\xB8\xAD";   // 中, a wide character
const std::string invalid = "\xFF";       // no UTF-8 at all
const std::string cut_short = "\xE4\xB8"; // a sequence without its last byte
const std::string overlong = "\xC0\xAF";  // "/" in two bytes: not valid

TEST(ZpedUtf8, SequencesAndColumns) {
    EXPECT_EQ(utf8_sequence_length(e_acute, 0), 2);
    EXPECT_EQ(utf8_sequence_length(han, 0), 3);
    EXPECT_EQ(utf8_sequence_length(invalid, 0), 0);
    EXPECT_EQ(utf8_sequence_length(cut_short, 0), 0);
    EXPECT_EQ(utf8_sequence_length(overlong, 0), 0);
    EXPECT_EQ(utf8_sequence_length("\xED\xA0\x80", 0), 0) << "a surrogate";
    EXPECT_EQ(utf8_code_point(han, 0), U'\u4E2D');

    // "a\té中\xFFb": a tab to column 4, é one column, 中 two, the invalid byte one.
    std::string line = "a\t" + e_acute + han + invalid + "b";
    EXPECT_EQ(display_width(line, static_cast<int>(line.size()), 4).value, 9);
    EXPECT_EQ(display_width(line, 4, 4).value, 5); // after é
    EXPECT_EQ(display_width(line, 7, 4).value, 7); // after 中
    EXPECT_EQ(byte_column_at(line, DisplayColumn{5}, 4), 4);
    EXPECT_EQ(byte_column_at(line, DisplayColumn{6}, 4), 7) << "inside 中: the next character";
    EXPECT_EQ(byte_column_at(line, DisplayColumn{7}, 4), 7);
    EXPECT_EQ(byte_column_at(line, DisplayColumn{8}, 4), 8);
}

TEST(ZpedUtf8, TheCursorMovesOverWholeCharactersAndTypingInsertsTheirBytes) {
    ScopedScriptedUi scripted;
    auto buffer = test::buffer_with("x" + e_acute + han + invalid + cut_short);
    EditBuffer& b = *buffer;
    std::vector<int> columns;
    for (TextPosition p{0, 0};; p = b.next_position(p)) {
        columns.push_back(p.column);
        if (b.next_position(p) == p) break;
    }
    EXPECT_EQ(columns, (std::vector<int>{0, 1, 3, 6, 7, 8, 9}));
    std::vector<int> back;
    for (TextPosition p = b.end_of_text();; p = b.previous_position(p)) {
        back.push_back(p.column);
        if (b.previous_position(p) == p) break;
    }
    EXPECT_EQ(back, (std::vector<int>{9, 8, 7, 6, 3, 1, 0}));

    move_cursor(b, {0, 1}, false);
    type_text(b, e_acute, false);
    EXPECT_EQ(b.line(0), "x" + e_acute + e_acute + han + invalid + cut_short);
    EXPECT_EQ(b.cursor, (TextPosition{0, 3}));
    backspace_char(b);
    EXPECT_EQ(b.line(0), "x" + e_acute + han + invalid + cut_short);
    // Overwriting replaces a character, not a byte.
    move_cursor(b, {0, 3}, false);
    type_text(b, "y", true);
    EXPECT_EQ(b.line(0), "x" + e_acute + "y" + invalid + cut_short);
    delete_char(b);
    EXPECT_EQ(b.line(0), "x" + e_acute + "y" + cut_short);
}

TEST(ZpedUtf8, TheLineLimitCountsBytes) {
    ScopedScriptedUi scripted;
    std::string full;
    for (int i = 0; i < 127; ++i)
        full += e_acute; // 254 bytes, 127 columns
    auto buffer = test::buffer_with(full);
    EditBuffer& b = *buffer;
    EXPECT_EQ(b.display_column(b.end_of_text()).value, 127);
    move_cursor(b, b.end_of_text(), false);
    type_text(b, e_acute, false);
    EXPECT_EQ(text_of(b), full);
    EXPECT_EQ(scripted.ui.texts("box").back(),
              "Transaction ignored because\nresulting line would become too long. ");
    type_text(b, "a", false);
    EXPECT_EQ(b.line_length(0), 255);
}

TEST(ZpedPaste, ALongLineIsSplitAsLoadingSplitsItInOneUndoStep) {
    ScopedScriptedUi scripted;
    auto buffer = test::buffer_with("");
    EditBuffer& b = *buffer;
    std::string line(300, 'p');
    EXPECT_EQ(paste_text(b, line), 1);
    ASSERT_EQ(b.line_count(), 2);
    EXPECT_EQ(b.line(0), line.substr(0, 254));
    EXPECT_EQ(b.line(1), line.substr(254));
    EXPECT_EQ(b.cursor, (TextPosition{1, 46}));
    EXPECT_EQ(scripted.ui.last_status(),
              "1 pasted line(s) over 255 bytes split into lines of 254.");
    ASSERT_EQ(UndoEdit(b), 0);
    EXPECT_EQ(text_of(b), "");
    EXPECT_EQ(UndoEdit(b), 1);

    // Pasted into the middle of a line, over a selection: the joined line is what is split.
    auto mid = test::buffer_with("head[sel]tail\nnext");
    move_cursor(*mid, {0, 4}, false);
    move_cursor(*mid, {0, 9}, true);
    paste_text(*mid, std::string(260, 'm') + "\r\nend");
    EXPECT_EQ(text_of(*mid),
              "head" + std::string(250, 'm') + "\n" + std::string(10, 'm') + "\nendtail\nnext");
    EXPECT_EQ(mid->cursor, (TextPosition{2, 3}));
    ASSERT_EQ(UndoEdit(*mid), 0);
    EXPECT_EQ(text_of(*mid), "head[sel]tail\nnext");

    // A line that ends exactly on a piece boundary leaves the cursor at its end.
    auto exact = test::buffer_with("");
    paste_text(*exact, std::string(508, 'e'));
    EXPECT_EQ(exact->cursor, (TextPosition{1, 254}));
}

TEST(ZpedPaste, LineBreaksAreKeptWithoutIndentation) {
    ScopedScriptedUi scripted;
    auto buffer = test::buffer_with("\tbegin\n\t");
    EditBuffer& b = *buffer;
    move_cursor(b, {1, 1}, false);
    // Terminals send Enter as CR in a paste; CR LF and LF are line breaks too.
    EXPECT_EQ(paste_text(b, "if a then\r\t\tb;\r\n\tend if;\nx"), 0);
    EXPECT_EQ(text_of(b), "\tbegin\n\tif a then\n\t\tb;\n\tend if;\nx");
    EXPECT_EQ(b.cursor, (TextPosition{4, 1}));
    EXPECT_EQ(b.history.size(), 2u) << "the head and one transaction";

    b.read_only = true;
    EXPECT_EQ(paste_text(b, "no"), -1);
    EXPECT_EQ(scripted.ui.last_status(), "Window is opened readonly.");
}

} // namespace
} // namespace zped

namespace zped {
namespace {

// A line that ends in a carriage return (a file with "\r\r\n") keeps it through an edit that
// joins it with the next line and the undo of that edit.
TEST(ZpedUndo, ALineEndingInACarriageReturnComesBackWhole) {
    ScopedScriptedUi scripted;
    auto buffer = test::buffer_with("x");
    EditBuffer& b = *buffer;
    b.set_lines(split_file_text("a\r\r\nb"));
    InitHistory(b);
    ASSERT_EQ(b.line(0), "a\r");
    test::erase(b, {0, 1}, {1, 0});
    EXPECT_EQ(text_of(b), "ab");
    ASSERT_EQ(UndoEdit(b), 0);
    EXPECT_EQ(b.line(0), "a\r");
    ASSERT_EQ(RedoEdit(b), 0);
    ASSERT_EQ(UndoEdit(b), 0);
    // Typed or pasted text loses one "\r" before each line break, as the rules say.
    test::insert(b, {1, 1}, "c\r\r\nd");
    EXPECT_EQ(b.line(1), "bc\r");
    ASSERT_EQ(UndoEdit(b), 0);
    EXPECT_EQ(text_of(b), "a\r\nb");
    EXPECT_TRUE(scripted.ui.texts("box").empty());
}

} // namespace
} // namespace zped
