// The shell engine in process: word splitting, the answer syntax, errors of commands, the
// title line, and periodic jobs running while the shell waits for input.
#include "console_session.h"
#include "foundation/command_words.h"
#include "test_files.h"

#include <gtest/gtest.h>
#include <sstream>
#include <thread>
#include <unistd.h>

namespace {

using namespace zeph;

TEST(CommandWords, BlanksQuotesAndComments) {
    auto words = [](const char* line) { return split_command_words(line).words; };
    using W = std::vector<std::string>;
    EXPECT_EQ(words("  open   cpu.vdp\t"), (W{"open", "cpu.vdp"}));
    EXPECT_EQ(words("answer \"My Design\" \"\""), (W{"answer", "My Design", ""}));
    EXPECT_EQ(words("say \"a \"\"b\"\"\" c\"d e\"f"), (W{"say", "a \"b\"", "cd ef"}));
    EXPECT_EQ(words("save # comment \"open"), (W{"save"}));
    EXPECT_EQ(words("# only a comment"), W{});
    EXPECT_EQ(words("a#b"), (W{"a#b"}));
    EXPECT_EQ(split_command_words("answer \"open").error, "unterminated quote");
    for (const char* w : {"plain", "two words", "", "#hash", "q\"uote", "C:\\dir\\x"})
        EXPECT_EQ(split_command_words("x " + quote_word(w)).words, (W{"x", w})) << w;
}

TEST(Timers, JobsRunWhenDueOncePerPeriod) {
    Timers::Clock::time_point now{};
    Timers timers([&] { return now; });
    int runs = 0, off_runs = 0;
    Timers::TimerId id = timers.add(std::chrono::minutes(5), [&] { ++runs; });
    timers.add(Timers::Duration::zero(), [&] { ++off_runs; });
    EXPECT_EQ(timers.time_to_next(), std::chrono::minutes(5));
    now += std::chrono::minutes(4);
    timers.run_due();
    EXPECT_EQ(runs, 0);
    now += std::chrono::minutes(30); // a long pause runs the job once
    timers.run_due();
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(timers.time_to_next(), std::chrono::minutes(5));
    timers.set_period(id, Timers::Duration::zero());
    now += std::chrono::hours(1);
    timers.run_due();
    EXPECT_EQ(runs, 1);
    EXPECT_FALSE(timers.time_to_next());
    EXPECT_EQ(off_runs, 0);
}

// The console front end over a pipe whose writing end the test holds; it prints into `out`.
class ShellTest : public ::testing::Test {
  protected:
    void SetUp() override {
        console.take_output(); // the session's start (a missing settings file) is not looked at
        shell->commands().add({"ask", "", "Ask a question", 0, 0, [](Invocation& inv) {
                                   ui::Answer a = inv.session.platform().ask_yes_no("t", "Go on?");
                                   inv.shell.print("status", a == ui::Answer::Yes ? "yes" : "no");
                                   return true;
                               }});
        shell->commands().add({"name", "", "Prompt for a name", 0, 0, [](Invocation& inv) {
                                   auto n =
                                       inv.session.platform().prompt_text("Enter name:", "top", 32);
                                   inv.shell.print("status", n ? *n : "<cancelled>");
                                   return true;
                               }});
    }
    void send(const std::string& text) { console.send(text); }
    void close_input() { console.close_input(); }
    int run(const std::string& script) {
        send(script);
        close_input();
        return shell->run();
    }
    ui::Platform& platform() { return console.console(); }

