// Scenarios with the real zeph program: options, scripted sessions from a batch file and from
// piped standard input, the answer syntax, the settings file through the settings commands and
// at exit, command-line refusals and a start without a current directory.
#include "test_files.h"
#include "zeph_process.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

using shell_test::read_file;
using shell_test::replaced;
using shell_test::run_zeph;
using shell_test::ScratchDir;
using shell_test::write_file;
using shell_test::ZephResult;
using shell_test::ZephRun;

class ZephProgramTest : public ::testing::Test {
  protected:
    std::string settings_path() const { return dir / "config/zeph/zeph.ini"; }
    // A run in the scratch directory with its own configuration directory.
    ZephRun in_scratch(std::vector<std::string> args, std::string input = "") const {
        ZephRun run;
        run.args = std::move(args);
        run.input = std::move(input);
        run.cwd = dir.path();
        run.env = {{"XDG_CONFIG_HOME", dir / "config"}, {"HOME", dir.path()}};
        return run;
    }
    ZephResult script(const std::string& commands) {
        write_file(dir / "run.zeph", commands);
        return run_zeph(in_scratch({"--batch", dir / "run.zeph"}));
    }
    std::string scrubbed(const std::string& text) const {
        return replaced(text, dir.path(), "@DIR@");
    }

    ScratchDir dir;
};

TEST_F(ZephProgramTest, VersionHelpAndBadOptions) {
    ZephResult version = run_zeph(in_scratch({"--version"}));
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("zeph ", 0), 0u);
    ZephResult help = run_zeph(in_scratch({"--help"}));
    EXPECT_EQ(help.status, 0);
    shell_test::expect_golden("usage.txt", help.out);
    ZephResult bad = run_zeph(in_scratch({"--frobnicate"}));
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.err, "zeph: unknown option '--frobnicate'\n" + help.out);
    ZephResult missing = run_zeph(in_scratch({"--batch", dir / "none.zeph"}));
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(scrubbed(missing.err),
              "zeph: cannot open batch file '@DIR@/none.zeph': No such file or directory\n");
}

TEST_F(ZephProgramTest, HelpListsTheCommands) {
    write_file(settings_path(), "[GUI]\nSaveSettingsOnExit=no\n");
    ZephResult r = script("help\n");
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    shell_test::expect_golden("help_session.txt", r.out);
}

// The same commands typed into a pipe and read from a batch file give the same transcript.
TEST_F(ZephProgramTest, PipedInputIsAScriptToo) {
    const std::string commands = "# settings round trip\nanswer yes\nsave-settings\n"
                                 "answer no\nload-settings\nexit\n";
    ZephResult piped = run_zeph(in_scratch({}, commands));
    std::filesystem::remove(settings_path());
    ZephResult batch = script(commands);
    EXPECT_EQ(piped.status, 0) << piped.out << piped.err;
    EXPECT_EQ(piped.out, batch.out);
    EXPECT_EQ(scrubbed(piped.out),
              "beep: Error    32: Cannot open settings file '@DIR@/config/zeph/zeph.ini'\n"
              "command: save-settings\n"
              "question: Save settings file '@DIR@/config/zeph/zeph.ini'? [yes/no]\n"
              "answer: yes\n"
              "command: load-settings\n"
              "question: Load settings file '@DIR@/config/zeph/zeph.ini'? [yes/no]\n"
              "answer: no\n"
              "command: exit\n");
    EXPECT_TRUE(piped.err.empty()) << piped.err;
    shell_test::expect_golden("default_zeph.ini", read_file(settings_path()));
}

TEST_F(ZephProgramTest, AnUnansweredQuestionAbortsThatCommandAndTheScriptGoesOn) {
    write_file(settings_path(), "[GUI]\nSaveSettingsOnExit=no\nGridFactor=4\n");
    ZephResult r = script("save-settings\nhelp exit\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(scrubbed(r.out),
              "command: save-settings\n"
              "question: Save settings file '@DIR@/config/zeph/zeph.ini'? [yes/no]\n"
              "error: save-settings abandoned: question not answered: Save settings file "
              "'@DIR@/config/zeph/zeph.ini'?\n"
              "command: help exit\n"
              "help: exit                     Exit the application\n");
    EXPECT_EQ(read_file(settings_path()), "[GUI]\nSaveSettingsOnExit=no\nGridFactor=4\n");
}

