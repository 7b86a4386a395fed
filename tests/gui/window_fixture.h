// A main window on its own session for a test: a scratch directory with a settings file, the
// shipped examples drawn there by the real zeph program, the window shown on the offscreen
// platform, and mouse clicks given in sheet units.
#pragma once

#include "diagram_view.h"
#include "main_window.h"
#include "qt_platform.h"
#include "shell/session.h"
#include "shell/test_files.h"
#include "shell/timers.h"
#include "shell/zeph_process.h"

#include <QMessageBox>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <memory>

#include <gtest/gtest.h>

namespace gui_test {

// Generated text carries a time stamp: a fixed one keeps two runs comparable.
inline constexpr const char* kFixedTime = "1700000000";

class WindowTest : public testing::Test {
  protected:
    WindowTest() : previous_directory_(std::filesystem::current_path()) {
        shell_test::write_file(dir / "zeph.ini", "[GUI]\nSaveSettingsOnExit=no\n");
        setenv("SOURCE_DATE_EPOCH", kFixedTime, 1);
        // A dialog nobody answers would hang the test: it fails and is closed instead.
        QObject::connect(&watchdog_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || modal != stuck_) {
                stuck_ = modal;
                stuck_ticks_ = 0;
                return;
            }
            if (++stuck_ticks_ < kWatchdogTicks) return;
            std::string text = modal->windowTitle().toStdString();
            if (auto* box = qobject_cast<QMessageBox*>(modal))
                text += ": " + box->text().toStdString();
            ADD_FAILURE() << "unanswered dialog " << text;
            modal->close();
        });
        watchdog_.start(kWatchdogMs);
    }
    ~WindowTest() override {
        window.reset();
        if (session) session->abandon();
        session.reset();
        std::error_code ignored;
        std::filesystem::current_path(previous_directory_, ignored);
    }

    // Runs a script of the real zeph program in the scratch directory.
    shell_test::ZephResult run_script(const std::string& script, const std::string& project = "") {
        shell_test::write_file(dir / "script.zeph", script);
        shell_test::ZephRun run;
        run.args = {"--settings", dir / "zeph.ini", "--batch", dir / "script.zeph"};
        if (!project.empty()) run.args.push_back(project);
        run.cwd = dir.path();
        run.env["SOURCE_DATE_EPOCH"] = kFixedTime;
        return shell_test::run_zeph(run);
    }
    // Draws a shipped example (NAME.vdp) with its own script.
    void draw_example(const std::string& name) {
        std::string script = shell_test::read_file(std::string(ZEPH_SOURCE_DIR) + "/examples/" +
                                                   name + "/draw.zeph");
        shell_test::ZephResult drawn = run_script(script);
        ASSERT_TRUE(std::filesystem::exists(dir / (name + ".vdp"))) << drawn.out << drawn.err;
    }
    // The window on a new session, with the project open (an untitled design without one).
    void open_window(const std::string& project = "") {
        platform = std::make_unique<zeph::QtPlatform>("ZEPH/HDL");
        session = std::make_unique<zeph::Session>(
            *platform, timers, zeph::SessionOptions{dir / "zeph.ini", true, [] {}});
        window = std::make_unique<zeph::MainWindow>(*session, *platform);
        if (project.empty())
            session->start_untitled();
        else
            ASSERT_TRUE(session->load_project(dir / project));
        window->refresh();
        window->show_at_start();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->refresh();
    }

    zeph::DiagramView& view() { return window->view(); }
    QPoint pixel(zeph::Point at) { return view().to_pixel(at).toPoint(); }
    void click(zeph::Point at, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(view().viewport(), Qt::LeftButton, modifiers, pixel(at));
    }
    void drag(zeph::Point from, zeph::Point to, Qt::KeyboardModifiers modifiers = {}) {
        QWidget* port = view().viewport();
        QTest::mousePress(port, Qt::LeftButton, modifiers, pixel(from));
        QMouseEvent move(QEvent::MouseMove, QPointF(pixel(to)),
                         port->mapToGlobal(QPointF(pixel(to))), Qt::NoButton, Qt::LeftButton,
                         modifiers);
        QApplication::sendEvent(port, &move);
        QTest::mouseRelease(port, Qt::LeftButton, modifiers, pixel(to));
    }
    // Triggers a menu item by its path of plain labels.
    void choose(const std::vector<std::string>& path) {
        QAction* action = window->menu_action(path);
        ASSERT_NE(action, nullptr) << path.back();
        ASSERT_TRUE(action->isEnabled()) << path.back();
        action->trigger();
    }
    std::string status_line() { return window->statusBar()->currentMessage().toStdString(); }

    shell_test::ScratchDir dir;
    zeph::Timers timers;
    std::unique_ptr<zeph::QtPlatform> platform;
    std::unique_ptr<zeph::Session> session;
    std::unique_ptr<zeph::MainWindow> window;

  private:
    static constexpr int kWatchdogMs = 250;
    static constexpr int kWatchdogTicks = 20;
    std::filesystem::path previous_directory_;
    QTimer watchdog_;
    QWidget* stuck_ = nullptr;
    int stuck_ticks_ = 0;
};

} // namespace gui_test
