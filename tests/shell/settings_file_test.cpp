// The settings file on disk: its location, and reading and writing it when it is missing,
// damaged, unreadable, or cannot be written.
#include "foundation/system_message.h"
#include "shell/settings_file.h"
#include "test_files.h"
#include "ui/scripted_platform.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace zeph;
using shell_test::read_file;
using shell_test::ScratchDir;
using shell_test::write_file;

class SettingsFileTest : public ::testing::Test {
  protected:
    std::vector<std::string> boxes() const { return platform.shown(ui::Shown::Box); }
    std::vector<std::string> statuses() const { return platform.shown(ui::Shown::Status); }

    ui::ScriptedPlatform platform;
    ScratchDir dir;
};

TEST_F(SettingsFileTest, BesideTheProgramElseTheConfigurationDirectory) {
    EXPECT_EQ(locate_settings_file(dir.path(), "/xdg", "/home/u"), "/xdg/zeph/zeph.ini");
    EXPECT_EQ(locate_settings_file(dir.path(), nullptr, "/home/u"),
              "/home/u/.config/zeph/zeph.ini");
    EXPECT_EQ(locate_settings_file(dir.path(), "relative", "/home/u"),
              "/home/u/.config/zeph/zeph.ini");
    EXPECT_EQ(locate_settings_file(dir.path(), "", nullptr), "zeph.ini");
    write_file(dir / "zeph.ini", "");
    EXPECT_EQ(locate_settings_file(dir.path(), "/xdg", "/home/u"), dir / "zeph.ini");
}

TEST_F(SettingsFileTest, AMissingFileGivesMessage32AndTheDefaults) {
    SettingsFile file(platform, dir / "config/zeph/zeph.ini");
    file.load();
    EXPECT_EQ(statuses(), std::vector<std::string>{"Error    32: Cannot open settings file '" +
                                                   file.path() + "'"});
    EXPECT_EQ(file.settings(), Settings{});
    // Saving creates the directories.
    ASSERT_TRUE(file.save());
    EXPECT_EQ(read_file(file.path()).rfind("[GUI]\nGridFactor=1\n", 0), 0u);
}

TEST_F(SettingsFileTest, DamagedLinesAreReportedAndKept) {
    write_file(dir / "zeph.ini", "[GUI]\nGridFactor=3\n\x01\x02garbage\n[Environment]\n"
                                 "BackupTime=12\n[broken\n");
    SettingsFile file(platform, dir / "zeph.ini");
    file.load();
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0], program_name() + "|Settings file '" + file.path() +
                              "' has 2 lines that cannot be read (the first is line 3).\n"
                              "The defaults stand for them; the lines are kept in the file.");
    EXPECT_EQ(file.settings().gui.grid_factor, 3);
    EXPECT_EQ(file.settings().environment.backup_time, 12);
    ASSERT_TRUE(file.save());
    std::string text = read_file(file.path());
    EXPECT_NE(text.find("GridFactor=3\n\x01\x02garbage\n"), std::string::npos);
    EXPECT_NE(text.find("\n[broken\n"), std::string::npos);
}

TEST_F(SettingsFileTest, AnUnreadableFileIsSetAsideBeforeItIsReplaced) {
    std::filesystem::create_directory(dir / "zeph.ini"); // exists, but is no file
    write_file(dir / "zeph.ini/keep", "what the user had");
    SettingsFile file(platform, dir / "zeph.ini");
    file.load();
    EXPECT_EQ(file.settings(), Settings{});
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_NE(boxes()[0].find("cannot be read (not a file)"), std::string::npos);
    ASSERT_TRUE(file.save());
    EXPECT_EQ(read_file(dir / "zeph.ini.damaged/keep"), "what the user had");
    EXPECT_EQ(read_file(dir / "zeph.ini").rfind("[GUI]", 0), 0u);
    EXPECT_EQ(statuses().back(),
              "Unreadable settings file kept as '" + dir / "zeph.ini.damaged" + "'.");
}

TEST_F(SettingsFileTest, AFileThatCannotBeCreatedIsSystemMessage4) {
    write_file(dir / "plain", "not a directory");
    SettingsFile file(platform, dir / "plain/zeph.ini");
    file.load();
    EXPECT_FALSE(file.save());
    EXPECT_EQ(boxes().back(), program_name() + "|Error     4: Cannot open file '" + file.path() +
                                  "' (for writing)\n");
}

// A real write error (the file size limit) leaves the old file whole and no temporary behind.
TEST_F(SettingsFileTest, AWriteErrorLeavesTheOldFile) {
    const std::string old_text = "[GUI]\nGridFactor=7\n";
    write_file(dir / "zeph.ini", old_text);
    pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{64, 64};
        setrlimit(RLIMIT_FSIZE, &limit);
        ui::ScriptedPlatform quiet;
        SettingsFile file(quiet, dir / "zeph.ini");
        file.load();
        bool saved = file.save();
        bool reported = !quiet.shown(ui::Shown::Status).empty() &&
                        quiet.shown(ui::Shown::Status).back() ==
                            "Error     7: Error(s) writing file '" + file.path() + "'";
        _exit(!saved && reported ? 0 : 1);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(read_file(dir / "zeph.ini"), old_text);
    EXPECT_FALSE(std::filesystem::exists(dir / "zeph.ini.tmp"));
}

TEST_F(SettingsFileTest, LoadingAgainDropsChangesNotSaved) {
    write_file(dir / "zeph.ini", "[Environment]\nBackupTime=45\n");
    SettingsFile file(platform, dir / "zeph.ini");
    file.load();
    EXPECT_EQ(file.settings().environment.backup_time, 30);
    file.settings().environment.backup_time = 2;
    file.load();
    EXPECT_EQ(file.settings().environment.backup_time, 30);
    EXPECT_TRUE(boxes().empty());
    EXPECT_TRUE(statuses().empty());
}

} // namespace
