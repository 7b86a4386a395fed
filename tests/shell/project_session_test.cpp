// The session in the program's own process: the autobackup timer of the settings
// (driven by a test clock, with real project directories), a changed period, and the start-up
// fallback when the project named at start is refused.
#include "design/project_paths.h"
#include "shell/session.h"
#include "shell/settings_file.h"
#include "shell/timers.h"
#include "test_files.h"
#include "ui/scripted_platform.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

using namespace zeph;
using shell_test::ScratchDir;
using shell_test::write_file;

class ProjectSessionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        previous = std::filesystem::current_path();
        std::filesystem::current_path(dir.path());
    }
    void TearDown() override {
        session.reset();
        std::filesystem::current_path(previous);
    }
    void open_session(int backup_minutes) {
        write_file(dir / "zeph.ini",
                   "[Environment]\nBackupTime=" + std::to_string(backup_minutes) + "\n");
        session = std::make_unique<Session>(
            platform, timers, SessionOptions{dir / "zeph.ini", false, [this] { ended = true; }});
    }
    void start(int backup_minutes) {
        open_session(backup_minutes);
        session->start_untitled();
        ASSERT_TRUE(session->project().is_open());
    }
    void pass(std::chrono::minutes how_long) {
        now += how_long;
        timers.run_due();
    }
    std::string backup() const { return session->project().path() + "/work/design.bk!"; }

    ScratchDir dir;
    std::filesystem::path previous;
    ui::ScriptedPlatform platform;
    Timers::Clock::time_point now{};
    Timers timers{[this] { return now; }};
    std::unique_ptr<Session> session;
    bool ended = false;
};

TEST_F(ProjectSessionTest, TheAutobackupRunsEveryBackupTimeMinutesWhenTheDesignChanged) {
    start(5);
    pass(std::chrono::minutes(5));
    EXPECT_FALSE(std::filesystem::exists(backup())); // nothing changed yet
    session->mark_modified();
    pass(std::chrono::minutes(4));
    EXPECT_FALSE(std::filesystem::exists(backup()));
    pass(std::chrono::minutes(1));
    EXPECT_TRUE(std::filesystem::exists(backup()));
    EXPECT_EQ(platform.last_status(), "Autobackup done.");
    EXPECT_FALSE(session->project().changed_since_autobackup());
    EXPECT_TRUE(session->project().modified());
}

TEST_F(ProjectSessionTest, BackupTimeZeroWritesNoAutobackup) {
    start(0);
    session->mark_modified();
    for (int i = 0; i < 10; ++i)
        pass(std::chrono::minutes(30));
    EXPECT_FALSE(std::filesystem::exists(backup()));
    EXPECT_FALSE(timers.time_to_next().has_value());
    // Switched on by new settings, it counts from then.
    session->settings().environment.backup_time = 2;
    session->settings_changed();
    pass(std::chrono::minutes(2));
    EXPECT_TRUE(std::filesystem::exists(backup()));
}

TEST_F(ProjectSessionTest, ARefusedProjectAtStartLeavesTheStartGoingWithANewDesign) {
    write_file(dir / "cpu.vdp/lockfile", "ZEPH/HDL lockfile by ann on bench at then\n");
    std::filesystem::create_directories(dir / "cpu.vdp/design");
    open_session(5);
    platform.queue(ui::Answer::No);
    EXPECT_FALSE(session->load_project(dir / "cpu.vdp"));
    EXPECT_FALSE(ended);
    session->start_untitled();
    EXPECT_TRUE(session->project().untitled());
    EXPECT_EQ(session->title(), "ZEPH/HDL - [Untitled]");
}

} // namespace