    shell_test::ScratchDir dir;
    zeph::testing_support::ConsoleSession console{dir.path(), dir / "zeph.ini"};
    Shell* shell = &console.shell();
    Timers& timers = console.timers();
    std::ostringstream& out = console.output();
};

TEST_F(ShellTest, AnswersAreGivenBeforeTheCommandThatAsks) {
    EXPECT_EQ(run("answer yes\nask\nanswer n\nask\nanswer \"\"\nname\nanswer <cancel>\nname\n"
                  "answer \"My Top\"\nname\n"),
              0);
    EXPECT_EQ(out.str(), "command: ask\nquestion: Go on? [yes/no]\nanswer: yes\nstatus: yes\n"
                         "command: ask\nquestion: Go on? [yes/no]\nanswer: n\nstatus: no\n"
                         "command: name\nprompt: Enter name: [top]\nanswer: \nstatus: top\n"
                         "command: name\nprompt: Enter name: [top]\nanswer: <cancel>\n"
                         "status: <cancelled>\n"
                         "command: name\nprompt: Enter name: [top]\nanswer: My Top\n"
                         "status: My Top\n");
}

TEST_F(ShellTest, AnUnansweredQuestionAbandonsOnlyThatCommand) {
    EXPECT_EQ(run("ask\nanswer maybe\nask\nanswer yes\nask\n"), 1);
    EXPECT_EQ(out.str(), "command: ask\nquestion: Go on? [yes/no]\n"
                         "error: ask abandoned: question not answered: Go on?\n"
                         "command: ask\nquestion: Go on? [yes/no]\nanswer: maybe\n"
                         "error: ask abandoned: question not answered: Go on? (answer 'maybe' not "
                         "understood)\n"
                         "command: ask\nquestion: Go on? [yes/no]\nanswer: yes\nstatus: yes\n");
    EXPECT_EQ(shell->failures(), 2);
}

TEST_F(ShellTest, TheStartUpTakesTheAnswersAtTheTopOfAScript) {
    send("# opening the project may ask\nanswer yes\n\nanswer no\nask\n");
    close_input();
    EXPECT_TRUE(shell->start_up(
        [this] { return platform().ask_yes_no("t", "Remove the lock file?") == ui::Answer::Yes; }));
    EXPECT_EQ(shell->run(), 0);
    EXPECT_EQ(out.str(), "question: Remove the lock file? [yes/no]\nanswer: yes\n"
                         "command: ask\nquestion: Go on? [yes/no]\nanswer: no\nstatus: no\n");
}

TEST_F(ShellTest, AStartUpThatAsksNothingLeavesTheAnswersToTheFirstCommand) {
    send("answer yes\nask\n");
    close_input();
    EXPECT_TRUE(shell->start_up([] { return true; }));
    EXPECT_EQ(shell->run(), 0);
    EXPECT_EQ(out.str(), "command: ask\nquestion: Go on? [yes/no]\nanswer: yes\nstatus: yes\n");
}

TEST_F(ShellTest, AnUnansweredStartUpQuestionAbandonsTheStartUp) {
    send("ask\n");
    close_input();
    EXPECT_FALSE(shell->start_up([this] {
        platform().ask_yes_no("t", "Remove the lock file?");
        return true;
    }));
    EXPECT_EQ(shell->run(), 1);
    EXPECT_EQ(out.str(), "question: Remove the lock file? [yes/no]\n"
                         "error: start-up abandoned: question not answered: Remove the lock file?\n"
                         "command: ask\nquestion: Go on? [yes/no]\n"
                         "error: ask abandoned: question not answered: Go on?\n");
}

TEST_F(ShellTest, ScriptMistakesAreErrorLines) {
    EXPECT_EQ(run("frobnicate 1\nwait\nwait soon\nhelp nothing\nanswer yes\nhelp exit\n"
                  "say \"open\nanswer yes\n"),
              1);
    EXPECT_EQ(out.str(), "command: frobnicate 1\n"
                         "error: unknown command 'frobnicate'; 'help' lists the commands\n"
                         "command: wait\nerror: usage: wait SECONDS\n"
                         "command: wait soon\n"
                         "error: wait: 'soon' is not a number of seconds from 0 to 86400\n"
                         "command: help nothing\nerror: no command 'nothing'\n"
                         "command: help exit\n"
                         "help: exit                     Exit the application\n"
                         "error: 1 answer not used by 'help'\n"
                         "error: unterminated quote: say \"open\n"
                         "error: 1 answer not used at the end of the input\n");
    EXPECT_EQ(shell->failures(), 7);
}

TEST_F(ShellTest, AnOverlongLineIsSkipped) {
    std::thread typist([this] {
        send("help " + std::string(100000, 'x') + "\nhelp exit\n");
        close_input();
    });
    EXPECT_EQ(shell->run(), 1);
    typist.join();
    EXPECT_EQ(out.str(), "error: line longer than 65536 characters skipped\n"
                         "command: help exit\n"
                         "help: exit                     Exit the application\n");
}

TEST_F(ShellTest, ExitAsksTheLeaveHandlerAndStaysWhenItSaysSo) {
    int asked = 0;
    bool abandoned = false;
    shell->set_leave_handlers([&] { return ++asked > 1; }, [&] { abandoned = true; });
    EXPECT_EQ(run("exit\nhelp wait\nexit\nhelp exit\n"), 0);
    EXPECT_EQ(asked, 2);
    EXPECT_FALSE(abandoned);
    EXPECT_EQ(out.str(), "command: exit\ncommand: help wait\n"
                         "help: wait SECONDS             Wait, running the periodic jobs "
                         "(autobackup) meanwhile\n"
                         "command: exit\n");
}

TEST_F(ShellTest, TheEndOfTheInputLeavesOrAbandons) {
    bool abandoned = false;
    shell->set_leave_handlers(
        [&] { return platform().ask_yes_no("t", "Save changes?") == ui::Answer::Yes; },
        [&] { abandoned = true; });
    EXPECT_EQ(run("help exit\n"), 1);
    EXPECT_TRUE(abandoned);
    EXPECT_NE(out.str().find("question: Save changes? [yes/no]\n"
                             "error: exit abandoned: question not answered: Save changes?\n"),
              std::string::npos);
}

TEST_F(ShellTest, TheTitleIsPrintedWhenItChanges) {
    std::string title;
    shell->set_title_source([&] { return title; });
    shell->commands().add({"rename", "TITLE", "", 1, 1, [&](Invocation& inv) {
                               title = inv.args[0];
                               return true;
                           }});
    EXPECT_EQ(run("rename A\nrename A\nrename B\n"), 0);
    EXPECT_EQ(out.str(), "command: rename A\ntitle: A\ncommand: rename A\ncommand: rename B\n"
                         "title: B\n");
}

TEST_F(ShellTest, PeriodicJobsRunWhileTheShellWaitsForInput) {
    int runs = 0;
    timers.add(std::chrono::milliseconds(5), [&] { ++runs; });
    std::thread typist([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        send("help exit\n");
        close_input();
    });
    EXPECT_EQ(shell->run(), 0);
    typist.join();
    EXPECT_GE(runs, 1);
    int before_wait = runs;
    shell->execute_line("wait 0.1");
    EXPECT_GT(runs, before_wait);
}

TEST_F(ShellTest, PeriodicJobsDoNotRunWhileACommandWaitsForAnAnswer) {
    int runs = 0;
    ui::ConsolePlatform asking(console.input(), out, true); // reads its answers from the pipe
    timers.add(std::chrono::milliseconds(1), [&] { ++runs; });
    std::thread typist([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        send("yes\n");
    });
    EXPECT_EQ(asking.ask_yes_no("t", "Go on?"), ui::Answer::Yes);
    typist.join();
    EXPECT_EQ(runs, 0);
}

} // namespace
