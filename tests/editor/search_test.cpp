// Find and replace on real buffers through the session's commands, with a scripted interface
// answering the dialogs and the replace questions: matching rules, scan limits, the texts of
// the status line, replace runs and their undo, and the selection kept across a replace.
#include "editor/dialog.h"
#include "editor/editing.h"
#include "editor/editor_session.h"
#include "editor/scripted_editor_ui.h"
#include "editor/text_search.h"
#include "editor_test_support.h"

#include <gtest/gtest.h>

namespace zped {
namespace {

using test::text_of;

struct FindAnswer {
    std::string text;
    SearchRange range = SearchRange::EntireText;
    SearchDirection direction = SearchDirection::Forward;
    bool whole_words = false;
    bool case_sensitive = false;
    std::string replacement;
    bool replace_all = false;
    bool prompt = false;
};

class ZpedSearch : public ::testing::Test {
  protected:
    ZpedSearch() : settings(dir.file("zped.ini"), dir.path()), session(settings) {}

    EditBuffer& open(const std::string& text) {
        return *session.add_buffer(test::buffer_with(text));
    }
    // Queues the answer to the next Find or Replace dialog.
    void answer(const FindAnswer& a) {
        ui.answer_dialog([a](Dialog& d) -> std::optional<int> {
            bool replace = d.title == "Replace Text";
            d.field(replace ? "old" : "text")->text = a.text;
            d.field("range")->selected = static_cast<int>(a.range);
            d.field("direction")->selected = static_cast<int>(a.direction);
            d.field("whole-words")->checked = a.whole_words;
            d.field("case-sensitive")->checked = a.case_sensitive;
            if (replace) {
                d.field("new")->text = a.replacement;
                d.field("all")->checked = a.replace_all;
                d.field("prompt")->checked = a.prompt;
            }
            return 0;
        });
    }
    int find(std::string text, SearchRange range,
             SearchDirection direction = SearchDirection::Forward, bool whole_words = false,
             bool case_sensitive = false) {
        answer({std::move(text), range, direction, whole_words, case_sensitive, "", false, false});
        return session.run_command("FindText");
    }
    // Replaces with these answers to the questions about the matches.
    int replace(std::string text, std::string by, SearchRange range, SearchDirection direction,
                bool all, bool prompt = false, std::vector<Answer> answers = {}) {
        answer({std::move(text), range, direction, false, false, std::move(by), all, prompt});
        for (Answer a : answers)
            ui.answer(a);
        return session.run_command("ReplaceText");
    }
    TextPosition cursor() { return session.active()->cursor; }

