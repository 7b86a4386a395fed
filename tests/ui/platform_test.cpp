// The scripted and console platforms, and real child processes.
#include "ui/child_process.h"
#include "ui/console_platform.h"
#include "ui/scripted_platform.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using namespace ui;

TEST(ScriptedPlatform, AnswersInOrderAndTranscript) {
    ScriptedPlatform p;
    p.queue(Answer::Yes);
    p.queue_text("counter_with_a_long_name");
    p.queue(Point{10, 20});
    EXPECT_EQ(p.ask_yes_no("zeph", "Save changes?"), Answer::Yes);
    EXPECT_EQ(p.prompt_text("Enter name:", "u0", 7), "counter");
    EXPECT_EQ(p.pick_point("Place"), (Point{10, 20}));
    p.status("Done.", true);
    p.report_title("Design Verify");
    p.report_append("line");
    ASSERT_EQ(p.transcript().size(), 6u);
    EXPECT_EQ(p.transcript()[0].kind, Shown::Question);
    EXPECT_EQ(p.transcript()[3].text, "Done.");
    EXPECT_TRUE(p.transcript()[3].beep);
    EXPECT_EQ(p.report_lines(), std::vector<std::string>{"line"});
    p.report_clear();
    EXPECT_TRUE(p.report_lines().empty());
}

TEST(ScriptedPlatform, UnexpectedQuestionThrows) {
    ScriptedPlatform p;
    EXPECT_THROW(p.ask_yes_no_cancel("zeph", "Overwrite?"), QuestionNotAnswered);
    p.queue_text("x");
    EXPECT_THROW(p.ask_yes_no("zeph", "Sure?"), QuestionNotAnswered) << "wrong kind of answer";
    EXPECT_EQ(p.open_file({"Open", "", "", ""}), "x") << "the refused answer is still queued";
    p.queue_cancel();
    EXPECT_FALSE(p.open_file({"Open", "", "", ""}).has_value());
}

TEST(ConsolePlatform, PrintsKindsAndTakesQueuedAnswers) {
    std::istringstream in;
    std::ostringstream out;
    ConsolePlatform c(in, out, false);
    c.queue_answer("no");
    c.queue_answer("");
    c.queue_answer("3 4 5 6");
    EXPECT_EQ(c.ask_yes_no("zeph", "Remove?"), Answer::No);
    EXPECT_EQ(c.prompt_text("Enter name:", "u2", 32), "u2") << "empty answer takes the proposal";
    EXPECT_EQ(c.pick_rect("Area"), (Rect{{3, 4}, {5, 6}}));
    c.message_box("zeph", "two\nlines");
    c.status("Language: VHDL", true);
    c.report_append("");
    EXPECT_EQ(out.str(),
              "question: Remove? [yes/no]\nanswer: no\n"
              "prompt: Enter name: [u2]\nanswer: \n"
              "pick: Area [x1 y1 x2 y2]\nanswer: 3 4 5 6\n"
              "box: [zeph] two\nbox: lines\n"
              "beep: Language: VHDL\n"
              "report:\n");
}

TEST(ConsolePlatform, BatchQuestionWithoutAnswerAborts) {
    std::istringstream in("yes\n");
    std::ostringstream out;
    ConsolePlatform batch(in, out, false);
    EXPECT_THROW(batch.ask_yes_no("zeph", "Remove?"), QuestionNotAnswered);
    batch.queue_answer("maybe");
    EXPECT_THROW(batch.ask_yes_no("zeph", "Remove?"), QuestionNotAnswered);
    ConsolePlatform interactive(in, out, true);
    EXPECT_EQ(interactive.ask_yes_no("zeph", "Remove?"), Answer::Yes);
}

TEST(ChildProcess, CapturesOutputAndExitCode) {
    ChildResult r = run_child_process({{"sh", "-c", "echo out; echo err >&2; exit 3"}, "/tmp"});
    EXPECT_TRUE(r.started);
    EXPECT_EQ(r.exit_code, 3);
    EXPECT_EQ(r.output, "out\nerr\n");
    ChildResult pwd = run_child_process({{"pwd"}, "/"});
    EXPECT_EQ(pwd.output, "/\n");
}

TEST(ChildProcess, MissingProgramIsNotStarted) {
    ChildResult r = run_child_process({{"no-such-program-zeph"}, ""});
    EXPECT_FALSE(r.started);
    ChildResult bad_dir = run_child_process({{"true"}, "/no/such/dir"});
    EXPECT_FALSE(bad_dir.started);
}

} // namespace