TEST_F(ZephProgramTest, SettingsEdgeCasesAreWrittenBackCorrected) {
    write_file(settings_path(), "; kept\n[GUI]\nGridFactor=0\nMaxUndos=0\nSaveSettingsOnExit=no\n"
                                "[Environment]\nBackupTime=45\nVhdlExt=v\nVerilogExt=v\n"
                                "EntityExt=e\n[Tools]\nSynthesisTool=CORE\n[Other]\nkey=value\n");
    ZephResult r = script("answer yes\nsave-settings\n");
    EXPECT_EQ(r.status, 0) << r.out;
    std::string text = read_file(settings_path());
    for (const char* line :
         {"; kept\n[GUI]\nGridFactor=1\nMaxUndos=1\n", "\nBackupTime=30\n", "\nVhdlExt=vhd\n",
          "\nEntityExt=ent\n", "\nArchitectureExt=arc\n", "\nConfigurationExt=cf\n",
          "\nVerilogExt=v\n", "\nSynthesisTool=Galileo\n", "[Other]\nkey=value\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line << "\nin:\n" << text;
}

TEST_F(ZephProgramTest, ExitWritesTheSettingsOnlyWhenAskedTo) {
    write_file(settings_path(), "[Environment]\nBackupTime=45\n");
    EXPECT_EQ(script("exit\n").status, 0);
    EXPECT_NE(read_file(settings_path()).find("BackupTime=30\n"), std::string::npos);

    write_file(settings_path(), "[GUI]\nSaveSettingsOnExit=no\n[Environment]\nBackupTime=45\n");
    EXPECT_EQ(script("").status, 0);
    EXPECT_EQ(read_file(settings_path()),
              "[GUI]\nSaveSettingsOnExit=no\n[Environment]\nBackupTime=45\n");
}

TEST_F(ZephProgramTest, ADamagedSettingsFileIsReportedAndKeptWhole) {
    write_file(settings_path(), "[GUI]\nGridFactor=3\nthis is not a setting\n");
    ZephResult r = script("exit\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(scrubbed(r.out),
              "box: [zeph] Settings file '@DIR@/config/zeph/zeph.ini' has 1 line that cannot be "
              "read (the first is line 3).\n"
              "box: The defaults stand for them; the lines are kept in the file.\n"
              "command: exit\n");
    EXPECT_NE(read_file(settings_path()).find("GridFactor=3\nthis is not a setting\n"),
              std::string::npos);
}

TEST_F(ZephProgramTest, TheSettingsFileBesideTheProgramComesFirst) {
    std::filesystem::copy_file(ZEPH_PROGRAM, dir / "zeph");
    write_file(dir / "zeph.ini", "[GUI]\nSaveSettingsOnExit=no\n");
    ZephRun run = in_scratch({}, "answer no\nsave-settings\n");
    run.program = dir / "zeph";
    ZephResult r = run_zeph(run);
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(scrubbed(r.out), "command: save-settings\n"
                               "question: Save settings file '@DIR@/zeph.ini'? [yes/no]\n"
                               "answer: no\n");
}

TEST_F(ZephProgramTest, CommandLineRefusals) {
    write_file(settings_path(), "[GUI]\nSaveSettingsOnExit=no\n");
    struct Case {
        const char* argument;
        const char* box;
    } cases[] = {
        {"designs\\cpu", "box: [zeph] Path not allowed in command line argument.\n"
                         "box: Design project must be on current working directory or\n"
                         "box: on Design Projects Directory or will be created there.\n"},
        {"sub/cpu.vdp", "box: [zeph] Path not allowed in command line argument.\n"
                        "box: Design project must be on current working directory or\n"
                        "box: on Design Projects Directory or will be created there.\n"},
        {"lib.vmp", "box: [zeph] Only design projects can be loaded as command line argument.\n"},
        {"old.vdf", "box: [zeph] Only design projects can be loaded as command line argument.\n"},
    };
    for (const Case& c : cases) {
        ZephResult r = run_zeph(in_scratch({c.argument}, "exit\n"));
        EXPECT_EQ(r.status, 0) << c.argument;
        EXPECT_EQ(r.out, std::string(c.box) + "command: exit\n") << c.argument;
    }
    // A plain name is accepted; an undefined designs directory refuses it with its message.
    write_file(settings_path(), "[GUI]\nSaveSettingsOnExit=no\n[Environment]\nDesigns=$NOWHERE\n");
    ZephResult r = run_zeph(in_scratch({"cpu"}, "exit\n"));
    EXPECT_EQ(r.out, "beep: No definition for logical directory 'NOWHERE'.\ncommand: exit\n");
}

TEST_F(ZephProgramTest, WithoutACurrentDirectoryTheProgramEnds) {
    std::filesystem::create_directory(dir / "gone");
    ZephRun run = in_scratch({}, "exit\n");
    run.cwd = dir / "gone";
    run.remove_cwd_first = true;
    ZephResult r = run_zeph(run);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "box: [zeph] Illegal pwd.\n");
}

TEST_F(ZephProgramTest, TheSampleReportStillWorks) {
    ZephResult r = run_zeph(in_scratch({"--sample-report"}));
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("report-title: Design Verify\n"), std::string::npos) << r.out;
}

} // namespace