    test::TempDir dir;
    ScopedScriptedUi scripted;
    ScriptedEditorUi& ui = scripted.ui;
    Settings settings;
    EditorSession session;
};

TEST(ZpedMatching, CaseWholeWordsAndLineBreaks) {
    auto b = test::buffer_with("Signal sig, my_sig\nsig <= x;\nab\ncd");
    MatchRule sig{"sig", false, true};
    EXPECT_FALSE(matches_at(*b, {0, 0}, sig)) << "Sig inside Signal";
    EXPECT_FALSE(matches_at(*b, {0, 15}, sig)) << "after my_";
    EXPECT_TRUE(matches_at(*b, {0, 7}, sig)) << "followed by a comma";
    EXPECT_TRUE(matches_at(*b, {1, 0}, sig)) << "at the start of a line";
    EXPECT_TRUE(matches_at(*b, {0, 0}, {"SIG", false, false}));
    EXPECT_FALSE(matches_at(*b, {0, 0}, {"sig", true, false}));
    EXPECT_FALSE(matches_at(*b, {2, 1}, {"bc", false, false})) << "no match across a line end";
    EXPECT_FALSE(matches_at(*b, {2, 0}, {"", false, false}));

    // The whole-word scan from the start stops only at the two whole words.
    std::optional<TextPosition> first = scan_forward(*b, {0, 0}, {3, 2}, sig);
    ASSERT_TRUE(first);
    EXPECT_EQ(*first, (TextPosition{0, 7}));
    std::optional<TextPosition> second = scan_forward(*b, next_byte(*b, *first), {3, 2}, sig);
    ASSERT_TRUE(second);
    EXPECT_EQ(*second, (TextPosition{1, 0}));
    // The limit is where a match may begin at the latest.
    EXPECT_FALSE(scan_forward(*b, {0, 8}, {0, 30}, sig));
    // Backward: from column 0 the scan goes on at the previous line's length less the text's.
    EXPECT_EQ(scan_backward(*b, {2, 0}, {0, 0}, sig), (TextPosition{1, 0}));
    EXPECT_EQ(scan_backward(*b, {0, 6}, {0, 0}, {"sig", false, false}), (TextPosition{0, 0}));
    EXPECT_FALSE(scan_backward(*b, {0, 6}, {0, 1}, {"sig", false, false}));
}

TEST_F(ZpedSearch, FindMovesTheCursorOrSaysTheTextIsNotFound) {
    EditBuffer& b = open("entity top is\n  signal clk : bit;\nend top;\n");
    move_cursor(b, {1, 4}, false);
    // A word only after the cursor is not found backward from it.
    EXPECT_EQ(find("top", SearchRange::FromCursor, SearchDirection::Backward), 0);
    EXPECT_EQ(cursor(), (TextPosition{0, 7}));
    EXPECT_EQ(find("clk", SearchRange::FromCursor, SearchDirection::Backward), 1);
    EXPECT_EQ(ui.last_status(), "Search string 'clk' not found.");
    EXPECT_EQ(ui.transcript().back().kind, "beep");
    EXPECT_EQ(cursor(), (TextPosition{0, 7})) << "a failed search moves nothing";

    // The word at the cursor is proposed; FindNextText goes on from one byte past the cursor.
    move_cursor(b, {0, 8}, false);
    std::string proposed;
    ui.answer_dialog([&](Dialog& d) -> std::optional<int> {
        proposed = d.field("text")->text;
        d.field("direction")->selected = static_cast<int>(SearchDirection::Forward);
        return 0;
    });
    EXPECT_EQ(session.run_command("FindText"), 0);
    EXPECT_EQ(proposed, "top");
    EXPECT_EQ(cursor(), (TextPosition{2, 4})) << "from the cursor, which is inside the word";
    EXPECT_EQ(session.run_command("FindNextText"), 1);
    EXPECT_EQ(ui.last_status(), "Search string 'top' not found.");
    EXPECT_EQ(find("TOP", SearchRange::EntireText), 0);
    EXPECT_EQ(cursor(), (TextPosition{0, 7}));
    EXPECT_EQ(session.run_command("FindNextText"), 0);
    EXPECT_EQ(cursor(), (TextPosition{2, 4}));
    EXPECT_EQ(find("TOP", SearchRange::EntireText, SearchDirection::Forward, false, true), 1);

    // Backward over the entire text starts at its end; a cancelled dialog searches nothing.
    EXPECT_EQ(find("top", SearchRange::EntireText, SearchDirection::Backward), 0);
    EXPECT_EQ(cursor(), (TextPosition{2, 4}));
    EXPECT_EQ(session.run_command("FindNextText"), 0);
    EXPECT_EQ(cursor(), (TextPosition{0, 7}));
    ui.answer_dialog([](Dialog&) -> std::optional<int> { return std::nullopt; });
    EXPECT_EQ(session.run_command("FindText"), 1);
    EXPECT_EQ(cursor(), (TextPosition{0, 7}));
}

TEST_F(ZpedSearch, SelectedTextLimitsTheSearch) {
    EditBuffer& b = open("a x\nb x\nc x\nd x");
    move_cursor(b, {1, 0}, false);
    move_cursor(b, {2, 2}, true);
    // The limit is the byte before the selection end: the x at (2, 2) lies outside.
    EXPECT_EQ(find("x", SearchRange::SelectedText), 0);
    EXPECT_EQ(cursor(), (TextPosition{1, 2}));
    EXPECT_TRUE(b.has_selection) << "the searched selection stays for the next search";
    EXPECT_EQ(session.run_command("FindNextText"), 1);
    EXPECT_EQ(find("x", SearchRange::SelectedText, SearchDirection::Backward), 0);
    EXPECT_EQ(cursor(), (TextPosition{1, 2}));
}

TEST_F(ZpedSearch, ReplaceAllNeverReplacesAMatchTwice) {
    EditBuffer& b = open("a a\nb");
    EXPECT_EQ(replace("a", "aa", SearchRange::EntireText, SearchDirection::Forward, true), 0);
    EXPECT_EQ(text_of(b), "aa aa\nb");
    EXPECT_EQ(cursor(), (TextPosition{0, 4})) << "on the last replaced character";
    EXPECT_EQ(b.desired, cursor());
    // One transaction per replacement.
    ASSERT_EQ(session.run_command("EditUndo"), 0);
    EXPECT_EQ(text_of(b), "aa a\nb");
    ASSERT_EQ(session.run_command("EditUndo"), 0);
    EXPECT_EQ(text_of(b), "a a\nb");

    // Backward, a longer text: each next search starts before the match.
    move_cursor(b, {1, 1}, false);
    EXPECT_EQ(replace("a", "aaa", SearchRange::FromCursor, SearchDirection::Backward, true), 0);
    EXPECT_EQ(text_of(b), "aaa aaa\nb");
    EXPECT_EQ(cursor(), (TextPosition{0, 0}));
    // A shorter text inside a selection: the limit on the line moves with the text.
    EditBuffer& c = open("xx xx xx xx");
    move_cursor(c, {0, 0}, false);
    move_cursor(c, {0, 8}, true);
    EXPECT_EQ(replace("xx", "y", SearchRange::SelectedText, SearchDirection::Forward, true), 0);
    EXPECT_EQ(text_of(c), "y y y xx");
    EXPECT_TRUE(c.has_selection);
    EXPECT_EQ(c.selection_anchor, (TextPosition{0, 0}));
    EXPECT_EQ(c.selection_end, (TextPosition{0, 5})) << "the selection end follows the text";
}

TEST_F(ZpedSearch, ThePromptOffersEachMatchAndCancelEndsTheRun) {
    EditBuffer& b = open("clk clk\nclk");
    EXPECT_EQ(replace("clk", "clock", SearchRange::EntireText, SearchDirection::Forward, true, true,
                      {Answer::Yes, Answer::No, Answer::Cancel}),
              0);
    EXPECT_EQ(text_of(b), "clock clk\nclk");
    EXPECT_EQ(ui.pending(), 0u);
    std::vector<std::string> questions = ui.texts("question");
    ASSERT_EQ(questions.size(), 3u);
    EXPECT_EQ(questions[0], "Replace this occurence of:\n'clk'");
    EXPECT_EQ(cursor(), (TextPosition{1, 0})) << "at the match the run was cancelled on";
    EXPECT_FALSE(b.has_selection);

    // FindNextText repeats the replace from the cursor (one byte on), without the dialog.
    ui.answer(Answer::Yes);
    move_cursor(b, {0, 5}, false);
    EXPECT_EQ(session.run_command("FindNextText"), 0);
    EXPECT_EQ(text_of(b), "clock clock\nclk");
    // Without Replace all only the first match is offered.
    EditBuffer& c = open("q q q");
    move_cursor(c, {0, 0}, false);
    EXPECT_EQ(replace("q", "r", SearchRange::FromCursor, SearchDirection::Forward, false), 0);
    EXPECT_EQ(text_of(c), "r q q");
    EXPECT_EQ(replace("z", "", SearchRange::EntireText, SearchDirection::Forward, false), 1);
    EXPECT_EQ(ui.last_status(), "Search string 'z' not found.");
}

TEST_F(ZpedSearch, AReplacementThatWouldMakeTheLineTooLongEndsTheRun) {
    EditBuffer& b = open(std::string(245, 'b') + " a a");
    EXPECT_EQ(replace("a", "aaaaa", SearchRange::EntireText, SearchDirection::Forward, true), 0);
    EXPECT_EQ(text_of(b), std::string(245, 'b') + " aaaaa a");
    EXPECT_EQ(ui.texts("box").size(), 1u) << "the refusal is shown once";
}

} // namespace
} // namespace zped
