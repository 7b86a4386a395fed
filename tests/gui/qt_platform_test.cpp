// The Qt platform layer: real message boxes and questions answered by pressing their buttons,
// prompts that keep their length limit, file dialog filters, report calls made before the
// window, child processes on the event loop (streamed, exit codes, signals, missing programs)
// and the periodic jobs driven from the event loop.
#include "file_filters.h"
#include "modal_answers.h"
#include "qt_platform.h"
#include "report_dock.h"
#include "shell/timers.h"
#include "timer_pump.h"

#include <QElapsedTimer>
#include <QInputDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace zeph {
namespace {

using gui_test::on_next_modal;
using gui_test::press_in_next_box;

TEST(QtPlatformTest, MessageBoxesAndQuestionsAnswerAsTheirButtons) {
    QtPlatform platform("ZEPH/HDL");
    std::string text;
    std::string title;
    press_in_next_box(QMessageBox::Ok, &text, &title);
    platform.message_box("", "Cannot open file 'x'.");
    EXPECT_EQ(text, "Cannot open file 'x'.");
    EXPECT_EQ(title, "ZEPH/HDL"); // an empty title is the program's

    press_in_next_box(QMessageBox::No, &text);
    EXPECT_EQ(platform.ask_yes_no("Q", "Save settings file 'a'?"), ui::Answer::No);
    EXPECT_EQ(text, "Save settings file 'a'?");
    press_in_next_box(QMessageBox::Yes);
    EXPECT_EQ(platform.ask_yes_no("Q", "again?"), ui::Answer::Yes);
    press_in_next_box(QMessageBox::Cancel);
    EXPECT_EQ(platform.ask_yes_no_cancel("Q", "Save changes?"), ui::Answer::Cancel);
    press_in_next_box(QMessageBox::No);
    EXPECT_EQ(platform.ask_yes_no_cancel("Q", "Save changes?"), ui::Answer::No);

    // Escape on a Yes/No question is No, on Yes/No/Cancel it is Cancel.
    on_next_modal([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
    EXPECT_EQ(platform.ask_yes_no("Q", "escape?"), ui::Answer::No);
    on_next_modal([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
    EXPECT_EQ(platform.ask_yes_no_cancel("Q", "escape?"), ui::Answer::Cancel);
}

TEST(QtPlatformTest, PromptsKeepTheirProposalAndLengthLimit) {
    QtPlatform platform("ZEPH/HDL");
    int shown_limit = 0;
    std::string shown_proposal;
    on_next_modal([&](QWidget* modal) {
        auto* edit = modal->findChild<QLineEdit*>();
        shown_limit = edit->maxLength();
        shown_proposal = edit->text().toStdString();
        edit->setText(QStringLiteral("abcdefghijkl")); // typed past the limit by a program
        static_cast<QDialog*>(modal)->accept();
    });
    std::optional<std::string> answer = platform.prompt_text("Enter name:", "u0", 8);
    EXPECT_EQ(shown_limit, 8);
    EXPECT_EQ(shown_proposal, "u0");
    ASSERT_TRUE(answer.has_value());
    EXPECT_LE(answer->size(), 8u);

    on_next_modal([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
    EXPECT_EQ(platform.prompt_text("Enter name:", "u0", 8), std::nullopt);
}

TEST(QtPlatformTest, FileFiltersBecomeQtFilters) {
    EXPECT_EQ(qt_file_filter("Design projects|*.vdp"), "Design projects (*.vdp)");
    EXPECT_EQ(qt_file_filter("VHDL files|*.vhd;*.vhdl|All files|*.*"),
              "VHDL files (*.vhd *.vhdl);;All files (*.*)");
    EXPECT_EQ(qt_file_filter("Design projects (*.vdp)|*.vdp"), "Design projects (*.vdp)");
    EXPECT_EQ(qt_file_filter("Macros|"), "Macros (*)");
    EXPECT_EQ(qt_file_filter(""), "");
}

TEST(QtPlatformTest, ReportCallsBeforeTheWindowAreShownWhenItComes) {
    QtPlatform platform("ZEPH/HDL");
    platform.report_clear();
    platform.report_title("Verification");
    platform.report_append("first");
    platform.report_append("second");
    platform.report_bring_up();
    ReportDock dock;
    platform.attach(nullptr, nullptr, &dock, nullptr);
    EXPECT_EQ(dock.text(), "first\nsecond");
    EXPECT_EQ(dock.title(), "Verification");
    platform.report_clear();
    platform.report_append("third");
    EXPECT_EQ(dock.text(), "third");
    platform.detach();
    platform.report_append("later"); // held again, not lost
    platform.attach(nullptr, nullptr, &dock, nullptr);
    EXPECT_EQ(dock.text(), "third\nlater");
}

TEST(QtPlatformTest, ViewFileViewsTheFileTheReportNames) {
    ReportDock dock;
    std::optional<std::string> viewed = std::string("unset");
    dock.set_file_viewer([&](const std::optional<std::string>& file) { viewed = file; });
    dock.set_title("not a file");
    dock.append("nothing here");
    dock.view_file_button()->click();
    EXPECT_EQ(viewed, std::nullopt); // nothing named: the View command asks for a file

    std::string file = std::string(ZEPH_SOURCE_DIR) + "/examples/counter/draw.zeph";
    dock.set_title(file);
    dock.view_file_button()->click();
    EXPECT_EQ(viewed, file);
}

TEST(QtPlatformTest, ChildrenRunOnTheEventLoopWithTheirOutputAndStatus) {
    QtPlatform platform("ZEPH/HDL");
    ui::ChildResult done = platform.run_child({{"sh", "-c", "echo out; echo err >&2; exit 3"}, ""});
    EXPECT_TRUE(done.started);
    EXPECT_EQ(done.exit_code, 3);
    EXPECT_NE(done.output.find("out\n"), std::string::npos);
    EXPECT_NE(done.output.find("err\n"), std::string::npos);

    ui::ChildResult killed = platform.run_child({{"sh", "-c", "kill -9 $$"}, ""});
    EXPECT_TRUE(killed.started);
    EXPECT_EQ(killed.exit_code, 128 + 9);

    ui::ChildResult missing = platform.run_child({{"no-such-program-zeph-test"}, ""});
    EXPECT_FALSE(missing.started);

    ui::ChildResult in_dir = platform.run_child({{"pwd"}, "/tmp"});
    EXPECT_EQ(in_dir.output, "/tmp\n");

    // Pieces arrive while the child runs: the event loop keeps turning between them.
    std::vector<std::string> pieces;
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(10);
    ui::ChildResult streamed =
        platform.run_child_streamed({{"sh", "-c", "echo one; sleep 0.3; echo two"}, ""},
                                    [&](std::string_view piece) { pieces.emplace_back(piece); });
    EXPECT_EQ(streamed.exit_code, 0);
    EXPECT_TRUE(streamed.output.empty());
    ASSERT_GE(pieces.size(), 2u);
    EXPECT_EQ(pieces.front(), "one\n");
    EXPECT_GT(ticks, 5);
}

TEST(QtPlatformTest, TheTimerPumpRunsDueJobsFromTheEventLoop) {
    Timers timers;
    int runs = 0;
    timers.add(Timers::Duration(20), [&] { ++runs; });
    TimerPump pump(timers);
    EXPECT_LE(pump.interval(), 20);
    QElapsedTimer clock;
    clock.start();
    while (runs < 3 && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_GE(runs, 3);

    Timers idle;
    TimerPump idle_pump(idle); // without jobs it still looks again within a second
    EXPECT_EQ(idle_pump.interval(), TimerPump::kLongestWaitMs);
}

TEST(QtPlatformTest, StatusLineCountsItsBeeps) {
    QtPlatform platform("ZEPH/HDL");
    platform.status("quiet", false);
    platform.status("Illegal zoom range.", true);
    EXPECT_EQ(platform.beeps(), 1);
}

} // namespace
} // namespace zeph
